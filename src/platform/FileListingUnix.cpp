#include "platform/SystemSpecific.h"

#include <QFile>

#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

namespace platform {

namespace {

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

using DirHandle = std::unique_ptr<DIR, DirCloser>;

DirHandle openDirectory(const QString &dir)
{
    return DirHandle(::opendir(QFile::encodeName(dir).constData()));
}

} // namespace

// One pass over the directory: the entry types come with the listing, and a status call is made
// only where the detail asked for needs the mode bits (or the file system gives no type).
QList<DirEntry> system::readDirectory(const QString &dir, bool *ok, ListDetail detail,
                                      HiddenEntries hidden)
{
    QList<DirEntry> entries;
    const DirHandle handle = openDirectory(dir);
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
        const bool needsStatus = type == DT_UNKNOWN || detail == ListDetail::Full ||
                                 (type == DT_DIR && detail == ListDetail::FolderTest);
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

QStringList entryNames(const QString &dir)
{
    QStringList names;
    const DirHandle handle = openDirectory(dir);
    while (handle) {
        const dirent *found = ::readdir(handle.get());
        if (!found)
            break;
        if (found->d_name[0] != '.') // ".", ".." and hidden entries
            names.append(QFile::decodeName(found->d_name));
    }
    return names;
}

bool system::ownerWritable(const QFileInfo &info)
{
    if (info.isSymLink()) {
        struct stat status {};
        if (::lstat(QFile::encodeName(info.filePath()).constData(), &status) != 0)
            return true;
        return (status.st_mode & S_IWUSR) != 0;
    }
    return info.permissions().testFlag(QFileDevice::WriteOwner);
}

} // namespace platform
