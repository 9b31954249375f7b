#include "package/Gauges.h"

#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/NameOccurrences.h"
#include "package/Removal.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/Path.h"
#include "platform/Progress.h"
#include "platform/TextFile.h"

QString gaugeBaseName(const QString &fileName)
{
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'));
    return dot < 0 ? fileName : fileName.left(dot);
}

ReachableFiles installedPanels(const SharedState &state, const QString &leaving,
                               const std::function<void()> &afterEachFolder)
{
    const QString aircraft = platform::resolveCase(FolderLayout(state).aircraftFolder());
    ReachableFiles panels =
        reachableFilesNamed(aircraft, configFileName(ConfigFile::Panel), afterEachFolder);
    if (leaving.isEmpty())
        return panels;
    const QString below = platform::withTrailingSeparator(platform::resolveCase(leaving));
    panels.files.removeIf(
        [&](const PackageFile &panel) { return panel.realPath.startsWith(below); });
    panels.unreadable.removeIf([&](const QString &folder) {
        return platform::withTrailingSeparator(folder).startsWith(below);
    });
    return panels;
}

PanelMentions mentionsInPanels(const ReachableFiles &panels, const QStringList &lowerBaseNames,
                               const std::function<void()> &afterEachPanel, NamingPanels naming)
{
    NameOccurrences mentions(lowerBaseNames);
    PanelMentions result{{}, panels.unreadable, {}};
    if (naming == NamingPanels::Record)
        result.namedBy.resize(lowerBaseNames.size());
    for (const PackageFile &panel : panels.files) {
        const bool read = platform::forEachLine(panel.realPath, [&](const QString &line) {
            mentions.scanLine(line.toLower());
            return true;
        });
        if (!read)
            result.unreadable.append(panel.realPath);
        if (naming == NamingPanels::Record) {
            // The names first met in this panel are named by it.
            const std::vector<bool> soFar = mentions.occurrences();
            for (qsizetype i = 0; i < result.namedBy.size(); ++i) {
                if (soFar[std::size_t(i)] && result.namedBy[i].isEmpty())
                    result.namedBy[i] = panel.realPath;
            }
        }
        if (afterEachPanel)
            afterEachPanel();
    }
    result.mentioned = mentions.occurrences();
    if (!result.unreadable.isEmpty())
        result.mentioned.assign(result.mentioned.size(), true);
    return result;
}

QString unreadablePanelsMessage(const QStringList &paths, const QString &consequence)
{
    if (paths.size() == 1)
        return QStringLiteral("Wingstash could not read ") + paths.first() +
               QStringLiteral(", so ") + consequence +
               QStringLiteral(", as that aircraft may use any of them.");
    return QStringLiteral("Wingstash could not read these files and folders, so ") + consequence +
           QStringLiteral(", as those aircraft may use any of them:\r\n\r\n") +
           paths.join(QStringLiteral("\r\n"));
}

QString keptEveryGaugeMessage(const QStringList &unreadable)
{
    return unreadablePanelsMessage(unreadable, QStringLiteral("it kept every gauge"));
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

GaugeRemoval planGaugeRemoval(const SharedState &state, const QString &leaving,
                              const std::function<void()> &stillWorking)
{
    GaugeRemoval plan;
    const QString folder = FolderLayout(state).gaugesFolder();
    if (!platform::directoryExists(folder)) {
        plan.noGaugesFolder = true;
        return plan;
    }
    QStringList names;
    QStringList baseNames;
    for (const PackageFile &gauge : state.ComponentFiles.at(Gauges)) {
        names.append(FileNameOf(gauge.path, false));
        baseNames.append(gaugeBaseName(names.back()).toLower());
    }
    const PanelMentions mentions = mentionsInPanels(installedPanels(state, leaving, stillWorking),
                                                    baseNames, stillWorking, NamingPanels::Record);
    plan.unreadable = mentions.unreadable;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString gauge = platform::resolveCase(folder + names[i]);
        if (!mentions.mentioned[std::size_t(i)])
            plan.unused.append(gauge);
        else
            plan.kept.append({gauge, mentions.namedBy[i]});
    }
    return plan;
}

void removeGauges(Context &context, const GaugeRemoval &plan)
{
    if (plan.noGaugesFolder) {
        reportMissingGaugesFolder(context);
        return;
    }
    if (!plan.unreadable.isEmpty()) {
        context.messages.inform(keptEveryGaugeMessage(plan.unreadable));
        return;
    }
    const RemovalArea gauges(FolderLayout(context.state).gaugesFolder(), context.state.MsfsDir);
    const platform::ShownProgress shown(context.progress, 0, int(plan.unused.size()) + 1);
    int step = 1;
    for (const QString &gauge : plan.unused) {
        RemoveFile(context.messages, gauges, gauge, Disposal::Trash);
        context.progress.setValue(++step);
    }
}

void RemoveUnusedGauges(Context &context)
{
    removeGauges(context,
                 planGaugeRemoval(context.state, {}, [&] { context.progress.stillWorking(); }));
}
