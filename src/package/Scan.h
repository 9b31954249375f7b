#pragma once

#include "package/Context.h"

#include <QString>

// Resets the package view: empties the per-package lists, shows the placeholder picture,
// clears the component lists and makes every tab unavailable.
void ClearPackageView(Context &context);

// Scans the package whose top folder is dir (ending with the separator; looked up without
// regard to case) and refreshes the component view. May ask the duplicate question and the
// configuration choice, and may end the program (a second aircraft.cfg) by ShutDown.
void ScanPackage(Context &context, const QString &dir);

// Sets the window caption from whether the Staging folder holds anything.
void UpdateCaption(Context &context);
