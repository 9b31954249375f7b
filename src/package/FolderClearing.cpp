#include "package/FolderClearing.h"

#include "package/Files.h"
#include "package/LocationSafety.h"
#include "package/Removal.h"
#include "package/ShutDown.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/FileRemoval.h"
#include "platform/PathIdentity.h"

#include <QDir>

#include <optional>

namespace {

const QString kCriticalError = QStringLiteral(
    "Critical error.  Please restart Wingstash and verify that your Staging, Stowbay and MSFS "
    "directory locations are set up correctly.");

const QString kFolderNotRemoved =
    QStringLiteral("There was a problem removing a directory.  The file or directory may be set "
                   "to READ ONLY mode (i.e. CD ROM).");

// "." and ".." could lead out of the folder the path seems to name.
bool hasRelativeComponent(const QString &path, QChar separator)
{
    const QStringList components =
        QString(path).replace(QLatin1Char('/'), separator).split(separator, Qt::SkipEmptyParts);
    return components.contains(QLatin1String(".")) || components.contains(QLatin1String(".."));
}

// The folder a path really names, letter case and links resolved, so that a link to the root or
// to the home folder, or the home folder written in other letter case, is refused as well.
QString canonicalOrClean(const QString &path)
{
    const QString canonical = platform::canonicalPath(path);
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

bool isVolumeRoot(const QString &path)
{
    // The root of a network share (Windows) has the safe form but is a volume's top folder.
    return path.size() == rootLength(path) || platform::isFileSystemRoot(path);
}

// Emptying a folder that holds another of the three locations (a store kept inside Staging), or
// is the store or the simulator folder, would erase that location too, which no single action
// ever asks for.
QString locationReason(const SharedState &state, const QString &folder)
{
    for (const QString &location : {state.StagingDir, state.StowbayDir, state.MsfsDir}) {
        const QString inner = platform::canonicalPath(location);
        if (!inner.isEmpty() && inner != folder && platform::isSameOrInside(inner, folder))
            return QStringLiteral("it holds another of your Staging, Stowbay and MSFS folders");
    }
    if (folder == platform::canonicalPath(state.StowbayDir))
        return QStringLiteral("it is your Stowbay folder");
    if (folder == platform::canonicalPath(state.MsfsDir))
        return QStringLiteral("it is your MSFS folder");
    return locationsClash(state);
}

// Why Wingstash will not empty a folder of the right form, or empty when it will.
QString refusalReason(const SharedState &state, const QString &path)
{
    const QString folder = canonicalOrClean(path);
    const QString home = platform::homeFolder();
    if (folder == home)
        return QStringLiteral("it is your home folder");
    if (platform::isSameOrInside(home, folder))
        return QStringLiteral("it holds your home folder");
    if (isVolumeRoot(path))
        return QStringLiteral("it is the top folder of a drive");
    return locationReason(state, folder);
}

QString notEmptiedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Wingstash did not empty the folder ") + path +
           QStringLiteral(" because ") + reason + QStringLiteral(".  Nothing was deleted.");
}

// The one of the three locations that holds the folder (the folder itself when none does): the
// trash of what is cleared there must lie outside it.
QString locationHolding(const SharedState &state, const QString &path)
{
    const QString folder = canonicalOrClean(path);
    for (const QString &location : {state.StagingDir, state.StowbayDir, state.MsfsDir}) {
        const QString canonical = platform::canonicalPath(location);
        if (!canonical.isEmpty() && platform::isSameOrInside(folder, canonical))
            return location;
    }
    return path;
}

} // namespace

bool hasSafeFolderForm(const QString &path, QChar separator)
{
    const qsizetype root = rootLength(path, separator);
    if (root == 0 || !path.endsWith(separator) || hasRelativeComponent(path, separator))
        return false;
    const bool shareRoot = root > 3 && root == path.size();
    if (shareRoot)
        return true;
    if (path.size() <= root)
        return false;
    const QChar first = path.at(root);
    return first != separator && first != QLatin1Char('/') && first != QLatin1Char(' ');
}

bool mayClearFolder(Context &context, const QString &path)
{
    if (!hasSafeFolderForm(path)) {
        context.messages.inform(kCriticalError);
        ShutDown();
    }
    const QString reason = refusalReason(context.state, path);
    if (reason.isEmpty())
        return true;
    context.messages.inform(notEmptiedMessage(path, reason));
    return false;
}

DeletionPlan folderClearingPlan(const QString &path, const QString &location)
{
    const QString folder = platform::resolveCase(path);
    const RemovalArea area(folder, location);
    DeletionPlan plan(location);
    bool listed = false;
    for (const platform::DirEntry &entry : platform::listDirectory(
             folder, &listed, platform::ListDetail::FolderTest, platform::HiddenEntries::Include))
        plan.add(area, folder + entry.name);
    if (!listed)
        plan.markIncomplete();
    return plan;
}

bool canClearFolder(Context &context, const QString &path, const DeletionPlan &plan)
{
    if (!mayClearFolder(context, path))
        return false;
    // Everything goes, hidden entries too, or nothing: each entry is checked before any goes.
    std::optional<platform::RemovalObstacle> obstacle;
    if (!plan.isComplete())
        obstacle = platform::RemovalObstacle{path, QStringLiteral("its contents cannot be read")};
    else
        obstacle = firstObstacle(plan.areaEntries());
    if (!obstacle)
        return true;
    context.messages.inform(notEmptiedMessage(path, cannotDeleteReason(*obstacle)));
    return false;
}

bool ClearFolder(Context &context, const QString &path, const DeletionPlan &plan)
{
    if (!canClearFolder(context, path, plan))
        return false;
    for (const DeletionPlan::Entry &entry : plan.entries()) {
        const RemovalOutcome removed =
            removeWithin(context.messages, entry.area, entry.path, Disposal::Trash);
        if (removed.kind == RemovalOutcome::Failed)
            context.messages.inform(kFolderNotRemoved);
    }
    return true;
}

bool ClearFolder(Context &context, const QString &path)
{
    return mayClearFolder(context, path) &&
           ClearFolder(context, path,
                       folderClearingPlan(path, locationHolding(context.state, path)));
}
