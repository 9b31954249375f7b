#pragma once

#include "package/ActionOutcome.h"

#include <array>

// The options of Stowbay mode.
enum class StowbayAction {
    CopyToMsfs,
    RemoveFromMsfs,
    RemoveFromStowbay,
    RemoveImage,
    CopyToStaging,
    CopyImageToStaging,
    CreatePanelAlias,
    CreateSoundAlias,
    PastePanelAlias,
    PasteSoundAlias,
    RestorePanel,
    RestoreSound,
};

// The options box of Stowbay mode, in the order it lists them.
inline constexpr std::array kStowbayOptions{
    ModeOption<StowbayAction>{StowbayAction::CopyToMsfs, "Copy package to MSFS"},
    ModeOption<StowbayAction>{StowbayAction::RemoveFromMsfs, "Remove package from MSFS"},
    ModeOption<StowbayAction>{StowbayAction::RemoveFromStowbay, "Remove package from STOWBAY"},
    ModeOption<StowbayAction>{StowbayAction::RemoveImage, "Remove current IMAGE"},
    ModeOption<StowbayAction>{StowbayAction::CopyToStaging, "Copy package to STAGING"},
    ModeOption<StowbayAction>{StowbayAction::CopyImageToStaging, "Copy current image to STAGING"},
    ModeOption<StowbayAction>{StowbayAction::CreatePanelAlias, "Create PANEL alias"},
    ModeOption<StowbayAction>{StowbayAction::CreateSoundAlias, "Create SOUND alias"},
    ModeOption<StowbayAction>{StowbayAction::PastePanelAlias, "Paste PANEL alias"},
    ModeOption<StowbayAction>{StowbayAction::PasteSoundAlias, "Paste SOUND alias"},
    ModeOption<StowbayAction>{StowbayAction::RestorePanel, "Restore old PANEL"},
    ModeOption<StowbayAction>{StowbayAction::RestoreSound, "Restore old SOUND"},
};
