#pragma once

#include "package/SharedState.h"

#include <QString>

// The question asked when two files of one kind share a name: Yes keeps first, No keeps second.
// Files whose lower-case paths are equal (they differ only in case) are shown by their real
// paths, so the user can tell them apart.
QString duplicateQuestion(const PackageFile &first, const PackageFile &second);
