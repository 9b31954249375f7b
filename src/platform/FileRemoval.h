#pragma once

#include "platform/Result.h"

#include <QString>

#include <optional>

// Deleting a file, a link or a whole folder tree, all or nothing as far as the disk lets a
// program know beforehand: removalObstacle finds what would stop the deletion before anything
// goes, removeTree then deletes.
namespace platform {

// Deletes one file (or link, never its target), looked up without regard to case. A missing file
// counts as success with missing set. A read-only file is refused, as Windows refuses it.
struct RemoveResult {
    bool ok = true;
    bool missing = false;
    QString error;
};
RemoveResult removeFile(const QString &path);

struct RemovalObstacle {
    QString path;   // the entry that cannot be deleted
    QString reason; // why, as the end of a sentence: "it is read-only"
};

// Looks, changing nothing, for what would stop deleting path whole (a file, a link, or a folder
// with everything below it, hidden entries included): a read-only file (Windows refuses to
// delete one), an entry the system protects (immutable, on a read-only disk), a folder that
// cannot be listed or changed. Nothing when everything can go, or when path does not exist. A
// link is taken as itself, never followed.
std::optional<RemovalObstacle> removalObstacle(const QString &path);

// Deletes path whole, innermost entries first: files, links (never what they point to) and
// folders, hidden entries included. Stops at the first failure; check removalObstacle first.
// A path that does not exist counts as deleted.
Result removeTree(const QString &path);

} // namespace platform
