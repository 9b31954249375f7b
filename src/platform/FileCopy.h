#pragma once

#include "platform/Result.h"

#include <QString>

namespace platform {

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

} // namespace platform
