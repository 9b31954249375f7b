#pragma once

#include "package/SharedState.h"

#include <QString>

#include <string>
#include <unordered_set>

// Where things live below the three locations: a package's folder in the store, its folder in
// the simulator's aircraft folder, the simulator's shared gauges and sound folders. Every path
// is looked up without regard to letter case (real simulators have "Aircraft", "Gauges",
// "Sound"); names that do not exist yet keep the spelling given. Folder paths end with the
// separator; the paths of single entries (an installed package's folder as CopyPackage creates
// it) do not.
class FolderLayout {
public:
    explicit FolderLayout(const SharedState &state) : state_(state) {}

    // The store.
    QString categoryFolder(const QString &category) const;
    QString packageFolder(const QString &category, const QString &name) const;
    // The new package folder that taking an add-on into the store creates (no separator).
    QString newPackageEntry(const QString &category, const QString &name) const;

    // The simulator.
    QString aircraftFolder() const;
    QString gaugesFolder() const;
    QString soundFolder() const;
    // The package's entry in the simulator's aircraft folder (no separator): what an install
    // creates and a removal deletes.
    QString installedEntry(const QString &name) const;
    // The installed marker's test: the simulator's aircraft folder holds an entry of that name
    // (of any kind: a file of that name would keep the simulator from taking the folder).
    bool isInstalled(const QString &name) const;
    // The same test for many names from one listing: the entries of the simulator's aircraft
    // folder keyed ignoring case (platform::caseKey), only its folders when foldersOnly.
    std::unordered_set<std::u32string> installedKeys(bool foldersOnly) const;
    // True when path lies in the simulator's folder.
    bool liesInSimulator(const QString &path) const;

private:
    const SharedState &state_;
};

// "< name >": how the package boxes show an installed package.
QString withInstalledMarker(const QString &name);

// The package name without the installed marker.
QString GetPackageName(const QString &boxText);
