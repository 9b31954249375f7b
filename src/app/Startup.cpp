#include "app/Startup.h"

#include "intake/StagingReplacement.h"
#include "package/ActivityRecording.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/LocationSafety.h"
#include "package/ShutDown.h"
#include "package/Store.h"
#include "package/Transaction.h"
#include "package/WholeRemoval.h"
#include "platform/FileListing.h"
#include "platform/Folders.h"
#include "platform/Path.h"
#include "platform/Result.h"

#include <QFileInfo>

namespace {

const QString kLocationsNotValid = QStringLiteral(
    "One or more of the three directory locations specified are not valid.  Please verify them "
    "now or select Cancel to exit Wingstash.");
const QString kLocationsIncorrect = QStringLiteral(
    "One or more of the directories you specified are incorrect.  Make sure you have valid "
    "Staging Directory, Stowbay Directory and Microsoft Flight Simulator directory set up and "
    "try Wingstash again.");
const QString kNoAircraftFolder = QStringLiteral(
    "Cannot find an 'aircraft' subdirectory in the directory you specified for Flight "
    "Simulator.  The directory you selected must not be the directory where you installed "
    "Flight Simulator.");
const QString kInvalidSettings = QStringLiteral(
    "The ws.ini file contained invalid data and was removed.  Please re-start Wingstash.");
const QString kStowbayChanged = QStringLiteral(
    "You've changed the Stowbay directory.  This requires you to restart Wingstash.  Wingstash "
    "will now close.");

QString firstRunMessage()
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("It appears as though this is the first time you are running "
                          "Wingstash.  For Wingstash to function properly you need to specify "
                          "three directories:") +
           crlf + crlf +
           QStringLiteral("- Staging directory: A directory where you initially extract (unzip) "
                          "files for a single aircraft into.") +
           crlf +
           QStringLiteral("- Stowbay Directory: A 'collection' directory where the files from "
                          "the Staging directory are stored when you choose to accept them into "
                          "the Stowbay.") +
           crlf +
           QStringLiteral("- Microsoft Flight Simulator Directory: The directory where Flight "
                          "Simulator is installed, (ie, c:\\Program Files\\FS2000)") +
           crlf + crlf +
           QStringLiteral("Note:  You should create two empty directories for the Staging and "
                          "Stowbay locations with Windows Explorer.  See readme.txt for more "
                          "info.");
}

// A location the system cannot even look up: junk read from a damaged ws.ini.
bool isMalformed(const QString &location)
{
    for (const QChar c : location) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

bool isValidLocation(const QString &location)
{
    return hasLocationForm(location) && platform::directoryExists(location);
}

bool allValid(const SharedState &state)
{
    return isValidLocation(state.StagingDir) && isValidLocation(state.StowbayDir) &&
           isValidLocation(state.MsfsDir);
}

bool anyMalformed(const SharedState &state)
{
    return isMalformed(state.StagingDir) || isMalformed(state.StowbayDir) ||
           isMalformed(state.MsfsDir);
}

// Why valid locations cannot be used together; empty when they can, or when one is not valid
// (that is reported as such).
QString usableClash(const SharedState &state)
{
    return allValid(state) ? locationsClash(state) : QString();
}

// Real simulators spell it "Aircraft"; a Windows look-up ignores the case.
bool hasAircraftFolder(const SharedState &state)
{
    return isValidLocation(state.MsfsDir) &&
           platform::directoryExists(FolderLayout(state).aircraftFolder());
}

void showLocationsDialog(SharedState &state, platform::LocationsEditor &editor)
{
    platform::Locations locations{state.StagingDir, state.StowbayDir, state.MsfsDir};
    editor.edit(locations);
    state.StagingDir = locations.staging;
    state.StowbayDir = locations.stowbay;
    state.MsfsDir = locations.msfs;
}

void removeSettingsFile(Context &context)
{
    const QString file = settingsFilePath(context.state);
    RemoveFile(context.messages, RemovalArea(QFileInfo(file).path()), file, Disposal::Delete);
}

[[noreturn]] void discardDamagedSettings(Context &context)
{
    removeSettingsFile(context);
    // Empty locations keep the shut-down from writing the junk back, so the next start is a
    // first run.
    context.state.StagingDir.clear();
    context.state.StowbayDir.clear();
    context.state.MsfsDir.clear();
    context.messages.confirmOk(kInvalidSettings);
    ShutDown();
}

void createDefaultCategories(Context &context)
{
    QStringList failures;
    const FolderLayout layout(context.state);
    for (const QString &category : defaultCategories()) {
        const QString folder = layout.categoryFolder(category).chopped(1);
        const platform::Result made = platform::makeFolder(folder);
        if (!made.ok)
            failures.append(folder + QStringLiteral(".  ") + made.error);
    }
    if (failures.isEmpty())
        return;
    // One box, however many failed: a read-only store would otherwise ask fourteen times.
    if (failures.size() == 1) {
        context.messages.inform(QStringLiteral("Wingstash could not create the category folder ") +
                                failures.first());
        return;
    }
    context.messages.inform(
        QStringLiteral("Wingstash could not create these category folders:\r\n\r\n") +
        failures.join(QStringLiteral("\r\n")));
}

// A copy that a crash or power cut interrupted is finished or taken back before anything else
// looks at the folders; nothing is left to do in the usual case, one listing of an empty folder.
} // namespace

bool hasLocationForm(const QString &location, QChar separator)
{
    return location.size() >= 4 && rootLength(location, separator) > 0 && !isMalformed(location);
}

bool ValidateLocations(Context &context, platform::LocationsEditor &locations, bool showDialogFirst)
{
    SharedState &state = context.state;
    if (showDialogFirst)
        showLocationsDialog(state, locations);

    if (anyMalformed(state))
        discardDamagedSettings(context);
    // Locations that overlap, or hold the home folder, are as unusable as missing ones, since
    // emptying or removing in one could reach into another or into the user's own files.
    if (const QString clash = usableClash(state); !allValid(state) || !clash.isEmpty()) {
        context.messages.inform(clash.isEmpty() ? kLocationsNotValid
                                                : locationsRefusedMessage(clash));
        showLocationsDialog(state, locations);
    }

    state.StagingDir = platform::withTrailingSeparator(state.StagingDir);
    state.StowbayDir = platform::withTrailingSeparator(state.StowbayDir);
    state.MsfsDir = platform::withTrailingSeparator(state.MsfsDir);

    const QString clash = usableClash(state);
    if (!allValid(state) || !clash.isEmpty()) {
        if (!clash.isEmpty())
            context.messages.inform(locationsRefusedMessage(clash));
        context.messages.inform(kLocationsIncorrect);
        removeSettingsFile(context);
        ShutDown();
    }

    while (!hasAircraftFolder(state)) {
        if (!context.messages.confirmOk(kNoAircraftFolder))
            return false;
        showLocationsDialog(state, locations);
        state.MsfsDir = platform::withTrailingSeparator(state.MsfsDir);
    }
    return true;
}

bool startUp(Context &context, platform::LocationsEditor &locations, MainWindowGeometry &mainWindow)
{
    SharedState &state = context.state;
    state.AppDir = platform::withTrailingSeparator(state.AppDir);

    const bool firstRun = !readSettingsFile(settingsFilePath(state), state, mainWindow);
    if (firstRun)
        context.messages.inform(firstRunMessage());

    if (!ValidateLocations(context, locations, firstRun))
        return false;
    settleInterruptedWork(context);

    if (listCategories(state.StowbayDir).isEmpty())
        createDefaultCategories(context);
    return true;
}

void settleInterruptedWork(Context &context)
{
    const SharedState &state = context.state;
    QStringList unsettled;
    {
        const platform::ActivityScope recording =
            recordActivity(context, QStringLiteral("Start-up"));
        unsettled = recoverTransactions(state.StateDir);
        unsettled += recoverRemovals(context.messages, state.StateDir);
        // An unpack a crash interrupted is taken back to whole contents before anything looks.
        recoverStaging(context.messages, state.StagingDir);
    }
    if (unsettled.isEmpty())
        return;
    context.messages.inform(
        QStringLiteral("Wingstash could not finish tidying up after work that was interrupted "
                       "earlier.  Please check these:\r\n\r\n") +
        unsettled.join(QStringLiteral("\r\n")));
}

LocationsOutcome changeLocations(Context &context, platform::LocationsEditor &locations)
{
    const QString previousStowbay = context.state.StowbayDir;
    if (!ValidateLocations(context, locations, true))
        return LocationsOutcome::EndNow;
    if (context.state.StowbayDir == previousStowbay)
        return LocationsOutcome::Keep;
    context.messages.inform(kStowbayChanged);
    return LocationsOutcome::Restart;
}

const QStringList &defaultCategories()
{
    static const QStringList categories{
        QStringLiteral("Aircraft - Heavy Jets"),  QStringLiteral("Aircraft - Heavy Props"),
        QStringLiteral("Aircraft - Light Jets"),  QStringLiteral("Aircraft - Light Props"),
        QStringLiteral("Aircraft - Helicopters"), QStringLiteral("Aircraft - Military"),
        QStringLiteral("Panels - Heavy Jets"),    QStringLiteral("Panels - Light Jets"),
        QStringLiteral("Panels - Heavy Props"),   QStringLiteral("Panels - Light Props"),
        QStringLiteral("Sounds - Heavy Jets"),    QStringLiteral("Sounds - Light Jets"),
        QStringLiteral("Sounds - Heavy Props"),   QStringLiteral("Sounds - Light Props")};
    return categories;
}
