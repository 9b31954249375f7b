#pragma once

#include "install/StowbayAction.h"
#include "package/ActionOutcome.h"
#include "package/Context.h"

using StowbayOutcome = ActionOutcome<StowbayAction>;

// Carries out a Stowbay option (Go in Stowbay mode) on the package the window shows: installing
// it into the simulator and removing it again, deleting it from the store, copying it or its
// current picture to Staging, and the panel and sound aliases.
StowbayOutcome DoStowbayAction(Context &context, StowbayAction action,
                               const MainSelection &selection);
