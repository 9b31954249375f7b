#include "install/Gauges.h"

#include "install/NameOccurrences.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/Walk.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

QString gaugeBaseName(const QString &fileName)
{
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

std::vector<bool> mentionedInPanels(const SharedState &state, const QStringList &lowerBaseNames)
{
    NameOccurrences mentions(lowerBaseNames);
    const QString aircraft = platform::resolveCase(FolderLayout(state).aircraftFolder());
    for (const PackageFile &panel : filesNamed(aircraft, QStringLiteral("panel.cfg"))) {
        platform::forEachLine(panel.realPath, [&](const QString &line) {
            mentions.scanLine(line.toLower());
            return true;
        });
    }
    return mentions.occurrences();
}

bool reportMissingGaugesFolder(Context &context)
{
    if (platform::directoryExists(FolderLayout(context.state).gaugesFolder()))
        return false;
    context.messages.inform(context.state.MsfsDir +
                            QStringLiteral("gauges directory does not exist.  Please verify "
                                           "Flight Simulator directory location."));
    return true;
}

void RemoveUnusedGauges(Context &context)
{
    if (reportMissingGaugesFolder(context))
        return;
    const FileList &gauges = context.state.ComponentFiles.at(Gauges);
    const QString folder = FolderLayout(context.state).gaugesFolder();
    QStringList names;
    QStringList baseNames;
    for (const PackageFile &gauge : gauges) {
        names.append(FileNameOf(gauge.path, false));
        baseNames.append(gaugeBaseName(names.back()).toLower());
    }
    const std::vector<bool> used = mentionedInPanels(context.state, baseNames);
    context.progress.show(0, int(gauges.size()) + 1);
    int step = 1;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (!used[std::size_t(i)])
            RemoveFile(context.messages, platform::resolveCase(folder + names[i]));
        context.progress.setValue(++step);
    }
    context.progress.hide();
}
