// Every action that deletes, run on generated trees full of links, odd names and overlapping
// location choices, deletes only inside the folder it works on, and nothing at all when the
// locations overlap. A failing tree is named by its seed; WINGSTASH_CONTAINMENT_SEED replays
// the trees from another first seed.

#include "faults/ActionDriver.h"
#include "faults/RawTree.h"
#include "support/DiskSnapshot.h"

#include <QMap>

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <random>

namespace {

constexpr int kTrees = 200;
constexpr quint32 kFirstSeed = 20261207;
constexpr int kFailuresShownPerAction = 3;

// Where the three locations really are (below the root, no trailing "/"), and how the user
// wrote them. A link named linkName, pointing at linkTarget, is how some of them are reached.
struct LocationChoice {
    const char *name;
    bool overlapping;
    const char *staging, *stowbay, *msfs;
    const char *givenStaging, *givenStowbay, *givenMsfs;
    const char *linkName, *linkTarget;
};

const LocationChoice kLocationChoices[] = {
    {"separate", false, "Staging", "Stowbay", "MSFS", "Staging", "Stowbay", "MSFS", nullptr,
     nullptr},
    {"Staging through a link", false, "Staging", "Stowbay", "MSFS", "StagingLink", "Stowbay",
     "MSFS", "StagingLink", "@/Staging"},
    {"Staging in other letter case", false, "Staging", "Stowbay", "MSFS", "STAGING", "Stowbay",
     "MSFS", nullptr, nullptr},
    {"store through a link, in other letter case", false, "Staging", "Stowbay", "MSFS", "Staging",
     "STORELINK", "MSFS", "storelink", "@/Stowbay"},
    {"Staging is the store", true, "Stowbay", "Stowbay", "MSFS", "Stowbay", "Stowbay", "MSFS",
     nullptr, nullptr},
    {"Staging is the store in other letter case", true, "Stowbay", "Stowbay", "MSFS", "STOWBAY",
     "Stowbay", "MSFS", nullptr, nullptr},
    {"Staging is the store through a link", true, "Stowbay", "Stowbay", "MSFS", "StageLink",
     "Stowbay", "MSFS", "StageLink", "@/Stowbay"},
    {"Staging inside the store", true, "Stowbay/Staging", "Stowbay", "MSFS", "Stowbay/Staging",
     "Stowbay", "MSFS", nullptr, nullptr},
    {"store inside Staging", true, "Staging", "Staging/Stowbay", "MSFS", "Staging",
     "Staging/Stowbay", "MSFS", nullptr, nullptr},
    {"simulator inside Staging", true, "Staging", "Stowbay", "Staging/MSFS", "Staging", "Stowbay",
     "Staging/MSFS", nullptr, nullptr},
    {"Staging inside the simulator", true, "MSFS/Staging", "Stowbay", "MSFS", "MSFS/Staging",
     "Stowbay", "MSFS", nullptr, nullptr},
    {"store is the simulator", true, "Staging", "MSFS", "MSFS", "Staging", "MSFS", "MSFS", nullptr,
     nullptr},
    {"store inside the simulator, through a link", true, "Staging", "MSFS/Store", "MSFS", "Staging",
     "SimLink/Store", "MSFS", "SimLink", "@/MSFS"},
};

// One generated tree: the entries made, the locations, and where the package's folders are.
struct GeneratedTree {
    quint32 seed = 0;
    const LocationChoice *locations = nullptr;
    QString packageName;   // as the package box shows it
    QString package;       // the package's folder in the store, below the root
    QString installed;     // its entry in the simulator's aircraft folder (empty: none)
    QString gauges;        // the simulator's gauges folder as it really is
    QString stagingFolder; // Staging as it really is
};

class TreeGenerator {
public:
    TreeGenerator(quint32 seed, RawTree &tree) : random_(seed), tree_(tree) { result_.seed = seed; }

    GeneratedTree generate()
    {
        const std::size_t choices = std::size(kLocationChoices);
        const LocationChoice &where =
            chance(0.5) ? kLocationChoices[0] : kLocationChoices[1 + below(int(choices) - 1)];
        result_.locations = &where;
        result_.stagingFolder = QString::fromUtf8(where.staging);
        if (where.linkName != nullptr)
            tree_.link(where.linkName, where.linkTarget);
        outside();
        staging(where.staging);
        store(where.stowbay);
        simulator(where.msfs);
        return result_;
    }

private:
    std::mt19937 random_;
    RawTree &tree_;
    GeneratedTree result_;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
    template <typename T, std::size_t N> const T &pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }

    // Gauge names a panel may mention or a package may hold.
    static constexpr const char *kGaugeBases[] = {"own", "OWN", "shared", "st*r",
                                                  "q?",  "ünï", "caf\xe9"};

    QByteArray panelText()
    {
        QByteArray text = "[Vcockpit01]\r\n";
        for (int i = below(3); i >= 0; --i)
            text += "gauge0" + QByteArray::number(i) + "=" + pick(kGaugeBases) + "!x, 1,2\r\n";
        return text;
    }

    QByteArray linkTarget(const QByteArray &base)
    {
        static constexpr const char *kTargets[] = {
            "@/Outside/keep.txt",
            "@/Outside/dir",
            "@/Outside/keep.gau",
            "@/Stowbay",
            "@/MSFS/Gauges",
            "@/Staging",
            ".",
            "..",
            "nowhere",
            "../../..",
        };
        const int kind = below(int(std::size(kTargets)) + 2);
        if (kind == int(std::size(kTargets)))
            return "@/" + base; // the top of its own location: a loop
        if (kind == int(std::size(kTargets)) + 1)
            return "@/" + base + "/Panel";
        return kTargets[kind];
    }

    // A few files, folders and links below base, with names a Windows disk could not hold apart.
    void randomEntries(const QByteArray &base, int count)
    {
        static constexpr const char *kFolders[] = {
            "Panel", "panel", "Sound", "Model", "Texture", "Images", "sub dir",
            "st*r",  "q?",    ".hid",  "Ünï",   "caf\xe9", "Gauges", "",
        };
        static constexpr const char *kFiles[] = {
            "panel.cfg",   "Panel.CFG",  "sound.cfg",   "model.cfg", "a.air",    "b.mdl",
            "main.bmp",    "t.oaf",      "eng.wav",     "click.wav", "view.jpg", "VIEW.JPG",
            "pic.gif",     "readme.txt", "README.TXT",  "own.gau",   "OWN.GAU",  "shared.gau",
            "st*r.gau",    "q?.gau",     "*.gau",       "?",         ".hid.gau", "ünï.gau",
            "caf\xe9.gau", "data.bin",   "x_check.txt",
        };
        for (int i = 0; i < count; ++i) {
            QByteArray folder = base + '/';
            for (int depth = below(3); depth > 0; --depth) {
                const QByteArray name = pick(kFolders);
                if (!name.isEmpty())
                    folder += name + '/';
            }
            const QByteArray name = pick(kFiles);
            const int kind = below(10);
            if (kind < 7) {
                const QByteArray lower = name.toLower();
                const QByteArray content = lower == "panel.cfg" ? panelText()
                                           : lower == "sound.cfg"
                                               ? QByteArray("[engine]\r\nfilename=eng\r\n")
                                               : QByteArray::number(below(1000));
                tree_.file(folder + name, content);
                if (chance(0.1))
                    tree_.readOnly(folder + name);
            } else if (kind < 9) {
                tree_.link(folder + name, linkTarget(base));
            } else {
                tree_.folder(folder + pick(kFolders));
            }
        }
    }

    void outside()
    {
        tree_.file("Outside/keep.txt", "keep");
        tree_.file("Outside/keep.gau", "keep");
        tree_.file("Outside/panel.cfg", panelText());
        tree_.file("Outside/dir/inner.gau", "inner");
        tree_.file("Outside/Elsewhere/Panel/panel.cfg", panelText());
    }

    void staging(const QByteArray &base)
    {
        tree_.folder(base);
        randomEntries(base, 3 + below(7));
        // One aircraft.cfg at most: a second one ends the program before anything is deleted.
        if (chance(0.4))
            tree_.file(base + "/aircraft.cfg", "[fltsim.0]\r\ntitle=Generated\r\n");
    }

    void store(const QByteArray &base)
    {
        static constexpr const char *kNames[] = {"Pkg", "Pkg", "Odd *?", "Ünï pkg", ".Dotted"};
        const QByteArray name = pick(kNames);
        const QByteArray category = chance(0.7) ? "Props" : "props";
        const QByteArray package = base + '/' + category + '/' + name;
        result_.packageName = QString::fromUtf8(name);
        result_.package = QString::fromUtf8(package);
        tree_.file(package + "/Panel/panel.cfg", panelText());
        for (int i = below(3); i >= 0; --i)
            tree_.file(package + "/Gauges/" + pick(kGaugeBases) + ".gau", "gauge");
        if (chance(0.6))
            tree_.file(package + "/Images/a.jpg", "a");
        if (chance(0.4))
            tree_.file(package + "/Images/b.jpg", "b");
        randomEntries(package, 1 + below(4));
        // Another package whose name differs only in case, and one of another category.
        if (chance(0.3) && name.toUpper() != name)
            tree_.file(base + '/' + category + '/' + name.toUpper() + "/Panel/panel.cfg",
                       panelText());
        tree_.file(base + "/Jets/Other/Gauges/own.gau", "other");
    }

    void simulator(const QByteArray &base)
    {
        QByteArray aircraft = base + (chance(0.8) ? "/Aircraft" : "/aircraft");
        if (chance(0.15)) {
            tree_.link(aircraft, "@/Outside/Planes");
            aircraft = "Outside/Planes";
        }
        const QByteArray gaugesName = chance(0.8) ? "/Gauges" : "/gauges";
        QByteArray gauges = base + gaugesName;
        if (chance(0.15)) {
            tree_.link(gauges, "@/Outside/GaugeStore");
            gauges = "Outside/GaugeStore";
        }
        result_.gauges = QString::fromUtf8(gauges);
        tree_.folder(gauges);
        tree_.folder(base + "/Sound");

        const QByteArray name = result_.packageName.toUtf8();
        const QByteArray other = name.toLower() != name ? name.toLower() : name.toUpper();
        QByteArray installed;
        switch (below(6)) {
        case 0:
            break;
        case 1:
        case 2:
            installed = name;
            break;
        case 3:
            installed = other;
            break;
        case 4: // both spellings: the one of the package's own name is its entry
            installed = name;
            installedFolder(aircraft + '/' + other);
            break;
        case 5:
            installed = name;
            tree_.link(aircraft + '/' + name, chance(0.5) ? QByteArray("@/Outside/Elsewhere")
                                                          : "@/" + result_.package.toUtf8());
            break;
        }
        if (!installed.isEmpty()) {
            result_.installed = QString::fromUtf8(aircraft + '/' + installed);
            if (!tree_.exists(aircraft + '/' + installed))
                installedFolder(aircraft + '/' + installed);
        }
        tree_.file(aircraft + "/Other/panel/panel.cfg", panelText());
        if (chance(0.3))
            tree_.link(aircraft + "/Loop/back", "..");
        if (chance(0.2))
            tree_.link(aircraft + "/Linked", "@/Outside/dir");

        for (const char *gauge : kGaugeBases) {
            if (chance(0.5))
                tree_.file(gauges + '/' + gauge + (chance(0.7) ? ".gau" : ".GAU"), "shared");
        }
        tree_.file(gauges + "/foreign.gau", "foreign");
        if (chance(0.3))
            tree_.file(gauges + "/Backup/own.gau", "kept");
        if (chance(0.3))
            tree_.link(gauges + "/linked.gau", "@/Outside/keep.gau");
        if (chance(0.2))
            tree_.link(gauges + "/dirlink.gau", "@/Outside/dir");
    }

    void installedFolder(const QByteArray &folder)
    {
        tree_.file(folder + "/Panel/panel.cfg", panelText());
        tree_.file(folder + "/Model/m.mdl", "m");
        randomEntries(folder, below(4));
    }
};

// What an action may delete or change.
enum class Scope { Staging, Package, Simulator, PackageAndSimulator, Gauges };

struct DeletingAction {
    const char *name;
    Scope scope;
    bool agree;
    // Brings the window where the user starts the action (a scan); may delete on its own.
    std::function<bool(RecordingContext &, WindowStandIn &, const QString &packageFolder)> prepare;
    std::function<void(RecordingContext &, WindowStandIn &, const QString &packageFolder)> act;
};

bool scanStagingFirst(RecordingContext &test, WindowStandIn &, const QString &)
{
    return scanStaging(test);
}
bool scanPackageFirst(RecordingContext &test, WindowStandIn &, const QString &packageFolder)
{
    return scanStored(test, packageFolder);
}
bool nothingFirst(RecordingContext &, WindowStandIn &, const QString &)
{
    return true;
}

std::function<void(RecordingContext &, WindowStandIn &, const QString &)>
stagingOption(StagingAction option)
{
    return [option](RecordingContext &test, WindowStandIn &window, const QString &) {
        runStaging(test, window, option);
    };
}
std::function<void(RecordingContext &, WindowStandIn &, const QString &)>
stowbayOption(StowbayAction option)
{
    return [option](RecordingContext &test, WindowStandIn &window, const QString &) {
        runStowbay(test, window, option);
    };
}

const std::vector<DeletingAction> &deletingActions()
{
    static const std::vector<DeletingAction> actions = {
        {"Remove ALL", Scope::Staging, true, scanStagingFirst,
         stagingOption(StagingAction::RemoveAll)},
        {"Remove panel from Staging", Scope::Staging, true, scanStagingFirst,
         stagingOption(StagingAction::RemovePanel)},
        {"Remove sound from Staging", Scope::Staging, true, scanStagingFirst,
         stagingOption(StagingAction::RemoveSound)},
        {"Remove aircraft from Staging", Scope::Staging, true, scanStagingFirst,
         stagingOption(StagingAction::RemoveAircraft)},
        {"Remove current image from Staging", Scope::Staging, true, scanStagingFirst,
         stagingOption(StagingAction::RemoveImage)},
        {"duplicates in Staging, first kept", Scope::Staging, true, nothingFirst,
         [](RecordingContext &test, WindowStandIn &, const QString &) { scanStaging(test); }},
        {"duplicates in Staging, second kept", Scope::Staging, false, nothingFirst,
         [](RecordingContext &test, WindowStandIn &, const QString &) { scanStaging(test); }},
        {"duplicates in a stored package, first kept", Scope::Package, true, nothingFirst,
         [](RecordingContext &test, WindowStandIn &, const QString &folder) {
             scanStored(test, folder);
         }},
        {"duplicates in a stored package, second kept", Scope::Package, false, nothingFirst,
         [](RecordingContext &test, WindowStandIn &, const QString &folder) {
             scanStored(test, folder);
         }},
        {"Remove package from MSFS", Scope::Simulator, true, scanPackageFirst,
         stowbayOption(StowbayAction::RemoveFromMsfs)},
        {"Remove package from STOWBAY", Scope::PackageAndSimulator, true, scanPackageFirst,
         stowbayOption(StowbayAction::RemoveFromStowbay)},
        {"Remove current IMAGE in the store", Scope::Package, true, scanPackageFirst,
         stowbayOption(StowbayAction::RemoveImage)},
        {"delete unused gauges", Scope::Gauges, true, nothingFirst,
         [](RecordingContext &test, WindowStandIn &, const QString &) {
             deleteAllUnusedGauges(test);
         }},
    };
    return actions;
}

bool sameOrInside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + QLatin1Char('/')));
}

// Whether changing path (relative to the root) lies within what the action may change.
class Allowance {
public:
    Allowance(const GeneratedTree &tree, Scope scope, QStringList ownedGauges)
        : tree_(tree), scope_(scope), ownedGauges_(std::move(ownedGauges))
    {
    }

    bool allows(const QString &path) const
    {
        if (tree_.locations->overlapping)
            return false;
        switch (scope_) {
        case Scope::Staging:
            return path.startsWith(tree_.stagingFolder + QLatin1Char('/'));
        case Scope::Package:
            return sameOrInside(path, tree_.package);
        case Scope::Simulator:
            return inSimulatorScope(path);
        case Scope::PackageAndSimulator:
            return sameOrInside(path, tree_.package) || inSimulatorScope(path);
        case Scope::Gauges:
            return directlyIn(path, tree_.gauges);
        }
        return false;
    }

    QString describe() const
    {
        if (tree_.locations->overlapping)
            return QStringLiteral("nothing (the locations overlap)");
        switch (scope_) {
        case Scope::Staging:
            return tree_.stagingFolder + QStringLiteral("/...");
        case Scope::Package:
            return tree_.package;
        case Scope::Simulator:
            return tree_.installed + QStringLiteral(" and in ") + tree_.gauges +
                   QStringLiteral(": ") + ownedGauges_.join(QStringLiteral(", "));
        case Scope::PackageAndSimulator:
            return tree_.package + QStringLiteral(", ") + tree_.installed +
                   QStringLiteral(" and in ") + tree_.gauges + QStringLiteral(": ") +
                   ownedGauges_.join(QStringLiteral(", "));
        case Scope::Gauges:
            return tree_.gauges + QStringLiteral("/*");
        }
        return {};
    }

private:
    const GeneratedTree &tree_;
    Scope scope_;
    QStringList ownedGauges_; // lower case

    static bool directlyIn(const QString &path, const QString &folder)
    {
        return path.startsWith(folder + QLatin1Char('/')) &&
               !path.mid(folder.size() + 1).contains(QLatin1Char('/'));
    }
    bool inSimulatorScope(const QString &path) const
    {
        if (sameOrInside(path, tree_.installed))
            return true;
        return directlyIn(path, tree_.gauges) &&
               ownedGauges_.contains(path.section(QLatin1Char('/'), -1).toLower());
    }
};

struct Tally {
    int runs = 0;
    int failures = 0;
    QList<quint32> seeds;
};

quint32 firstSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("WINGSTASH_CONTAINMENT_SEED").toUInt(&ok);
    return ok ? seed : kFirstSeed;
}

TEST(FaultsContainmentTest, DeletingActionsStayInsideTheirFolderOnGeneratedTrees)
{
    QMap<QString, Tally> tallies;
    int runs = 0;
    const quint32 first = firstSeed();
    for (int i = 0; i < kTrees; ++i) {
        const quint32 seed = first + quint32(i);
        for (const DeletingAction &action : deletingActions()) {
            RawTree disk;
            ASSERT_TRUE(disk.isValid());
            const GeneratedTree tree = TreeGenerator(seed, disk).generate();
            const LocationChoice &where = *tree.locations;
            RecordingContext test(action.agree);
            test.setLocations(disk.path(QString::fromUtf8(where.givenStaging) + '/'),
                              disk.path(QString::fromUtf8(where.givenStowbay) + '/'),
                              disk.path(QString::fromUtf8(where.givenMsfs) + '/'));
            WindowStandIn window;
            window.package = tree.packageName;
            const QString packageFolder = test.state.StowbayDir + window.category +
                                          QLatin1Char('/') + tree.packageName + QLatin1Char('/');
            if (!action.prepare(test, window, packageFolder))
                continue;
            QStringList owned;
            for (const PackageFile &gauge : test.state.ComponentFiles.at(Gauges))
                owned.append(gauge.path.section(QLatin1Char('/'), -1));

            const DiskSnapshot before = snapshotOf(disk.root());
            test.messages.shown.clear();
            action.act(test, window, packageFolder);
            const DiskSnapshot after = snapshotOf(disk.root());
            ++runs;

            const Allowance allowance(tree, action.scope, owned);
            QStringList outside;
            for (const QString &path : differences(before, after)) {
                if (!allowance.allows(path))
                    outside.append(path);
            }
            outside += temporaryLeftovers(after);
            // Kept apart, so that the first failures of each shown are not all of one kind.
            const QString kind = QString::fromUtf8(action.name) +
                                 (where.overlapping ? QStringLiteral(", locations overlapping")
                                                    : QStringLiteral(", locations apart"));
            Tally &tally = tallies[kind];
            ++tally.runs;
            if (outside.isEmpty())
                continue;
            ++tally.failures;
            tally.seeds.append(seed);
            if (tally.failures <= kFailuresShownPerAction)
                ADD_FAILURE() << kind.toStdString() << " on the tree of seed " << seed << " ("
                              << where.name << ") changed " << outside.join(", ").toStdString()
                              << "; it may change only " << allowance.describe().toStdString()
                              << ".  Messages: " << test.messages.shown.join(" | ").toStdString();
        }
    }
    for (auto it = tallies.cbegin(); it != tallies.cend(); ++it) {
        if (it->failures > kFailuresShownPerAction) {
            QStringList seeds;
            for (const quint32 seed : it->seeds)
                seeds.append(QString::number(seed));
            ADD_FAILURE() << it.key().toStdString() << " went outside its folder on "
                          << it->failures << " of " << it->runs
                          << " trees; seeds: " << seeds.join(' ').toStdString();
        }
    }
    std::cout << "Containment: " << kTrees << " generated trees (first seed " << first << "), "
              << runs << " action runs checked\n";
    ::testing::Test::RecordProperty("generated_trees", kTrees);
    ::testing::Test::RecordProperty("action_runs", runs);
}

} // namespace
