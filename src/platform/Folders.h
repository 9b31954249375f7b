#pragma once

#include "platform/Result.h"

#include <QString>

// One folder at a time, its path looked up without regard to case.
namespace platform {

// Creates one folder; fails when it exists already or cannot be made.
Result makeFolder(const QString &path);
// Removes one empty folder.
Result removeFolder(const QString &path);

} // namespace platform
