#pragma once

#include <QString>

#include <optional>

// Which folder a path really names, however it is written: letter case resolved as the program
// looks paths up, links followed. Used to keep the three locations apart and every deletion
// inside the folder its action works on.
namespace platform {

// The real path of an existing entry (case resolved, links followed, "." and ".." gone, no
// trailing separator); empty when it does not exist.
QString canonicalPath(const QString &path);

// Where an entry itself lies: its folder's canonical path plus its own name, the entry not
// followed if it is a link. Empty when its folder does not exist.
QString entryLocation(const QString &path);

// True when inner is outer or lies below it. Both are canonical paths (or entryLocation's).
bool isSameOrInside(const QString &inner, const QString &outer);

// True when the path is the top folder of a file system: "/", a drive, a mounted volume.
bool isFileSystemRoot(const QString &path);

// The user's home folder, canonical.
QString homeFolder();

// The identity of what a path names, links followed; two paths with one identity are one folder
// or file. Nothing when it cannot be looked up.
struct FileId {
    quint64 device = 0;
    quint64 inode = 0;
    friend bool operator==(const FileId &, const FileId &) = default;
};
std::optional<FileId> fileIdOf(const QString &path);

} // namespace platform
