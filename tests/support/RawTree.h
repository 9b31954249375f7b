#pragma once

// Temporary trees written with the system's own calls, so that names may hold any bytes (a
// Windows-1252 name is not valid UTF-8, and Qt could neither make nor remove it), links may
// point anywhere, and a tree is removed whole whatever its permissions and names.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <fcntl.h>
#include <ftw.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rawtree {

inline int makeOwnerWritable(const char *path, const struct stat *status, int type, FTW *)
{
    if (type == FTW_D || type == FTW_DNR)
        ::chmod(path, (status->st_mode & 07777) | S_IRWXU);
    return 0;
}

inline int removeEntry(const char *path, const struct stat *, int type, FTW *)
{
    if (type == FTW_DP)
        ::rmdir(path);
    else
        ::unlink(path);
    return 0;
}

// Removes a tree, read-only folders included, never following a link.
inline void removeWhole(const QByteArray &path)
{
    // Root deletes below a folder whatever its mode.
    if (::geteuid() != 0)
        ::nftw(path.constData(), makeOwnerWritable, 16, FTW_PHYS);
    ::nftw(path.constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

// Writes a file whose name may be any bytes; its folder must exist.
inline bool writeFile(const QByteArray &path, const QByteArray &content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const bool whole =
        ::write(fd, content.constData(), size_t(content.size())) == ssize_t(content.size());
    return ::close(fd) == 0 && whole;
}

} // namespace rawtree

// A fresh folder below the temporary folder, removed whole when it goes. Paths are written
// relative to it with "/"; names are bytes. Entries are made with their folders, and an entry
// that cannot be made is left out.
class RawTree {
public:
    RawTree()
    {
        QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/wingstash-faults-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr)
            root_ = pattern + '/';
    }
    ~RawTree()
    {
        if (!root_.isEmpty())
            rawtree::removeWhole(root_.chopped(1));
    }
    RawTree(const RawTree &) = delete;
    RawTree &operator=(const RawTree &) = delete;

    bool isValid() const { return !root_.isEmpty(); }
    // The root, ending with "/".
    QString root() const { return QFile::decodeName(root_); }
    QString path(const QString &relative) const { return root() + relative; }
    QByteArray bytes(const QByteArray &relative) const { return root_ + relative; }

    void file(const QByteArray &relative, const QByteArray &content = {})
    {
        makeParents(relative);
        rawtree::writeFile(bytes(relative), content);
    }
    void folder(const QByteArray &relative) { makeParents(relative + '/'); }
    // A link at relative; a target beginning with "@/" is taken below the root, any other as
    // written (relative to the link's folder).
    bool link(const QByteArray &relative, const QByteArray &target)
    {
        makeParents(relative);
        const QByteArray written = target.startsWith("@/") ? root_ + target.mid(2) : target;
        return ::symlink(written.constData(), bytes(relative).constData()) == 0;
    }
    void readOnly(const QByteArray &relative)
    {
        struct stat status {};
        if (::lstat(bytes(relative).constData(), &status) == 0)
            ::chmod(bytes(relative).constData(), status.st_mode & 07555);
    }
    bool exists(const QByteArray &relative) const
    {
        struct stat status {};
        return ::lstat(bytes(relative).constData(), &status) == 0;
    }

private:
    QByteArray root_;

    void makeParents(const QByteArray &relative) const
    {
        for (qsizetype slash = relative.indexOf('/'); slash >= 0;
             slash = relative.indexOf('/', slash + 1))
            ::mkdir(bytes(relative.left(slash)).constData(), 0755);
    }
};
