#include "platform/FileSystem.h"

#include "platform/FaultInjection.h"
#include "platform/FileWriting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

const QString accessDenied = QStringLiteral("Access is denied.");
const QString fileNotFound = QStringLiteral("The system cannot find the file specified.");
const QString pathNotFound = QStringLiteral("The system cannot find the path specified.");

// False, with errno set, when the fault seam fails this call.
bool seamAllows(faults::Call call)
{
    if (const int error = faults::inject(call)) {
        errno = error;
        return false;
    }
    return true;
}

Result seamFailure()
{
    return {false, qt_error_string(errno), errno};
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char('/') || c == separator();
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

// Case-insensitively by name, exact order breaking ties so the order never depends on the disk.
void sortByName(QList<DirEntry> &entries)
{
    std::vector<std::pair<std::u32string, DirEntry>> keyed;
    keyed.reserve(std::size_t(entries.size()));
    for (DirEntry &entry : entries)
        keyed.emplace_back(caseKey(entry.name), std::move(entry));
    std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.second.name < b.second.name;
    });
    entries.clear();
    for (auto &[key, entry] : keyed)
        entries.append(std::move(entry));
}

#ifdef Q_OS_UNIX

unsigned attributesFromMode(mode_t mode)
{
    unsigned attributes = 0;
    if (S_ISLNK(mode))
        attributes |= Link;
    else if (S_ISDIR(mode))
        attributes |= Directory;
    if ((mode & S_IWUSR) == 0)
        attributes |= ReadOnly;
    return attributes;
}

struct DirCloser {
    void operator()(DIR *dir) const { ::closedir(dir); }
};

// One pass over the directory: the entry types come with the listing, and a status call is made
// only where the detail asked for needs the mode bits (or the file system gives no type).
QList<DirEntry> listDirectoryUnix(const QString &dir, bool *ok, ListDetail detail,
                                  HiddenEntries hidden)
{
    QList<DirEntry> entries;
    const std::unique_ptr<DIR, DirCloser> handle(::opendir(QFile::encodeName(dir).constData()));
    if (ok)
        *ok = handle != nullptr;
    if (!handle)
        return entries;
    const int dirFd = ::dirfd(handle.get());
    while (const dirent *found = ::readdir(handle.get())) {
        const bool dotted = found->d_name[0] == '.';
        if (dotted && (hidden == HiddenEntries::Skip || std::strcmp(found->d_name, ".") == 0 ||
                       std::strcmp(found->d_name, "..") == 0))
            continue;
        unsigned attributes = 0;
        const unsigned char type = found->d_type;
        const bool needsStatus = type == DT_UNKNOWN || type == DT_DIR || detail == ListDetail::Full;
        struct stat status {};
        if (needsStatus && ::fstatat(dirFd, found->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0)
            attributes = attributesFromMode(status.st_mode);
        else if (type == DT_LNK)
            attributes = Link;
        else if (type == DT_DIR)
            attributes = Directory;
        entries.append({QFile::decodeName(found->d_name), attributes | (dotted ? Hidden : 0u)});
    }
    return entries;
}

#else

QList<DirEntry> listDirectoryQt(const QString &dir, bool *ok, HiddenEntries hidden)
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
        QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    entries.reserve(infos.size());
    for (const QFileInfo &info : infos) {
        if (hidden == HiddenEntries::Skip && info.fileName().startsWith(QLatin1Char('.')))
            continue;
        entries.append({info.fileName(), attributesFromInfo(info)});
    }
    return entries;
}

#endif

// The name of a listed entry that matches ignoring case, or an empty string. Matching names
// share their sort key, so the first one a sorted listing would give is the least by code unit:
// found in one unsorted pass over the names, with no status call.
QString caseVariantIn(const QString &dir, const QString &name)
{
    QString first;
    for (const QString &entryName : entryNames(dir.isEmpty() ? QStringLiteral(".") : dir)) {
        if (entryName.compare(name, Qt::CaseInsensitive) == 0 &&
            (first.isEmpty() || entryName < first))
            first = entryName;
    }
    return first;
}

#ifdef Q_OS_UNIX

struct FdCloser {
    int fd = -1;
    explicit FdCloser(int descriptor) : fd(descriptor) {}
    FdCloser(const FdCloser &) = delete;
    FdCloser &operator=(const FdCloser &) = delete;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

Result lastError()
{
    return {false, qt_error_string(errno), errno};
}

// The bytes of in into out: in the kernel where it can (no copy through this process), else
// through a large buffer.
bool copyBytes(int in, int out, off_t size)
{
    for (off_t left = size;;) {
        if (left <= 0)
            return true;
        if (!seamAllows(faults::Call::Write))
            return false;
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, std::size_t(left), 0);
        if (copied == 0)
            return true; // the file got shorter meanwhile
        if (copied > 0) {
            left -= copied;
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP)
            break;
        return false;
    }
    std::vector<char> buffer(std::size_t(1) << 20);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0;
        for (ssize_t written = 0; written < got;) {
            if (!seamAllows(faults::Call::Write))
                return false;
            const ssize_t put = ::write(out, buffer.data() + written, std::size_t(got - written));
            if (put < 0 && errno != EINTR)
                return false;
            written += std::max<ssize_t>(put, 0);
        }
    }
}

// A new, empty file beside target that no one else uses, under Wingstash's own hidden
// temporary name (so no list ever shows it, and leftovers are known as ours); its name is
// returned in temporary. Created with the usual permissions (as the process's mask allows).
int createTemporaryBeside(const QString &target, QByteArray &temporary)
{
    for (unsigned attempt = 0;; ++attempt) {
        temporary = QFile::encodeName(temporaryNameBeside(target, QStringLiteral("part")));
        if (!seamAllows(faults::Call::Open))
            return -1;
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt > 100)
            return fd;
    }
}

Result copyFileUnix(const QString &source, const QString &target)
{
    const FdCloser in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) {
        // A missing file has its own message; a link to nowhere gets the system's.
        const int openError = errno;
        struct stat entry {};
        const bool missing =
            openError == ENOENT && ::lstat(QFile::encodeName(source).constData(), &entry) != 0;
        return {false, missing ? fileNotFound : qt_error_string(openError)};
    }
    struct stat sourceStatus {};
    if (::fstat(in.fd, &sourceStatus) != 0)
        return lastError();

    const QByteArray targetName = QFile::encodeName(target);
    // A new file is written in place: made here, it holds nobody's earlier copy, and a failure
    // removes it. Only a file that exists already is replaced through a temporary file.
    FdCloser out(seamAllows(faults::Call::Open)
                     ? ::open(targetName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)
                     : -1);
    QByteArray written = targetName;
    struct stat targetStatus {};
    bool targetExists = false;
    if (out.fd < 0) {
        if (errno != EEXIST) {
            const bool noFolder = errno == ENOENT || errno == ENOTDIR;
            return noFolder ? Result{false, pathNotFound} : lastError();
        }
        targetExists = ::lstat(targetName.constData(), &targetStatus) == 0;
        if (targetExists && (attributesFromMode(targetStatus.st_mode) & ReadOnly))
            return {false, accessDenied}; // Windows refuses to overwrite a read-only file
        out.fd = createTemporaryBeside(target, written);
        if (out.fd < 0)
            return lastError();
    }
    const auto failed = [&written] {
        const Result result = lastError();
        if (seamAllows(faults::Call::Remove))
            ::unlink(written.constData());
        return result;
    };
    if (!copyBytes(in.fd, out.fd, sourceStatus.st_size))
        return failed();
    // A replaced file keeps its permissions, as a save over it would.
    if (targetExists && !S_ISLNK(targetStatus.st_mode) &&
        ::fchmod(out.fd, targetStatus.st_mode & 07777) != 0)
        return failed();
    const struct timespec times[2] = {{0, UTIME_OMIT}, sourceStatus.st_mtim};
    if (::futimens(out.fd, times) != 0 || ::close(std::exchange(out.fd, -1)) != 0)
        return failed();
    if (written != targetName && (!seamAllows(faults::Call::Rename) ||
                                  ::rename(written.constData(), targetName.constData()) != 0))
        return failed();
    return {};
}

#else

Result copyFileQt(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {false, in.exists() ? in.errorString() : fileNotFound};

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

#endif

} // namespace

// Each UTF-16 unit case-folded on its own, except that the second half of a surrogate pair
// stands for the whole folded code point: what QString::compare compares ignoring case.
std::u32string caseKey(const QString &name)
{
    std::u32string key;
    key.reserve(std::size_t(name.size()));
    char16_t previous = 0;
    for (const QChar c : name) {
        char32_t unit = c.unicode();
        if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(previous))
            unit = QChar::surrogateToUcs4(previous, char16_t(unit));
        previous = c.unicode();
        key.push_back(QChar::toCaseFolded(unit));
    }
    return key;
}

QChar separator()
{
    return QDir::separator();
}

QStringList entryNames(const QString &dir)
{
    QStringList names;
#ifdef Q_OS_UNIX
    const std::unique_ptr<DIR, DirCloser> handle(::opendir(QFile::encodeName(dir).constData()));
    while (handle) {
        const dirent *found = ::readdir(handle.get());
        if (!found)
            break;
        if (found->d_name[0] != '.') // ".", ".." and hidden entries
            names.append(QFile::decodeName(found->d_name));
    }
#else
    for (const DirEntry &entry : listDirectory(dir, nullptr, ListDetail::FolderTest))
        names.append(entry.name);
#endif
    return names;
}

QList<DirEntry> listDirectory(const QString &dir, bool *ok, ListDetail detail, HiddenEntries hidden)
{
#ifdef Q_OS_UNIX
    QList<DirEntry> entries = listDirectoryUnix(dir, ok, detail, hidden);
#else
    Q_UNUSED(detail);
    QList<DirEntry> entries = listDirectoryQt(dir, ok, hidden);
#endif
    sortByName(entries);
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

// Qt reads "dir/" as the directory itself only for some calls; strip it so lstat-style
// questions are asked about the entry.
QString withoutTrailingSeparator(const QString &path)
{
    QString result = path;
    while (result.size() > 1 && isSeparator(result.back()))
        result.chop(1);
    return result;
}

QString asSentence(const QString &error)
{
    QString text = error.trimmed();
    if (text.isEmpty())
        text = QStringLiteral("The reason is unknown");
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
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

Result copyFile(const QString &source, const QString &destination, PathLookup lookup)
{
    const bool asGiven = lookup == PathLookup::AsGiven;
    const QString from = asGiven ? source : resolveCase(source);
    const QString target = asGiven ? destination : resolveCase(destination);
#ifdef Q_OS_UNIX
    return copyFileUnix(from, target);
#else
    return copyFileQt(from, target);
#endif
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
    if (!seamAllows(faults::Call::Remove))
        return {false, false, seamFailure().error};
    QFile file(real);
    if (!file.remove()) // unlinks a link itself, never its target
        return {false, false, file.errorString()};
    return {};
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
    if (!seamAllows(faults::Call::MakeFolder))
        return seamFailure();
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
    if (!seamAllows(faults::Call::Remove))
        return seamFailure();
    if (!QDir().rmdir(real))
        return {false, qt_error_string()};
    return {};
}

} // namespace platform
