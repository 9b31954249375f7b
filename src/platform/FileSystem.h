#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <string>

// The disk as a Windows program sees it: attribute sets, case-insensitive look-ups of built
// paths, hidden entries left out. Every file operation of the program goes through here.
namespace platform {

// The native separator; where a path is built by appending a name, this is what is appended.
QChar separator();

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
};

// Whether a listing shows hidden entries (names beginning with "."). The program's lists never
// do; deleting a folder whole, and searches that decide whether something may be deleted, do.
enum class HiddenEntries { Skip, Include };

// Entries of a directory, "." and ".." (and hidden entries unless asked for) left out, sorted
// the way an NTFS listing comes back (case-insensitively by name). ok is false when the
// directory cannot be listed (missing, not a directory, unreadable).
QList<DirEntry> listDirectory(const QString &dir, bool *ok = nullptr,
                              ListDetail detail = ListDetail::Full,
                              HiddenEntries hidden = HiddenEntries::Skip);

// Names of a directory's entries in no particular order, "." and ".." and hidden entries left
// out, without a status call: empty when the directory cannot be listed.
QStringList entryNames(const QString &dir);

// A key that two names share exactly when they match ignoring case as listings and look-ups
// compare them (QString::compare with Qt::CaseInsensitive); ordering keys orders the names.
std::u32string caseKey(const QString &name);

// Attribute set of a path without following a final link; 0 with exists false when missing.
unsigned attributesOf(const QString &path, bool *exists = nullptr);

// True when the path (resolved without regard to case) names an entry of any kind.
bool entryExists(const QString &path);
// True when the path (resolved without regard to case) names a folder (attributes exactly
// Directory).
bool folderExists(const QString &path);
// True when the path names a directory, following links (a Windows directory test).
bool directoryExists(const QString &path);

// Looks a built path up component by component: an exact match first, else the first entry
// that matches ignoring case. Components that do not exist keep the spelling given, so the
// result also serves for creating new files. A trailing separator is kept.
QString resolveCase(const QString &path);

// The path with exactly one trailing separator appended when missing (empty stays empty).
QString withTrailingSeparator(const QString &path);
// The path without its trailing separators (a root such as "/" stays as it is).
QString withoutTrailingSeparator(const QString &path);

// Size in bytes and last-modified time of a file; -1 / invalid when missing.
qint64 fileSize(const QString &path);
QDateTime lastModified(const QString &path);

struct Result {
    bool ok = true;
    QString error; // the system's description when !ok
    int code = 0;  // the system's error number when !ok, where one is known
};

// The system's description of a failure as a sentence of a message: trimmed, ending with a
// full stop ("The reason is unknown." when there is none).
QString asSentence(const QString &error);

// How a path handed in is taken: looked up without regard to case (any path the program
// built), or as it is on disk already (a path a listing or an earlier look-up gave), which
// saves listing the folder of a destination that does not exist yet.
enum class PathLookup { IgnoreCase, AsGiven };

// Copies a file. A new destination is created exclusively and written in place, and removed
// again when the copy fails; a destination that exists already is replaced through a hidden
// temporary file beside it, renamed over it when whole, so a failed copy leaves it intact. The
// last-modified time is kept, and a replaced destination's permissions. The data is not forced
// to the disk (as no copy tool does): callers that need it there sync the file system.
Result copyFile(const QString &source, const QString &destination,
                PathLookup lookup = PathLookup::IgnoreCase);

// Deletes one file (or link, never its target). A missing file counts as success with
// missing set. A read-only file is refused, as Windows refuses it.
struct RemoveResult {
    bool ok = true;
    bool missing = false;
    QString error;
};
RemoveResult removeFile(const QString &path);

// Creates one folder; fails when it exists already or cannot be made.
Result makeFolder(const QString &path);
// Removes one empty folder.
Result removeFolder(const QString &path);

} // namespace platform
