// The actions against what real disks do to them: read-only and immutable entries, a full
// tmpfs, a read-only bind mount, files that vanish or appear between the scan and the action,
// links and link loops, names that differ only in case, non-ASCII and Windows-1252 names, a
// location on another file system. Whatever happens, nothing outside what the user chose is
// deleted, an action that cannot finish changes nothing and names what stood in the way, and
// no temporary entry is left behind.

#include "faults/ActionDriver.h"
#include "faults/RawTree.h"
#include "support/DiskSnapshot.h"

#include <QDirIterator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <linux/fs.h>
#include <memory>
#include <optional>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <vector>

namespace {

enum class Action {
    Intake,
    Install,
    CopyToStaging,
    RemoveAll,
    RemovePanel,
    RemoveFromSimulator,
    RemoveFromStore,
    RemoveStoreImage,
    DeleteUnusedGauges,
};

const char *nameOf(Action action)
{
    switch (action) {
    case Action::Intake:
        return "Copy to STOWBAY";
    case Action::Install:
        return "Copy to MSFS";
    case Action::CopyToStaging:
        return "Copy package to Staging";
    case Action::RemoveAll:
        return "Remove ALL";
    case Action::RemovePanel:
        return "Remove panel from Staging";
    case Action::RemoveFromSimulator:
        return "Remove package from MSFS";
    case Action::RemoveFromStore:
        return "Remove package from STOWBAY";
    case Action::RemoveStoreImage:
        return "Remove current IMAGE";
    case Action::DeleteUnusedGauges:
        return "delete unused gauges";
    }
    return "";
}

// Sets the immutable flag (chattr +i) on an entry and clears it again when it goes.
class ImmutableFlag {
public:
    explicit ImmutableFlag(QByteArray path) : path_(std::move(path)) { set_ = change(true); }
    ~ImmutableFlag()
    {
        if (set_)
            change(false);
    }
    ImmutableFlag(const ImmutableFlag &) = delete;
    ImmutableFlag &operator=(const ImmutableFlag &) = delete;
    bool isSet() const { return set_; }

private:
    QByteArray path_;
    bool set_ = false;

    bool change(bool on) const
    {
        const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return done;
    }
};

// The three locations with a stored package "Props/Pkg" (its own gauge "own.gau", two
// pictures), an add-on in Staging, another aircraft in the simulator that uses the shared gauge
// "shared.gau", and files of the user's outside every location.
class World {
public:
    RawTree disk;

    explicit World(Action action)
    {
        const bool installed = action == Action::RemoveFromSimulator;
        if (action != Action::CopyToStaging) {
            disk.file("Staging/aircraft.cfg", "[fltsim.0]\r\ntitle=Test Plane\r\n");
            disk.file("Staging/Model/model.cfg", "[models]\r\n");
            disk.file("Staging/Model/plane.mdl", "mdl");
            disk.file("Staging/Panel/panel.cfg", "gauge00=own!x\r\n");
            disk.file("Staging/Panel/own.gau", "own");
            disk.file("Staging/Sound/sound.cfg", "[engine]\r\nfilename=eng\r\n");
            disk.file("Staging/Sound/eng.wav", "wav");
            disk.file("Staging/Images/view.jpg", "jpg");
            disk.file("Staging/sub/notes.txt", "notes");
        }
        disk.folder("Staging");
        disk.file("Stowbay/Props/Pkg/Panel/panel.cfg", "gauge00=own!x\r\n");
        disk.file("Stowbay/Props/Pkg/Gauges/own.gau", "own");
        disk.file("Stowbay/Props/Pkg/Images/a.jpg", "a");
        disk.file("Stowbay/Props/Pkg/Images/b.jpg", "b");
        disk.file("Stowbay/Props/Pkg/Model/m.mdl", "m");
        disk.folder("Stowbay/Jets");
        disk.file("MSFS/Aircraft/Other/panel/panel.cfg", "gauge00=shared!x\r\n");
        disk.file("MSFS/Gauges/shared.gau", "shared");
        disk.file("MSFS/Gauges/old.gau", "old");
        disk.folder("MSFS/Sound");
        if (installed || action == Action::DeleteUnusedGauges)
            disk.file("MSFS/Gauges/own.gau", "own");
        if (installed) {
            disk.file("MSFS/Aircraft/Pkg/Panel/panel.cfg", "gauge00=own!x\r\n");
            disk.file("MSFS/Aircraft/Pkg/Model/m.mdl", "m");
        }
        disk.file("Outside/keep.txt", "keep");
        disk.file("Outside/dir/inner.txt", "inner");
    }

    QString path(const QString &relative) const { return disk.path(relative); }
};

struct Outcome {
    DiskSnapshot before;
    DiskSnapshot after;
    QStringList messages;

    QStringList changed() const { return differences(before, after); }
    bool anyMessageNames(const QString &path) const
    {
        for (const QString &message : messages) {
            if (message.contains(path))
                return true;
        }
        return false;
    }
};

// The answers that carry each action out and nothing more: taking an add-on in and copying a
// package to Staging end with a question whose Yes starts another action.
bool agreesFor(Action action)
{
    return action != Action::Intake && action != Action::CopyToStaging;
}

// Scans as the window does before the action, lets the world change (between the scan and the
// action), then runs the action; the snapshots are taken around the action alone.
Outcome perform(World &world, Action action, const std::function<void()> &meanwhile = {})
{
    RecordingContext test(agreesFor(action));
    test.setLocations(world.path("Staging/"), world.path("Stowbay/"), world.path("MSFS/"));
    WindowStandIn window;
    window.package = QStringLiteral("Pkg");
    window.packageName = QStringLiteral("Newpkg");
    const QString package = world.path("Stowbay/Props/Pkg/");
    switch (action) {
    case Action::Intake:
    case Action::RemoveAll:
    case Action::RemovePanel:
        scanStaging(test);
        break;
    case Action::DeleteUnusedGauges:
        break;
    default:
        scanStored(test, package);
        break;
    }
    if (meanwhile)
        meanwhile();
    Outcome outcome;
    outcome.before = snapshotOf(world.disk.root());
    switch (action) {
    case Action::Intake:
        runStaging(test, window, StagingAction::CopyToStowbay);
        break;
    case Action::RemoveAll:
        runStaging(test, window, StagingAction::RemoveAll);
        break;
    case Action::RemovePanel:
        runStaging(test, window, StagingAction::RemovePanel);
        break;
    case Action::Install:
        runStowbay(test, window, StowbayAction::CopyToMsfs);
        break;
    case Action::CopyToStaging:
        runStowbay(test, window, StowbayAction::CopyToStaging);
        break;
    case Action::RemoveFromSimulator:
        runStowbay(test, window, StowbayAction::RemoveFromMsfs);
        break;
    case Action::RemoveFromStore:
        runStowbay(test, window, StowbayAction::RemoveFromStowbay);
        break;
    case Action::RemoveStoreImage:
        runStowbay(test, window, StowbayAction::RemoveImage);
        break;
    case Action::DeleteUnusedGauges:
        deleteAllUnusedGauges(test);
        break;
    }
    outcome.after = snapshotOf(world.disk.root());
    outcome.messages = test.messages.shown;
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
    Action action;
    const char *obstacle;
    bool isFolder;
};

const ObstacleCase kObstacleCases[] = {
    {Action::RemoveAll, "Staging/sub/notes.txt", false},
    {Action::RemoveAll, "Staging/sub", true},
    {Action::RemovePanel, "Staging/Panel/panel.cfg", false},
    {Action::RemoveFromStore, "Stowbay/Props/Pkg/Images/a.jpg", false},
    {Action::RemoveFromStore, "Stowbay/Props/Pkg/Model", true},
    {Action::RemoveFromSimulator, "MSFS/Aircraft/Pkg/Panel/panel.cfg", false},
    {Action::RemoveFromSimulator, "MSFS/Gauges/own.gau", false},
    {Action::RemoveStoreImage, "Stowbay/Props/Pkg/Images/a.jpg", false},
    {Action::DeleteUnusedGauges, "MSFS/Gauges/old.gau", false},
    {Action::Intake, "Stowbay/Props", true},
    {Action::Install, "MSFS/Aircraft", true},
    {Action::Install, "MSFS/Gauges", true},
    {Action::CopyToStaging, "Staging", true},
};

TEST(FaultsRealTest, AReadOnlyEntryInTheWayChangesNothingAndIsNamed)
{
    for (const ObstacleCase &c : kObstacleCases) {
        if (c.isFolder && ::geteuid() == 0)
            continue;
        SCOPED_TRACE(std::string(nameOf(c.action)) + ", read-only " + c.obstacle);
        World world(c.action);
        ASSERT_TRUE(world.disk.readOnly(c.obstacle));
        const Outcome outcome = perform(world, c.action);
        EXPECT_TRUE(problemsUnlessUnchanged(outcome, world.path(c.obstacle)).isEmpty())
            << described(problemsUnlessUnchanged(outcome, world.path(c.obstacle)));
    }
}

TEST(FaultsRealTest, AnImmutableEntryInTheWayChangesNothingAndIsNamed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "setting the immutable flag needs root";
    for (const ObstacleCase &c : kObstacleCases) {
        SCOPED_TRACE(std::string(nameOf(c.action)) + ", immutable " + c.obstacle);
        World world(c.action);
        const ImmutableFlag flag(world.disk.bytes(c.obstacle));
        if (!flag.isSet())
            GTEST_SKIP() << "the file system of " << QDir::tempPath().toStdString()
                         << " does not take the immutable flag";
        const Outcome outcome = perform(world, c.action);
        EXPECT_TRUE(problemsUnlessUnchanged(outcome, world.path(c.obstacle)).isEmpty())
            << described(problemsUnlessUnchanged(outcome, world.path(c.obstacle)));
    }
}

// Mount namespaces ---------------------------------------------------------------------------

// Why this process cannot make a private mount namespace with a tmpfs in it, or nothing.
std::optional<std::string> mountNamespaceUnavailable()
{
    if (::geteuid() != 0)
        return "mounting needs root";
    const pid_t child = ::fork();
    if (child == 0) {
        const bool ok = ::unshare(CLONE_NEWNS) == 0 &&
                        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                        ::mount("none", "/tmp", "tmpfs", 0, "size=64k") == 0;
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return "this process cannot make a private mount namespace (unshare or mount refused)";
    return std::nullopt;
}

enum class Mount { FullTmpfs, ReadOnlyBind, RoomyTmpfs };

// In a child process: a private mount namespace with the mount on folder (an empty folder for a
// tmpfs, the folder itself for a bind mount).
bool mountInPrivateNamespace(Mount mount, const QByteArray &folder)
{
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return false;
    switch (mount) {
    case Mount::FullTmpfs:
        return ::mount("none", folder.constData(), "tmpfs", 0, "size=256k") == 0;
    case Mount::RoomyTmpfs:
        return ::mount("none", folder.constData(), "tmpfs", 0, "size=8m") == 0;
    case Mount::ReadOnlyBind:
        return ::mount(folder.constData(), folder.constData(), nullptr, MS_BIND, nullptr) == 0 &&
               ::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                       nullptr) == 0;
    }
    return false;
}

// Runs check in a child process inside its own mount namespace; the child exits 0 only when
// check found no problem, and prints the problems otherwise.
void expectInMountNamespace(Mount mount, const QByteArray &folder,
                            const std::function<QStringList()> &check)
{
    EXPECT_EXIT(
        {
            if (!mountInPrivateNamespace(mount, folder)) {
                std::fprintf(stderr, "could not mount on %s\n", folder.constData());
                std::_Exit(2);
            }
            const QStringList problems = check();
            std::fprintf(stderr, "%s\n", described(problems).c_str());
            std::fflush(stderr);
            std::_Exit(problems.isEmpty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

struct MountCase {
    Mount mount;
    const char *folder; // what is mounted on, below the root
    Action action;
    const char *bigFile; // made larger than the full tmpfs
};

const MountCase kMountCases[] = {
    {Mount::FullTmpfs, "Stowbay/Props", Action::Intake, "Staging/Model/plane.mdl"},
    {Mount::FullTmpfs, "MSFS/Aircraft", Action::Install, "Stowbay/Props/Pkg/Model/m.mdl"},
    {Mount::FullTmpfs, "MSFS/Gauges", Action::Install, "Stowbay/Props/Pkg/Gauges/own.gau"},
    {Mount::FullTmpfs, "Staging", Action::CopyToStaging, "Stowbay/Props/Pkg/Model/m.mdl"},
    {Mount::ReadOnlyBind, "Staging/sub", Action::RemoveAll, nullptr},
    {Mount::ReadOnlyBind, "Staging/Panel", Action::RemovePanel, nullptr},
    {Mount::ReadOnlyBind, "Stowbay/Props/Pkg/Model", Action::RemoveFromStore, nullptr},
    {Mount::ReadOnlyBind, "Stowbay/Props/Pkg/Images", Action::RemoveStoreImage, nullptr},
    {Mount::ReadOnlyBind, "MSFS/Aircraft/Pkg/Model", Action::RemoveFromSimulator, nullptr},
    {Mount::ReadOnlyBind, "MSFS/Gauges", Action::RemoveFromSimulator, nullptr},
    {Mount::ReadOnlyBind, "MSFS/Gauges", Action::DeleteUnusedGauges, nullptr},
    {Mount::ReadOnlyBind, "MSFS/Gauges", Action::Install, nullptr},
    {Mount::ReadOnlyBind, "Stowbay/Props", Action::Intake, nullptr},
    {Mount::ReadOnlyBind, "Staging", Action::CopyToStaging, nullptr},
};

TEST(FaultsRealTest, AFullOrReadOnlyFileSystemChangesNothingAndIsNamed)
{
    if (const auto why = mountNamespaceUnavailable())
        GTEST_SKIP() << *why;
    GTEST_FLAG_SET(death_test_style, "fast");
    for (const MountCase &c : kMountCases) {
        SCOPED_TRACE(std::string(nameOf(c.action)) +
                     (c.mount == Mount::FullTmpfs ? ", full tmpfs on " : ", read-only mount on ") +
                     c.folder);
        World world(c.action);
        if (c.bigFile != nullptr) {
            ASSERT_TRUE(world.disk.file(c.bigFile, QByteArray(400 * 1024, 'x')));
        }
        expectInMountNamespace(c.mount, world.disk.bytes(c.folder), [&] {
            return problemsUnlessUnchanged(perform(world, c.action), world.path(c.folder));
        });
    }
}

TEST(FaultsRealTest, StagingOnAnotherFileSystemTakesInAndGivesBackWholePackages)
{
    if (const auto why = mountNamespaceUnavailable())
        GTEST_SKIP() << *why;
    GTEST_FLAG_SET(death_test_style, "fast");
    World intake(Action::Intake);
    expectInMountNamespace(Mount::RoomyTmpfs, intake.disk.bytes("Staging"), [&] {
        // The add-on is made on the new file system, below its top folder.
        World &w = intake;
        w.disk.file("Staging/aircraft.cfg", "[fltsim.0]\r\ntitle=Test Plane\r\n");
        w.disk.file("Staging/Model/model.cfg", "[models]\r\n");
        w.disk.file("Staging/Panel/panel.cfg", "gauge00=own!x\r\n");
        w.disk.file("Staging/Sound/sound.cfg", "[engine]\r\nfilename=eng\r\n");
        w.disk.file("Staging/Model/plane.mdl", QByteArray(100 * 1024, 'm'));
        const Outcome outcome = perform(w, Action::Intake);
        QStringList problems = problemsUnlessChangedExactly(outcome, {"Stowbay/Props/Newpkg"});
        if (outcome.after.value("Stowbay/Props/Newpkg/Model/plane.mdl") !=
            outcome.before.value("Staging/Model/plane.mdl"))
            problems.append("the stored plane.mdl differs from the staged one");
        return problems;
    });

    World copyBack(Action::CopyToStaging);
    expectInMountNamespace(Mount::RoomyTmpfs, copyBack.disk.bytes("Staging"), [&] {
        const Outcome outcome = perform(copyBack, Action::CopyToStaging);
        QStringList problems = problemsUnlessChangedExactly(outcome, {"Staging/Pkg"});
        if (outcome.after.value("Staging/Pkg/Images/a.jpg") !=
            outcome.before.value("Stowbay/Props/Pkg/Images/a.jpg"))
            problems.append("the copied picture differs from the stored one");
        return problems;
    });

    // Staging at the very top of a file system is refused: it is the folder emptied whole.
    World removal(Action::RemovePanel);
    expectInMountNamespace(Mount::RoomyTmpfs, removal.disk.bytes("Staging"), [&] {
        removal.disk.file("Staging/Panel/panel.cfg", "gauge00=own!x\r\n");
        removal.disk.file("Staging/Panel/own.gau", "own");
        removal.disk.file("Staging/Images/view.jpg", "jpg");
        return problemsUnlessUnchanged(perform(removal, Action::RemovePanel),
                                       removal.path("Staging/"));
    });
}

// Between the scan and the action --------------------------------------------------------------

struct RaceCase {
    const char *name;
    Action action;
    std::function<void(RawTree &)> meanwhile;
    QStringList changes; // exactly what the action changes
    // Set: the action cannot finish, changes nothing and names this path.
    const char *namedPath;
};

TEST(FaultsRealTest, FilesThatVanishOrAppearAfterTheScanAreNeverTakenForListedOnes)
{
    const std::vector<RaceCase> cases = {
        {"a staged file vanishes before it is taken in",
         Action::Intake,
         [](RawTree &d) { ::unlink(d.bytes("Staging/Model/plane.mdl").constData()); },
         {},
         "Staging/Model/plane.mdl"},
        {"a stored file vanishes before the install",
         Action::Install,
         [](RawTree &d) { ::unlink(d.bytes("Stowbay/Props/Pkg/Model/m.mdl").constData()); },
         {},
         "Stowbay/Props/Pkg/Model/m.mdl"},
        {"a listed panel.cfg is replaced by PANEL.CFG",
         Action::RemovePanel,
         [](RawTree &d) {
             ::unlink(d.bytes("Staging/Panel/panel.cfg").constData());
             d.file("Staging/Panel/PANEL.CFG", "new");
         },
         {"Staging/Panel/own.gau"},
         nullptr},
        {"files appear in Staging, one of them hidden",
         Action::RemoveAll,
         [](RawTree &d) {
             d.file("Staging/late.txt", "late");
             d.file("Staging/.late/hidden.txt", "late");
         },
         {"Staging/aircraft.cfg", "Staging/Model", "Staging/Panel", "Staging/Sound",
          "Staging/Images", "Staging/sub", "Staging/late.txt", "Staging/.late"},
         nullptr},
        {"a file appears in the stored package",
         Action::RemoveFromStore,
         [](RawTree &d) { d.file("Stowbay/Props/Pkg/Model/late.mdl", "late"); },
         {"Stowbay/Props/Pkg"},
         nullptr},
        {"the picture shown vanishes: the next one stays",
         Action::RemoveStoreImage,
         [](RawTree &d) { ::unlink(d.bytes("Stowbay/Props/Pkg/Images/a.jpg").constData()); },
         {},
         nullptr},
    };
    for (const RaceCase &c : cases) {
        SCOPED_TRACE(std::string(nameOf(c.action)) + ": " + c.name);
        World world(c.action);
        const Outcome outcome = perform(world, c.action, [&] { c.meanwhile(world.disk); });
        const QStringList problems = c.namedPath != nullptr
                                         ? problemsUnlessUnchanged(outcome, world.path(c.namedPath))
                                         : problemsUnlessChangedExactly(outcome, c.changes);
        EXPECT_TRUE(problems.isEmpty()) << described(problems);
    }
}

TEST(FaultsRealTest, AGaugeListedForDeletionAndReplacedMeanwhileStays)
{
    World world(Action::DeleteUnusedGauges);
    RecordingContext test;
    test.setLocations(world.path("Staging/"), world.path("Stowbay/"), world.path("MSFS/"));
    AllSelectedGaugesView view;
    ListUnusedGauges(test, view);
    ASSERT_EQ(view.rowCount(), 2);
    ::unlink(world.disk.bytes("MSFS/Gauges/old.gau").constData());
    world.disk.file("MSFS/Gauges/OLD.GAU", "new");
    ::unlink(world.disk.bytes("MSFS/Gauges/own.gau").constData());
    world.disk.folder("MSFS/Gauges/own.gau");
    const DiskSnapshot before = snapshotOf(world.disk.root());
    DeleteSelectedGauges(test, view);
    EXPECT_EQ(differences(before, snapshotOf(world.disk.root())), QStringList{});
}

// Links, case, names ---------------------------------------------------------------------------

struct ShapeCase {
    const char *name;
    Action action;
    std::function<void(RawTree &)> shape; // made before the scan
    QStringList changes;                  // exactly what the action changes
    // Set: refusing is right too, when nothing changes and a message names a path beginning
    // with this one.
    const char *orRefusedNaming;
};

TEST(FaultsRealTest, LinksLoopsCaseVariantsAndOddNamesStayOutOfReach)
{
    const QByteArray cp1252 = "caf\xe9 \x80.txt"; // "café €.txt" in Windows-1252
    const QStringList allOfStaging = {"Staging/aircraft.cfg", "Staging/Model",  "Staging/Panel",
                                      "Staging/Sound",        "Staging/Images", "Staging/sub"};
    const std::vector<ShapeCase> cases = {
        {"links in Staging to outside files and folders, and a loop", Action::RemoveAll,
         [](RawTree &d) {
             d.link("Staging/sub/outfile.txt", "@/Outside/keep.txt");
             d.link("Staging/Panel/outdir", "@/Outside/dir");
             d.link("Staging/Model/loop", "..");
             d.link("Staging/store", "@/Stowbay");
         },
         allOfStaging + QStringList{"Staging/store"}, nullptr},
        {"links in a stored package to outside files and folders",
         Action::RemoveFromStore,
         [](RawTree &d) {
             d.link("Stowbay/Props/Pkg/Gauges/ext.gau", "@/Outside/keep.txt");
             d.link("Stowbay/Props/Pkg/Docs", "@/Outside/dir");
             d.link("Stowbay/Props/Pkg/Model/up", "../..");
         },
         {"Stowbay/Props/Pkg"},
         nullptr},
        {"the installed package is a link to an outside folder",
         Action::RemoveFromSimulator,
         [](RawTree &d) {
             rawtree::removeWhole(d.bytes("MSFS/Aircraft/Pkg"));
             d.file("Outside/Planes/Pkg/Panel/panel.cfg", "gauge00=own!x\r\n");
             d.link("MSFS/Aircraft/Pkg", "@/Outside/Planes/Pkg");
         },
         {"MSFS/Aircraft/Pkg", "MSFS/Gauges/own.gau"},
         nullptr},
        {"the aircraft folder is a link, with a loop below it",
         Action::RemoveFromSimulator,
         [](RawTree &d) {
             ::rename(d.bytes("MSFS/Aircraft").constData(), d.bytes("Outside/Planes").constData());
             d.link("MSFS/Aircraft", "@/Outside/Planes");
             d.link("Outside/Planes/Loop/back", "..");
             d.link("Outside/Planes/Self", ".");
         },
         {"Outside/Planes/Pkg", "MSFS/Gauges/own.gau"},
         nullptr},
        {"a stored package beside one whose name differs only in case",
         Action::RemoveFromStore,
         [](RawTree &d) { d.file("Stowbay/Props/PKG/Panel/panel.cfg", "other"); },
         {"Stowbay/Props/Pkg"},
         nullptr},
        {"installed beside one whose name differs only in case, gauges alike",
         Action::RemoveFromSimulator,
         [](RawTree &d) {
             d.file("MSFS/Aircraft/pkg/Panel/panel.cfg", "other");
             d.file("MSFS/Gauges/OWN.GAU", "other");
         },
         {"MSFS/Aircraft/Pkg", "MSFS/Gauges/own.gau"},
         nullptr},
        {"non-ASCII and Windows-1252 names in Staging", Action::RemoveAll,
         [cp1252](RawTree &d) {
             d.file("Staging/Ünïcödé/ä.gau", "u");
             d.file("Staging/sub/" + cp1252, "w");
         },
         allOfStaging + QStringList{"Staging/Ünïcödé"}, "Staging/sub/caf"},
        {"non-ASCII and Windows-1252 names in a stored package",
         Action::RemoveFromStore,
         [cp1252](RawTree &d) {
             d.file("Stowbay/Props/Pkg/Ünï/ä.txt", "u");
             d.file("Stowbay/Props/Pkg/Model/" + cp1252, "w");
         },
         {"Stowbay/Props/Pkg"},
         "Stowbay/Props/Pkg/Model/caf"},
    };
    for (const ShapeCase &c : cases) {
        SCOPED_TRACE(std::string(nameOf(c.action)) + ": " + c.name);
        World world(c.action);
        c.shape(world.disk);
        const Outcome outcome = perform(world, c.action);
        const bool refused = c.orRefusedNaming != nullptr && outcome.changed().isEmpty();
        const QStringList problems =
            refused ? problemsUnlessUnchanged(outcome, world.path(c.orRefusedNaming))
                    : problemsUnlessChangedExactly(outcome, c.changes);
        EXPECT_TRUE(problems.isEmpty())
            << described(problems) << "\nmessages: " << described(outcome.messages);
    }
}

TEST(FaultsRealTest, AWindows1252NameInAnAddOnIsStoredWholeOrNothingIsStored)
{
    World world(Action::Intake);
    world.disk.file("Staging/Model/caf\xe9.mdl", "w");
    const Outcome outcome = perform(world, Action::Intake);
    if (outcome.changed().isEmpty()) {
        EXPECT_TRUE(outcome.anyMessageNames(world.path("Staging/Model/caf")))
            << described(outcome.messages);
        return;
    }
    const QStringList problems = problemsUnlessChangedExactly(outcome, {"Stowbay/Props/Newpkg"});
    EXPECT_TRUE(problems.isEmpty()) << described(problems);
    int staged = 0, stored = 0;
    for (auto it = outcome.after.cbegin(); it != outcome.after.cend(); ++it) {
        if (!it.value().startsWith("file:"))
            continue;
        staged += it.key().startsWith("Staging/") ? 1 : 0;
        stored += it.key().startsWith("Stowbay/Props/Newpkg/") ? 1 : 0;
    }
    EXPECT_EQ(stored, staged);
}

} // namespace
