#include "package/FolderClearing.h"

#include "package/Files.h"
#include "package/ShutDown.h"
#include "package/Walk.h"
#include "platform/FileSystem.h"

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
bool hasRelativeComponent(const QString &path)
{
    const QStringList components = path.split(platform::separator(), Qt::SkipEmptyParts);
    return components.contains(QLatin1String(".")) || components.contains(QLatin1String(".."));
}

// The folder a path really names, links resolved, so that a link to the root or to the home
// folder is refused as well.
QString canonicalOrClean(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

} // namespace

bool hasSafeFolderForm(const QString &path)
{
    const QChar separator = platform::separator();
    if (path.size() < 3 || !QDir::isAbsolutePath(path) || path.front() != separator ||
        path.back() != separator)
        return false;
    const QChar first = path.at(1);
    if (first == separator || first == QLatin1Char(' ') || hasRelativeComponent(path))
        return false;
    const QString folder = canonicalOrClean(path);
    if (folder == QDir::rootPath())
        return false;
    if (folder == canonicalOrClean(QDir::homePath()))
        return false;
    const QStorageInfo volume(folder);
    return !(volume.isValid() && canonicalOrClean(volume.rootPath()) == folder);
}

namespace {

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

} // namespace

void ClearFolder(Context &context, const QString &path)
{
    if (!hasSafeFolderForm(path) || holdsAnotherLocation(context.state, path)) {
        context.messages.inform(kCriticalError);
        ShutDown();
    }
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
}
