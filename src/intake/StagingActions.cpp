#include "intake/StagingActions.h"

#include "package/ConfigReaders.h"
#include "package/Files.h"
#include "package/FolderClearing.h"
#include "package/LocationSafety.h"
#include "package/PackageCopy.h"
#include "package/Removal.h"
#include "package/Store.h"

#include <functional>

namespace {

const QString kDone = QStringLiteral("Done.");

// While the last scan's lists are incomplete, an option working from them would copy or
// delete only part of what the user sees; "Remove ALL" does not use them.
bool refusedForOverflow(Context &context)
{
    if (!context.state.ScanOverflow)
        return false;
    context.messages.inform(
        QStringLiteral("The Staging area holds more files than Wingstash can list, so this "
                       "option was not carried out.  Nothing was changed."));
    return true;
}

// The files of the package that the rule picks, by their real paths, added to plan; the rule
// sees the lower-case path and file name.
void addFilesWhere(DeletionPlan &plan, const SharedState &state,
                   const std::function<bool(const QString &path, const QString &name)> &rule)
{
    const RemovalArea staging(state.StagingDir);
    for (const PackageFile &file : state.AllFiles) {
        if (rule(file.path, FileNameOf(file.path, false)))
            plan.add(staging, file.realPath);
    }
}

bool endsWithAny(const QString &path, std::initializer_list<const char *> endings)
{
    for (const char *ending : endings) {
        if (path.endsWith(QLatin1String(ending)))
            return true;
    }
    return false;
}

bool isAircraftBodyFile(const SharedState &state, const QString &path, const QString &name)
{
    if (name == QStringLiteral("aircraft.cfg") || name == QStringLiteral("model.cfg"))
        return true;
    if (endsWithAny(path, {".air", ".diz", ".mdl", ".mpi", ".nmp"}))
        return true;
    if (path.endsWith(QStringLiteral(".bmp")) && !IsPanelBitmap(state, name))
        return true;
    // Textures with a three-letter extension ending in "af" (.oaf, .caf, ...).
    if (path.size() >= 4 && path.at(path.size() - 4) == QLatin1Char('.') &&
        path.endsWith(QStringLiteral("af")))
        return true;
    return endsWithAny(path, {"_check.txt", "_keys.txt", "_notes.txt", "_ref.txt"});
}

bool confirmMissingFile(Context &context, const QString &name, const QString &question)
{
    if (PackageHasFile(context.state, name))
        return true;
    return context.messages.confirmOk(question);
}

bool confirmMissingConfigurationFiles(Context &context)
{
    return confirmMissingFile(
               context, QStringLiteral("aircraft.cfg"),
               QStringLiteral("The aircraft.cfg file is missing from the package.  You need "
                              "this file if this package is an aircraft.  If this package "
                              "doesn't contain an aircraft click OK.   Are you sure you want "
                              "to continue?")) &&
           confirmMissingFile(
               context, QStringLiteral("model.cfg"),
               QStringLiteral("The model.cfg file is missing from the package.  You need this "
                              "file if this package is an aircraft.  If this package doesn't "
                              "contain an aircraft click OK.  Are you sure you want to "
                              "continue?")) &&
           confirmMissingFile(
               context, QStringLiteral("panel.cfg"),
               QStringLiteral("The panel.cfg file is missing from the package.  You need this "
                              "file if this package should contain a panel.  Are you sure you "
                              "want to continue?")) &&
           confirmMissingFile(
               context, QStringLiteral("sound.cfg"),
               QStringLiteral("The sound.cfg file is missing from the package.  You need this "
                              "file if this package should have sound.  Are you sure you want "
                              "to continue?"));
}

StagingOutcome copyToStowbay(Context &context, const MainSelection &selection)
{
    StagingOutcome outcome;
    if (refusedForOverflow(context))
        return outcome;
    const QString &name = selection.packageName;
    const QString pleaseEnterName = QStringLiteral("Please enter a package name.");
    if (name.isEmpty()) {
        context.messages.inform(pleaseEnterName);
        return outcome;
    }
    if (name.startsWith(QLatin1Char(' '))) {
        context.messages.inform(pleaseEnterName);
        outcome.packageName = QString();
        return outcome;
    }
    // Without a category the package folder would land in the store root and pass for a
    // category of its own.
    if (selection.category.isEmpty()) {
        context.messages.inform(QStringLiteral("Please choose a category for the package."));
        return outcome;
    }
    if (PackageNameExists(context, selection.categories, name))
        return outcome;
    if (!confirmMissingConfigurationFiles(context))
        return outcome;
    const QString target = FolderLayout(context.state).packageEntry(selection.category, name);
    if (!CopyPackage(context, target))
        return outcome;
    outcome.refreshPackageList = true;
    const QString &staging = context.state.StagingDir;
    outcome.handOver = HandOver<StagingAction>{
        QStringLiteral("Done.  Would you like to clear the Staging area at this point?"), target,
        StagingAction::RemoveAll,
        [staging] { return deletionDetails({folderClearingPlan(staging, staging)}); }};
    return outcome;
}

StagingOutcome removeAllFromStaging(Context &context)
{
    StagingOutcome outcome;
    const QString &staging = context.state.StagingDir;
    const DeletionPlan plan = folderClearingPlan(staging, staging);
    if (!context.messages.confirmYes(
            QStringLiteral("Are you sure you want to erase everything in the staging directory?"),
            deletionDetails({plan})))
        return outcome;
    // A refused folder was left whole and the user was told why; there is nothing to show anew.
    if (!ClearFolder(context, staging, plan))
        return outcome;
    outcome.packageName = QString();
    outcome.message = kDone;
    outcome.showModeAgain = true;
    return outcome;
}

// The pictures cannot be told apart by name, so the user is reminded to look at them.
void noteRemainingImages(Context &context, const QString &what)
{
    if (context.state.CurrentImage <= 0)
        return;
    context.messages.confirmOk(QStringLiteral("There may be images of the ") + what +
                               QStringLiteral(" remaining because there is no way of knowing "
                                              "what an image is associated with.  Check the "
                                              "Images tab and remove any that are unwanted."));
}

// Staging is shown again after a clean-up the user agreed to, whether or not it could go.
StagingOutcome shownAgain()
{
    StagingOutcome outcome;
    outcome.showModeAgain = true;
    return outcome;
}

StagingOutcome removePanel(Context &context)
{
    if (refusedForOverflow(context))
        return {};
    const DeletionPlan files = PanelFilesInStaging(context.state);
    if (!context.messages.confirmYes(
            QStringLiteral(
                "Are you sure you want to erase the panel components from the staging directory?"),
            deletionDetails({files})))
        return {};
    if (RemoveFromStaging(context, files))
        noteRemainingImages(context, QStringLiteral("panel"));
    return shownAgain();
}

StagingOutcome removeSound(Context &context)
{
    if (refusedForOverflow(context))
        return {};
    const DeletionPlan files = SoundFilesInStaging(context.state);
    if (!context.messages.confirmYes(
            QStringLiteral(
                "Are you sure you want to erase the sound components from the staging directory?  "
                "(Please note that some sounds are embedded in gauges.  If so they will not be "
                "removed until you remove the panel.)"),
            deletionDetails({files})))
        return {};
    RemoveFromStaging(context, files);
    return shownAgain();
}

StagingOutcome removeAircraft(Context &context)
{
    if (refusedForOverflow(context))
        return {};
    const DeletionPlan files = AircraftFilesInStaging(context.state);
    if (!context.messages.confirmYes(
            QStringLiteral("Are you sure you want to erase the aircraft body components "
                           "(aircraft, model, texture, kneeboard text) from the staging "
                           "directory?"),
            deletionDetails({files})))
        return {};
    if (RemoveFromStaging(context, files))
        noteRemainingImages(context, QStringLiteral("aircraft"));
    return shownAgain();
}

StagingOutcome removeCurrentImage(Context &context)
{
    if (refusedForOverflow(context))
        return {};
    const FileList &images = context.state.ComponentFiles.at(Images);
    const int current = context.state.CurrentImage;
    if (images.isEmpty() || current < 1 || current > images.size()) {
        context.messages.inform(QStringLiteral("No images available."));
        return {};
    }
    DeletionPlan image(context.state.StagingDir);
    image.add(RemovalArea(context.state.StagingDir), images.at(current - 1).realPath);
    if (!context.messages.confirmYes(
            QStringLiteral(
                "Are you sure you want to erase the current image from the staging directory?"),
            deletionDetails({image})))
        return {};
    if (!refusedWhileLocationsClash(context)) {
        for (const DeletionPlan::Entry &entry : image.entries())
            RemoveFile(context.messages, entry.area, entry.path, Disposal::Trash);
    }
    return shownAgain();
}

} // namespace

StagingOutcome DoStagingAction(Context &context, StagingAction action,
                               const MainSelection &selection)
{
    switch (action) {
    case StagingAction::CopyToStowbay:
        return copyToStowbay(context, selection);
    case StagingAction::RemoveAll:
        return removeAllFromStaging(context);
    case StagingAction::RemoveImage:
        return removeCurrentImage(context);
    case StagingAction::RemovePanel:
        return removePanel(context);
    case StagingAction::RemoveAircraft:
        return removeAircraft(context);
    case StagingAction::RemoveSound:
        return removeSound(context);
    }
    return {};
}

DeletionPlan PanelFilesInStaging(const SharedState &state)
{
    DeletionPlan files(state.StagingDir);
    addFilesWhere(files, state, [&](const QString &path, const QString &name) {
        return name == QStringLiteral("panel.cfg") || name == QStringLiteral("oldpanel.cfg") ||
               path.endsWith(QStringLiteral(".gau")) || IsPanelBitmap(state, name);
    });
    // Sounds that the sound set does not use belong to the gauges.
    addFilesWhere(files, state, [&](const QString &path, const QString &name) {
        return path.endsWith(QStringLiteral(".wav")) && !IsSoundInSoundCfg(state, name);
    });
    return files;
}

DeletionPlan SoundFilesInStaging(const SharedState &state)
{
    DeletionPlan files(state.StagingDir);
    // The .wav files are picked first: the test reads the sound.cfg that goes with them.
    addFilesWhere(files, state, [&](const QString &path, const QString &name) {
        return path.endsWith(QStringLiteral(".wav")) && IsSoundInSoundCfg(state, name);
    });
    addFilesWhere(files, state, [](const QString &, const QString &name) {
        return name == QStringLiteral("sound.cfg") || name == QStringLiteral("oldsound.cfg");
    });
    return files;
}

DeletionPlan AircraftFilesInStaging(const SharedState &state)
{
    DeletionPlan files(state.StagingDir);
    addFilesWhere(files, state, [&](const QString &path, const QString &name) {
        return isAircraftBodyFile(state, path, name);
    });
    return files;
}

bool RemoveFromStaging(Context &context, const DeletionPlan &files)
{
    if (refusedWhileLocationsClash(context) ||
        !removeFilesAllOrNothing(context.messages, RemovalArea(context.state.StagingDir),
                                 files.paths()))
        return false;
    context.messages.inform(kDone);
    return true;
}
