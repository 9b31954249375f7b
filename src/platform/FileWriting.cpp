#include "platform/FileWriting.h"

#include "platform/ActivityLog.h"
#include "platform/FaultInjection.h"
#include "platform/FileListing.h"
#include "platform/Path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>
#include <cerrno>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

Result errorResult(int error)
{
    return {false, qt_error_string(error), error};
}

QString nameOf(const QString &path)
{
    return QFileInfo(withoutTrailingSeparator(path)).fileName();
}

QString folderOf(const QString &path)
{
    return withTrailingSeparator(QFileInfo(withoutTrailingSeparator(path)).path());
}

} // namespace

QString temporaryNameBeside(const QString &path, const QString &tag, WithName withName)
{
    static std::atomic<unsigned> counter{0};
    const QString name = folderOf(path) + kTemporaryPrefix + tag + QLatin1Char('-') +
                         QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                         QString::number(++counter);
    return withName == WithName::Yes ? name + QLatin1Char('-') + nameOf(path) : name;
}

Result makeFolderAsGiven(const QString &path)
{
    if (!faults::allows(faults::Call::MakeFolder))
        return errorResult(errno);
#ifdef Q_OS_UNIX
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return errorResult(errno);
#else
    if (!QDir().mkdir(path))
        return {false, kAccessDenied};
#endif
    noteChange(Change::Created, path);
    return {};
}

#ifdef Q_OS_UNIX

namespace {

Result renameOnce(const QString &from, const QString &to, Existing existing)
{
    if (!faults::allows(faults::Call::Rename))
        return errorResult(errno);
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (existing == Existing::Replace)
        return ::rename(source.constData(), target.constData()) == 0 ? Result{}
                                                                     : errorResult(errno);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return errorResult(errno);
    // A file system without the flag: a link, then the old name removed, never replaces.
    struct stat status {};
    if (::lstat(target.constData(), &status) == 0)
        return errorResult(EEXIST);
    return ::rename(source.constData(), target.constData()) == 0 ? Result{} : errorResult(errno);
}

} // namespace

Result syncFileSystem(const QString &path)
{
    if (!faults::allows(faults::Call::Sync))
        return errorResult(errno);
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errorResult(errno);
    const int synced = ::syncfs(fd);
    const int error = errno;
    ::close(fd);
    return synced == 0 ? Result{} : errorResult(error);
}

struct NewFile::Handle {
    int fd = -1;
    ~Handle()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

NewFile::NewFile(const QString &path)
    : handle_(std::make_unique<Handle>()), path_(path),
      temporary_(temporaryNameBeside(path, QStringLiteral("part"), WithName::No))
{
    if (faults::allows(faults::Call::Open))
        handle_->fd = ::open(QFile::encodeName(temporary_).constData(),
                             O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (handle_->fd < 0) {
        errorCode_ = errno;
        error_ = qt_error_string(errorCode_);
    }
}

bool NewFile::isOpen() const
{
    return handle_->fd >= 0;
}

bool NewFile::write(const char *data, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const ssize_t put = faults::allows(faults::Call::Write)
                                ? ::write(handle_->fd, data + done, std::size_t(size - done))
                                : -1;
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0) {
            errorCode_ = errno;
            error_ = qt_error_string(errorCode_);
            return false;
        }
        done += put;
    }
    return true;
}

Result NewFile::finish()
{
    if (!isOpen())
        return {false, error_, errorCode_};
    const int fd = std::exchange(handle_->fd, -1);
    if (::close(fd) != 0) {
        errorCode_ = errno;
        error_ = qt_error_string(errorCode_);
        return {false, error_, errorCode_};
    }
    const Result renamed = renameEntry(temporary_, path_, Existing::Keep);
    if (!renamed.ok) {
        errorCode_ = renamed.code;
        error_ = renamed.error;
        return renamed;
    }
    finished_ = true;
    return {};
}

NewFile::~NewFile()
{
    if (finished_)
        return;
    handle_.reset();
    if (faults::allows(faults::Call::Remove))
        ::unlink(QFile::encodeName(temporary_).constData());
}

Result writeFileReplacing(const QString &path, const QByteArray &bytes)
{
    const QString temporary = temporaryNameBeside(path, QStringLiteral("part"), WithName::No);
    const QByteArray temporaryName = QFile::encodeName(temporary);
    if (!faults::allows(faults::Call::Open))
        return errorResult(errno);
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return errorResult(errno);
    const auto failed = [&](int error) {
        ::close(fd);
        if (faults::allows(faults::Call::Remove))
            ::unlink(temporaryName.constData());
        return errorResult(error);
    };
    // A replaced file keeps its permissions, as a save over it would.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 &&
        ::fchmod(fd, status.st_mode & 07777) != 0)
        return failed(errno);
    for (qsizetype done = 0; done < bytes.size();) {
        if (!faults::allows(faults::Call::Write))
            return failed(errno);
        const ssize_t put = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put < 0)
            return failed(errno);
        done += put;
    }
    if (::fsync(fd) != 0)
        return failed(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporaryName.constData());
        return errorResult(error);
    }
    const Result renamed = renameEntry(temporary, path, Existing::Replace);
    if (!renamed.ok && faults::allows(faults::Call::Remove))
        ::unlink(temporaryName.constData());
    return renamed;
}

#else

// Other systems: Qt's calls, the same seam. (Written for a Windows build, not yet tried there.)

namespace {

Result renameOnce(const QString &from, const QString &to, Existing existing)
{
    if (!faults::allows(faults::Call::Rename))
        return errorResult(errno);
    if (existing == Existing::Replace && QFileInfo::exists(to) && !QFile::remove(to))
        return {false, kAccessDenied};
    return QDir().rename(from, to) ? Result{} : Result{false, kAccessDenied};
}

} // namespace

Result syncFileSystem(const QString &)
{
    if (!faults::allows(faults::Call::Sync))
        return errorResult(errno);
    return {};
}

struct NewFile::Handle {
    QFile file;
};

NewFile::NewFile(const QString &path)
    : handle_(std::make_unique<Handle>()), path_(path),
      temporary_(temporaryNameBeside(path, QStringLiteral("part"), WithName::No))
{
    handle_->file.setFileName(temporary_);
    if (!faults::allows(faults::Call::Open) ||
        !handle_->file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        error_ = handle_->file.errorString();
}

bool NewFile::isOpen() const
{
    return handle_->file.isOpen();
}

bool NewFile::write(const char *data, qint64 size)
{
    if (faults::allows(faults::Call::Write) && handle_->file.write(data, size) == size)
        return true;
    error_ = handle_->file.errorString();
    return false;
}

Result NewFile::finish()
{
    handle_->file.close();
    const Result renamed = renameEntry(temporary_, path_, Existing::Keep);
    finished_ = renamed.ok;
    return renamed;
}

NewFile::~NewFile()
{
    if (!finished_) {
        handle_->file.close();
        QFile::remove(temporary_);
    }
}

Result writeFileReplacing(const QString &path, const QByteArray &bytes)
{
    if (!faults::allows(faults::Call::Open))
        return errorResult(errno);
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    const bool replacing = entryExists(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return {false, file.errorString()};
    noteChange(replacing ? Change::Replaced : Change::Created, path);
    return {};
}

#endif

Result renameEntry(const QString &from, const QString &to, Existing existing)
{
    const bool replacing = recordingChanges() && existing == Existing::Replace && entryExists(to);
    const Result renamed = renameOnce(from, to, existing);
    if (renamed.ok && recordingChanges()) {
        noteChange(Change::MovedAway, from);
        noteTree(replacing ? Change::Replaced : Change::Created, to, to);
    }
    return renamed;
}

} // namespace platform
