#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// Deterministic, realistic trees for the benchmark: the same seed and sizes give the same
// names, folders and bytes on every machine.
namespace bench {

struct TreeSizes {
    int addOnFiles = 3500;      // in nested folders of textures, models, sounds, gauges, ...
    int aircraft = 1000;        // installed in the simulator, each naming gaugesPerPanel gauges
    int gaugesPerPanel = 40;    // in a panel.cfg of about 130 lines
    int simulatorGauges = 3000; // in its Gauges folder; the last third no panel names
    int storePackages = 2000;   // over the fourteen categories
    int largestFileKiB = 16;    // add-on files are 1 KiB up to this
};

// Small sizes for a quick check that the benchmark still runs.
TreeSizes tinySizes();
// The sizes above times factor: each panel still names as many gauges.
TreeSizes scaledSizes(const TreeSizes &sizes, int factor);

// A gauge of the simulator's Gauges folder; gauges [0, 2/3 of count) are used by panels.
QString simulatorGaugeName(int index); // "mfd_0042.gau"

// Each writes below root (ending with "/"), which must exist and be empty.
// The add-on: one aircraft.cfg, panel.cfg and sound.cfg naming some of its files; every file
// name unique, so a scan asks no question. Returns the number of files written.
int generateAddOn(const QString &root, const TreeSizes &sizes, std::uint64_t seed);
// The simulator: Aircraft/<n>/ (aircraft.cfg, panel/panel.cfg, model, texture), Gauges/, Sound/.
void generateSimulator(const QString &root, const TreeSizes &sizes, std::uint64_t seed);
// The store: <category>/<package>/ with an aircraft.cfg and a picture each.
void generateStore(const QString &root, const TreeSizes &sizes, std::uint64_t seed);

} // namespace bench
