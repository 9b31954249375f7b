#include "FaultScenarios.h"

#include "ArchiveWriter.h"
#include "app/Startup.h"
#include "intake/ArchiveUnpack.h"
#include "package/Files.h"
#include "package/ShutDown.h"
#include "package/Store.h"
#include "tools/UnusedGauges.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString kCategory = QStringLiteral("Props");
const QString kAddOn = QStringLiteral("Cub");
const QString kOther = QStringLiteral("Mooney");

const QByteArray kPanel = "[Window00]\r\ngauge00=own!asi, 0,0\r\ngauge01=common!alt, 0,60\r\n";
const QByteArray kSoundCfg = "[engine]\r\nfilename=cub_eng\r\n";

// Each file of the add-on by its kind folder in a stored package ("" for the aircraft kind,
// which lies at the top), its name, its place in Staging and its bytes.
struct AddOnFile {
    const char *kindFolder;
    const char *name;
    const char *staged;
    QByteArray bytes;
};
const QList<AddOnFile> &addOnFiles()
{
    static const QList<AddOnFile> files{
        {"", "aircraft.cfg", "aircraft.cfg", "[fltsim.0]\r\ntitle=Cub\r\n"},
        {"Model", "model.cfg", "model/model.cfg", "[models]\r\nnormal=cub\r\n"},
        {"Model", "cub.mdl", "model/cub.mdl", "mdl"},
        {"Panel", "panel.cfg", "panel/panel.cfg", kPanel},
        {"Gauges", "own.gau", "panel/own.gau", "own gauge"},
        {"Gauges", "common.gau", "panel/common.gau", "common gauge, new"},
        {"Sound", "sound.cfg", "sound/sound.cfg", kSoundCfg},
        {"Sound", "cub_eng.wav", "sound/cub_eng.wav", "engine"},
        {"Sound", "click.wav", "sound/click.wav", "click"},
        {"Texture", "cub_t.bmp", "texture/cub_t.bmp", "texture"},
        {"Images", "cub1.jpg", "images/cub1.jpg", "first picture"},
        {"Images", "cub2.jpg", "images/cub2.jpg", "second picture"},
    };
    return files;
}

QString storedPlace(const AddOnFile &file)
{
    const QString kind = QString::fromLatin1(file.kindFolder);
    return (kind.isEmpty() ? QString() : kind + '/') + QString::fromLatin1(file.name);
}

void stageAndScan(ActionWorld &world)
{
    stageAddOn(world.tree);
    world.showStaging();
}

// Where the add-on lies as a download, outside the three locations.
QString addOnArchive(const ActionWorld &world)
{
    return world.tree.path("Downloads/cub.zip");
}

// The add-on packed as a download: one top folder, as authors pack them.
void writeAddOnArchive(const ActionWorld &world)
{
    QList<ArchiveEntry> entries{{"Cub", {}, ArchiveEntry::Folder}};
    for (const AddOnFile &file : addOnFiles())
        entries.append({"Cub/" + QString::fromLatin1(file.staged), file.bytes});
    writeArchive(addOnArchive(world), entries);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

// The package box as the disk says it should read, found without the program's routines:
// the category's visible folders sorted ignoring case, each marked when the simulator's
// aircraft folder holds a folder of its name.
QStringList boxFromDisk(const ActionWorld &world)
{
    const QDir aircraft(world.tree.path("MSFS/Aircraft"));
    QStringList entries;
    for (const QString &name :
         QDir(world.tree.path("Stowbay/" + kCategory))
             .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::IgnoreCase | QDir::Name)) {
        const bool installed = QFileInfo(aircraft.filePath(name)).isDir();
        entries.append(installed ? withInstalledMarker(name) : name);
    }
    return entries;
}

void showStowbayUnlessShown(MainController &controller)
{
    if (controller.mode() != MainMode::Stowbay)
        controller.stowbayClicked();
}

} // namespace

ActionWorld::ActionWorld(bool agree) : TestContext(agree)
{
    tree.folder("Staging")
        .folder("Stowbay/" + kCategory)
        .folder("MSFS/Aircraft")
        .folder("MSFS/Gauges")
        .folder("MSFS/Sound")
        .folder("Downloads")
        .folder("App");
    state.StagingDir = tree.path("Staging/");
    state.StowbayDir = tree.path("Stowbay/");
    state.MsfsDir = tree.path("MSFS/");
    state.AppDir = tree.path("App/");
    // Beside the locations and inside the snapshots: a copy's record left behind is a leftover
    // too.
    state.StateDir = tree.folder("State").path("State/");
    controller.showWelcome();
    controller.fillCategoryBox();
}

void ActionWorld::go(StagingAction action)
{
    if (controller.mode() != MainMode::Staging)
        controller.stagingClicked();
    pressGo(window, controller, action);
}

void ActionWorld::go(StowbayAction action)
{
    showStowbayUnlessShown(controller);
    pressGo(window, controller, action);
}

void ActionWorld::select(const QString &name)
{
    showStowbayUnlessShown(controller);
    pickPackage(window, controller, kCategory, name);
}

void stageAddOn(TreeBuilder &tree)
{
    for (const AddOnFile &file : addOnFiles())
        tree.file("Staging/" + QString::fromLatin1(file.staged), file.bytes);
}

void storeAddOn(TreeBuilder &tree, const QString &name)
{
    for (const AddOnFile &file : addOnFiles())
        tree.file("Stowbay/" + kCategory + '/' + name + '/' + storedPlace(file), file.bytes);
}

void installAddOn(TreeBuilder &tree, const QString &name)
{
    for (const AddOnFile &file : addOnFiles()) {
        if (QLatin1String(file.kindFolder) == QLatin1String("Gauges"))
            tree.file("MSFS/Gauges/" + QString::fromLatin1(file.name), file.bytes);
        else
            tree.file("MSFS/Aircraft/" + name + '/' + storedPlace(file), file.bytes);
    }
    tree.file("MSFS/Sound/click.wav", "click");
}

void addOtherAircraft(TreeBuilder &tree)
{
    tree.file("MSFS/Aircraft/Other/aircraft.cfg", "[fltsim.0]\r\ntitle=Other\r\n")
        .file("MSFS/Aircraft/Other/Panel/panel.cfg", "[Window00]\r\ngauge00=Common!alt, 0,0\r\n")
        .file("MSFS/Gauges/common.gau", "common gauge, old");
}

namespace {

// Both add-ons stored, the other one's panel alias remembered, and the add-on chosen.
void rememberOthersPanelAlias(ActionWorld &world)
{
    storeAddOn(world.tree, kAddOn);
    storeAddOn(world.tree, kOther);
    world.select(kOther);
    world.go(StowbayAction::CreatePanelAlias);
    world.select(kAddOn);
}

} // namespace

const std::vector<ActionRow> &actionRows()
{
    static const std::vector<ActionRow> rows{
        {"Intake", false,
         [](ActionWorld &world) {
             stageAddOn(world.tree);
             storeAddOn(world.tree, kOther);
             world.showStaging();
         },
         // No to clearing Staging afterwards: the intake alone is the action.
         [](ActionWorld &world) { world.go(StagingAction::CopyToStowbay); }},
        {"UnpackIntoEmptyStaging", true, [](ActionWorld &world) { writeAddOnArchive(world); },
         [](ActionWorld &world) { UnpackIntoStaging(world.context, addOnArchive(world)); }},
        {"UnpackReplacingStagingFiles", true,
         [](ActionWorld &world) {
             writeAddOnArchive(world);
             world.tree.file("Staging/old.txt", "earlier add-on")
                 .file("Staging/Old/panel/panel.cfg", "[Window00]\r\n");
         },
         [](ActionWorld &world) { UnpackIntoStaging(world.context, addOnArchive(world)); }},
        {"Install", true,
         [](ActionWorld &world) {
             storeAddOn(world.tree, kAddOn);
             addOtherAircraft(world.tree);
             world.select(kAddOn); // as the user does before Go
         },
         [](ActionWorld &world) { world.go(StowbayAction::CopyToMsfs); }},
        {"RemoveFromSimulator", true,
         [](ActionWorld &world) {
             storeAddOn(world.tree, kAddOn);
             addOtherAircraft(world.tree);
             installAddOn(world.tree, kAddOn);
             world.tree.file("MSFS/Gauges/common.gau", "common gauge, new");
             world.select(kAddOn);
         },
         [](ActionWorld &world) { world.go(StowbayAction::RemoveFromMsfs); }},
        {"RemoveFromStore", true,
         [](ActionWorld &world) {
             storeAddOn(world.tree, kAddOn);
             storeAddOn(world.tree, kOther);
             addOtherAircraft(world.tree);
             world.select(kAddOn);
         },
         [](ActionWorld &world) { world.go(StowbayAction::RemoveFromStowbay); }},
        {"CopyToStaging", false,
         [](ActionWorld &world) {
             storeAddOn(world.tree, kAddOn);
             world.select(kAddOn);
         },
         // No to removing the package from the store afterwards.
         [](ActionWorld &world) { world.go(StowbayAction::CopyToStaging); }},
        {"RemoveAll", true, stageAndScan,
         [](ActionWorld &world) { world.go(StagingAction::RemoveAll); }, false},
        {"RemovePanel", true, stageAndScan,
         [](ActionWorld &world) { world.go(StagingAction::RemovePanel); }, false},
        {"RemoveStoreImage", true,
         [](ActionWorld &world) {
             storeAddOn(world.tree, kAddOn);
             world.select(kAddOn);
         },
         [](ActionWorld &world) { world.go(StowbayAction::RemoveImage); }},
        {"DeleteUnusedGauges", true,
         [](ActionWorld &world) {
             installAddOn(world.tree, kAddOn);
             addOtherAircraft(world.tree);
             world.tree.file("MSFS/Gauges/old.gau", "old").file("MSFS/Gauges/spare.gau", "spare");
         },
         [](ActionWorld &world) { deleteAllUnusedGauges(world.context); }, false},
        {"PastePanelAlias", true, rememberOthersPanelAlias,
         [](ActionWorld &world) { world.go(StowbayAction::PastePanelAlias); }},
        {"RestorePanel", true,
         [](ActionWorld &world) {
             rememberOthersPanelAlias(world);
             world.go(StowbayAction::PastePanelAlias);
         },
         [](ActionWorld &world) { world.go(StowbayAction::RestorePanel); }},
    };
    return rows;
}

const ActionRow &actionRow(const QString &name)
{
    for (const ActionRow &row : actionRows()) {
        if (QLatin1String(row.name) == name)
            return row;
    }
    ADD_FAILURE() << "No action row " << name.toStdString();
    return actionRows().front();
}

QStringList recoverAsAtStartUp(ActionWorld &world)
{
    // What startUp settles, as it does it; anything it says means something was not put right.
    const qsizetype shownBefore = world.messages.shown.size();
    settleInterruptedWork(world.context);
    return world.messages.shown.mid(shownBefore);
}

void deleteAllUnusedGauges(Context &context)
{
    RecordingGaugesView view;
    view.selectAll = true;
    ListUnusedGauges(context, view);
    if (view.rowCount() > 0)
        DeleteSelectedGauges(context, view);
}

bool survives(const std::function<void()> &step)
{
    try {
        step();
    } catch (const ShutDownRequest &) {
        return false;
    }
    return true;
}

QString callName(platform::faults::Call call)
{
    static const std::array<const char *, kCallKinds.size()> names{"Open",       "Write",  "Rename",
                                                                   "MakeFolder", "Remove", "Sync"};
    return QString::fromLatin1(names.at(std::size_t(call)));
}

QStringList programView(ActionWorld &world)
{
    const FolderLayout layout(world.state);
    QStringList view{"box: " +
                         packageBoxEntries(world.state, kCategory).join(QStringLiteral(" | ")),
                     "Staging empty: " + yesNo(IsStagingEmpty(world.state))};
    for (const QString &name : {kAddOn, kOther})
        view.append(name + " installed: " + yesNo(layout.isInstalled(name)));
    return view;
}

void prepareAction(const ActionRow &row, ActionWorld &world)
{
    row.prepare(world);
    world.messages.shown.clear();
    world.messages.details.clear();
}

void runAction(const ActionRow &row, ActionWorld &world)
{
    if (!survives([&] { row.act(world); }))
        world.messages.shown.append(QStringLiteral("(the program ended)"));
}

namespace {

// Whether a disk holds only what was there at the start and all that is there on completion.
bool isBetween(const DiskSnapshot &disk, const Reference &reference)
{
    const auto within = [](const DiskSnapshot &inner, const DiskSnapshot &outer) {
        return std::all_of(inner.keyValueBegin(), inner.keyValueEnd(), [&](const auto &entry) {
            return outer.value(entry.first) == entry.second;
        });
    };
    return within(disk, reference.before) && within(reference.after, disk);
}

// Differences of a snapshot from the two it should equal one of, a few of them named.
QString describeDifferences(const DiskSnapshot &disk, const Reference &reference)
{
    const auto few = [](const QStringList &paths) {
        return paths.mid(0, 6).join(QStringLiteral(", ")) +
               (paths.size() > 6 ? QStringLiteral(", ...") : QString());
    };
    return "the locations are neither as they began (differing in " +
           few(differences(reference.before, disk)) + ") nor complete (differing in " +
           few(differences(reference.after, disk)) + ")";
}

} // namespace

Reference referenceRun(const ActionRow &row)
{
    Reference reference;
    reference.wholeOrNothing = row.wholeOrNothing;
    ActionWorld world(row.agree);
    prepareAction(row, world);
    reference.before = snapshotOf(world.tree.root());
    reference.beforeView = programView(world);
    platform::faults::resetCallCounts();
    runAction(row, world);
    for (std::size_t kind = 0; kind < kCallKinds.size(); ++kind)
        reference.counts.at(kind) = platform::faults::callCount(kCallKinds.at(kind));
    EXPECT_EQ(recoverAsAtStartUp(world), QStringList{});
    reference.after = snapshotOf(world.tree.root());
    reference.afterView = programView(world);
    reference.messages = world.messages.shown;
    return reference;
}

QStringList problemsAfterRun(ActionWorld &world, const Reference &reference, bool userSees)
{
    QStringList problems;
    if (const QStringList unsettled = recoverAsAtStartUp(world); !unsettled.isEmpty())
        problems.append("the recovery could not settle " + unsettled.join(QStringLiteral(", ")));
    const DiskSnapshot disk = snapshotOf(world.tree.root());
    const QStringList leftovers = temporaryLeftovers(disk);
    if (!leftovers.isEmpty())
        problems.append("temporary entries were left: " + leftovers.join(QStringLiteral(", ")));

    const bool asBegan = disk == reference.before;
    const bool complete = disk == reference.after;
    const bool between = !reference.wholeOrNothing && !complete && isBetween(disk, reference);
    if (!asBegan && !complete && !between && leftovers.isEmpty())
        problems.append(describeDifferences(disk, reference));

    // Told: a message the unarmed run did not show (a failure is never reported as "Done.").
    if (userSees && (asBegan || between)) {
        const bool told =
            std::any_of(world.messages.shown.cbegin(), world.messages.shown.cend(),
                        [&](const QString &text) { return !reference.messages.contains(text); });
        if (!told)
            problems.append("nothing was done and the user was not told; shown: [" +
                            world.messages.shown.join(QStringLiteral("] [")) + "]");
    }

    const QStringList view = programView(world);
    if (asBegan && view != reference.beforeView)
        problems.append("the program shows " + view.join(QStringLiteral("; ")) +
                        " for the disk as it began");
    if (complete && view != reference.afterView)
        problems.append("the program shows " + view.join(QStringLiteral("; ")) +
                        " for the disk as completed");
    const QStringList box = packageBoxEntries(world.state, kCategory);
    if (const QStringList onDisk = boxFromDisk(world); box != onDisk)
        problems.append("the package box lists " + box.join(QStringLiteral(" | ")) +
                        " but the store holds " + onDisk.join(QStringLiteral(" | ")));
    for (const QString &name : {kAddOn, kOther}) {
        const bool folderThere = QFileInfo(world.tree.path("MSFS/Aircraft/" + name)).isDir();
        if (FolderLayout(world.state).isInstalled(name) != folderThere)
            problems.append(name + " counts as installed " + yesNo(!folderThere) +
                            " while its folder is there " + yesNo(folderThere));
    }
    return problems;
}

void FailingRuns::add(const QString &run, const QStringList &problems)
{
    if (++count_ <= kDescribed)
        described_.append(run + QStringLiteral(": ") + problems.join(QStringLiteral("; ")));
}

std::string FailingRuns::summary(int runs) const
{
    return (QString::number(count_) + QStringLiteral(" of ") + QString::number(runs) +
            QStringLiteral(" runs went wrong, among them:\n") + described_.join(QLatin1Char('\n')))
        .toStdString();
}

int runInChild(const std::function<void()> &step)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        step();
        std::fflush(nullptr);
        std::_Exit(0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child ? status : -1;
}

QList<platform::faults::Plan> spreadKillPoints(const CallCounts &counts, int count)
{
    QList<platform::faults::Plan> every;
    for (std::size_t kind = 0; kind < kCallKinds.size(); ++kind) {
        for (int nth = 1; nth <= counts.at(kind); ++nth)
            every.append({kCallKinds.at(kind), nth, 0, true});
    }
    if (every.size() <= count)
        return every;
    QList<platform::faults::Plan> spread;
    for (int i = 0; i < count; ++i)
        spread.append(every.at((2 * i + 1) * every.size() / (2 * count)));
    return spread;
}
