#pragma once

#include "package/Context.h"
#include "platform/MainControls.h"

// Carries out the Staging option selected in the main window (Go in Staging mode).
void DoStagingAction(Context &context, platform::MainControls &controls);

// The partial clean-ups of the Staging folder, each ending with "Done.". Each deletes its files
// as one: false, having deleted nothing and said why, when one of them cannot go.
bool RemovePanelFromStaging(Context &context);
bool RemoveSoundFromStaging(Context &context);
bool RemoveAircraftFromStaging(Context &context);
