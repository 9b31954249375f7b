#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// Listing folders and reading entries' attributes the way a Windows program sees them:
// attribute sets, hidden entries left out, names sorted as an NTFS listing returns them. Paths
// are looked up without regard to case (CaseLookup.h) unless said otherwise.
namespace platform {

// Windows-style attribute bits of a listed entry.
enum Attribute : unsigned {
    ReadOnly = 0x1,   // the owner write bit is missing
    Hidden = 0x2,     // the name begins with "."; such entries are never listed
    Directory = 0x10, // a real directory, not a link
    Link = 0x400,     // a symbolic link (a reparse point); never followed by a walk
};

struct DirEntry {
    QString name; // as on disk
    unsigned attributes = 0;

    // An entry is a folder only when its attribute set is exactly Directory.
    bool isFolder() const { return attributes == Directory; }
};

// How much of each entry's attribute set a listing looks up. The ReadOnly bit of a file or link
// costs one status call per entry, most of a large listing's time; the folder test (isFolder)
// and the Directory and Link bits come without it.
enum class ListDetail {
    Full,       // every attribute of every entry
    FolderTest, // ReadOnly looked up for directories only: a file or link may come without it
    Kinds,      // no ReadOnly bit at all: only which entries are directories and links
};

// Whether a listing shows hidden entries (names beginning with "."). The program's lists never
// do; deleting a folder whole, and searches that decide whether something may be deleted, do.
enum class HiddenEntries { Skip, Include };

// Entries of a directory, "." and ".." (and hidden entries unless asked for) left out, sorted
// the way an NTFS listing comes back (case-insensitively by name). ok is false when the
// directory cannot be listed (missing, not a directory, unreadable). The directory is taken as
// given.
QList<DirEntry> listDirectory(const QString &dir, bool *ok = nullptr,
                              ListDetail detail = ListDetail::Full,
                              HiddenEntries hidden = HiddenEntries::Skip);

// Names of a directory's entries in no particular order, "." and ".." and hidden entries left
// out, without a status call: empty when the directory cannot be listed.
QStringList entryNames(const QString &dir);

// Attribute set of a path, taken as given, without following a final link; 0 with exists false
// when missing.
unsigned attributesOf(const QString &path, bool *exists = nullptr);

// True when the path names an entry of any kind.
bool entryExists(const QString &path);
// True when the path names a folder (attributes exactly Directory).
bool folderExists(const QString &path);
// True when the path names a directory, following links (a Windows directory test).
bool directoryExists(const QString &path);

// Size in bytes and last-modified time of a file; -1 / invalid when missing.
qint64 fileSize(const QString &path);
QDateTime lastModified(const QString &path);

} // namespace platform
