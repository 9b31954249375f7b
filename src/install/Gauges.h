#pragma once

#include "package/Context.h"

#include <QString>
#include <QStringList>

#include <vector>

// A gauge's base name, which is what a panel.cfg mentions: its file name up to the first dot.
QString gaugeBaseName(const QString &fileName);

// For each lower-case gauge base name, whether some line of some panel.cfg below the
// simulator's aircraft folder holds it, in any letter case: in a comment or inside a longer word
// as well. Every panel.cfg is read once, however many names are asked about.
std::vector<bool> mentionedInPanels(const SharedState &state, const QStringList &lowerBaseNames);

// Says so and returns true when the simulator has no gauges folder.
bool reportMissingGaugesFolder(Context &context);

// Deletes from the simulator's gauges folder each gauge of the current package that no
// installed panel.cfg mentions. Run after the package's own simulator folder is gone, so only
// the other aircraft keep a gauge. Gauges the package does not list are never looked at.
void RemoveUnusedGauges(Context &context);
