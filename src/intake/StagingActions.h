#pragma once

#include "package/Context.h"
#include "platform/MainControls.h"

// Carries out the Staging option selected in the main window (Go in Staging mode).
void DoStagingAction(Context &context, platform::MainControls &controls);

// The partial clean-ups of the Staging folder, each ending with "Done.".
void RemovePanelFromStaging(Context &context);
void RemoveSoundFromStaging(Context &context);
void RemoveAircraftFromStaging(Context &context);
