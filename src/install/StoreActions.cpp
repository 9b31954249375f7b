#include "install/StoreActions.h"

#include "install/Aliases.h"
#include "package/CfgUsers.h"
#include "package/DeletionPlan.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/Gauges.h"
#include "package/LocationSafety.h"
#include "package/PackageCopy.h"
#include "package/Removal.h"
#include "package/Scan.h"
#include "package/WholeRemoval.h"
#include "platform/FileCopy.h"
#include "platform/Path.h"
#include "platform/Result.h"

#include <functional>
#include <optional>
#include <utility>

namespace {

const QString kDone = QStringLiteral("Done.");
const QString kNoImages = QStringLiteral("No images available.");
const QString kRemovalProblem =
    QStringLiteral("There was a problem removing a file or directory.  The file or directory may "
                   "be set to READ ONLY mode (i.e. CD ROM).");

// The package the window shows: its category folder in the store and its bare name.
struct Package {
    QString category;
    QString name;
};

// A name that names one entry of its folder; anything else could make a package path name the
// folder above it.
bool isEntryName(const QString &name)
{
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(platform::separator()) && !name.contains(QLatin1Char('/'));
}

// Ends a removal that failed or was refused, showing the window as a finished action does.
StowbayOutcome reportRemovalProblem(Context &context, const QString &message = kRemovalProblem)
{
    context.progress.hide();
    context.messages.inform(message);
    StowbayOutcome outcome;
    outcome.refreshPackageList = true;
    outcome.showModeAgain = true;
    return outcome;
}

// Deletes the entries as one (a link standing for a package folder is removed itself, never
// followed). Nothing, when all went; else, having said so, what ends the action: a move failed
// and nothing was removed, or something is left hidden for the next start to delete.
std::optional<StowbayOutcome> removeWhole(Context &context,
                                          const QList<std::pair<RemovalArea, QString>> &entries)
{
    WholeRemoval removal(context.messages, context.state.StateDir);
    for (const auto &[area, path] : entries)
        removal.add(area, path);
    switch (removal.run()) {
    case WholeRemoval::Outcome::Removed:
        return std::nullopt;
    case WholeRemoval::Outcome::NothingChanged:
        return reportRemovalProblem(context, removal.error());
    case WholeRemoval::Outcome::LeftHidden:
        break;
    }
    return reportRemovalProblem(context);
}

// Checks that everything a removal would delete can go; when something cannot, says what and
// returns what ends the action, deleting nothing.
std::optional<StowbayOutcome>
refusedForObstacle(Context &context, const QList<std::pair<RemovalArea, QString>> &entries)
{
    if (refusedWhileLocationsClash(context))
        return StowbayOutcome{};
    const std::optional<platform::RemovalObstacle> obstacle = firstObstacle(entries);
    if (!obstacle)
        return std::nullopt;
    return reportRemovalProblem(context, nothingRemovedMessage(*obstacle));
}

// After an install or a removal: the lists and the installed marker show the disk again.
StowbayOutcome finishedWithDone()
{
    StowbayOutcome outcome;
    outcome.refreshPackageList = true;
    outcome.message = kDone;
    outcome.showModeAgain = true;
    return outcome;
}

// The picture shown in the image box, or nothing when the package has none.
const PackageFile *currentImage(const SharedState &state)
{
    const FileList &images = state.ComponentFiles.at(Images);
    const int current = state.CurrentImage;
    if (current < 1 || current > images.size())
        return nullptr;
    return &images.at(current - 1);
}

StowbayOutcome copyToSimulator(Context &context, const Package &package)
{
    const SharedState &state = context.state;
    const FolderLayout layout(state);
    if (layout.isInstalled(package.name)) {
        context.messages.inform(
            QStringLiteral("This package is already installed in Flight Simulator."));
        return {};
    }
    // A borrowed panel or sound set works only while its aircraft is in the simulator too.
    if (!state.PanelAlias.isEmpty() && !layout.isInstalled(aliasAsPath(state.PanelAlias))) {
        context.messages.inform(
            QStringLiteral("This package has a panel alias which points to a panel (") +
            state.PanelAlias +
            QStringLiteral(") which is not installed.  Please install this panel first."));
        return {};
    }
    if (!state.SoundAlias.isEmpty() && !layout.isInstalled(aliasAsPath(state.SoundAlias))) {
        context.messages.inform(
            QStringLiteral("This package has a sound alias which points to a sound "
                           "configuration (") +
            state.SoundAlias +
            QStringLiteral(") which is not installed.  Please install this sound configuration "
                           "first."));
        return {};
    }
    if (!CopyPackage(context, layout.installedEntry(package.name)))
        return {};
    return finishedWithDone();
}

// What removing the package from the simulator deletes: its folder there and the gauges no other
// panel mentions, chosen as if the package's own panel were gone already; the gauges that stay
// are listed with the panel that keeps them.
struct SimulatorRemoval {
    DeletionPlan plan;
    GaugeRemoval gauges;
    bool hasGauges = false;
};

SimulatorRemoval simulatorRemoval(const SharedState &state, const Package &package,
                                  const std::function<void()> &stillWorking = {})
{
    const FolderLayout layout(state);
    const QString entry = layout.installedEntry(package.name);
    SimulatorRemoval removal{DeletionPlan(state.MsfsDir), {}, false};
    removal.plan.add(RemovalArea(layout.aircraftFolder(), state.MsfsDir), entry);
    removal.hasGauges = !state.ComponentFiles.at(Gauges).isEmpty();
    if (!removal.hasGauges)
        return removal;
    removal.gauges = planGaugeRemoval(state, entry, stillWorking);
    const RemovalArea gaugesArea(layout.gaugesFolder(), state.MsfsDir);
    for (const QString &gauge : removal.gauges.unused)
        removal.plan.add(gaugesArea, gauge);
    for (const auto &[gauge, panel] : removal.gauges.kept) {
        removal.plan.keep(gauge, panel.isEmpty()
                                     ? removal.plan.relative(removal.gauges.unreadable.first()) +
                                           QStringLiteral(" could not be read")
                                     : QStringLiteral("named by ") + removal.plan.relative(panel));
    }
    return removal;
}

// What removing the package from the store deletes there: its folder.
DeletionPlan storedPackageRemoval(const SharedState &state, const Package &package)
{
    const FolderLayout layout(state);
    DeletionPlan plan(state.StowbayDir);
    plan.add(RemovalArea(layout.categoryFolder(package.category), state.StowbayDir),
             layout.packageEntry(package.category, package.name));
    return plan;
}

// The first stage of both removals. Nothing when removing from the store goes on to delete the
// package there; else what ends the action.
std::optional<StowbayOutcome> removeFromSimulator(Context &context, const Package &package,
                                                  bool alsoFromStore)
{
    const FolderLayout layout(context.state);
    if (!layout.isInstalled(package.name)) {
        if (alsoFromStore)
            return std::nullopt;
        context.messages.inform(
            QStringLiteral("This package is not currently installed in Flight Simulator."));
        return StowbayOutcome{};
    }
    const QString question =
        alsoFromStore
            ? QStringLiteral("You are about to erase this package from the stowbay but it exists "
                             "in Flight Simulator.  Do you want to remove it from Flight "
                             "Simulator as well?  If you pick no, nothing will be removed from "
                             "MSFS or the Stowbay.")
            : QStringLiteral(
                  "Are you sure you want to remove this package from the Flight Simulator "
                  "directory?");
    // Read once, before the question: a Yes deletes what the user was shown.
    const SimulatorRemoval removal =
        simulatorRemoval(context.state, package, [&] { context.progress.stillWorking(); });
    if (!context.messages.confirmYes(question, deletionDetails({removal.plan})))
        return StowbayOutcome{};
    // Aircraft that borrow this package's panel or sound would lose it: checked before anything
    // is deleted.
    const QString aircraft = layout.aircraftFolder();
    if (FindCfgUsers(context, aircraft, configFileName(ConfigFile::Panel),
                     aliasTarget(package.name, AliasKind::Panel), true)) {
        context.messages.inform(
            QStringLiteral("Cannot remove.  The panel in this package is used (via alias) by an "
                           "aircraft(s) in the Flight Simulator directory as shown."));
        return StowbayOutcome{};
    }
    if (FindCfgUsers(context, aircraft, configFileName(ConfigFile::Sound),
                     aliasTarget(package.name, AliasKind::Sound), true)) {
        context.messages.inform(
            QStringLiteral("Cannot remove.  This sound in this package is used (via alias) by an "
                           "aircraft(s) in the Flight Simulator directory as shown."));
        return StowbayOutcome{};
    }
    // Every entry is checked before anything goes.
    const QList<std::pair<RemovalArea, QString>> deleted = removal.plan.areaEntries();
    if (std::optional<StowbayOutcome> refused = refusedForObstacle(context, deleted))
        return refused;
    if (std::optional<StowbayOutcome> failed = removeWhole(context, deleted))
        return failed;
    // What was kept and why (no gauges folder, panels that could not be read) is said now.
    if (removal.hasGauges)
        removeGauges(
            context,
            GaugeRemoval{{}, removal.gauges.unreadable, removal.gauges.noGaugesFolder, {}});
    if (alsoFromStore)
        return std::nullopt;
    return finishedWithDone();
}

StowbayOutcome removeFromStore(Context &context, const Package &package)
{
    if (std::optional<StowbayOutcome> ended = removeFromSimulator(context, package, true))
        return *ended;
    if (FindCfgUsers(context, context.state.StowbayDir, configFileName(ConfigFile::Panel),
                     aliasTarget(package.name, AliasKind::Panel), true)) {
        context.messages.inform(QStringLiteral("Cannot remove.  This panel is used (via alias) by "
                                               "an aircraft(s) in the Stowbay as shown."));
        return {};
    }
    const DeletionPlan plan = storedPackageRemoval(context.state, package);
    if (!context.messages.confirmYes(
            QStringLiteral("Are you sure you want to remove this package from the stowbay?"),
            deletionDetails({plan})))
        return {};
    const QList<std::pair<RemovalArea, QString>> deleted = plan.areaEntries();
    if (std::optional<StowbayOutcome> refused = refusedForObstacle(context, deleted))
        return *refused;
    if (std::optional<StowbayOutcome> failed = removeWhole(context, deleted))
        return *failed;
    return finishedWithDone();
}

StowbayOutcome removeCurrentImage(Context &context, const Package &package)
{
    const SharedState &state = context.state;
    const FolderLayout layout(state);
    if (state.ComponentFiles.at(Images).isEmpty()) {
        context.messages.inform(kNoImages);
        return {};
    }
    if (layout.isInstalled(package.name)) {
        context.messages.inform(QStringLiteral(
            "Package changes while the package is installed in MSFS are not permitted."));
        return {};
    }
    const PackageFile *image = currentImage(state);
    const QString folder = layout.packageFolder(package.category, package.name);
    DeletionPlan plan(state.StowbayDir);
    if (image != nullptr)
        plan.add(RemovalArea(folder, state.StowbayDir), image->realPath);
    if (!context.messages.confirmYes(
            QStringLiteral(
                "Are you sure you want to erase the current image from the stowbay directory?"),
            deletionDetails({plan})))
        return {};
    if (image == nullptr)
        return reportRemovalProblem(context);
    if (std::optional<StowbayOutcome> refused = refusedForObstacle(context, plan.areaEntries()))
        return *refused;
    for (const DeletionPlan::Entry &entry : plan.entries())
        RemoveFile(context.messages, entry.area, entry.path, Disposal::Trash);
    ScanPackage(context, folder);
    return {};
}

StowbayOutcome copyToStaging(Context &context, const Package &package,
                             const MainSelection &selection)
{
    if (!IsStagingEmpty(context.state) && !context.messages.confirmYes(QStringLiteral(
                                              "The staging area is not clear.  Are you sure?")))
        return {};
    const QString copy = FolderLayout(context.state).stagingEntry(package.name);
    if (!CopyPackage(context, copy))
        return {};
    StowbayOutcome outcome;
    // Ready for taking the package into the store again from Staging mode.
    if (selection.packageName.isEmpty())
        outcome.packageName = package.name;
    UpdateCaption(context);
    // Removing from the store removes an installed package from the simulator first.
    const SharedState &state = context.state;
    outcome.handOver = HandOver<StowbayAction>{
        QStringLiteral("Done.  Would you like to remove this package from the stowbay?"), copy,
        StowbayAction::RemoveFromStowbay, [&state, package] {
            QList<DeletionPlan> plans;
            if (FolderLayout(state).isInstalled(package.name))
                plans.append(simulatorRemoval(state, package).plan);
            plans.append(storedPackageRemoval(state, package));
            return deletionDetails(plans);
        }};
    return outcome;
}

StowbayOutcome copyImageToStaging(Context &context)
{
    const PackageFile *image = currentImage(context.state);
    if (image == nullptr) {
        context.messages.inform(kNoImages);
        return {};
    }
    const QString destination =
        FolderLayout(context.state).stagingFile(FileNameOf(image->path, false));
    const platform::Result copied = platform::copyFile(image->realPath, destination);
    if (!copied.ok) {
        context.messages.inform(QStringLiteral("Wingstash could not copy ") + image->realPath +
                                QStringLiteral(" to ") + destination + QStringLiteral(".  ") +
                                platform::asSentence(copied.error));
        return {};
    }
    context.messages.inform(kDone);
    UpdateCaption(context);
    return {};
}

// The alias options: creating one records it and changes no file of the package; pasting or
// restoring rewrites the package's configuration, which is then shown again.
StowbayOutcome aliasAction(Context &context, StowbayAction action, const Package &package)
{
    const bool panel = action == StowbayAction::CreatePanelAlias ||
                       action == StowbayAction::PastePanelAlias ||
                       action == StowbayAction::RestorePanel;
    const AliasKind kind = panel ? AliasKind::Panel : AliasKind::Sound;
    StowbayOutcome outcome;
    switch (action) {
    case StowbayAction::CreatePanelAlias:
    case StowbayAction::CreateSoundAlias:
        CreateAlias(context, kind, package.name);
        return outcome;
    case StowbayAction::PastePanelAlias:
    case StowbayAction::PasteSoundAlias:
        PasteAlias(context, kind, package.category, package.name);
        break;
    default:
        RestoreOldCfg(context, kind, package.category, package.name);
        break;
    }
    outcome.showModeAgain = true;
    return outcome;
}

} // namespace

StowbayOutcome DoStowbayAction(Context &context, StowbayAction action,
                               const MainSelection &selection)
{
    const Package package{selection.category, GetPackageName(selection.package)};
    // Without both, the package's folders would be the category or store folder itself.
    if (selection.package.isEmpty() || !isEntryName(package.name) ||
        !isEntryName(package.category)) {
        context.messages.inform(QStringLiteral("Please select a package first."));
        return {};
    }
    switch (action) {
    case StowbayAction::CopyToMsfs:
        return copyToSimulator(context, package);
    case StowbayAction::RemoveFromMsfs:
        return removeFromSimulator(context, package, false).value_or(StowbayOutcome{});
    case StowbayAction::RemoveFromStowbay:
        return removeFromStore(context, package);
    case StowbayAction::RemoveImage:
        return removeCurrentImage(context, package);
    case StowbayAction::CopyToStaging:
        return copyToStaging(context, package, selection);
    case StowbayAction::CopyImageToStaging:
        return copyImageToStaging(context);
    default:
        return aliasAction(context, action, package);
    }
}
