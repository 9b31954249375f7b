#pragma once

#include "platform/Result.h"

#include <QString>

// The desktop's trash (the freedesktop trash on Linux, through QFile::moveToTrash), where what
// the user deletes goes so that it can be taken back from the file manager.
namespace platform {

// True when entries below folder can go to a trash that lies outside location (the folder the
// user gave, holding folder): a trash that exists or can be made, on folder's own file system.
// False at the top of a file system, where the trash would be made inside the location.
bool hasUsableTrash(const QString &folder, const QString &location);

// Moves path (a file, a link, or a folder whole) to the trash, as if it were shownAs: the
// trash names it and restores it there (an entry Wingstash moved aside under a hidden name goes
// back under the name the user knew).
Result moveToTrash(const QString &path, const QString &shownAs);

} // namespace platform
