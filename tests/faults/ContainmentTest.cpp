// Every action that deletes, run on generated trees full of links, odd names and overlapping
// location choices, deletes only inside the folder it works on, and nothing at all when the
// locations overlap. A failing tree is named by its seed; WINGSTASH_CONTAINMENT_SEED replays
// the trees from another first seed.

#include "install/StoreActions.h"
#include "intake/StagingActions.h"
#include "package/Scan.h"
#include "support/FaultScenarios.h"
#include "support/RawTree.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <random>

namespace {

constexpr int kTrees = 200;
constexpr quint32 kFirstSeed = 20261207;
constexpr int kFailuresShownPerAction = 3;

// Where Staging, the store and the simulator really are (below the root), and how the user
// wrote them; a link named linkName, pointing at linkTarget, is how some of them are reached.
struct LocationChoice {
    const char *name;
    bool overlapping;
    const char *real, *given; // the three, separated by spaces
    const char *linkName = nullptr, *linkTarget = nullptr;

    QByteArray at(const char *three, int which) const
    {
        return QByteArray(three).split(' ')[which];
    }
};

const LocationChoice kLocationChoices[] = {
    {"separate", false, "Staging Stowbay MSFS", "Staging Stowbay MSFS"},
    {"Staging through a link", false, "Staging Stowbay MSFS", "StagingLink Stowbay MSFS",
     "StagingLink", "@/Staging"},
    {"Staging in other letter case", false, "Staging Stowbay MSFS", "STAGING Stowbay MSFS"},
    {"store through a link, in other letter case", false, "Staging Stowbay MSFS",
     "Staging STORELINK MSFS", "storelink", "@/Stowbay"},
    {"Staging is the store", true, "Stowbay Stowbay MSFS", "Stowbay Stowbay MSFS"},
    {"Staging is the store in other letter case", true, "Stowbay Stowbay MSFS",
     "STOWBAY Stowbay MSFS"},
    {"Staging is the store through a link", true, "Stowbay Stowbay MSFS", "StageLink Stowbay MSFS",
     "StageLink", "@/Stowbay"},
    {"Staging inside the store", true, "Stowbay/Staging Stowbay MSFS",
     "Stowbay/Staging Stowbay MSFS"},
    {"store inside Staging", true, "Staging Staging/Stowbay MSFS", "Staging Staging/Stowbay MSFS"},
    {"simulator inside Staging", true, "Staging Stowbay Staging/MSFS",
     "Staging Stowbay Staging/MSFS"},
    {"Staging inside the simulator", true, "MSFS/Staging Stowbay MSFS",
     "MSFS/Staging Stowbay MSFS"},
    {"store is the simulator", true, "Staging MSFS MSFS", "Staging MSFS MSFS"},
    {"store inside the simulator, through a link", true, "Staging MSFS/Store MSFS",
     "Staging SimLink/Store MSFS", "SimLink", "@/MSFS"},
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
        result_.stagingFolder = QString::fromUtf8(where.at(where.real, 0));
        if (where.linkName != nullptr)
            tree_.link(where.linkName, where.linkTarget);
        outside();
        staging(where.at(where.real, 0));
        store(where.at(where.real, 1));
        simulator(where.at(where.real, 2));
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
// What the window does before the action: nothing, or scan Staging or the stored package.
enum class Before { Nothing, StagingScan, PackageScan };
using Act = std::function<void(ActionWorld &, const QString &packageFolder)>;

struct DeletingAction {
    const char *name;
    Scope scope;
    bool agree;
    Before before;
    Act act;
};

Act stagingOption(StagingAction action)
{
    return [action](ActionWorld &world, const QString &) { world.go(action); };
}
Act stowbayOption(StowbayAction action)
{
    return [action](ActionWorld &world, const QString &) { world.go(action); };
}
const Act scanStagingAct = [](ActionWorld &world, const QString &) {
    world.state.InStowbayMode = false;
    ScanPackage(world.context, world.state.StagingDir);
};
const Act scanPackageAct = [](ActionWorld &world, const QString &folder) {
    world.state.InStowbayMode = true;
    ScanPackage(world.context, folder);
};

const std::vector<DeletingAction> &deletingActions()
{
    static const std::vector<DeletingAction> actions = {
        {"Remove ALL", Scope::Staging, true, Before::StagingScan,
         stagingOption(StagingAction::RemoveAll)},
        {"Remove panel", Scope::Staging, true, Before::StagingScan,
         stagingOption(StagingAction::RemovePanel)},
        {"Remove sound", Scope::Staging, true, Before::StagingScan,
         stagingOption(StagingAction::RemoveSound)},
        {"Remove aircraft", Scope::Staging, true, Before::StagingScan,
         stagingOption(StagingAction::RemoveAircraft)},
        {"Remove Staging image", Scope::Staging, true, Before::StagingScan,
         stagingOption(StagingAction::RemoveImage)},
        {"Staging duplicates, first kept", Scope::Staging, true, Before::Nothing, scanStagingAct},
        {"Staging duplicates, second kept", Scope::Staging, false, Before::Nothing, scanStagingAct},
        {"package duplicates, first kept", Scope::Package, true, Before::Nothing, scanPackageAct},
        {"package duplicates, second kept", Scope::Package, false, Before::Nothing, scanPackageAct},
        {"Remove from MSFS", Scope::Simulator, true, Before::PackageScan,
         stowbayOption(StowbayAction::RemoveFromMsfs)},
        {"Remove from STOWBAY", Scope::PackageAndSimulator, true, Before::PackageScan,
         stowbayOption(StowbayAction::RemoveFromStowbay)},
        {"Remove store image", Scope::Package, true, Before::PackageScan,
         stowbayOption(StowbayAction::RemoveImage)},
        {"delete unused gauges", Scope::Gauges, true, Before::Nothing,
         [](ActionWorld &world, const QString &) { deleteAllUnusedGauges(world.context); }},
    };
    return actions;
}

bool sameOrInside(const QString &path, const QString &folder)
{
    return !folder.isEmpty() && (path == folder || path.startsWith(folder + QLatin1Char('/')));
}

bool directlyIn(const QString &path, const QString &folder)
{
    return path.startsWith(folder + QLatin1Char('/')) &&
           !path.mid(folder.size() + 1).contains(QLatin1Char('/'));
}

// Whether changing path (relative to the root) lies within what the action may change; owned
// are the package's gauges, lower case.
bool allowed(const QString &path, const GeneratedTree &tree, Scope scope, const QStringList &owned)
{
    const auto inSimulatorScope = [&] {
        return sameOrInside(path, tree.installed) ||
               (directlyIn(path, tree.gauges) &&
                owned.contains(path.section(QLatin1Char('/'), -1).toLower()));
    };
    if (tree.locations->overlapping)
        return false;
    switch (scope) {
    case Scope::Staging:
        return path.startsWith(tree.stagingFolder + QLatin1Char('/'));
    case Scope::Package:
        return sameOrInside(path, tree.package);
    case Scope::Simulator:
        return inSimulatorScope();
    case Scope::PackageAndSimulator:
        return sameOrInside(path, tree.package) || inSimulatorScope();
    case Scope::Gauges:
        return directlyIn(path, tree.gauges);
    }
    return false;
}

quint32 firstSeed()
{
    bool ok = false;
    const quint32 seed = qEnvironmentVariable("WINGSTASH_CONTAINMENT_SEED").toUInt(&ok);
    return ok ? seed : kFirstSeed;
}

TEST(FaultsContainmentTest, DeletingActionsStayInsideTheirFolderOnGeneratedTrees)
{
    std::map<std::string, int> failures; // by action and whether the locations overlap
    int runs = 0;
    const quint32 first = firstSeed();
    for (int i = 0; i < kTrees; ++i) {
        const quint32 seed = first + quint32(i);
        for (const DeletingAction &action : deletingActions()) {
            RawTree disk;
            ASSERT_TRUE(disk.isValid());
            const GeneratedTree tree = TreeGenerator(seed, disk).generate();
            const LocationChoice &where = *tree.locations;
            ActionWorld world(action.agree);
            world.rescans = false;
            const auto given = [&](int which) {
                return disk.path(QString::fromUtf8(where.at(where.given, which)) + '/');
            };
            world.placeLocations(given(0), given(1), given(2));
            world.boxText = tree.packageName;
            const QString packageFolder = world.state.StowbayDir + world.categoryText() +
                                          QLatin1Char('/') + tree.packageName + QLatin1Char('/');
            // The scan before the action may end the program or delete on its own.
            if (action.before != Before::Nothing && !survives([&] {
                    (action.before == Before::StagingScan ? scanStagingAct
                                                          : scanPackageAct)(world, packageFolder);
                }))
                continue;
            QStringList owned;
            for (const PackageFile &gauge : world.state.ComponentFiles.at(Gauges))
                owned.append(gauge.path.section(QLatin1Char('/'), -1).toLower());

            const DiskSnapshot before = snapshotOf(disk.root());
            world.messages.shown.clear();
            survives([&] { action.act(world, packageFolder); });
            const DiskSnapshot after = snapshotOf(disk.root());
            ++runs;

            QStringList outside = temporaryLeftovers(after);
            for (const QString &path : differences(before, after)) {
                if (!allowed(path, tree, action.scope, owned))
                    outside.append(path);
            }
            if (outside.isEmpty())
                continue;
            const std::string kind =
                std::string(action.name) + (where.overlapping ? ", overlapping" : ", apart");
            if (++failures[kind] <= kFailuresShownPerAction)
                ADD_FAILURE() << kind << " on the tree of seed " << seed << " (" << where.name
                              << ") changed " << outside.join(", ").toStdString()
                              << ".  Messages: " << world.messages.shown.join(" | ").toStdString();
        }
    }
    for (const auto &[kind, count] : failures)
        EXPECT_LE(count, kFailuresShownPerAction)
            << kind << " went outside its folder " << count << " times";
    std::cout << "Containment: " << kTrees << " generated trees (first seed " << first << "), "
              << runs << " action runs checked\n";
    RecordProperty("action_runs", runs);
}

} // namespace
