#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace platform {

namespace {

const QString accessDenied = QStringLiteral("Access is denied.");
const QString fileNotFound = QStringLiteral("The system cannot find the file specified.");
const QString pathNotFound = QStringLiteral("The system cannot find the path specified.");

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == separator();
}

// Qt reads "dir/" as the directory itself only for some calls; strip it so lstat-style
// questions are asked about the entry.
QString withoutTrailingSeparator(const QString &path)
{
    QString result = path;
    while (result.size() > 1 && isSeparator(result.back()))
        result.chop(1);
    return result;
}

bool entryPresent(const QFileInfo &info)
{
    return info.exists() || info.isSymLink();
}

// The owner write bit of the entry itself, never of a link's target.
bool ownerWritable(const QFileInfo &info)
{
#ifdef Q_OS_UNIX
    if (info.isSymLink()) {
        struct stat status {};
        if (::lstat(QFile::encodeName(info.filePath()).constData(), &status) != 0)
            return true;
        return (status.st_mode & S_IWUSR) != 0;
    }
#endif
    return info.permissions().testFlag(QFileDevice::WriteOwner);
}

unsigned attributesFromInfo(const QFileInfo &info)
{
    unsigned attributes = 0;
    if (info.isSymLink())
        attributes |= Link;
    else if (info.isDir())
        attributes |= Directory;
    if (!ownerWritable(info))
        attributes |= ReadOnly;
    if (info.fileName().startsWith(QLatin1Char('.')))
        attributes |= Hidden;
    return attributes;
}

bool lessByName(const DirEntry &a, const DirEntry &b)
{
    const int folded = QString::compare(a.name, b.name, Qt::CaseInsensitive);
    if (folded != 0)
        return folded < 0;
    return a.name < b.name;
}

// The name of a listed entry that matches ignoring case, or an empty string.
QString caseVariantIn(const QString &dir, const QString &name)
{
    bool ok = false;
    const QList<DirEntry> entries = listDirectory(dir.isEmpty() ? QStringLiteral(".") : dir, &ok);
    for (const DirEntry &entry : entries) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return entry.name;
    }
    return {};
}

bool hasWildcard(const QString &name)
{
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// Matches * and ? ignoring case; "*.*" names every file, as it does on Windows.
bool wildcardMatches(QStringView pattern, QStringView name)
{
    if (pattern == u"*.*")
        pattern = u"*";
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == QLatin1Char('?') ||
                                          pattern[p].toCaseFolded() == name[n].toCaseFolded())) {
            ++p;
            ++n;
        } else if (starAt >= 0) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace

QChar separator()
{
    return QDir::separator();
}

QList<DirEntry> listDirectory(const QString &dir, bool *ok)
{
    QList<DirEntry> entries;
    const QFileInfo dirInfo(dir);
    const bool listable = dirInfo.isDir() && dirInfo.isReadable();
    if (ok)
        *ok = listable;
    if (!listable)
        return entries;

    // System brings in broken links; without Hidden, names beginning with "." stay out.
    const QFileInfoList infos = QDir(dir).entryInfoList(
        QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    entries.reserve(infos.size());
    for (const QFileInfo &info : infos) {
        if (info.fileName().startsWith(QLatin1Char('.')))
            continue;
        entries.append({info.fileName(), attributesFromInfo(info)});
    }
    std::sort(entries.begin(), entries.end(), lessByName);
    return entries;
}

unsigned attributesOf(const QString &path, bool *exists)
{
    const QFileInfo info(withoutTrailingSeparator(path));
    const bool present = !path.isEmpty() && entryPresent(info);
    if (exists)
        *exists = present;
    return present ? attributesFromInfo(info) : 0;
}

bool entryExists(const QString &path)
{
    bool exists = false;
    attributesOf(resolveCase(path), &exists);
    return exists;
}

bool folderExists(const QString &path)
{
    bool exists = false;
    const unsigned attributes = attributesOf(resolveCase(path), &exists);
    return exists && attributes == Directory;
}

bool directoryExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(withoutTrailingSeparator(resolveCase(path))).isDir();
}

QString resolveCase(const QString &path)
{
    if (path.isEmpty() || entryPresent(QFileInfo(withoutTrailingSeparator(path))))
        return path;

    QString resolved;
    qsizetype start = 0;
    while (start < path.size()) {
        qsizetype end = start;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        const QString name = path.mid(start, end - start);
        if (!name.isEmpty()) {
            const QString exact = resolved + name;
            if (entryPresent(QFileInfo(exact))) {
                resolved = exact;
            } else {
                const QString variant = caseVariantIn(resolved, name);
                if (variant.isEmpty())
                    return resolved + path.mid(start); // the rest does not exist yet
                resolved += variant;
            }
        }
        if (end < path.size())
            resolved += path[end];
        start = end + 1;
    }
    return resolved;
}

QString withTrailingSeparator(const QString &path)
{
    if (path.isEmpty() || isSeparator(path.back()))
        return path;
    return path + separator();
}

qint64 fileSize(const QString &path)
{
    const QFileInfo info(resolveCase(path));
    return info.isFile() ? info.size() : -1;
}

QDateTime lastModified(const QString &path)
{
    const QFileInfo info(resolveCase(path));
    return info.exists() ? info.lastModified() : QDateTime();
}

Result copyFile(const QString &source, const QString &destination)
{
    QFile in(resolveCase(source));
    if (!in.open(QIODevice::ReadOnly))
        return {false, in.exists() ? in.errorString() : fileNotFound};

    const QString target = resolveCase(destination);
    bool targetExists = false;
    if (attributesOf(target, &targetExists) & ReadOnly)
        return {false, accessDenied}; // Windows refuses to overwrite a read-only file
    if (!targetExists && !QFileInfo(QFileInfo(target).path()).isDir())
        return {false, pathNotFound};

    // The copy goes to a temporary file that replaces the destination only when complete.
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return {false, out.errorString()};

    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 got = in.read(buffer.data(), buffer.size());
        if (got < 0)
            return {false, in.errorString()};
        if (got == 0)
            break;
        if (out.write(buffer.constData(), got) != got)
            return {false, out.errorString()};
    }
    if (!out.flush())
        return {false, out.errorString()};
    out.setFileTime(QFileInfo(in).lastModified(), QFileDevice::FileModificationTime);
    if (!out.commit())
        return {false, out.errorString()};
    return {};
}

RemoveResult removeFile(const QString &path)
{
    const QString real = resolveCase(withoutTrailingSeparator(path));
    bool exists = false;
    const unsigned attributes = attributesOf(real, &exists);
    if (!exists)
        return {true, true, {}};
    if (attributes & (ReadOnly | Directory))
        return {false, false, accessDenied};
    QFile file(real);
    if (!file.remove()) // unlinks a link itself, never its target
        return {false, false, file.errorString()};
    return {};
}

RemoveResult removeFiles(const QString &pattern)
{
    qsizetype cut = pattern.size();
    while (cut > 0 && !isSeparator(pattern[cut - 1]))
        --cut;
    const QString name = pattern.mid(cut);
    if (!hasWildcard(name))
        return removeFile(pattern);

    const QString dir = resolveCase(pattern.left(cut));
    RemoveResult result{true, true, {}};
    const QList<DirEntry> entries = listDirectory(dir.isEmpty() ? QStringLiteral(".") : dir);
    for (const DirEntry &entry : entries) {
        if (!wildcardMatches(name, entry.name))
            continue;
        const QString full = dir + entry.name;
        // A wildcard names files only: folders, and links standing for folders, stay.
        if ((entry.attributes & Directory) ||
            ((entry.attributes & Link) && QFileInfo(full).isDir()))
            continue;
        result.missing = false;
        const RemoveResult one = removeFile(full);
        if (!one.ok && result.ok) {
            result.ok = false;
            result.error = one.error;
        }
    }
    return result;
}

Result makeFolder(const QString &path)
{
    const QString real = resolveCase(withoutTrailingSeparator(path));
    bool exists = false;
    attributesOf(real, &exists);
    if (exists)
        return {false, QStringLiteral("Cannot create a file when that file already exists.")};
    if (!QFileInfo(QFileInfo(real).path()).isDir())
        return {false, pathNotFound};
    if (!QDir().mkdir(real))
        return {false, qt_error_string()};
    return {};
}

Result removeFolder(const QString &path)
{
    const QString real = resolveCase(withoutTrailingSeparator(path));
    bool exists = false;
    const unsigned attributes = attributesOf(real, &exists);
    if (!exists)
        return {false, pathNotFound};
    if ((attributes & Link) || !(attributes & Directory))
        return {false, QStringLiteral("The directory name is invalid.")};
    if (attributes & ReadOnly)
        return {false, accessDenied};
    if (!QDir().rmdir(real))
        return {false, qt_error_string()};
    return {};
}

} // namespace platform
