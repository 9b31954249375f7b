#include "app/ProgramRun.h"

#include "app/Startup.h"
#include "package/ShutDown.h"

std::optional<MainWindowGeometry> ProgramRun::start()
{
    MainWindowGeometry geometry;
    try {
        if (!startUp(context_, locations_, geometry))
            return std::nullopt;
    } catch (const ShutDownRequest &) {
        saveSettings(geometry);
        return std::nullopt;
    }
    return geometry;
}

bool ProgramRun::locationsEndTheRun()
{
    switch (changeLocations(context_, locations_)) {
    case LocationsOutcome::Keep:
        return false;
    case LocationsOutcome::Restart:
        return true;
    case LocationsOutcome::EndNow:
        settingsKept_ = false;
        return true;
    }
    return false;
}

void ProgramRun::saveSettings(const std::optional<MainWindowGeometry> &geometry)
{
    if (!settingsKept_)
        return;
    SharedState &state = context_.state;
    const QString path = settingsFilePath(state);
    QString error;
    if (!writeSettingsFile(path, state, geometry, &error))
        context_.messages.inform(QStringLiteral("Wingstash could not write its settings file ") +
                                 path + QStringLiteral(".  ") + error);
}
