#include "platform/HeldFile.h"

#include "platform/FaultInjection.h"
#include "platform/FileWriting.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

HeldFile::~HeldFile()
{
    release();
}

HeldFile::HeldFile(HeldFile &&other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_))
{
}

HeldFile &HeldFile::operator=(HeldFile &&other) noexcept
{
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

#ifdef Q_OS_UNIX

void HeldFile::release()
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1)); // closing lets go of the lock
}

HeldFile HeldFile::create(const QString &path, const QByteArray &bytes, QString *error)
{
    const QString temporary = temporaryNameBeside(path, QStringLiteral("part"));
    const QByteArray temporaryName = QFile::encodeName(temporary);
    const auto failed = [&](int code, bool made) {
        if (made && faults::allows(faults::Call::Remove))
            ::unlink(temporaryName.constData());
        if (error)
            *error = qt_error_string(code);
        return HeldFile();
    };
    if (!faults::allows(faults::Call::Open))
        return failed(errno, false);
    const int fd =
        ::open(temporaryName.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return failed(errno, false);
    HeldFile held(fd, path);
    // Held before a byte is written: another process never takes a record being written.
    if (::flock(fd, LOCK_EX) != 0)
        return failed(errno, true);
    for (qsizetype done = 0; done < bytes.size();) {
        if (!faults::allows(faults::Call::Write))
            return failed(errno, true);
        const ssize_t put = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return failed(errno, true);
        done += put;
    }
    if (::fsync(fd) != 0)
        return failed(errno, true);
    if (const Result renamed = renameEntry(temporary, path, Existing::Keep); !renamed.ok) {
        failed(0, true);
        if (error)
            *error = renamed.error;
        return {};
    }
    // The new name is on disk only once its folder is.
    const int folder = ::open(QFile::encodeName(QFileInfo(path).path()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool folderSynced = folder >= 0 && ::fsync(folder) == 0;
    const int folderError = errno;
    if (folder >= 0)
        ::close(folder);
    if (!folderSynced) {
        if (faults::allows(faults::Call::Remove))
            ::unlink(QFile::encodeName(path).constData());
        if (error)
            *error = qt_error_string(folderError);
        return {};
    }
    return held;
}

HeldFile HeldFile::take(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return {};
    HeldFile held(fd, path);
    struct stat status {};
    // A record deleted between the listing and the lock was finished by its own process.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &status) != 0 || status.st_nlink == 0 ||
        !S_ISREG(status.st_mode))
        return {};
    return held;
}

QByteArray HeldFile::contents() const
{
    QByteArray bytes;
    if (fd_ < 0)
        return bytes;
    char buffer[4096];
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd_, buffer, sizeof buffer, at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return got == 0 ? bytes : QByteArray();
        bytes.append(buffer, got);
        at += got;
    }
}

Result HeldFile::remove()
{
    if (fd_ < 0)
        return {false, qt_error_string(EBADF)};
    if (!faults::allows(faults::Call::Remove) ||
        ::unlink(QFile::encodeName(path_).constData()) != 0)
        return {false, qt_error_string(errno)};
    release();
    return {};
}

#else

// Other systems: the record is written and read alike, but not locked: a second Wingstash
// running at once could take it. (Written for a Windows build, not yet tried there.)

void HeldFile::release()
{
    fd_ = -1;
}

HeldFile HeldFile::create(const QString &path, const QByteArray &bytes, QString *error)
{
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("Cannot create a file when that file already exists.");
        return {};
    }
    if (const Result written = writeFileReplacing(path, bytes); !written.ok) {
        if (error)
            *error = written.error;
        return {};
    }
    return HeldFile(0, path);
}

HeldFile HeldFile::take(const QString &path)
{
    return QFileInfo(path).isFile() ? HeldFile(0, path) : HeldFile();
}

QByteArray HeldFile::contents() const
{
    QFile file(path_);
    return fd_ >= 0 && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Result HeldFile::remove()
{
    if (!faults::allows(faults::Call::Remove) || !QFile::remove(path_))
        return {false, kAccessDenied};
    release();
    return {};
}

#endif

} // namespace platform
