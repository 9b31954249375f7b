#pragma once

#include "package/Removal.h"
#include "package/SharedState.h"
#include "platform/MessageBoxes.h"
#include "platform/Path.h"

#include <QString>

// The path rules below take the separator as a parameter, so the Windows forms ("C:\FS2000\",
// "\\server\share\") can be checked on any system; "/" counts as a separator everywhere, as it
// does for Windows itself.

// The length of the root of an absolute path: 3 for "C:\", up to and including the separator
// after the share for "\\server\share\" (the whole path when that separator is missing), 1 for
// "/" with the separator "/". 0 when the path is not absolute in that separator's system
// ("C:FS2000", "\FS2000" and "/home" are not, with "\").
qsizetype rootLength(const QString &path, QChar separator = platform::separator());

// The last component of a path ("c:\x\model\a.mdl" gives "a.mdl"; a single trailing separator
// is stepped over, so "c:\x\model\" gives "model\"). With withParent, the last two components
// ("model\a.mdl").
QString FileNameOf(const QString &path, bool withParent, QChar separator = platform::separator());

// True when root holds a folder (attributes exactly Directory) named name, ignoring case.
bool SubfolderExists(const QString &root, const QString &name);

// True when the Staging folder lists no entry (hidden ones do not count).
bool IsStagingEmpty(const SharedState &state);

// Deletes the one file (or link) named exactly path, never a file differing in letter case and
// never files a "*" or "?" in the name would match, and only when it lies inside area (see
// Removal.h). A path not on disk exactly so counts as deleted. A folder, or any other failure,
// is reported with the read-only message; the caller goes on. Returns true when nothing is left
// to delete. A file the user chose to delete goes to the trash where the area has one.
bool RemoveFile(platform::MessageBoxes &messages, const RemovalArea &area, const QString &path,
                Disposal disposal);

// True when the current package's files (AllFiles) hold a file of that name, ignoring case.
bool PackageHasFile(const SharedState &state, const QString &name);
