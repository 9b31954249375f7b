#include "package/PackageCopy.h"

#include "package/CfgUsers.h"
#include "package/ConfigReaders.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/Gauges.h"
#include "package/Transaction.h"
#include "platform/CaseLookup.h"
#include "platform/FileCopy.h"
#include "platform/FileListing.h"
#include "platform/FileWriting.h"
#include "platform/Folders.h"
#include "platform/Path.h"
#include "platform/Result.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace {

// Longest folder name that common Linux file systems accept, in bytes.
constexpr qsizetype kMaxNameBytes = 255;

constexpr qsizetype kFilesPerRepaint = 64;

// Why the target's folder name cannot be used, or an empty text when it can. Checked before
// anything is written, so a refused name leaves nothing behind.
QString unusableNameMessage(const QString &target)
{
    const QString name = target.mid(target.lastIndexOf(platform::separator()) + 1);
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..") ||
        name.contains(QChar(0)))
        return QStringLiteral("The package name cannot be used as a folder name.  Please use "
                              "another name.");
    if (name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' ')))
        return QStringLiteral(
            "The package name cannot end with a dot or a space.  Please use another name.");
    if (name.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral(
            "The package name is too long for a folder name.  Please use a shorter name.");
    return {};
}

// The first part of the failure message; empty when the failure was already reported.
using Failure = std::optional<QString>;

Failure copyFailure(const QString &source, const QString &destination,
                    const platform::Result &result)
{
    if (result.ok)
        return std::nullopt;
    return QStringLiteral("Wingstash could not copy ") + source + QStringLiteral(" to ") +
           destination + QStringLiteral(".  ") + platform::asSentence(result.error);
}

// A file for a shared folder of the simulator: written beside its place under a hidden name,
// put in place only when the whole install commits.
Failure stageShared(Transaction &transaction, const QString &source, const QString &destination,
                    platform::Existing existing)
{
    return copyFailure(source, destination,
                       transaction.stageSharedFile(source, destination, existing));
}

// The entries a copy has made in the new package folder and its kind folders, by folder and
// case key. The folders are new, so these are all their entries: a destination is looked up
// here, as a look-up on disk would find it, without listing its folder for every file.
class NewFolderEntries {
public:
    // The real path of an entry made before whose name matches ignoring case, or nothing.
    std::optional<QString> find(const QString &folder, const QString &name) const
    {
        const auto found = entries_.find({folder, platform::caseKey(name)});
        if (found == entries_.end())
            return std::nullopt;
        return folder + found->second;
    }
    void add(const QString &folder, const QString &name)
    {
        entries_.emplace(Key{folder, platform::caseKey(name)}, name);
    }

private:
    using Key = std::pair<QString, std::u32string>;
    std::map<Key, QString> entries_;
};

// Copies a file into the new package folder.
Failure copyIntoNewFolder(const QString &source, const QString &folder, const QString &name,
                          NewFolderEntries &entries)
{
    const std::optional<QString> earlier = entries.find(folder, name);
    const QString destination = earlier ? *earlier : folder + name;
    const platform::Result result =
        platform::copyFile(source, destination, platform::PathLookup::AsGiven);
    if (!earlier && result.ok)
        entries.add(folder, name);
    return copyFailure(source, destination, result);
}

Failure makeOneFolder(const QString &path)
{
    const platform::Result result = platform::makeFolder(path);
    if (result.ok)
        return std::nullopt;
    return QStringLiteral("Wingstash could not create the folder ") + path + QStringLiteral(".  ") +
           platform::asSentence(result.error);
}

// Takes back everything the transaction made and says what failed. A rollback that could not
// finish names the folder where the copy was built; the next start tries again.
void reportAndUndo(Context &context, const Failure &failure, Transaction &transaction)
{
    const bool undone = transaction.rollBack();
    if (failure->isEmpty())
        return;
    const QString outcome =
        undone ? QStringLiteral("  Nothing was copied.")
               : QStringLiteral("  Some of the copied files could not be removed again; please "
                                "check ") +
                     transaction.stagedFolder() + QStringLiteral(".");
    context.messages.inform(*failure + outcome);
}

// Copies one kind into its place below folder (which ends with the separator). The kind
// folder is made with its first file, so no kind leaves an empty folder behind.
Failure copyKind(Context &context, int kind, const QString &folder, bool inSimulator,
                 NewFolderEntries &entries, Transaction &transaction)
{
    const SharedState &state = context.state;
    const FileList &files = state.ComponentFiles.at(kind);
    if (kind == Gauges && inSimulator)
        return std::nullopt; // the simulator keeps gauges in its shared folder
    const QString kindFolder = FolderLayout::kindFolder(folder, ComponentKind(kind));
    bool kindFolderMade = false;
    // The package's own panel.cfg is already in the target when the gauges come.
    const QStringList panelLines =
        kind == Gauges ? cfgLinesBelow(folder, configFileName(ConfigFile::Panel)) : QStringList{};

    qsizetype count = 0;
    for (const PackageFile &file : files) {
        // A kind may hold thousands of files: the bar repaints (at the value it shows) now and
        // then, so the window does not freeze while they are copied.
        if (++count % kFilesPerRepaint == 0)
            context.progress.setValue(qMax(0, kind - 1));
        const QString name = FileNameOf(file.path, false);
        if (kind == Gauges && !anyLineContains(panelLines, gaugeBaseName(name)))
            continue;
        QString destinationFolder = folder;
        if (kind != Aircraft) {
            if (!kindFolderMade) {
                if (Failure failure = makeOneFolder(platform::withoutTrailingSeparator(kindFolder)))
                    return failure;
                entries.add(folder, QString::fromLatin1(KindNames.at(kind)));
                kindFolderMade = true;
            }
            destinationFolder = kindFolder;
        }
        if (Failure failure = copyIntoNewFolder(file.realPath, destinationFolder, name, entries))
            return failure;

        // Sounds that the package's sound.cfg does not name are the gauges' sounds; the
        // simulator looks for them in its shared sound folder. One already there stays.
        if (kind == Sound && inSimulator && name.right(4) == QStringLiteral(".wav")) {
            const QString shared = FolderLayout(state).sharedSound(name);
            if (!platform::entryExists(shared) && !IsSoundInSoundCfg(state, name)) {
                if (Failure failure =
                        stageShared(transaction, file.realPath, shared, platform::Existing::Keep))
                    return failure;
            }
        }
    }
    return std::nullopt;
}

// ProcessGauges mode 1: every gauge of the package into the simulator's gauges folder,
// replacing one of the same name when the transaction commits.
Failure copyGaugesIn(Context &context, Transaction &transaction)
{
    if (reportMissingGaugesFolder(context))
        return QString();
    const FileList &gauges = context.state.ComponentFiles.at(Gauges);
    const FolderLayout layout(context.state);
    const platform::ShownProgress shown(context.progress, 0, int(gauges.size()) + 1);
    int step = 1;
    for (const PackageFile &gauge : gauges) {
        const QString destination = layout.sharedGauge(FileNameOf(gauge.path, false));
        if (Failure failure =
                stageShared(transaction, gauge.realPath, destination, platform::Existing::Replace))
            return failure;
        context.progress.setValue(++step);
    }
    return std::nullopt;
}

// A transaction's commit, as a failure of the copy.
Failure commitFailure(Transaction &transaction)
{
    const platform::Result committed = transaction.commit();
    if (committed.ok)
        return std::nullopt;
    return committed.error;
}

bool recordFailed(Context &context, const Transaction &transaction)
{
    if (transaction.started())
        return false;
    context.messages.inform(QStringLiteral("Wingstash could not keep a record of the copy in ") +
                            context.state.StateDir + QStringLiteral(".  ") +
                            platform::asSentence(transaction.error()) +
                            QStringLiteral("  Nothing was copied."));
    return true;
}

} // namespace

bool CopyPackage(Context &context, const QString &target)
{
    const SharedState &state = context.state;
    // An incomplete list would store or install part of the package as if it were whole.
    if (state.ScanOverflow) {
        context.messages.inform(QStringLiteral("This package holds more files than Wingstash "
                                               "can list, so it was not copied.  Nothing was "
                                               "changed."));
        return false;
    }
    const FolderLayout layout(state);
    const bool inSimulator = layout.liesInSimulator(target);
    if (inSimulator && reportMissingGaugesFolder(context))
        return false;
    if (const QString why = unusableNameMessage(target); !why.isEmpty()) {
        context.messages.inform(why);
        return false;
    }
    const QString exists = QStringLiteral("Either the directory ") + target +
                           QStringLiteral(" already exists or the target media is read only "
                                          "(i.e. CD ROM).");
    const QString targetFolder = platform::resolveCase(target);
    if (platform::entryExists(targetFolder)) {
        context.messages.inform(exists);
        return false;
    }
    // The package is built in a hidden folder beside its place and renamed into place when
    // whole; files for the simulator's shared folders wait beside theirs until then.
    const QStringList shared =
        inSimulator ? QStringList{layout.gaugesFolder(), layout.soundFolder()} : QStringList{};
    Transaction transaction(state.StateDir, targetFolder, shared);
    if (recordFailed(context, transaction))
        return false;
    if (!transaction.makeStagedFolder().ok) {
        transaction.rollBack();
        context.messages.inform(exists);
        return false;
    }
    const QString folder = platform::withTrailingSeparator(transaction.stagedFolder());

    context.progress.show(0, kKindCount - 1);
    Failure failure;
    NewFolderEntries entries;
    for (int kind = 0; kind < kKindCount && !failure; ++kind) {
        failure = copyKind(context, kind, folder, inSimulator, entries, transaction);
        if (!failure)
            context.progress.setValue(kind);
    }
    context.progress.hide();
    if (!failure && inSimulator)
        failure = copyGaugesIn(context, transaction);
    // The user knows the package folder by the name it was to have.
    if (failure)
        failure->replace(transaction.stagedFolder(), targetFolder);
    if (!failure)
        failure = commitFailure(transaction);
    if (failure) {
        reportAndUndo(context, failure, transaction);
        return false;
    }
    return true;
}

bool CopyIsOnDisk(Context &context, const QString &copy)
{
    const platform::Result synced = platform::syncFileSystem(platform::resolveCase(copy));
    if (synced.ok)
        return true;
    context.messages.inform(QStringLiteral("Wingstash could not make sure that the copy in ") +
                            copy + QStringLiteral(" is on the disk, so nothing was deleted.  ") +
                            platform::asSentence(synced.error));
    return false;
}

void ProcessGauges(Context &context, int mode)
{
    if (mode == 1) {
        if (reportMissingGaugesFolder(context))
            return;
        Transaction transaction(context.state.StateDir, QString(),
                                {FolderLayout(context.state).gaugesFolder()});
        if (recordFailed(context, transaction))
            return;
        Failure failure;
        if (!transaction.makeStagedFolder().ok)
            failure = QStringLiteral("Wingstash could not create the folder ") +
                      transaction.stagedFolder() + QStringLiteral(".");
        if (!failure)
            failure = copyGaugesIn(context, transaction);
        if (!failure)
            failure = commitFailure(transaction);
        if (failure)
            reportAndUndo(context, failure, transaction);
        return;
    }
    if (mode == 2) {
        RemoveUnusedGauges(context);
        return;
    }
    // Any other mode only shows and hides the progress bar, as callers expect.
    if (reportMissingGaugesFolder(context))
        return;
    context.progress.show(0, int(context.state.ComponentFiles.at(Gauges).size()) + 1);
    context.progress.hide();
}
