#pragma once

#include "package/SharedState.h"

#include <QString>

// The three locations must stay apart: emptying Staging, or removing a package, must never reach
// into another location or the user's own files. Folders are compared as they really are, letter
// case and links resolved (platform::canonicalPath), so "/home/ME/" is the home folder "/home/me".

// Why the three locations cannot be used together, as the end of a sentence ("the Staging folder
// /a/ and the Stowbay folder /a/ are the same folder"), or empty when they can. Refused: two
// locations that are the same folder or one inside the other; a location that is the home
// folder, holds it, or is the root of the file system or of a drive; Staging, which is emptied
// whole, at the top folder of any mounted file system. The store and the simulator folder may be
// the top of a mounted volume (a USB stick holding the collection): those folders are never
// emptied themselves. Locations that are empty or do not exist are left out.
QString locationsClash(const SharedState &state);

// The message of the location check for a clash.
QString locationsRefusedMessage(const QString &clash);

struct Context;

// Before an action deletes anything: true, after telling the user, when the locations clash now
// (a folder may have become a link to another since they were checked), so nothing is deleted.
bool refusedWhileLocationsClash(Context &context);
