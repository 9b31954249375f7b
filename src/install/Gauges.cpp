#include "install/Gauges.h"

#include "install/CfgUsers.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "platform/FileSystem.h"

QString gaugeBaseName(const QString &fileName)
{
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

InstalledPanels::InstalledPanels(const SharedState &state)
    : lowerLines_(cfgLinesBelow(FolderLayout(state).aircraftFolder(), QStringLiteral("panel.cfg")))
{
}

bool InstalledPanels::mention(const QString &gaugeFileName) const
{
    return anyLineContains(lowerLines_, gaugeBaseName(gaugeFileName));
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
    const InstalledPanels panels(context.state);
    context.progress.show(0, int(gauges.size()) + 1);
    int step = 1;
    for (const PackageFile &gauge : gauges) {
        const QString name = FileNameOf(gauge.path, false);
        if (!panels.mention(name))
            RemoveFile(context.messages, platform::resolveCase(folder + name));
        context.progress.setValue(++step);
    }
    context.progress.hide();
}
