#include "package/FolderClearing.h"

#include "package/Files.h"
#include "package/ShutDown.h"
#include "package/Walk.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

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

// The folder a path really names, links resolved, so that a link to the root or to the home
// folder is refused as well.
QString canonicalOrClean(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

bool isVolumeRoot(const QString &path)
{
    // The root of a network share (Windows) has the safe form but is a volume's top folder.
    if (path.size() == rootLength(path))
        return true;
    const QString folder = canonicalOrClean(path);
    const QStorageInfo volume(folder);
    return volume.isValid() && canonicalOrClean(volume.rootPath()) == folder;
}

// Emptying a folder that holds another of the three locations (a store kept inside Staging)
// would erase that location too, which no single action ever asks for.
bool holdsAnotherLocation(const SharedState &state, const QString &path)
{
    const QString folder = canonicalOrClean(path) + QLatin1Char('/');
    for (const QString &location : {state.StagingDir, state.StowbayDir, state.MsfsDir}) {
        if (location.isEmpty())
            continue;
        const QString inner = canonicalOrClean(location) + QLatin1Char('/');
        if (inner != folder && inner.startsWith(folder))
            return true;
    }
    return false;
}

// Why Wingstash will not empty a folder of the right form, or empty when it will.
QString refusalReason(const SharedState &state, const QString &path)
{
    if (canonicalOrClean(path) == canonicalOrClean(QDir::homePath()))
        return QStringLiteral("it is your home folder");
    if (isVolumeRoot(path))
        return QStringLiteral("it is the top folder of a drive");
    if (holdsAnotherLocation(state, path))
        return QStringLiteral("it holds another of your Staging, Stowbay and MSFS folders");
    return {};
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
    context.messages.inform(QStringLiteral("Wingstash did not empty the folder ") + path +
                            QStringLiteral(" because ") + reason +
                            QStringLiteral(".  Nothing was deleted."));
    return false;
}

bool ClearFolder(Context &context, const QString &path)
{
    if (!mayClearFolder(context, path))
        return false;
    const QString folder = platform::resolveCase(path);
    // Folders are listed before any file goes, each before the folders inside it; removing
    // them from the last back to the first takes inner folders first.
    const QStringList subfolders = ListSubDirs(folder);
    // Links are listed as files, so removing them never touches what they point to.
    for (const PackageFile &file : walkFiles(folder))
        RemoveFile(context.messages, file.realPath);
    for (qsizetype i = subfolders.size() - 1; i >= 0; --i) {
        if (!platform::removeFolder(subfolders[i]).ok)
            context.messages.inform(kFolderNotRemoved);
    }
    return true;
}
