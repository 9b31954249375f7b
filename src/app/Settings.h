#pragma once

#include "package/SharedState.h"

#include <QString>

#include <optional>

// The main window's geometry in twips as ws.ini gives it (M keys); a key that was not given, or
// whose value was rejected, stays empty and the window keeps its designed value.
struct MainWindowGeometry {
    std::optional<double> top;
    std::optional<double> left;
    std::optional<double> height;
    std::optional<double> width;
};

// The build writes this file beside the program it builds, and installing leaves it out.
inline constexpr char kBuildTreeMarker[] = "wingstash-build-tree";

// The folder, with separator, that keeps ws.ini for the program in programFolder: that folder
// itself when the program runs from its build folder (the marker beside it), else, installed,
// the user's configuration folder (~/.config/Wingstash/), writable or not the program's folder.
QString settingsFolder(const QString &programFolder);

// Where ws.ini lives: AppDir, or the user's configuration folder when AppDir is not writable.
QString settingsFilePath(const SharedState &state);

// ws.ini is UTF-8, so that every location a user can choose survives; a file of an earlier
// version, in Windows-1252, is still read.

// Applies lines of ws.ini by the reading rules, in order; a later line overrides an earlier one.
void applySettingsLines(const QStringList &lines, SharedState &state,
                        MainWindowGeometry &mainWindow);

// Applies every line of ws.ini by the reading rules. Returns false when the file does not exist.
bool readSettingsFile(const QString &path, SharedState &state, MainWindowGeometry &mainWindow);

// The lines of ws.ini in their fixed order: the three locations, then (unless the main window is
// minimised, mainWindow empty) its geometry and the package list window's (too small list sizes
// replaced by 4000 and 5000, also in state).
QStringList settingsLines(SharedState &state, const std::optional<MainWindowGeometry> &mainWindow);

// Writes ws.ini when all three locations are set; otherwise leaves the existing file alone.
// Returns false (with error) when the file could not be written.
bool writeSettingsFile(const QString &path, SharedState &state,
                       const std::optional<MainWindowGeometry> &mainWindow, QString *error);
