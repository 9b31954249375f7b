#pragma once

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

struct StowbayOption {
    StowbayAction action;
    const char *caption;
};

// The options box of Stowbay mode, in the order it lists them.
inline constexpr std::array kStowbayOptions{
    StowbayOption{StowbayAction::CopyToMsfs, "Copy package to MSFS"},
    StowbayOption{StowbayAction::RemoveFromMsfs, "Remove package from MSFS"},
    StowbayOption{StowbayAction::RemoveFromStowbay, "Remove package from STOWBAY"},
    StowbayOption{StowbayAction::RemoveImage, "Remove current IMAGE"},
    StowbayOption{StowbayAction::CopyToStaging, "Copy package to STAGING"},
    StowbayOption{StowbayAction::CopyImageToStaging, "Copy current image to STAGING"},
    StowbayOption{StowbayAction::CreatePanelAlias, "Create PANEL alias"},
    StowbayOption{StowbayAction::CreateSoundAlias, "Create SOUND alias"},
    StowbayOption{StowbayAction::PastePanelAlias, "Paste PANEL alias"},
    StowbayOption{StowbayAction::PasteSoundAlias, "Paste SOUND alias"},
    StowbayOption{StowbayAction::RestorePanel, "Restore old PANEL"},
    StowbayOption{StowbayAction::RestoreSound, "Restore old SOUND"},
};
