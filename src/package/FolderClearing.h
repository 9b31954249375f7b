#pragma once

#include "package/Context.h"

#include <QString>

// Empties a folder: every file below it, then every sub-folder, deepest first; the folder
// itself stays. A path not of the safe folder form, or a folder that holds another of the three
// locations, shows the critical-error message and ends the program by ShutDown, deleting
// nothing. Never follows a link out of the folder.
void ClearFolder(Context &context, const QString &path);

// The safe folder form: an absolute path ending with the separator, naming a folder below the
// root whose first character is neither a separator nor a space; never the root of a volume
// or the user's home folder itself.
bool hasSafeFolderForm(const QString &path);
