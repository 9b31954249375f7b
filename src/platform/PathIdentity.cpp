#include "platform/PathIdentity.h"

#include "platform/CaseLookup.h"
#include "platform/Path.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace platform {

namespace {

Qt::CaseSensitivity pathCase()
{
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

} // namespace

QString canonicalPath(const QString &path)
{
    if (path.isEmpty())
        return {};
    return QFileInfo(resolveCase(withoutTrailingSeparator(path))).canonicalFilePath();
}

QString entryLocation(const QString &path)
{
    const QFileInfo entry(resolveCase(withoutTrailingSeparator(path)));
    const QString folder = QFileInfo(entry.path()).canonicalFilePath();
    if (folder.isEmpty())
        return {};
    return folder.endsWith(QLatin1Char('/')) ? folder + entry.fileName()
                                             : folder + QLatin1Char('/') + entry.fileName();
}

bool isSameOrInside(const QString &inner, const QString &outer)
{
    if (inner.isEmpty() || outer.isEmpty())
        return false;
    if (inner.compare(outer, pathCase()) == 0)
        return true;
    const QString folder = outer.endsWith(QLatin1Char('/')) ? outer : outer + QLatin1Char('/');
    return inner.startsWith(folder, pathCase());
}

bool isFileSystemRoot(const QString &path)
{
    const QString canonical = canonicalPath(path);
    if (canonical.isEmpty())
        return false;
    if (QDir(canonical).isRoot())
        return true;
#ifdef Q_OS_UNIX
    // A mount point lies on another device than the folder holding it: two status calls, where
    // reading the system's whole mount table costs far more at every start.
    struct stat folder {};
    struct stat parent {};
    if (::stat(QFile::encodeName(canonical).constData(), &folder) == 0 &&
        ::stat(QFile::encodeName(canonical + QStringLiteral("/..")).constData(), &parent) == 0)
        return folder.st_dev != parent.st_dev || folder.st_ino == parent.st_ino;
#endif
    const QStorageInfo volume(canonical);
    return volume.isValid() &&
           QFileInfo(volume.rootPath()).canonicalFilePath().compare(canonical, pathCase()) == 0;
}

QString homeFolder()
{
    return QFileInfo(QDir::homePath()).canonicalFilePath();
}

std::optional<FileId> fileIdOf(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileId{quint64(status.st_dev), quint64(status.st_ino)};
#else
    const QString canonical = canonicalPath(path);
    if (canonical.isEmpty())
        return std::nullopt;
    return FileId{0, quint64(qHash(canonical.toLower()))};
#endif
}

} // namespace platform
