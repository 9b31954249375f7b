#pragma once

#include "intake/StagingAction.h"
#include "package/ActionOutcome.h"
#include "package/Context.h"
#include "package/DeletionPlan.h"

using StagingOutcome = ActionOutcome<StagingAction>;

// Carries out a Staging option (Go in Staging mode) on what the window shows.
StagingOutcome DoStagingAction(Context &context, StagingAction action,
                               const MainSelection &selection);

// The files each partial clean-up of the Staging folder deletes, picked from the last scan.
DeletionPlan PanelFilesInStaging(const SharedState &state);
DeletionPlan SoundFilesInStaging(const SharedState &state);
DeletionPlan AircraftFilesInStaging(const SharedState &state);

// Deletes a clean-up's files as one, then says "Done.": false, having deleted nothing and said
// why, when one of them cannot go.
bool RemoveFromStaging(Context &context, const DeletionPlan &files);
