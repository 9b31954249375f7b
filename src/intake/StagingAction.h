#pragma once

#include "package/ActionOutcome.h"

#include <array>

// The options of Staging mode.
enum class StagingAction {
    CopyToStowbay,
    RemoveAll,
    RemoveImage,
    RemovePanel,
    RemoveAircraft,
    RemoveSound
};

// The options box of Staging mode, in the order it lists them.
inline constexpr std::array kStagingOptions{
    ModeOption<StagingAction>{StagingAction::CopyToStowbay, "Copy package to Stowbay"},
    ModeOption<StagingAction>{StagingAction::RemoveAll, "Remove ALL from Staging"},
    ModeOption<StagingAction>{StagingAction::RemoveImage, "Remove current IMAGE"},
    ModeOption<StagingAction>{StagingAction::RemovePanel, "Remove PANEL from Staging"},
    ModeOption<StagingAction>{StagingAction::RemoveAircraft, "Remove AIRCRAFT from Staging"},
    ModeOption<StagingAction>{StagingAction::RemoveSound, "Remove SOUND from Staging"},
};
