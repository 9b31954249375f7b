#pragma once

#include "package/ComponentKind.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// One file of the current package. Lists show and compare the lower-case path; every file
// operation uses the real path found on disk (on Linux two files may differ only in case).
struct PackageFile {
    QString path;     // full path, lower case
    QString realPath; // full path as on disk
};
using FileList = QList<PackageFile>;

// The state every part of the program shares. The application owns one instance and passes it
// by reference; each test builds its own.
struct SharedState {
    // The three locations; after the start-up check each ends with the separator.
    QString StagingDir;
    QString StowbayDir;
    QString MsfsDir;
    QString AppDir;      // the program's folder (or the user's settings folder), with separator
    QString ResourceDir; // the folder of the pictures and readme.txt, with separator
    QString StateDir;    // the program's own state folder (records of copies), with separator

    // Results of the last scan.
    std::array<FileList, kKindCount> ComponentFiles;
    FileList AllFiles;
    int CurrentImage = 0; // 1-based index into ComponentFiles[Images], 0 for none
    // True when the last scan met more files than a list holds: the lists are incomplete and
    // no action may copy or delete from them.
    bool ScanOverflow = false;

    // Configuration readers.
    QString PanelAlias;
    QString SoundAlias;
    QStringList PanelBitmaps; // lower case

    // aircraft.cfg of the last scan.
    QString AircraftTitle;
    QStringList AircraftCfgLines;
    int AircraftCfgLineCount = -1; // -1: none read since the scan began

    // Remembered aliases; never saved.
    QString PanelAliasClip;
    QString SoundAliasClip;

    bool InStowbayMode = false;
    bool FileListSelecting = false;

    // Package list window geometry in twips.
    int ListTop = 0;
    int ListLeft = 0;
    int ListHeight = 0;
    int ListWidth = 0;
};
