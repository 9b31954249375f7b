#pragma once

#include "package/Context.h"
#include "platform/MainControls.h"

// Carries out the Stowbay option selected in the main window (Go in Stowbay mode) on the package
// the window shows: installing it into the simulator and removing it again, deleting it from the
// store, copying it or its current picture to Staging, and the panel and sound aliases.
void DoStowbayAction(Context &context, platform::MainControls &controls);
