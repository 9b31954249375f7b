#pragma once

#include "package/Context.h"

#include <QString>
#include <QStringList>

// A gauge's base name, which is what a panel.cfg mentions: its file name up to the first dot.
QString gaugeBaseName(const QString &fileName);

// Every panel.cfg below the simulator's aircraft folder, read once. It answers for any number of
// gauges what searching the panels once per gauge would.
class InstalledPanels {
public:
    explicit InstalledPanels(const SharedState &state);
    // True when some line of some panel.cfg holds the gauge's base name, in any letter case:
    // in a comment or inside a longer word as well.
    bool mention(const QString &gaugeFileName) const;

private:
    QStringList lowerLines_;
};

// Says so and returns true when the simulator has no gauges folder.
bool reportMissingGaugesFolder(Context &context);

// Deletes from the simulator's gauges folder each gauge of the current package that no
// installed panel.cfg mentions. Run after the package's own simulator folder is gone, so only
// the other aircraft keep a gauge. Gauges the package does not list are never looked at.
void RemoveUnusedGauges(Context &context);
