#include "tools/UnusedGauges.h"

#include "package/ActivityRecording.h"
#include "package/DeletionPlan.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/Gauges.h"
#include "package/LocationSafety.h"
#include "package/Removal.h"
#include "platform/FileListing.h"

#include <algorithm>
#include <array>

namespace {

const QString kGaugeSuffix = QStringLiteral(".gau");

} // namespace

bool isBuiltInGauge(const QString &lowerName)
{
    static const std::array<QString, 6> builtIn = {
        QStringLiteral("spitfire_mki.gau"), QStringLiteral("p51d.gau"),
        QStringLiteral("p47d.gau"),         QStringLiteral("hurricane_1.gau"),
        QStringLiteral("fw190a.gau"),       QStringLiteral("bf109e.gau"),
    };
    return std::find(builtIn.begin(), builtIn.end(), lowerName) != builtIn.end();
}

QList<GaugeFile> gaugeFilesIn(const QString &folder)
{
    QList<GaugeFile> gauges;
    for (const platform::DirEntry &entry :
         platform::listDirectory(folder, nullptr, platform::ListDetail::FolderTest)) {
        if ((entry.attributes & platform::Directory) != 0)
            continue;
        if (entry.name.endsWith(kGaugeSuffix, Qt::CaseInsensitive))
            gauges.append({entry.name.toLower(), folder + entry.name});
    }
    return gauges;
}

void ListUnusedGauges(Context &context, UnusedGaugesView &view)
{
    if (!context.messages.confirmOk(
            QStringLiteral("This may take a minute or two.  During this time it will appear that "
                           "the application is locked up.  Please be patient.  This process "
                           "looks at every gauge to see if it is being utilized.")))
        return;
    const FolderLayout layout(context.state);
    const QList<GaugeFile> gauges = gaugeFilesIn(layout.gaugesFolder());
    platform::Progress &progress = view.progress();
    progress.stillWorking();
    const ReachableFiles panels =
        installedPanels(context.state, {}, [&] { progress.stillWorking(); });

    view.open();
    progress.show(1, int(panels.files.size() + gauges.size()) + 1);
    int done = 1;

    // All gauges are looked for in one reading of every panel.cfg, which answers for each
    // gauge what searching the panels once per gauge would.
    QStringList baseNames;
    for (const GaugeFile &gauge : gauges)
        baseNames.append(gaugeBaseName(gauge.name));
    const PanelMentions mentions =
        mentionsInPanels(panels, baseNames, [&] { progress.setValue(++done); });

    for (qsizetype i = 0; i < gauges.size(); ++i) {
        if (!mentions.mentioned[std::size_t(i)] && !isBuiltInGauge(gauges[i].name))
            view.addRow(gauges[i].name, gauges[i].path);
        progress.setValue(++done);
    }
    progress.hide();
    if (!mentions.unreadable.isEmpty())
        context.messages.inform(noGaugeListedMessage(mentions.unreadable));
}

QString noGaugeListedMessage(const QStringList &unreadable)
{
    return unreadablePanelsMessage(unreadable, QStringLiteral("it lists no gauge as unused"));
}

void DeleteSelectedGauges(Context &context, UnusedGaugesView &view)
{
    const platform::ActivityScope recording =
        recordActivity(context, QStringLiteral("Unused gauges"));
    platform::MessageBoxes &messages = context.messages;
    bool anySelected = false;
    for (int row = 0; row < view.rowCount() && !anySelected; ++row)
        anySelected = view.isSelected(row);
    if (!anySelected) {
        messages.inform(QStringLiteral("Please select the gauges first."));
        return;
    }
    const RemovalArea gauges(FolderLayout(context.state).gaugesFolder(), context.state.MsfsDir);
    DeletionPlan selected(context.state.MsfsDir);
    for (int row = 0; row < view.rowCount(); ++row) {
        if (view.isSelected(row))
            selected.add(gauges, view.rowPath(row));
    }
    if (!messages.confirmYes(QStringLiteral("Are you sure you want to remove these gauges?"),
                             deletionDetails({selected})))
        return;
    // All the selected gauges go, or none when one of them cannot (its row stays).
    if (refusedWhileLocationsClash(context) ||
        !removeFilesAllOrNothing(messages, gauges, selected.paths()))
        return;
    // From the last row up, so taking a row out does not move the rows still to come.
    for (int row = view.rowCount() - 1; row >= 0; --row) {
        if (view.isSelected(row))
            view.removeRow(row);
    }
    messages.inform(QStringLiteral("Done."));
}
