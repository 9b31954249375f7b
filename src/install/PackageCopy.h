#pragma once

#include "package/Context.h"

#include <QString>

// Copies the current package kind by kind into target (a folder path without a trailing
// separator that does not exist yet): the store, the simulator's aircraft folder or Staging.
// On any failure it removes what it created, says what failed and returns false.
bool CopyPackage(Context &context, const QString &target);

// Mode 1 copies the package's gauges into the simulator's gauges folder; mode 2 deletes those
// that no installed panel.cfg names.
void ProcessGauges(Context &context, int mode);
