#pragma once

#include "package/ComponentKind.h"
#include "package/SharedState.h"

#include <QString>

#include <string>
#include <unordered_set>

// The configuration files the program reads and writes in a package.
enum class ConfigFile { Aircraft, Panel, OldPanel, Sound, OldSound };

// "aircraft.cfg", "panel.cfg", "oldpanel.cfg", "sound.cfg", "oldsound.cfg".
QString configFileName(ConfigFile file);

// What one aircraft can lend another through an alias= line: its panel or its sound set.
enum class AliasKind { Panel, Sound };

// "panel" or "sound": the kind's folder, its configuration file's stem, and how messages name it.
QString aliasKindName(AliasKind kind);

// What an alias= line names to borrow a package's panel or sound set: its kind folder below the
// simulator's aircraft folder, written the Windows way ("package\panel") on every system.
QString aliasTarget(const QString &package, AliasKind kind);

// An alias= line's target as a path below the simulator's aircraft folder; Windows ignores
// blanks at the end of a name.
QString aliasAsPath(const QString &alias);

// Which entries of the simulator's aircraft folder count as installed packages. The rule is one:
// an entry of the package's name. What kind of entry counts differs by caller, on purpose:
enum class InstalledAs {
    // Any entry, as installing and removing take it (a file of that name would keep the
    // simulator from taking the folder), and the package boxes with them.
    AnyEntry,
    // A folder itself (attributes exactly Directory: no link, not read-only): the package list's
    // rows.
    Folder,
    // A directory, links followed (Windows' directory test): Explore's warning and the package a
    // row of the package list picks.
    Directory,
};

// The pictures the main window shows from the program's resource folder.
enum class ProgramPicture { StowbayMode, StagingMode, Placeholder };

// Every path below the three locations (Staging, the store, the simulator's folder) and of the
// program's own files. Paths are looked up without regard to letter case (real simulators have
// "Aircraft", "Gauges", "Sound"); names that do not exist yet keep the spelling given. Folder
// paths end with the separator; the paths of single entries (a package's folder as a copy
// creates it or a removal deletes it) do not.
class FolderLayout {
public:
    explicit FolderLayout(const SharedState &state) : state_(state) {}

    // Staging.
    QString stagingFolder() const;
    // A package copied into Staging (no separator), as named: the copy looks it up itself and
    // names it in its messages as the user knows it.
    QString stagingEntry(const QString &name) const;
    // A single file copied into Staging.
    QString stagingFile(const QString &name) const;

    // The store.
    QString categoryFolder(const QString &category) const;
    QString packageFolder(const QString &category, const QString &name) const;
    // The package's folder as one entry (no separator): what taking an add-on into the store
    // creates and removing it from the store deletes.
    QString packageEntry(const QString &category, const QString &name) const;
    // A configuration file of a stored package: aircraft.cfg at its top, the others in their
    // kind's folder ("panel" holds panel.cfg and oldpanel.cfg).
    QString storedConfigFile(const QString &category, const QString &name, ConfigFile file) const;
    // The folder of a kind below a package folder anywhere (a copy being made, too), with
    // separator; not looked up, as the copy makes it.
    static QString kindFolder(const QString &packageFolder, ComponentKind kind);

    // The simulator.
    QString aircraftFolder() const;
    QString gaugesFolder() const;
    QString soundFolder() const;
    // A gauge or a sound in the simulator's shared folders.
    QString sharedGauge(const QString &name) const;
    QString sharedSound(const QString &name) const;
    // The package's entry in the simulator's aircraft folder (no separator): what an install
    // creates and a removal deletes.
    QString installedEntry(const QString &name) const;
    // The installed test of one name; the name may be a path below the aircraft folder (an
    // alias target).
    bool isInstalled(const QString &name, InstalledAs as = InstalledAs::AnyEntry) const;
    // The same test for many names from one listing of the aircraft folder: the entries that
    // count, keyed ignoring case (platform::caseKey).
    std::unordered_set<std::u32string> installedKeys(InstalledAs as) const;
    // The same from the aircraft folder given (aircraftFolder()), for a thread that must not
    // read the shared state.
    static std::unordered_set<std::u32string> installedKeysIn(const QString &aircraft,
                                                              InstalledAs as);
    // True when path lies in the simulator's folder.
    bool liesInSimulator(const QString &path) const;

    // The program's own files: ws.ini in AppDir, readme.txt and the pictures in ResourceDir.
    QString settingsFile() const;
    static QString settingsFileIn(const QString &folder);
    QString readmeFile() const;
    static QString readmeFileIn(const QString &folder);
    QString picture(ProgramPicture picture) const;

private:
    const SharedState &state_;
};

// "< name >": how the package boxes show an installed package.
QString withInstalledMarker(const QString &name);

// The package name without the installed marker.
QString GetPackageName(const QString &boxText);
