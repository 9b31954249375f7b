#include "intake/ArchiveUnpack.h"

#include "intake/ArchiveExtract.h"
#include "intake/EntryPaths.h"
#include "intake/StagingReplacement.h"
#include "package/Files.h"
#include "package/FolderClearing.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString outcomeMessage(const Extraction &extraction, const QString &name)
{
    switch (extraction.outcome) {
    case ExtractOutcome::Done:
        break;
    case ExtractOutcome::Unreadable:
        return "Wingstash cannot read " + name + " as an archive.  Nothing was unpacked.";
    case ExtractOutcome::Damaged:
        return "The archive " + name +
               " is damaged or incomplete.  Nothing from it was kept in the Staging folder.";
    case ExtractOutcome::Encrypted:
        return "The archive " + name + " is protected by a password" +
               (extraction.encryptedEntry.isEmpty()
                    ? QString()
                    : " (its entry " + extraction.encryptedEntry + " is encrypted)") +
               ", so Wingstash cannot unpack it.  Nothing was unpacked.";
    case ExtractOutcome::TooLarge:
        return "The contents of " + name +
               " do not fit in the free space of the Staging folder's disk.  Nothing was "
               "unpacked.";
    case ExtractOutcome::Bomb:
        return "The archive " + name +
               " would unpack to more than a thousand times its own size, as harmful archives "
               "do.  Nothing from it was kept in the Staging folder.";
    case ExtractOutcome::WriteFailed:
        return "Wingstash could not write " + extraction.failedPath +
               " (the disk may be full or read-only, or an entry of that name is in the way).  "
               "Nothing from " +
               name + " was kept in the Staging folder.";
    }
    return {};
}

// Unpacks one archive into a folder and says what went wrong or was left out. The files
// written when it succeeded, else nothing. The bytes written are taken from the allowance.
std::optional<QStringList> unpackReporting(Context &context, const QString &archivePath,
                                           const QString &folder, const QStringList &takenNames,
                                           qint64 &allowance)
{
    const QString name = QFileInfo(archivePath).fileName();
    const Extraction extraction =
        extractArchive(archivePath, folder, takenNames, allowance, context.progress);
    if (extraction.outcome != ExtractOutcome::Done) {
        context.messages.inform(outcomeMessage(extraction, name));
        return std::nullopt;
    }
    allowance -= extraction.bytesWritten;
    if (!extraction.leftOut.isEmpty()) {
        context.messages.inform(
            "Wingstash unpacked " + name +
            " but left out the entries below.  Each is a link, a device, a name a Windows disk "
            "cannot hold, a name or path too long for the disk, a name that would lie outside "
            "the Staging folder, or a name that came before." +
            kCrLf + kCrLf + extraction.leftOut.join(kCrLf));
    }
    return extraction.files;
}

// Staging holds files: the user decides whether they are to make way, shown which. The names of
// the entries that make way, or nothing: leave everything. They go only once the new files are
// whole, and only if all of them could go.
std::optional<QStringList> replacedStagingEntries(Context &context, const QString &name)
{
    const QString &staging = context.state.StagingDir;
    const DeletionPlan plan = folderClearingPlan(staging, staging);
    if (!context.messages.confirmOk(
            "The Staging folder already holds files.  Unpacking " + name +
                " among them would mix two add-ons." + kCrLf + kCrLf +
                "OK removes everything from the Staging folder first; Cancel leaves it as it is "
                "and unpacks nothing.",
            deletionDetails({plan})) ||
        !canClearFolder(context, staging, plan))
        return std::nullopt;
    QStringList names;
    for (const DeletionPlan::Entry &entry : plan.entries())
        names.append(QFileInfo(entry.path).fileName());
    return names;
}

bool liesIn(const QString &path, const QString &folder)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    return !canonicalFolder.isEmpty() &&
           QFileInfo(path).canonicalFilePath().startsWith(canonicalFolder + QLatin1Char('/'));
}

} // namespace

bool UnpackIntoStaging(Context &context, const QString &archivePath)
{
    const QString staging = platform::resolveCase(context.state.StagingDir);
    QString name = QFileInfo(archivePath).fileName();
    // Replacing Staging's contents would delete the archive itself.
    if (liesIn(archivePath, staging)) {
        context.messages.inform("The archive " + name +
                                " lies in the Staging folder.  Move it somewhere else first; "
                                "nothing was unpacked.");
        return false;
    }
    // Staging that shows nothing may still hold hidden entries: they stay, and keep their names.
    const bool replacing = !IsStagingEmpty(context.state);
    QStringList replaced; // Staging's entries that make way for the new ones
    if (replacing) {
        const std::optional<QStringList> agreed = replacedStagingEntries(context, name);
        if (!agreed)
            return false;
        replaced = *agreed;
    }
    QStringList takenNames;
    if (!replacing) {
        for (const platform::DirEntry &entry :
             platform::listDirectory(staging, nullptr, platform::ListDetail::FolderTest,
                                     platform::HiddenEntries::Include))
            takenNames.append(entry.name);
    }

    // Everything is unpacked aside first; Staging changes only once the new files are whole.
    StagingReplacement replacement(context.messages, staging);
    const auto unpackAside = [&](const QString &archive, qint64 &allowance) {
        const QString folder = replacement.newUnpackFolder();
        if (folder.isEmpty()) {
            context.messages.inform("Wingstash could not write in the Staging folder " +
                                    QDir::toNativeSeparators(staging) + " (" +
                                    replacement.error().trimmed() + ").  Nothing was unpacked.");
            return std::optional<QStringList>{};
        }
        std::optional<QStringList> files =
            unpackReporting(context, archive, folder, takenNames, allowance);
        if (!files)
            replacement.dropLastFolder();
        return files;
    };
    // Archives unpacked from this one share its allowance, so a chain of them cannot grow
    // further than the archive the user chose.
    qint64 allowance = expansionAllowance(QFileInfo(archivePath).size());
    std::optional<QStringList> files = unpackAside(archivePath, allowance);
    if (!files)
        return false;
    // An add-on packed inside another archive: its inner archive takes the outer one's place;
    // when the inner one fails, the outer one's contents are placed as they are.
    while (files->size() == 1 && isArchiveName(files->first())) {
        const QString inner = files->first();
        const QString innerName = QFileInfo(inner).fileName();
        if (!context.messages.confirmYes("The archive " + name + " holds only another archive, " +
                                         innerName + ".  Unpack " + innerName + " too?"))
            break;
        std::optional<QStringList> innerFiles = unpackAside(inner, allowance);
        if (!innerFiles)
            break;
        files = std::move(innerFiles);
        name = innerName;
    }
    if (!replacement.place(replaced)) {
        context.messages.inform("Wingstash could not put the files of " + name +
                                " in the Staging folder (" + replacement.error().trimmed() +
                                ").  The Staging folder was left as it was.");
        return false;
    }
    return true;
}
