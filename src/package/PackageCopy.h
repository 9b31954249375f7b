#pragma once

#include "package/Context.h"

#include <QString>

// Copies the current package kind by kind into target (a folder path without a trailing
// separator that does not exist yet): the store, the simulator's aircraft folder or Staging.
// On any failure it removes what it created, says what failed and returns false.
bool CopyPackage(Context &context, const QString &target);

// Before the source of a fresh copy is deleted: forces the file system holding the copy (the
// package folder CopyPackage made) onto the disk. When that fails it says so, adding that
// nothing was deleted, and returns false.
bool CopyIsOnDisk(Context &context, const QString &copy);

// Mode 1 copies the package's gauges into the simulator's gauges folder, all or nothing (one
// transaction, committed when every gauge is whole beside its place); mode 2 deletes those that
// no installed panel.cfg names.
void ProcessGauges(Context &context, int mode);
