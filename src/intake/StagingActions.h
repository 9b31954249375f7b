#pragma once

#include "intake/StagingAction.h"
#include "package/ActionOutcome.h"
#include "package/Context.h"

using StagingOutcome = ActionOutcome<StagingAction>;

// Carries out a Staging option (Go in Staging mode) on what the window shows.
StagingOutcome DoStagingAction(Context &context, StagingAction action,
                               const MainSelection &selection);

// The partial clean-ups of the Staging folder, each ending with "Done.". Each deletes its files
// as one: false, having deleted nothing and said why, when one of them cannot go.
bool RemovePanelFromStaging(Context &context);
bool RemoveSoundFromStaging(Context &context);
bool RemoveAircraftFromStaging(Context &context);
