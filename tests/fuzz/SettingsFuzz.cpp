#include "FuzzTarget.h"
#include "app/Settings.h"
#include "platform/TextFile.h"

#include <QTemporaryDir>

#include <cmath>

namespace {

// Geometry a window can be placed by: finite, at most about 7000 inches, sizes above zero, and
// no position of a minimised window (far off screen).
void checkGeometry(const MainWindowGeometry &geometry)
{
    for (const std::optional<double> &value :
         {geometry.top, geometry.left, geometry.height, geometry.width})
        FUZZ_CHECK(!value || (std::isfinite(*value) && std::fabs(*value) <= 10'000'000.0));
    FUZZ_CHECK(!geometry.height || *geometry.height > 0.0);
    FUZZ_CHECK(!geometry.width || *geometry.width > 0.0);
    FUZZ_CHECK(!geometry.top || *geometry.top >= -70.0);
    FUZZ_CHECK(!geometry.left || *geometry.left >= -70.0);
}

} // namespace

FUZZ_TARGET(settings)
{
    SharedState state;
    MainWindowGeometry geometry;
    applySettingsLines(platform::splitLines(platform::decodeUtf8OrCp1252(fuzzBytes(data, size))),
                       state, geometry);
    checkGeometry(geometry);

    // What was read, written and read again is written the same way: nothing drifts between
    // runs, and every location survives the file.
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("ws.ini"));
    const QStringList written = settingsLines(state, geometry);
    FUZZ_CHECK(platform::writeUtf8TextLines(path, written));
    SharedState again;
    MainWindowGeometry geometryAgain;
    FUZZ_CHECK(readSettingsFile(path, again, geometryAgain));
    FUZZ_CHECK(settingsLines(again, geometryAgain) == written);
}
