#include "install/PackageCopy.h"

#include "install/CfgUsers.h"
#include "install/Gauges.h"
#include "package/ConfigReaders.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "platform/FileSystem.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace {

// Longest folder name that common Linux file systems accept, in bytes.
constexpr qsizetype kMaxNameBytes = 255;

constexpr qsizetype kFilesPerRepaint = 64;

QString sep()
{
    return QString(platform::separator());
}

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

QString sentence(const QString &error)
{
    QString text = error.trimmed();
    if (text.isEmpty())
        text = QStringLiteral("The reason is unknown");
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

// What a copy has put on disk, so that a failure can take all of it back. Only entries that
// did not exist before are recorded: a file that was there before is never removed.
class CreatedEntries {
public:
    void addFile(const QString &path) { files_.append(path); }
    void addFolder(const QString &path) { folders_.append(path); }

    // Removes the files, then the folders, newest first. False when something stayed.
    bool removeAll() const
    {
        bool complete = true;
        for (auto file = files_.crbegin(); file != files_.crend(); ++file) {
            if (!platform::removeFile(*file).ok)
                complete = false;
        }
        for (auto folder = folders_.crbegin(); folder != folders_.crend(); ++folder) {
            if (!platform::removeFolder(*folder).ok)
                complete = false;
        }
        return complete;
    }

private:
    QStringList files_;
    QStringList folders_;
};

// The first part of the failure message; empty when the failure was already reported.
using Failure = std::optional<QString>;

Failure copyOne(const QString &source, const QString &destination, CreatedEntries &created)
{
    const bool existed = platform::entryExists(destination);
    const platform::Result result = platform::copyFile(source, destination);
    if (!existed && platform::entryExists(destination))
        created.addFile(destination);
    if (result.ok)
        return std::nullopt;
    return QStringLiteral("Wingstash could not copy ") + source + QStringLiteral(" to ") +
           destination + QStringLiteral(".  ") + sentence(result.error);
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

// copyOne for a destination inside the new package folder.
Failure copyIntoNewFolder(const QString &source, const QString &folder, const QString &name,
                          NewFolderEntries &entries, CreatedEntries &created)
{
    const std::optional<QString> earlier = entries.find(folder, name);
    const QString destination = earlier ? *earlier : folder + name;
    const platform::Result result =
        platform::copyFile(source, destination, platform::PathLookup::AsGiven);
    // A failed copy leaves no new destination behind: copyFile removes what it made.
    if (!earlier && result.ok) {
        created.addFile(destination);
        entries.add(folder, name);
    }
    if (result.ok)
        return std::nullopt;
    return QStringLiteral("Wingstash could not copy ") + source + QStringLiteral(" to ") +
           destination + QStringLiteral(".  ") + sentence(result.error);
}

Failure makeOneFolder(const QString &path, CreatedEntries &created)
{
    const platform::Result result = platform::makeFolder(path);
    if (result.ok) {
        created.addFolder(path);
        return std::nullopt;
    }
    return QStringLiteral("Wingstash could not create the folder ") + path + QStringLiteral(".  ") +
           sentence(result.error);
}

void reportAndUndo(Context &context, const Failure &failure, const CreatedEntries &created,
                   const QString &target)
{
    const bool undone = created.removeAll();
    if (failure->isEmpty())
        return;
    const QString outcome =
        undone ? QStringLiteral("  Nothing was copied.")
               : QStringLiteral("  Some of the copied files could not be removed again; please "
                                "check ") +
                     target + QStringLiteral(".");
    context.messages.inform(*failure + outcome);
}

// Copies one kind into its place below folder (which ends with the separator). The kind
// folder is made with its first file, so no kind leaves an empty folder behind.
Failure copyKind(Context &context, int kind, const QString &folder, bool inSimulator,
                 NewFolderEntries &entries, CreatedEntries &created)
{
    const SharedState &state = context.state;
    const FileList &files = state.ComponentFiles.at(kind);
    if (kind == Gauges && inSimulator)
        return std::nullopt; // the simulator keeps gauges in its shared folder
    const QString kindFolder = folder + QString::fromLatin1(KindNames.at(kind));
    bool kindFolderMade = false;
    // The package's own panel.cfg is already in the target when the gauges come.
    const QStringList panelLines =
        kind == Gauges ? cfgLinesBelow(folder, QStringLiteral("panel.cfg")) : QStringList{};

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
                if (Failure failure = makeOneFolder(kindFolder, created))
                    return failure;
                entries.add(folder, QString::fromLatin1(KindNames.at(kind)));
                kindFolderMade = true;
            }
            destinationFolder = kindFolder + sep();
        }
        if (Failure failure =
                copyIntoNewFolder(file.realPath, destinationFolder, name, entries, created))
            return failure;

        // Sounds that the package's sound.cfg does not name are the gauges' sounds; the
        // simulator looks for them in its shared sound folder. One already there stays.
        if (kind == Sound && inSimulator && name.right(4) == QStringLiteral(".wav")) {
            const QString shared = platform::resolveCase(FolderLayout(state).soundFolder() + name);
            if (!platform::entryExists(shared) && !IsSoundInSoundCfg(state, name)) {
                if (Failure failure = copyOne(file.realPath, shared, created))
                    return failure;
            }
        }
    }
    return std::nullopt;
}

// ProcessGauges mode 1: every gauge of the package into the simulator's gauges folder,
// replacing one of the same name.
Failure copyGaugesIn(Context &context, CreatedEntries &created)
{
    if (reportMissingGaugesFolder(context))
        return QString();
    const FileList &gauges = context.state.ComponentFiles.at(Gauges);
    const QString folder = FolderLayout(context.state).gaugesFolder();
    const platform::ShownProgress shown(context.progress, 0, int(gauges.size()) + 1);
    int step = 1;
    for (const PackageFile &gauge : gauges) {
        const QString destination = platform::resolveCase(folder + FileNameOf(gauge.path, false));
        if (Failure failure = copyOne(gauge.realPath, destination, created))
            return failure;
        context.progress.setValue(++step);
    }
    return std::nullopt;
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
    const bool inSimulator = FolderLayout(state).liesInSimulator(target);
    if (inSimulator && reportMissingGaugesFolder(context))
        return false;
    if (const QString why = unusableNameMessage(target); !why.isEmpty()) {
        context.messages.inform(why);
        return false;
    }
    const QString targetFolder = platform::resolveCase(target);
    if (!platform::makeFolder(targetFolder).ok) {
        context.messages.inform(QStringLiteral("Either the directory ") + target +
                                QStringLiteral(" already exists or the target media is read "
                                               "only (i.e. CD ROM)."));
        return false;
    }
    CreatedEntries created;
    created.addFolder(targetFolder);
    const QString folder = targetFolder + sep();

    context.progress.show(0, kKindCount - 1);
    Failure failure;
    NewFolderEntries entries;
    for (int kind = 0; kind < kKindCount && !failure; ++kind) {
        failure = copyKind(context, kind, folder, inSimulator, entries, created);
        if (!failure)
            context.progress.setValue(kind);
    }
    context.progress.hide();
    if (!failure && inSimulator)
        failure = copyGaugesIn(context, created);
    if (failure) {
        reportAndUndo(context, failure, created, target);
        return false;
    }
    return true;
}

void ProcessGauges(Context &context, int mode)
{
    if (mode == 1) {
        CreatedEntries created;
        if (const Failure failure = copyGaugesIn(context, created))
            reportAndUndo(context, failure, created, FolderLayout(context.state).gaugesFolder());
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
