#pragma once

#include "app/Settings.h"
#include "package/Context.h"
#include "platform/Choices.h"
#include "platform/Path.h"

#include <QString>

// The form a location must have before it is looked up: at least 4 characters (so a drive
// root such as "C:\" is refused), absolute ("C:\FS2000", "\\server\share" or "/home/me"; a
// relative path would depend on the folder the program was started in) and free of control
// characters.
bool hasLocationForm(const QString &location, QChar separator = platform::separator());

// Checks the three locations (showing the Locations dialog first when asked, and again when one
// is invalid), appends the separators and returns true when they are usable. False: the caller
// ends the program at once. May end the program by ShutDown.
bool ValidateLocations(Context &context, platform::LocationsEditor &locations,
                       bool showDialogFirst);

// The start-up sequence up to filling the category box: ws.ini (or the first-run message), the
// location check, the default categories in an empty store. Returns false when the program must
// end at once without writing ws.ini. May end the program by ShutDown.
bool startUp(Context &context, platform::LocationsEditor &locations,
             MainWindowGeometry &mainWindow);

// Finishes or undoes what a crash or a power cut interrupted: copies and removals (from their
// records in the state folder) and an unpack (in Staging). Touches only the hidden entries of
// Wingstash's own naming that those name; says what could not be put right.
void settleInterruptedWork(Context &context);

// File > Locations. Keep: nothing else to do; Restart: the Stowbay folder changed, the message
// was shown and the main window must close (writing ws.ini); EndNow: end without writing ws.ini.
enum class LocationsOutcome { Keep, Restart, EndNow };
LocationsOutcome changeLocations(Context &context, platform::LocationsEditor &locations);

// The fourteen categories created in an empty store, in creation order.
const QStringList &defaultCategories();
