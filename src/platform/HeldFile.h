#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

// A small record file that the process which wrote it holds for as long as it works on what the
// record describes. The system lets go of the hold when the process ends, however it ends, so
// another process can tell a record of work still going on from one a crash left behind.
namespace platform {

class HeldFile {
public:
    HeldFile() = default;
    ~HeldFile();
    HeldFile(HeldFile &&other) noexcept;
    HeldFile &operator=(HeldFile &&other) noexcept;
    HeldFile(const HeldFile &) = delete;
    HeldFile &operator=(const HeldFile &) = delete;

    // Writes bytes as a new file at path and holds it: written under a hidden temporary name,
    // forced to disk, renamed into place (never over an existing entry) and its folder forced to
    // disk too. Not held, with error set, when any step failed; nothing is left behind then.
    static HeldFile create(const QString &path, const QByteArray &bytes, QString *error);
    // Holds a file that exists and that no running process holds; not held otherwise.
    static HeldFile take(const QString &path);

    bool isHeld() const { return fd_ >= 0; }
    const QString &path() const { return path_; }
    // The whole file as it is now; empty when it cannot be read.
    QByteArray contents() const;
    // Deletes the file and lets go of it.
    Result remove();

private:
    HeldFile(int fd, QString path) : fd_(fd), path_(std::move(path)) {}
    void release();

    int fd_ = -1;
    QString path_;
};

} // namespace platform
