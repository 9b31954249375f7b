#pragma once

// Temporary trees written with the system's own calls, so that names may hold any bytes (a
// Windows-1252 name is not valid UTF-8, and Qt could neither make nor remove it), links may
// point anywhere, and a tree is removed whole whatever its permissions and names.

#include <QByteArray>

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
