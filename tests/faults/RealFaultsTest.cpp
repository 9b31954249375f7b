// The actions against what real disks do to them: read-only and immutable entries, a full
// tmpfs, a read-only bind mount, files that vanish or appear between the scan and the action,
// links and link loops, names that differ only in case, non-ASCII and Windows-1252 names, a
// location on another file system. Whatever happens, nothing outside what the user chose is
// deleted, an action that cannot finish changes nothing and names what stood in the way, and
// no temporary entry is left behind.

#include "support/FaultScenarios.h"
#include "support/ImmutableFlag.h"
#include "support/MountNamespace.h"
#include "support/RawTree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <vector>

namespace {

using Change = std::function<void(ActionWorld &)>;

QByteArray bytesOf(const ActionWorld &world, const QString &relative)
{
    return QFile::encodeName(world.tree.path(relative));
}

struct Outcome {
    DiskSnapshot before;
    DiskSnapshot after;
    QStringList messages;

    QStringList changed() const { return differences(before, after); }
    bool anyMessageNames(const QString &path) const
    {
        return std::any_of(messages.cbegin(), messages.cend(),
                           [&](const QString &message) { return message.contains(path); });
    }
};

// Builds the row's world up to Go.
void build(ActionWorld &world, const char *row)
{
    prepareAction(actionRow(row), world);
}

// Changes a built world, scans it again as Refresh does before the action, lets it change once
// more between the scan and Go, then runs the action; the snapshots are taken around the action
// alone.
Outcome perform(ActionWorld &world, const char *row, const Change &beforeScan = {},
                const Change &meanwhile = {})
{
    if (beforeScan)
        beforeScan(world);
    if (world.controller.mode() != MainMode::Welcome)
        world.controller.refreshClicked();
    if (meanwhile)
        meanwhile(world);
    Outcome outcome;
    outcome.before = snapshotOf(world.tree.root());
    world.messages.shown.clear();
    runAction(actionRow(row), world);
    outcome.after = snapshotOf(world.tree.root());
    outcome.messages = world.messages.shown;
    return outcome;
}

// An action that cannot finish: nothing changed, a message names the obstacle (or a path
// below it), no temporary entry left.
QStringList problemsUnlessUnchanged(const Outcome &outcome, const QString &obstacle)
{
    QStringList problems;
    if (const QStringList changed = outcome.changed(); !changed.isEmpty())
        problems.append("changed: " + changed.join(", "));
    if (!outcome.anyMessageNames(obstacle))
        problems.append("no message names " + obstacle +
                        "; messages: " + outcome.messages.join(" | "));
    if (const QStringList left = temporaryLeftovers(outcome.after); !left.isEmpty())
        problems.append("left behind: " + left.join(", "));
    return problems;
}

// An action that finished: exactly these entries changed (relative to the root, entries below
// a listed folder included), no temporary entry left.
QStringList problemsUnlessChangedExactly(const Outcome &outcome, const QStringList &expected)
{
    QStringList problems;
    for (const QString &path : outcome.changed()) {
        const bool wanted = std::any_of(expected.begin(), expected.end(), [&](const QString &e) {
            return path == e || path.startsWith(e + '/');
        });
        if (!wanted)
            problems.append("changed outside what the action works on: " + path);
    }
    for (const QString &path : expected) {
        if (outcome.before.value(path) == outcome.after.value(path))
            problems.append("left as it was: " + path);
    }
    if (const QStringList left = temporaryLeftovers(outcome.after); !left.isEmpty())
        problems.append("left behind: " + left.join(", "));
    return problems;
}

std::string described(const QStringList &problems)
{
    return problems.join("\n").toStdString();
}

// What is in the way. A read-only file is refused by the program's own rule; a folder without
// its write bit stops only a process that is not root, so for root only the immutable flag
// stands in the way there.
struct ObstacleCase {
    const char *row;
    const char *obstacle;
    bool isFolder;
};

const ObstacleCase kObstacleCases[] = {
    {"RemoveAll", "Staging/texture/cub_t.bmp", false},
    {"RemoveAll", "Staging/texture", true},
    {"RemovePanel", "Staging/panel/panel.cfg", false},
    {"RemoveFromStore", "Stowbay/Props/Cub/Images/cub2.jpg", false},
    {"RemoveFromStore", "Stowbay/Props/Cub/Model", true},
    {"RemoveFromSimulator", "MSFS/Aircraft/Cub/Panel/panel.cfg", false},
    {"RemoveFromSimulator", "MSFS/Gauges/own.gau", false},
    {"RemoveStoreImage", "Stowbay/Props/Cub/Images/cub1.jpg", false},
    {"DeleteUnusedGauges", "MSFS/Gauges/old.gau", false},
    {"Intake", "Stowbay/Props", true},
    {"Install", "MSFS/Aircraft", true},
    {"Install", "MSFS/Gauges", true},
    {"CopyToStaging", "Staging", true},
};

TEST(FaultsRealTest, AReadOnlyOrImmutableEntryInTheWayChangesNothingAndIsNamed)
{
    const bool root = ::geteuid() == 0;
    for (const bool immutable : {false, true}) {
        for (const ObstacleCase &c : kObstacleCases) {
            if (immutable ? !root : c.isFolder && root)
                continue;
            SCOPED_TRACE(std::string(c.row) + (immutable ? ", immutable " : ", read-only ") +
                         c.obstacle);
            ActionWorld world(actionRow(c.row).agree);
            build(world, c.row);
            std::optional<ImmutableFlag> flag;
            const Outcome outcome = perform(world, c.row, [&](ActionWorld &w) {
                if (immutable)
                    flag.emplace(w.tree.path(c.obstacle));
                else
                    w.tree.readOnly(c.obstacle);
            });
            if (flag && !flag->isSet())
                GTEST_SKIP() << "the temporary folder's file system takes no immutable flag";
            const QStringList problems =
                problemsUnlessUnchanged(outcome, world.tree.path(c.obstacle));
            EXPECT_TRUE(problems.isEmpty()) << described(problems);
        }
    }
}

struct MountCase {
    Mount mount;
    const char *folder; // what is mounted on, below the root
    const char *row;
    const char *bigFile; // made larger than the full tmpfs
};

const MountCase kMountCases[] = {
    {Mount::FullTmpfs, "Stowbay/Props", "Intake", "Staging/model/cub.mdl"},
    {Mount::FullTmpfs, "MSFS/Aircraft", "Install", "Stowbay/Props/Cub/Model/cub.mdl"},
    {Mount::FullTmpfs, "MSFS/Gauges", "Install", "Stowbay/Props/Cub/Gauges/own.gau"},
    {Mount::FullTmpfs, "Staging", "CopyToStaging", "Stowbay/Props/Cub/Model/cub.mdl"},
    {Mount::FewEntriesTmpfs, "Staging", "UnpackIntoEmptyStaging", nullptr},
    {Mount::ReadOnlyBind, "Staging/texture", "RemoveAll", nullptr},
    {Mount::ReadOnlyBind, "Staging/panel", "RemovePanel", nullptr},
    {Mount::ReadOnlyBind, "Stowbay/Props/Cub/Model", "RemoveFromStore", nullptr},
    {Mount::ReadOnlyBind, "Stowbay/Props/Cub/Images", "RemoveStoreImage", nullptr},
    {Mount::ReadOnlyBind, "MSFS/Aircraft/Cub/Model", "RemoveFromSimulator", nullptr},
    {Mount::ReadOnlyBind, "MSFS/Gauges", "RemoveFromSimulator", nullptr},
    {Mount::ReadOnlyBind, "MSFS/Gauges", "DeleteUnusedGauges", nullptr},
    {Mount::ReadOnlyBind, "MSFS/Gauges", "Install", nullptr},
    {Mount::ReadOnlyBind, "Stowbay/Props", "Intake", nullptr},
    {Mount::ReadOnlyBind, "Staging", "CopyToStaging", nullptr},
    {Mount::ReadOnlyBind, "Staging", "UnpackIntoEmptyStaging", nullptr},
};

TEST(FaultsRealTest, AFullOrReadOnlyFileSystemChangesNothingAndIsNamed)
{
    if (const auto why = mountNamespaceUnavailable())
        GTEST_SKIP() << *why;
    for (const MountCase &c : kMountCases) {
        SCOPED_TRACE(
            std::string(c.row) +
            (c.mount == Mount::ReadOnlyBind ? ", read-only mount on " : ", full tmpfs on ") +
            c.folder);
        ActionWorld world(actionRow(c.row).agree);
        build(world, c.row);
        if (c.bigFile != nullptr)
            world.tree.file(c.bigFile, QByteArray(400 * 1024, 'x'));
        expectInMountNamespace(c.mount, bytesOf(world, c.folder), [&] {
            return problemsUnlessUnchanged(perform(world, c.row), world.tree.path(c.folder));
        });
    }
}

TEST(FaultsRealTest, StagingOnAnotherFileSystemTakesInAndGivesBackWholePackages)
{
    if (const auto why = mountNamespaceUnavailable())
        GTEST_SKIP() << *why;
    // The add-on is staged on the new file system, below its top folder.
    ActionWorld intake(actionRow("Intake").agree);
    expectInMountNamespace(Mount::RoomyTmpfs, bytesOf(intake, "Staging"), [&] {
        build(intake, "Intake");
        const Outcome outcome = perform(intake, "Intake", [](ActionWorld &w) {
            w.tree.file("Staging/model/cub.mdl", QByteArray(100 * 1024, 'm'));
        });
        QStringList problems = problemsUnlessChangedExactly(outcome, {"Stowbay/Props/Cub"});
        if (outcome.after.value("Stowbay/Props/Cub/Model/cub.mdl") !=
            outcome.before.value("Staging/model/cub.mdl"))
            problems.append("the stored cub.mdl differs from the staged one");
        return problems;
    });

    ActionWorld copyBack(actionRow("CopyToStaging").agree);
    expectInMountNamespace(Mount::RoomyTmpfs, bytesOf(copyBack, "Staging"), [&] {
        build(copyBack, "CopyToStaging");
        const Outcome outcome = perform(copyBack, "CopyToStaging");
        QStringList problems = problemsUnlessChangedExactly(outcome, {"Staging/Cub"});
        if (outcome.after.value("Staging/Cub/Images/cub1.jpg") !=
            outcome.before.value("Stowbay/Props/Cub/Images/cub1.jpg"))
            problems.append("the copied picture differs from the stored one");
        return problems;
    });

    // Staging at the very top of a file system is refused: it is the folder emptied whole.
    ActionWorld removal(actionRow("RemovePanel").agree);
    expectInMountNamespace(Mount::RoomyTmpfs, bytesOf(removal, "Staging"), [&] {
        build(removal, "RemovePanel");
        return problemsUnlessUnchanged(perform(removal, "RemovePanel"),
                                       removal.tree.path("Staging/"));
    });
}

// Between the scan and the action, and the shapes a tree can take --------------------------------

void remove(ActionWorld &world, const QString &relative)
{
    ::unlink(bytesOf(world, relative).constData());
}

void outsideFiles(ActionWorld &world)
{
    world.tree.file("Outside/keep.txt", "keep").file("Outside/dir/inner.txt", "inner");
}

struct ShapeCase {
    const char *name;
    const char *row;
    Change beforeScan;
    Change meanwhile;
    QStringList changes; // exactly what the action changes
    // Set: refusing is right (or the only right end, with no changes listed) when nothing
    // changes and a message names a path beginning with this one.
    const char *orRefusedNaming;
};

const QStringList kAllOfStaging = {"Staging/aircraft.cfg", "Staging/model",   "Staging/panel",
                                   "Staging/sound",        "Staging/texture", "Staging/images"};
const QByteArray kWindows1252 = "caf\xe9 \x80.txt"; // "café €.txt" in Windows-1252

TEST(FaultsRealTest, ChangesAfterTheScanLinksLoopsCaseVariantsAndOddNamesStayOutOfReach)
{
    const std::vector<ShapeCase> cases = {
        {"a staged file vanishes before it is taken in",
         "Intake",
         {},
         [](ActionWorld &w) { remove(w, "Staging/model/cub.mdl"); },
         {},
         "Staging/model/cub.mdl"},
        {"a listed panel.cfg is replaced by PANEL.CFG",
         "RemovePanel",
         {},
         [](ActionWorld &w) {
             remove(w, "Staging/panel/panel.cfg");
             w.tree.file("Staging/panel/PANEL.CFG", "new");
         },
         {"Staging/panel/own.gau", "Staging/panel/common.gau", "Staging/sound/click.wav"},
         nullptr},
        {"links in Staging to outside files and folders, and a loop",
         "RemoveAll",
         [](ActionWorld &w) {
             outsideFiles(w);
             w.tree.link("Staging/texture/outfile.txt", w.tree.path("Outside/keep.txt"))
                 .link("Staging/panel/outdir", w.tree.path("Outside/dir"))
                 .link("Staging/model/loop", "..")
                 .link("Staging/store", w.tree.path("Stowbay"));
         },
         {},
         kAllOfStaging + QStringList{"Staging/store"},
         nullptr},
        {"links in a stored package to outside files and folders",
         "RemoveFromStore",
         [](ActionWorld &w) {
             outsideFiles(w);
             w.tree.link("Stowbay/Props/Cub/Gauges/ext.gau", w.tree.path("Outside/keep.txt"))
                 .link("Stowbay/Props/Cub/Docs", w.tree.path("Outside/dir"))
                 .link("Stowbay/Props/Cub/Model/up", "../..");
         },
         {},
         {"Stowbay/Props/Cub"},
         nullptr},
        {"the installed package is a link to an outside folder",
         "RemoveFromSimulator",
         [](ActionWorld &w) {
             w.tree.folder("Outside");
             QDir().rename(w.tree.path("MSFS/Aircraft/Cub"), w.tree.path("Outside/Cub"));
             w.tree.link("MSFS/Aircraft/Cub", w.tree.path("Outside/Cub"));
         },
         {},
         {"MSFS/Aircraft/Cub", "MSFS/Gauges/own.gau"},
         nullptr},
        {"the aircraft folder is a link, with a loop below it",
         "RemoveFromSimulator",
         [](ActionWorld &w) {
             w.tree.folder("Outside");
             QDir().rename(w.tree.path("MSFS/Aircraft"), w.tree.path("Outside/Planes"));
             w.tree.link("MSFS/Aircraft", w.tree.path("Outside/Planes"))
                 .link("Outside/Planes/Loop/back", "..")
                 .link("Outside/Planes/Self", ".");
         },
         {},
         {"Outside/Planes/Cub", "MSFS/Gauges/own.gau"},
         nullptr},
        {"installed beside one whose name differs only in case, gauges alike",
         "RemoveFromSimulator",
         [](ActionWorld &w) {
             w.tree.file("MSFS/Aircraft/cub/Panel/panel.cfg", "other")
                 .file("MSFS/Gauges/OWN.GAU", "other");
         },
         {},
         {"MSFS/Aircraft/Cub", "MSFS/Gauges/own.gau"},
         nullptr},
        {"non-ASCII and Windows-1252 names in Staging",
         "RemoveAll",
         [](ActionWorld &w) {
             w.tree.file("Staging/Ünïcödé/ä.gau", "u");
             rawtree::writeFile(bytesOf(w, "Staging/texture/") + kWindows1252, "w");
         },
         {},
         kAllOfStaging + QStringList{"Staging/Ünïcödé"},
         "Staging/texture/caf"},
    };
    for (const ShapeCase &c : cases) {
        SCOPED_TRACE(std::string(c.row) + ": " + c.name);
        ActionWorld world(actionRow(c.row).agree);
        build(world, c.row);
        const Outcome outcome = perform(world, c.row, c.beforeScan, c.meanwhile);
        const bool refused =
            c.orRefusedNaming != nullptr && (c.changes.isEmpty() || outcome.changed().isEmpty());
        const QStringList problems =
            refused ? problemsUnlessUnchanged(outcome, world.tree.path(c.orRefusedNaming))
                    : problemsUnlessChangedExactly(outcome, c.changes);
        EXPECT_TRUE(problems.isEmpty())
            << described(problems) << "\nmessages: " << described(outcome.messages);
    }
}

} // namespace
