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

#include <atomic>
#include <chrono>
#include <span>
#include <thread>

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

namespace {

// What one thread found in its share of the panels, in the panels' order.
struct ShareFound {
    NameOccurrences::Marks marks;
    QStringList unreadable;
    QStringList namedBy; // when asked: per name, the first panel of the share that holds it
};

ShareFound readPanels(const NameOccurrences &names, std::span<const PackageFile> panels,
                      qsizetype nameCount, NamingPanels naming,
                      const std::function<void()> &afterEachPanel)
{
    ShareFound found{names.noMarks(), {}, {}};
    if (naming == NamingPanels::Record)
        found.namedBy.resize(nameCount);
    for (const PackageFile &panel : panels) {
        const bool read = platform::forEachLine(panel.realPath, [&](const QString &line) {
            names.scanLine(line.toLower(), found.marks);
            return true;
        });
        if (!read)
            found.unreadable.append(panel.realPath);
        if (naming == NamingPanels::Record) {
            // The names first met in this panel are named by it.
            const std::vector<bool> soFar = names.occurrences(found.marks);
            for (qsizetype i = 0; i < nameCount; ++i) {
                if (soFar[std::size_t(i)] && found.namedBy[i].isEmpty())
                    found.namedBy[i] = panel.realPath;
            }
        }
        if (afterEachPanel)
            afterEachPanel();
    }
    return found;
}

} // namespace

PanelMentions mentionsInPanels(const ReachableFiles &panels, const QStringList &lowerBaseNames,
                               const std::function<void()> &afterEachPanel, NamingPanels naming)
{
    // Two threads read a half of the panels each; the calling thread, which alone may let the
    // window work, runs afterEachPanel for the other's panels as they are read.
    const NameOccurrences names(lowerBaseNames);
    const std::span<const PackageFile> all(panels.files.constData(),
                                           std::size_t(panels.files.size()));
    const std::size_t half = all.size() / 2;
    std::atomic<std::size_t> laterRead = 0;
    ShareFound later;
    std::jthread helper([&] {
        later = readPanels(names, all.subspan(half), lowerBaseNames.size(), naming,
                           [&] { ++laterRead; });
    });
    const ShareFound first =
        readPanels(names, all.first(half), lowerBaseNames.size(), naming, afterEachPanel);
    for (std::size_t reported = 0; reported < all.size() - half;) {
        if (reported == laterRead) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            continue;
        }
        ++reported;
        if (afterEachPanel)
            afterEachPanel();
    }
    helper.join();

    PanelMentions result{{}, panels.unreadable + first.unreadable + later.unreadable, {}};
    result.mentioned = names.occurrences(first.marks);
    const std::vector<bool> laterMentioned = names.occurrences(later.marks);
    for (std::size_t i = 0; i < result.mentioned.size(); ++i)
        result.mentioned[i] = result.mentioned[i] || laterMentioned[i];
    if (naming == NamingPanels::Record) {
        result.namedBy = first.namedBy;
        for (qsizetype i = 0; i < result.namedBy.size(); ++i) {
            if (result.namedBy[i].isEmpty())
                result.namedBy[i] = later.namedBy[i];
        }
    }
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
