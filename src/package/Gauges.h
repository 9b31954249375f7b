#pragma once

#include "package/Context.h"
#include "package/Walk.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// A gauge's base name, which is what a panel.cfg mentions: its file name up to the first dot.
QString gaugeBaseName(const QString &fileName);

// Every panel.cfg the simulator's aircraft folder reaches (see reachableFilesNamed), less those
// reached through leaving, the simulator folder of a package about to be removed, when given.
ReachableFiles installedPanels(const SharedState &state, const QString &leaving = {});

// What the installed panels say about a set of gauge base names.
struct PanelMentions {
    std::vector<bool> mentioned; // per name, in the order asked
    QStringList unreadable;      // the panels and folders that could not be read
    QStringList namedBy;         // when asked: per name, the first panel that holds it, or ""
};

// Whether mentionsInPanels also tells which panel holds each name: worth it for a package's few
// gauges, not for every gauge of the simulator.
enum class NamingPanels { Skip, Record };

// For each lower-case gauge base name, whether some line of some panel holds it, in any letter
// case: in a comment or inside a longer word as well. Every panel is read once, however many
// names are asked about; afterEachPanel runs after each. When a panel or a folder could not be
// read, every name counts as mentioned: its aircraft may use any gauge.
PanelMentions mentionsInPanels(const ReachableFiles &panels, const QStringList &lowerBaseNames,
                               const std::function<void()> &afterEachPanel = {},
                               NamingPanels naming = NamingPanels::Skip);

// Tells which panels or folders could not be read and what was done instead, as the end of a
// sentence ("it kept every gauge"): one path in the sentence, several one per line below it.
QString unreadablePanelsMessage(const QStringList &paths, const QString &consequence);
// The message of a removal that kept every gauge.
QString keptEveryGaugeMessage(const QStringList &unreadable);

// Says so and returns true when the simulator has no gauges folder.
bool reportMissingGaugesFolder(Context &context);

// The gauges of the current package that removing the package's simulator folder leaving leaves
// unused: those in the simulator's gauges folder that no other installed panel mentions. Worked
// out before anything is deleted, so a removal can check first that it can delete them all.
// Gauges the package does not list are never looked at.
struct GaugeRemoval {
    QStringList unused;     // paths in the gauges folder
    QStringList unreadable; // panels or folders that could not be read: then unused is empty
    bool noGaugesFolder = false;
    // The package's other gauges: the path in the gauges folder and the panel that mentions it
    // ("" when it is kept because something could not be read).
    QList<std::pair<QString, QString>> kept;
};
GaugeRemoval planGaugeRemoval(const SharedState &state, const QString &leaving);

// Deletes what plan names from the simulator's gauges folder, or says why nothing was deleted
// (no gauges folder, panels that could not be read).
void removeGauges(Context &context, const GaugeRemoval &plan);

// Deletes from the simulator's gauges folder each gauge of the current package that no
// installed panel.cfg mentions. Run after the package's own simulator folder is gone, so only
// the other aircraft keep a gauge.
void RemoveUnusedGauges(Context &context);
