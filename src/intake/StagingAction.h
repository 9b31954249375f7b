#pragma once

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

struct StagingOption {
    StagingAction action;
    const char *caption;
};

// The options box of Staging mode, in the order it lists them.
inline constexpr std::array kStagingOptions{
    StagingOption{StagingAction::CopyToStowbay, "Copy package to Stowbay"},
    StagingOption{StagingAction::RemoveAll, "Remove ALL from Staging"},
    StagingOption{StagingAction::RemoveImage, "Remove current IMAGE"},
    StagingOption{StagingAction::RemovePanel, "Remove PANEL from Staging"},
    StagingOption{StagingAction::RemoveAircraft, "Remove AIRCRAFT from Staging"},
    StagingOption{StagingAction::RemoveSound, "Remove SOUND from Staging"},
};
