#pragma once

#include "package/Context.h"

#include <QString>

// Reads an aircraft.cfg the scan met: its lines and title ("MULTI" with several
// configurations). A second aircraft.cfg in one scan shows its message and ends the program.
void CheckAircraftCfg(Context &context, const PackageFile &file);

// For a staged aircraft.cfg with several configurations: asks for one, empties the folders
// that only the others use and rewrites aircraft.cfg to the one chosen as [fltsim.0]. When one
// of those folders may not be emptied (see mayClearFolder), nothing is changed at all. Returns true
// when files were changed on disk (the scan then lists the package again).
bool ChooseConfiguration(Context &context, const PackageFile &file);

// The first of stagingFolders (real paths without a trailing separator, in walk order) whose
// last component, lower-cased, ends with name lower-cased ("model" also finds "xmodel").
// Empty when none does.
QString FindStagingFolder(const QStringList &stagingFolders, const QString &name);
