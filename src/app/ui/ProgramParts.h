#pragma once

#include "app/ui/FontConfigReadAhead.h"
#include "app/ui/StowbayWindow.h"
#include "package/SharedState.h"
#include "package/ui/MultipleCfgDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/qt/QtProgramLauncher.h"
#include "tools/ui/FileListOnDemand.h"
#include "tools/ui/LocationsDialog.h"

// The program's windows and the Qt services the logic talks through, made and owned together,
// with the dialogs parented to the main window.
struct ProgramParts {
    ProgramParts(SharedState &state, platform::MessageBoxes &messages,
                 FontConfigReadAhead &fontConfig);

    FontConfigReadAhead::Read fontConfigRead; // before any control with text
    QtProgramLauncher launcher;
    DialogConfigChooser configChooser;
    DialogLocationsEditor locations;
    FileListOnDemand fileList;
    StowbayWindow window;
};

// The windows are laid out in twips for a small sans-serif type; a larger default type would
// not fit their captions.
void useProgramType();
