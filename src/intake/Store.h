#pragma once

#include "package/Context.h"

#include <QString>
#include <QStringList>

// The collection store: one folder per category under StowbayDir, one folder per package in a
// category. The folders are the data; every list is read from disk when it is needed.

// Orders names the way a sorted list box does: alphabetically, ignoring case.
void sortIgnoringCase(QStringList &names);

// The category folders of the store, sorted ignoring case.
QStringList listCategories(const QString &stowbayDir);

// True when MsfsDir & "aircraft" & name exists (any entry, looked up ignoring case).
bool isInstalled(const SharedState &state, const QString &name);

// "< name >": how the package boxes show an installed package.
QString withInstalledMarker(const QString &name);

// The package box's entries for a category: its package folders sorted ignoring case, each
// installed one in the marker form at the position its plain name sorted to.
QStringList packageBoxEntries(const SharedState &state, const QString &category);

// The package name without the installed marker.
QString GetPackageName(const QString &boxText);

// True (after its messages) when the name is taken by a package of a listed category or by a
// folder directly in the simulator folder.
bool PackageNameExists(Context &context, const QStringList &categories, const QString &name);
