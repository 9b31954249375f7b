#include "platform/FaultInjection.h"
#include "platform/FileWriting.h"
#include "platform/SystemSpecific.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace platform {

namespace {

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
        if (!faults::allows(faults::Call::Write))
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
            if (!faults::allows(faults::Call::Write))
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
        if (!faults::allows(faults::Call::Open))
            return -1;
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt > 100)
            return fd;
    }
}

} // namespace

Result system::copyFound(const QString &source, const QString &target)
{
    const FdCloser in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0) {
        // A missing file has its own message; a link to nowhere gets the system's.
        const int openError = errno;
        struct stat entry {};
        const bool missing =
            openError == ENOENT && ::lstat(QFile::encodeName(source).constData(), &entry) != 0;
        return {false, missing ? kFileNotFound : qt_error_string(openError)};
    }
    struct stat sourceStatus {};
    if (::fstat(in.fd, &sourceStatus) != 0)
        return lastError();

    const QByteArray targetName = QFile::encodeName(target);
    // A new file is written in place: made here, it holds nobody's earlier copy, and a failure
    // removes it. Only a file that exists already is replaced through a temporary file.
    FdCloser out(faults::allows(faults::Call::Open)
                     ? ::open(targetName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)
                     : -1);
    QByteArray written = targetName;
    struct stat targetStatus {};
    bool targetExists = false;
    if (out.fd < 0) {
        if (errno != EEXIST) {
            const bool noFolder = errno == ENOENT || errno == ENOTDIR;
            return noFolder ? Result{false, kPathNotFound} : lastError();
        }
        targetExists = ::lstat(targetName.constData(), &targetStatus) == 0;
        if (targetExists && (targetStatus.st_mode & S_IWUSR) == 0)
            return {false, kAccessDenied}; // Windows refuses to overwrite a read-only file
        out.fd = createTemporaryBeside(target, written);
        if (out.fd < 0)
            return lastError();
    }
    const auto failed = [&written] {
        const Result result = lastError();
        if (faults::allows(faults::Call::Remove))
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
    if (written != targetName && (!faults::allows(faults::Call::Rename) ||
                                  ::rename(written.constData(), targetName.constData()) != 0))
        return failed();
    return {};
}

} // namespace platform
