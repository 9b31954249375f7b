#pragma once

#include <QProcess>
#include <QString>

// A small memory file system mounted over a folder for the test's lifetime (mounting needs
// root); options such as "size=64k" or "nr_inodes=2" say how small.
class TinyFileSystem {
public:
    TinyFileSystem(const QString &mountPoint, const QString &options) : mountPoint_(mountPoint)
    {
        mounted_ =
            QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", mountPoint}) == 0;
    }
    ~TinyFileSystem()
    {
        if (mounted_)
            QProcess::execute("umount", {mountPoint_});
    }
    TinyFileSystem(const TinyFileSystem &) = delete;
    TinyFileSystem &operator=(const TinyFileSystem &) = delete;
    bool mounted() const { return mounted_; }

private:
    QString mountPoint_;
    bool mounted_ = false;
};
