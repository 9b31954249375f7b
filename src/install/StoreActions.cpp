#include "install/StoreActions.h"

#include "install/Aliases.h"
#include "package/CfgUsers.h"
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

#include <optional>
#include <utility>

namespace {

// The options of Stowbay mode, by their position in cboOptions.
enum StowbayOption : int {
    CopyToMsfs = 0,
    RemoveFromMsfs = 1,
    RemoveFromStowbay = 2,
    RemoveImage = 3,
    CopyToStaging = 4,
    CopyImageToStaging = 5,
    CreatePanelAlias = 6,
    CreateSoundAlias = 7,
    PastePanelAlias = 8,
    PasteSoundAlias = 9,
    RestorePanel = 10,
    RestoreSound = 11,
};

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
void reportRemovalProblem(Context &context, platform::MainControls &controls,
                          const QString &message = kRemovalProblem)
{
    context.progress.hide();
    context.messages.inform(message);
    controls.refreshPackageListIfShown();
    controls.showStowbay(false);
}

// Deletes the entries as one (a link standing for a package folder is removed itself, never
// followed). False, after saying so and showing the window again, when a move failed and
// nothing was removed, or when something is left hidden for the next start to delete.
bool removeWhole(Context &context, platform::MainControls &controls,
                 const QList<std::pair<RemovalArea, QString>> &entries)
{
    WholeRemoval removal(context.messages, context.state.StateDir);
    for (const auto &[area, path] : entries)
        removal.add(area, path);
    switch (removal.run()) {
    case WholeRemoval::Outcome::Removed:
        return true;
    case WholeRemoval::Outcome::NothingChanged:
        reportRemovalProblem(context, controls, removal.error());
        return false;
    case WholeRemoval::Outcome::LeftHidden:
        break;
    }
    reportRemovalProblem(context, controls);
    return false;
}

// Checks that everything a removal would delete can go; when something cannot, says what and
// ends the action, deleting nothing.
bool refusedForObstacle(Context &context, platform::MainControls &controls,
                        const QList<std::pair<RemovalArea, QString>> &entries)
{
    if (refusedWhileLocationsClash(context))
        return true;
    const std::optional<platform::RemovalObstacle> obstacle = firstObstacle(entries);
    if (!obstacle)
        return false;
    reportRemovalProblem(context, controls, nothingRemovedMessage(*obstacle));
    return true;
}

// After an install or a removal: the lists and the installed marker show the disk again.
void finishWithDone(Context &context, platform::MainControls &controls)
{
    controls.refreshPackageListIfShown();
    context.messages.inform(kDone);
    controls.showStowbay(false);
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

void copyToSimulator(Context &context, platform::MainControls &controls, const Package &package)
{
    const SharedState &state = context.state;
    const FolderLayout layout(state);
    if (layout.isInstalled(package.name)) {
        context.messages.inform(
            QStringLiteral("This package is already installed in Flight Simulator."));
        return;
    }
    // A borrowed panel or sound set works only while its aircraft is in the simulator too.
    if (!state.PanelAlias.isEmpty() && !layout.isInstalled(aliasAsPath(state.PanelAlias))) {
        context.messages.inform(
            QStringLiteral("This package has a panel alias which points to a panel (") +
            state.PanelAlias +
            QStringLiteral(") which is not installed.  Please install this panel first."));
        return;
    }
    if (!state.SoundAlias.isEmpty() && !layout.isInstalled(aliasAsPath(state.SoundAlias))) {
        context.messages.inform(
            QStringLiteral("This package has a sound alias which points to a sound "
                           "configuration (") +
            state.SoundAlias +
            QStringLiteral(") which is not installed.  Please install this sound configuration "
                           "first."));
        return;
    }
    if (!CopyPackage(context, layout.installedEntry(package.name)))
        return;
    finishWithDone(context, controls);
}

// The first stage of options 1 and 2. True when option 2 goes on to delete the package from the
// store.
bool removeFromSimulator(Context &context, platform::MainControls &controls, const Package &package,
                         bool alsoFromStore)
{
    const FolderLayout layout(context.state);
    if (!layout.isInstalled(package.name)) {
        if (!alsoFromStore)
            context.messages.inform(
                QStringLiteral("This package is not currently installed in Flight Simulator."));
        return alsoFromStore;
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
    if (!context.messages.confirmYes(question))
        return false;
    // Aircraft that borrow this package's panel or sound would lose it: checked before anything
    // is deleted.
    const QString aircraft = layout.aircraftFolder();
    if (FindCfgUsers(context, aircraft, configFileName(ConfigFile::Panel),
                     aliasTarget(package.name, AliasKind::Panel), true)) {
        context.messages.inform(
            QStringLiteral("Cannot remove.  The panel in this package is used (via alias) by an "
                           "aircraft(s) in the Flight Simulator directory as shown."));
        return false;
    }
    if (FindCfgUsers(context, aircraft, configFileName(ConfigFile::Sound),
                     aliasTarget(package.name, AliasKind::Sound), true)) {
        context.messages.inform(
            QStringLiteral("Cannot remove.  This sound in this package is used (via alias) by an "
                           "aircraft(s) in the Flight Simulator directory as shown."));
        return false;
    }
    // The gauges are chosen before anything goes, as if the package's own panel were gone
    // already: only the other aircraft keep a gauge. Then every entry is checked first.
    const QString entry = layout.installedEntry(package.name);
    const RemovalArea aircraftArea(aircraft);
    const bool hasGauges = !context.state.ComponentFiles.at(Gauges).isEmpty();
    const GaugeRemoval gauges = hasGauges ? planGaugeRemoval(context.state, entry) : GaugeRemoval{};
    QList<std::pair<RemovalArea, QString>> deleted{{aircraftArea, entry}};
    const RemovalArea gaugesArea(layout.gaugesFolder());
    for (const QString &gauge : gauges.unused)
        deleted.append({gaugesArea, gauge});
    if (refusedForObstacle(context, controls, deleted))
        return false;
    if (!removeWhole(context, controls, deleted))
        return false;
    // What was kept and why (no gauges folder, panels that could not be read) is said now.
    if (hasGauges)
        removeGauges(context, GaugeRemoval{{}, gauges.unreadable, gauges.noGaugesFolder});
    if (alsoFromStore)
        return true;
    finishWithDone(context, controls);
    return false;
}

void removeFromStore(Context &context, platform::MainControls &controls, const Package &package)
{
    const FolderLayout layout(context.state);
    if (FindCfgUsers(context, context.state.StowbayDir, configFileName(ConfigFile::Panel),
                     aliasTarget(package.name, AliasKind::Panel), true)) {
        context.messages.inform(QStringLiteral("Cannot remove.  This panel is used (via alias) by "
                                               "an aircraft(s) in the Stowbay as shown."));
        return;
    }
    if (!context.messages.confirmYes(
            QStringLiteral("Are you sure you want to remove this package from the stowbay?")))
        return;
    const QString entry = layout.packageEntry(package.category, package.name);
    const RemovalArea category(layout.categoryFolder(package.category));
    if (refusedForObstacle(context, controls, {{category, entry}}))
        return;
    if (!removeWhole(context, controls, {{category, entry}}))
        return;
    finishWithDone(context, controls);
}

void removeCurrentImage(Context &context, platform::MainControls &controls, const Package &package)
{
    const SharedState &state = context.state;
    const FolderLayout layout(state);
    if (state.ComponentFiles.at(Images).isEmpty()) {
        context.messages.inform(kNoImages);
        return;
    }
    if (layout.isInstalled(package.name)) {
        context.messages.inform(QStringLiteral(
            "Package changes while the package is installed in MSFS are not permitted."));
        return;
    }
    if (!context.messages.confirmYes(QStringLiteral(
            "Are you sure you want to erase the current image from the stowbay directory?")))
        return;
    const PackageFile *image = currentImage(state);
    if (image == nullptr) {
        reportRemovalProblem(context, controls);
        return;
    }
    const QString folder = layout.packageFolder(package.category, package.name);
    const RemovalArea stored(folder);
    if (refusedForObstacle(context, controls, {{stored, image->realPath}}))
        return;
    RemoveFile(context.messages, stored, image->realPath);
    ScanPackage(context, folder);
}

void copyToStaging(Context &context, platform::MainControls &controls, const Package &package)
{
    if (!IsStagingEmpty(context.state) && !context.messages.confirmYes(QStringLiteral(
                                              "The staging area is not clear.  Are you sure?")))
        return;
    const QString copy = FolderLayout(context.state).stagingEntry(package.name);
    if (!CopyPackage(context, copy))
        return;
    // Ready for taking the package into the store again from Staging mode.
    if (controls.packageNameText().isEmpty())
        controls.setPackageNameText(package.name);
    controls.updateCaption();
    if (!context.messages.confirmYes(
            QStringLiteral("Done.  Would you like to remove this package from the stowbay?")))
        return;
    if (!CopyIsOnDisk(context, copy))
        return;
    controls.setOptionIndex(RemoveFromStowbay);
    DoStowbayAction(context, controls);
}

void copyImageToStaging(Context &context, platform::MainControls &controls)
{
    const PackageFile *image = currentImage(context.state);
    if (image == nullptr) {
        context.messages.inform(kNoImages);
        return;
    }
    const QString destination =
        FolderLayout(context.state).stagingFile(FileNameOf(image->path, false));
    const platform::Result copied = platform::copyFile(image->realPath, destination);
    if (!copied.ok) {
        context.messages.inform(QStringLiteral("Wingstash could not copy ") + image->realPath +
                                QStringLiteral(" to ") + destination + QStringLiteral(".  ") +
                                platform::asSentence(copied.error));
        return;
    }
    context.messages.inform(kDone);
    controls.updateCaption();
}

} // namespace

void DoStowbayAction(Context &context, platform::MainControls &controls)
{
    const Package package{controls.categoryText(), GetPackageName(controls.packageText())};
    // Without both, the package's folders would be the category or store folder itself.
    if (controls.packageText().isEmpty() || !isEntryName(package.name) ||
        !isEntryName(package.category)) {
        context.messages.inform(QStringLiteral("Please select a package first."));
        return;
    }

    // The selection is read afresh before each test: copying to Staging may go on into
    // "Remove package from STOWBAY", which must not run a later option as well.
    if (controls.optionIndex() == CopyToMsfs)
        copyToSimulator(context, controls, package);
    if (const int option = controls.optionIndex();
        option == RemoveFromMsfs || option == RemoveFromStowbay) {
        if (!removeFromSimulator(context, controls, package, option == RemoveFromStowbay))
            return;
    }
    if (controls.optionIndex() == RemoveFromStowbay)
        removeFromStore(context, controls, package);
    if (controls.optionIndex() == CopyToStaging)
        copyToStaging(context, controls, package);
    if (controls.optionIndex() == RemoveImage)
        removeCurrentImage(context, controls, package);
    if (controls.optionIndex() == CopyImageToStaging)
        copyImageToStaging(context, controls);
    // Panel before sound, and for each create, paste, restore: the order the options are
    // tested in.
    const struct {
        AliasKind kind;
        int create, paste, restore;
    } aliasOptions[] = {{AliasKind::Panel, CreatePanelAlias, PastePanelAlias, RestorePanel},
                        {AliasKind::Sound, CreateSoundAlias, PasteSoundAlias, RestoreSound}};
    for (const auto &alias : aliasOptions) {
        if (controls.optionIndex() == alias.create)
            CreateAlias(context, alias.kind, package.name);
        if (controls.optionIndex() == alias.paste) {
            PasteAlias(context, alias.kind, package.category, package.name);
            controls.showStowbay(false);
        }
        if (controls.optionIndex() == alias.restore) {
            RestoreOldCfg(context, alias.kind, package.category, package.name);
            controls.showStowbay(false);
        }
    }
}
