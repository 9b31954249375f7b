#pragma once

#include "package/Context.h"
#include "platform/FileSystem.h"

#include <QString>

// Empties a folder: every file below it, then every sub-folder, deepest first; the folder
// itself stays. Never follows a link out of the folder. Checks first, as mayClearFolder does;
// returns false, deleting nothing, when it refused.
bool ClearFolder(Context &context, const QString &path);

// The checks of ClearFolder without the clearing, for callers that must know before changing
// anything else. A path not of the safe folder form shows the critical-error message and ends
// the program by ShutDown. The user's home folder, the root of a volume and a folder that holds
// another of the three locations are refused with a message saying so; the program goes on.
bool mayClearFolder(Context &context, const QString &path);

// The safe folder form: an absolute path ending with the separator, naming a folder below the
// root whose first character is neither a separator nor a space, without "." or ".."
// components. With "\": "C:\FS2000\" and "\\server\share\FS2000\" have it, "C:\" does not.
// The root of a network share has the form; mayClearFolder refuses it as a volume root.
bool hasSafeFolderForm(const QString &path, QChar separator = platform::separator());
