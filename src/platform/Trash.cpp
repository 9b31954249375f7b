#include "platform/Trash.h"

#include "platform/ActivityLog.h"
#include "platform/FaultInjection.h"
#include "platform/Path.h"
#include "platform/PathIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QUrl>

#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

const QString kInfoSuffix = QStringLiteral(".trashinfo");

QString nameOf(const QString &path)
{
    return QFileInfo(withoutTrailingSeparator(path)).fileName();
}

#ifdef Q_OS_UNIX

// The canonical form of a path that may not exist yet: its nearest existing folder resolved,
// the rest appended.
QString resolvedAsFarAsItExists(const QString &path)
{
    QString existing = QDir::cleanPath(path);
    QString rest;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        rest = QLatin1Char('/') + QFileInfo(existing).fileName() + rest;
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        existing = parent;
    }
    return canonicalPath(existing) + rest;
}

// The trash QFile::moveToTrash uses for an entry in folder: the home trash on the home's file
// system; elsewhere $top/.Trash/$uid when an administrator made $top/.Trash (sticky, no link),
// else $top/.Trash-$uid.
QString trashFolderFor(const QString &folder)
{
    const QStorageInfo storage(folder);
    if (storage == QStorageInfo(QDir::home()))
        return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/Trash");
    const QString top = storage.rootPath();
    const QString uid = QString::number(::getuid());
    struct stat shared {};
    const QString sharedTrash = top + QStringLiteral("/.Trash");
    if (::lstat(QFile::encodeName(sharedTrash).constData(), &shared) == 0 &&
        S_ISDIR(shared.st_mode) && (shared.st_mode & S_ISVTX))
        return sharedTrash + QLatin1Char('/') + uid;
    return top + QStringLiteral("/.Trash-") + uid;
}

bool sameDevice(const QString &a, const QString &b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev;
}

bool writableFolder(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

// Renames without ever replacing an entry.
bool renameKeeping(const QString &from, const QString &to)
{
    return ::renameat2(AT_FDCWD, QFile::encodeName(from).constData(), AT_FDCWD,
                       QFile::encodeName(to).constData(), RENAME_NOREPLACE) == 0;
}

#endif

// The trash's record of where an entry came from, made to say shownAs instead of path. The
// record holds the path whole, or (in the trash at the top of a file system) below that top.
QByteArray infoShowing(const QByteArray &info, const QString &path, const QString &shownAs)
{
    QList<QByteArray> lines = info.split('\n');
    for (QByteArray &line : lines) {
        if (!line.startsWith("Path="))
            continue;
        const QString recorded = QUrl::fromPercentEncoding(line.mid(5));
        const qsizetype cut = path.size() - recorded.size();
        if (cut < 0 || !path.endsWith(recorded) || !shownAs.startsWith(path.left(cut)))
            return info;
        line = "Path=" + QUrl::toPercentEncoding(shownAs.mid(cut), "/");
    }
    return lines.join('\n');
}

// Gives the entry just trashed as inTrash the name and origin of shownAs; where that cannot be
// done, it stays in the trash as it is, restorable under the name it had.
QString renameInTrash(const QString &inTrash, const QString &path, const QString &shownAs)
{
    const QString trash = QFileInfo(QFileInfo(inTrash).path()).path();
    const QString oldInfo = trash + QStringLiteral("/info/") + nameOf(inTrash) + kInfoSuffix;
    QFile infoFile(oldInfo);
    if (!infoFile.open(QIODevice::ReadOnly))
        return inTrash;
    const QByteArray info =
        infoShowing(infoFile.readAll(), withoutTrailingSeparator(path), shownAs);
    infoFile.close();
#ifdef Q_OS_UNIX
    const QString shownName = nameOf(shownAs);
    if (nameOf(path) != shownName) {
        for (int counter = 0; counter < 1000; ++counter) {
            const QString name =
                counter == 0 ? shownName : shownName + QStringLiteral("-%1").arg(counter);
            QFile newInfo(trash + QStringLiteral("/info/") + name + kInfoSuffix);
            if (!newInfo.open(QIODevice::WriteOnly | QIODevice::NewOnly))
                continue;
            const bool written = newInfo.write(info) == info.size();
            newInfo.close();
            const QString renamed = trash + QStringLiteral("/files/") + name;
            if (written && renameKeeping(inTrash, renamed)) {
                QFile::remove(oldInfo);
                return renamed;
            }
            newInfo.remove();
            if (!written || errno != EEXIST)
                break;
        }
    }
#endif
    QFile rewritten(oldInfo);
    if (rewritten.open(QIODevice::WriteOnly | QIODevice::Truncate))
        rewritten.write(info);
    return inTrash;
}

} // namespace

bool hasUsableTrash(const QString &folder, const QString &location)
{
#ifdef Q_OS_UNIX
    const QString real = canonicalPath(folder);
    const QString keptFree = canonicalPath(location);
    if (real.isEmpty() || keptFree.isEmpty())
        return false;
    const QString trash = resolvedAsFarAsItExists(trashFolderFor(real));
    if (isSameOrInside(trash, keptFree))
        return false;
    // Made on the first trashing when missing, in a folder that must exist; a rename cannot
    // leave the file system.
    for (const QString &made : {trash + QStringLiteral("/files"), trash}) {
        if (QFileInfo(made).isDir())
            return writableFolder(made) && sameDevice(made, real);
    }
    const QString parent = QFileInfo(trash).path();
    return QFileInfo(parent).isDir() && writableFolder(parent) && sameDevice(parent, real);
#else
    // The Recycle Bin of a volume is its own hidden system folder; there is always one.
    return !canonicalPath(folder).isEmpty() && !canonicalPath(location).isEmpty();
#endif
}

Result moveToTrash(const QString &path, const QString &shownAs)
{
    if (const int error = faults::inject(faults::Call::Rename))
        return {false, qt_error_string(error), error};
    QFile entry(withoutTrailingSeparator(path));
    if (!entry.moveToTrash())
        return {false, entry.errorString()};
    const QString shown = withoutTrailingSeparator(shownAs.isEmpty() ? path : shownAs);
    const QString inTrash = shown == withoutTrailingSeparator(path)
                                ? entry.fileName()
                                : renameInTrash(entry.fileName(), path, shown);
    if (recordingChanges())
        noteTree(Change::Trashed, shown, inTrash);
    return {};
}

} // namespace platform
