#pragma once

#include "package/Context.h"
#include "package/DeletionPlan.h"
#include "platform/Path.h"

#include <QString>

// Empties a folder of everything, hidden entries included; the folder itself stays. Links are
// removed, never followed. Checks first, as mayClearFolder does, and then that every entry can
// be deleted (platform::removalObstacle); returns false, deleting nothing and saying what stands
// in the way, when it refused. Deletes through removeWithin, inside the folder only, to the
// trash where the folder's location has one.
bool ClearFolder(Context &context, const QString &path);
// ClearFolder deleting only what plan (made by folderClearingPlan before the question) lists: an
// entry that appeared since stays.
bool ClearFolder(Context &context, const QString &path, const DeletionPlan &plan);

// Everything in the folder at path, hidden entries included, shown relative to location;
// incomplete when the folder cannot be listed.
DeletionPlan folderClearingPlan(const QString &path, const QString &location);

// The checks of ClearFolder without the clearing, for callers that must know before changing
// anything else. A path not of the safe folder form shows the critical-error message and ends
// the program by ShutDown. The user's home folder or a folder holding it, the root of a volume,
// a folder that holds another of the three locations or is the store or the simulator folder,
// and any folder while the locations clash (locationsClash) are refused with a message saying
// so; the program goes on. Folders are compared with letter case and links resolved.
bool mayClearFolder(Context &context, const QString &path);

// mayClearFolder, and then that every entry of the plan can be deleted: false, deleting nothing
// and saying what stands in the way, otherwise.
bool canClearFolder(Context &context, const QString &path, const DeletionPlan &plan);

// The safe folder form: an absolute path ending with the separator, naming a folder below the
// root whose first character is neither a separator nor a space, without "." or ".."
// components. With "\": "C:\FS2000\" and "\\server\share\FS2000\" have it, "C:\" does not.
// The root of a network share has the form; mayClearFolder refuses it as a volume root.
bool hasSafeFolderForm(const QString &path, QChar separator = platform::separator());
