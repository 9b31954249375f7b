#include "FuzzTarget.h"
#include "package/AircraftCfgRewrite.h"
#include "package/ConfigurationTable.h"
#include "platform/TextFile.h"

#include <algorithm>

FUZZ_TARGET(aircraft_cfg)
{
    // The lines as an aircraft.cfg is read from disk.
    const QStringList lines = platform::splitLines(platform::decodeCp1252(fuzzBytes(data, size)));
    const QList<Configuration> table = buildConfigurationTable(lines);
    const QString firstName = QStringLiteral("fltsim.0");

    for (const Configuration &configuration : table.first(std::min<qsizetype>(table.size(), 16))) {
        FUZZ_CHECK(lowerKeepingPositions(configuration.Name).startsWith(QLatin1String("fltsim.")));
        for (const FolderKey key : kFolderKeys)
            FUZZ_CHECK(configurationFolderName(key, configuration.folder(key))
                           .startsWith(folderKeyName(key)));

        // Only [fltsim.0] sections on the plain folders are left, so rewriting again changes
        // nothing, and the lines written come back as the same lines.
        const QStringList rewritten = rewriteForConfiguration(lines, configuration.Name);
        FUZZ_CHECK(rewritten.size() <= lines.size());
        for (const Configuration &left : buildConfigurationTable(rewritten)) {
            FUZZ_CHECK(left.Name == firstName);
            FUZZ_CHECK(std::all_of(left.folders.cbegin(), left.folders.cend(),
                                   [](const QString &folder) { return folder.isEmpty(); }));
        }
        FUZZ_CHECK(rewriteForConfiguration(rewritten, firstName) == rewritten);
        QString text;
        for (const QString &line : rewritten)
            text += line + QStringLiteral("\r\n");
        FUZZ_CHECK(platform::splitLines(platform::decodeCp1252(platform::encodeCp1252(text))) ==
                   rewritten);
    }
}
