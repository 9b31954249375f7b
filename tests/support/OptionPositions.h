#pragma once

// The options of the two modes by their place in the option box, as the window lists them.
enum StagingOptionIndex : int {
    kCopyToStowbay = 0,
    kRemoveAll = 1,
    kRemoveStagingImage = 2,
    kRemovePanel = 3,
    kRemoveAircraft = 4,
    kRemoveSound = 5,
};
enum StowbayOptionIndex : int {
    kInstall = 0,
    kRemoveFromSimulator = 1,
    kRemoveFromStore = 2,
    kRemoveStoreImage = 3,
    kCopyToStaging = 4,
    kCreatePanelAlias = 6,
    kPastePanelAlias = 8,
};
