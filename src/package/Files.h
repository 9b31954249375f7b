#pragma once

#include "package/SharedState.h"
#include "platform/MessageBoxes.h"

#include <QString>

// The last component of a path ("c:/x/model/a.mdl" gives "a.mdl"; a single trailing separator
// is stepped over, so "c:/x/model/" gives "model/"). With withParent, the last two components
// ("model/a.mdl").
QString FileNameOf(const QString &path, bool withParent);

// True when root holds a folder (attributes exactly Directory) named name, ignoring case.
bool SubfolderExists(const QString &root, const QString &name);

// True when the Staging folder lists no entry (hidden ones do not count).
bool IsStagingEmpty(const SharedState &state);

// Deletes the file or files that path names (a wildcard is allowed in the last component). Any
// failure other than a missing file is reported with the read-only message; the caller goes
// on. Returns true when nothing is left to delete.
bool RemoveFile(platform::MessageBoxes &messages, const QString &path);

// True when the current package's files (AllFiles) hold a file of that name, ignoring case.
bool PackageHasFile(const SharedState &state, const QString &name);
