#pragma once

#include "app/Settings.h"
#include "package/Context.h"
#include "platform/Choices.h"

#include <optional>

// The main window's life as logic: start-up, File > Locations, and ws.ini written as the window
// closes, unless the locations could not be made usable.
class ProgramRun {
public:
    ProgramRun(Context &context, platform::LocationsEditor &locations)
        : context_(context), locations_(locations)
    {
    }

    // The start-up sequence; the geometry ws.ini gave, for the window to show at. Nothing when
    // the program ends now: a shut-down asked for during start-up has written ws.ini, keeping
    // the geometry read from it.
    std::optional<MainWindowGeometry> start();
    // File > Locations: true when the window is to close (the store changed and the program
    // must start again, or the locations are still unusable and ws.ini is not written).
    bool locationsEndTheRun();
    // Writes ws.ini from the locations and the window's geometry (nothing: keeps none), saying
    // so when it cannot; after unusable locations, writes nothing.
    void saveSettings(const std::optional<MainWindowGeometry> &geometry);

private:
    Context &context_;
    platform::LocationsEditor &locations_;
    bool settingsKept_ = true;
};
