#pragma once

#include "package/Context.h"
#include "tools/UnusedGaugesView.h"

#include <QList>
#include <QString>

// The unused-gauges tool: the gauges of the simulator's gauges folder that no installed
// panel.cfg names, listed in frmUnusedGauges for the user to delete.
//
// Only gauges directly in the gauges folder are candidates. The simulator loads gauges from
// there alone, a row names a file there, and Delete removes exactly that file; a sub-folder is
// the user's own (kept copies, gauges set aside), so its gauges are neither listed nor deleted.

// The gauges that ship with the simulator, never listed whatever the panels say.
bool isBuiltInGauge(const QString &lowerName);

struct GaugeFile {
    QString name; // lower case, as the list shows it
    QString path; // the file on disk
};

// The files directly in folder whose name ends in ".gau" in any letter case. Folders and
// sub-folders are left out.
QList<GaugeFile> gaugeFilesIn(const QString &folder);

// Asks the warning question, then fills the window with every gauge of the simulator's gauges
// folder that no line of any panel.cfg below the simulator's aircraft folder mentions (by its
// base name, in any case, inside longer words and comments too), built-in gauges left out.
// Each panel.cfg is read once per run; the window's progress bar moves with each panel read
// and each gauge tested. Every panel.cfg that can be reached is read (installedPanels); when one
// or a folder cannot be read, no gauge is listed and the user is told which
// (noGaugeListedMessage).
void ListUnusedGauges(Context &context, UnusedGaugesView &view);
QString noGaugeListedMessage(const QStringList &unreadable);

// Delete: deletes the files of the selected rows after asking, and takes their rows out. Only
// files in the simulator's gauges folder are deleted.
void DeleteSelectedGauges(Context &context, UnusedGaugesView &view);
