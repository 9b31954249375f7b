#pragma once

#include "package/Context.h"
#include "package/FolderLayout.h"

#include <QString>
#include <QStringList>

// The collection store: one folder per category under StowbayDir, one folder per package in a
// category. The folders are the data; every list is read from disk when it is needed.

// Orders names the way a sorted list box does: alphabetically, ignoring case.
void sortIgnoringCase(QStringList &names);

// The category folders of the store, sorted ignoring case.
QStringList listCategories(const QString &stowbayDir);

// The package box's entries for a category: its package folders sorted ignoring case, each
// installed one in the marker form at the position its plain name sorted to.
QStringList packageBoxEntries(const SharedState &state, const QString &category);

// True (after its messages) when the name is taken by a package of a listed category or by a
// folder directly in the simulator folder.
bool PackageNameExists(Context &context, const QStringList &categories, const QString &name);
