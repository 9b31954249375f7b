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

// The options of Staging mode, by their position in cboOptions.
enum StagingOption : int {
    CopyToStowbay = 0,
    RemoveAll = 1,
    RemoveImage = 2,
    RemovePanel = 3,
    RemoveAircraft = 4,
    RemoveSound = 5,
};

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

// Deletes every file of the package that the rule picks, by its real path; the rule sees the
// lower-case path and file name.
// The files of the package that the rule picks, by their real paths; the rule sees the
// lower-case path and file name.
QStringList filesWhere(const SharedState &state,
                       const std::function<bool(const QString &path, const QString &name)> &rule)
{
    QStringList picked;
    for (const PackageFile &file : state.AllFiles) {
        if (rule(file.path, FileNameOf(file.path, false)))
            picked.append(file.realPath);
    }
    return picked;
}

// Deletes the picked files as one, then says "Done.": when one of them cannot go, or the
// locations have come to clash, none goes and the user is told why instead.
bool removeAndReport(Context &context, const QStringList &files)
{
    if (refusedWhileLocationsClash(context) ||
        !removeFilesAllOrNothing(context.messages, RemovalArea(context.state.StagingDir), files))
        return false;
    context.messages.inform(kDone);
    return true;
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

void copyToStowbay(Context &context, platform::MainControls &controls)
{
    if (refusedForOverflow(context))
        return;
    const QString name = controls.packageNameText();
    const QString pleaseEnterName = QStringLiteral("Please enter a package name.");
    if (name.isEmpty()) {
        context.messages.inform(pleaseEnterName);
        return;
    }
    if (name.startsWith(QLatin1Char(' '))) {
        context.messages.inform(pleaseEnterName);
        controls.setPackageNameText(QString());
        return;
    }
    // Without a category the package folder would land in the store root and pass for a
    // category of its own.
    const QString category = controls.categoryText();
    if (category.isEmpty()) {
        context.messages.inform(QStringLiteral("Please choose a category for the package."));
        return;
    }
    if (PackageNameExists(context, controls.categories(), name))
        return;
    if (!confirmMissingConfigurationFiles(context))
        return;
    const QString target = FolderLayout(context.state).packageEntry(category, name);
    if (!CopyPackage(context, target))
        return;
    controls.refreshPackageListIfShown();
    if (context.messages.confirmYes(
            QStringLiteral("Done.  Would you like to clear the Staging area at this point?")) &&
        CopyIsOnDisk(context, target))
        controls.setOptionIndex(RemoveAll);
}

void removeAllFromStaging(Context &context, platform::MainControls &controls)
{
    if (!context.messages.confirmYes(
            QStringLiteral("Are you sure you want to erase everything in the staging directory?")))
        return;
    // A refused folder was left whole and the user was told why; there is nothing to show anew.
    if (!ClearFolder(context, context.state.StagingDir))
        return;
    controls.setPackageNameText(QString());
    context.messages.inform(kDone);
    controls.showStaging();
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

void removePanel(Context &context, platform::MainControls &controls)
{
    if (refusedForOverflow(context))
        return;
    if (!context.messages.confirmYes(QStringLiteral(
            "Are you sure you want to erase the panel components from the staging directory?")))
        return;
    if (RemovePanelFromStaging(context))
        noteRemainingImages(context, QStringLiteral("panel"));
    controls.showStaging();
}

void removeSound(Context &context, platform::MainControls &controls)
{
    if (refusedForOverflow(context))
        return;
    if (!context.messages.confirmYes(QStringLiteral(
            "Are you sure you want to erase the sound components from the staging directory?  "
            "(Please note that some sounds are embedded in gauges.  If so they will not be "
            "removed until you remove the panel.)")))
        return;
    RemoveSoundFromStaging(context);
    controls.showStaging();
}

void removeAircraft(Context &context, platform::MainControls &controls)
{
    if (refusedForOverflow(context))
        return;
    if (!context.messages.confirmYes(
            QStringLiteral("Are you sure you want to erase the aircraft body components "
                           "(aircraft, model, texture, kneeboard text) from the staging "
                           "directory?")))
        return;
    if (RemoveAircraftFromStaging(context))
        noteRemainingImages(context, QStringLiteral("aircraft"));
    controls.showStaging();
}

void removeCurrentImage(Context &context, platform::MainControls &controls)
{
    if (refusedForOverflow(context))
        return;
    const FileList &images = context.state.ComponentFiles.at(Images);
    const int current = context.state.CurrentImage;
    if (images.isEmpty() || current < 1 || current > images.size()) {
        context.messages.inform(QStringLiteral("No images available."));
        return;
    }
    if (!context.messages.confirmYes(QStringLiteral(
            "Are you sure you want to erase the current image from the staging directory?")))
        return;
    if (!refusedWhileLocationsClash(context))
        RemoveFile(context.messages, RemovalArea(context.state.StagingDir),
                   images.at(current - 1).realPath);
    controls.showStaging();
}

} // namespace

void DoStagingAction(Context &context, platform::MainControls &controls)
{
    // The selection is read afresh before each test: a copy may go on into "Remove ALL".
    if (controls.optionIndex() == CopyToStowbay)
        copyToStowbay(context, controls);
    if (controls.optionIndex() == RemoveAll)
        removeAllFromStaging(context, controls);
    if (controls.optionIndex() == RemovePanel)
        removePanel(context, controls);
    if (controls.optionIndex() == RemoveSound)
        removeSound(context, controls);
    if (controls.optionIndex() == RemoveAircraft)
        removeAircraft(context, controls);
    if (controls.optionIndex() == RemoveImage)
        removeCurrentImage(context, controls);
}

bool RemovePanelFromStaging(Context &context)
{
    const SharedState &state = context.state;
    QStringList files = filesWhere(state, [&](const QString &path, const QString &name) {
        return name == QStringLiteral("panel.cfg") || name == QStringLiteral("oldpanel.cfg") ||
               path.endsWith(QStringLiteral(".gau")) || IsPanelBitmap(state, name);
    });
    // Sounds that the sound set does not use belong to the gauges.
    files += filesWhere(state, [&](const QString &path, const QString &name) {
        return path.endsWith(QStringLiteral(".wav")) && !IsSoundInSoundCfg(state, name);
    });
    return removeAndReport(context, files);
}

bool RemoveSoundFromStaging(Context &context)
{
    const SharedState &state = context.state;
    // The .wav files are picked first: the test reads the sound.cfg that goes with them.
    QStringList files = filesWhere(state, [&](const QString &path, const QString &name) {
        return path.endsWith(QStringLiteral(".wav")) && IsSoundInSoundCfg(state, name);
    });
    files += filesWhere(state, [](const QString &, const QString &name) {
        return name == QStringLiteral("sound.cfg") || name == QStringLiteral("oldsound.cfg");
    });
    return removeAndReport(context, files);
}

bool RemoveAircraftFromStaging(Context &context)
{
    const SharedState &state = context.state;
    return removeAndReport(context,
                           filesWhere(state, [&](const QString &path, const QString &name) {
                               return isAircraftBodyFile(state, path, name);
                           }));
}
