#pragma once

#include "package/Context.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The rows of the package list window: for each category with packages a blank row, the header
// " ### " & category, a blank row, then its packages (installed ones in the marker form).
// afterEachCategory, when given, runs after each category is listed.
QStringList packageListRows(const SharedState &state, const QStringList &categories,
                            const std::function<void()> &afterEachCategory = {});

// Builds the list and shows the package list window at its remembered place.
void ShowPackageList(Context &context, const QStringList &categories);

// The category holding a package of that name, ignoring case; the last one in list order when
// several do; empty when none does.
QString categoryOfPackage(const SharedState &state, const QStringList &categories,
                          const QString &name);

// What a click on a row of the package list window selects in the main window: the category,
// and the package box's text (with the installed marker when installed). Nothing for a blank
// row or a header.
struct PackageSelection {
    QString category; // empty when no category holds the name
    QString packageText;
};
std::optional<PackageSelection>
selectionForRow(const SharedState &state, const QStringList &categories, const QString &rowText);
