#include "app/Startup.h"

#include "app/Settings.h"
#include "package/ShutDown.h"
#include "platform/FileSystem.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString kNotValid =
    "One or more of the three directory locations specified are not valid.  Please verify them "
    "now or select Cancel to exit Wingstash.";
const QString kIncorrect =
    "One or more of the directories you specified are incorrect.  Make sure you have valid "
    "Staging Directory, Stowbay Directory and Microsoft Flight Simulator directory set up and "
    "try Wingstash again.";
const QString kNoAircraft =
    "Cannot find an 'aircraft' subdirectory in the directory you specified for Flight "
    "Simulator.  The directory you selected must not be the directory where you installed "
    "Flight Simulator.";
const QString kInvalidData =
    "The ws.ini file contained invalid data and was removed.  Please re-start Wingstash.";
const QString kStowbayChanged = "You've changed the Stowbay directory.  This requires you to "
                                "restart Wingstash.  Wingstash will now close.";
const QString kFirstRun =
    "It appears as though this is the first time you are running Wingstash.  For Wingstash to "
    "function properly you need to specify three directories:\r\n\r\n- Staging directory: A "
    "directory where you initially extract (unzip) files for a single aircraft into.\r\n- "
    "Stowbay Directory: A 'collection' directory where the files from the Staging directory "
    "are stored when you choose to accept them into the Stowbay.\r\n- Microsoft Flight "
    "Simulator Directory: The directory where Flight Simulator is installed, (ie, c:\\Program "
    "Files\\FS2000)\r\n\r\nNote:  You should create two empty directories for the Staging and "
    "Stowbay locations with Windows Explorer.  See readme.txt for more info.";

// The Locations dialog as the user would fill it: each showing applies the next scripted edit.
// A showing nobody scripted fails the test; so does a scripted one never reached.
class ScriptedLocationsEditor : public platform::LocationsEditor {
public:
    using Edit = std::function<void(platform::Locations &)>;
    ScriptedLocationsEditor &then(Edit edit)
    {
        edits_.append(std::move(edit));
        return *this;
    }
    ScriptedLocationsEditor &thenUnchanged()
    {
        return then([](platform::Locations &) {});
    }
    void edit(platform::Locations &locations) override
    {
        seen.append(locations);
        if (edits_.isEmpty()) {
            ADD_FAILURE() << "Locations dialog shown unexpectedly";
            return;
        }
        edits_.takeFirst()(locations);
    }
    ~ScriptedLocationsEditor() override
    {
        EXPECT_TRUE(edits_.isEmpty()) << edits_.size() << " Locations dialog showings missing";
    }
    QList<platform::Locations> seen;

private:
    QList<Edit> edits_;
};

// Staging, store and simulator folders (with its "Aircraft" as real simulators spell it), and
// the program's folder holding ws.ini.
struct Folders {
    TreeBuilder tree;
    TestContext test;
    ScriptedLocationsEditor editor;

    Folders()
    {
        tree.folder("staging").folder("stowbay").folder("fs2000/Aircraft").folder("app");
        test.state.AppDir = tree.path("app/");
    }
    void useLocations()
    {
        test.state.StagingDir = tree.path("staging");
        test.state.StowbayDir = tree.path("stowbay");
        test.state.MsfsDir = tree.path("fs2000");
    }
    void writeIni(const QByteArray &content) { tree.file("app/ws.ini", content); }
    QByteArray iniForTree() const
    {
        return ("STAGINGDIR=" + tree.path("staging") + "\r\nSTOWBAYDIR=" + tree.path("stowbay") +
                "\r\nMSFSDIR=" + tree.path("fs2000") + "\r\nMTOP=900\r\n")
            .toUtf8();
    }
    QStringList storeFolders() const
    {
        return QDir(tree.path("stowbay")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST(ValidateLocations, ValidLocationsPassQuietlyAndGainSeparators)
{
    Folders f;
    f.useLocations();
    EXPECT_TRUE(ValidateLocations(f.test, f.editor, false));
    EXPECT_EQ(f.test.state.StagingDir, f.tree.path("staging/"));
    EXPECT_EQ(f.test.state.StowbayDir, f.tree.path("stowbay/"));
    EXPECT_EQ(f.test.state.MsfsDir, f.tree.path("fs2000/"));
    EXPECT_EQ(AddBackslash(""), "");

    // Four characters and a linked folder are enough.
    Folders g;
    g.tree.link("linked-staging", g.tree.path("staging"));
    g.useLocations();
    g.test.state.StagingDir = g.tree.path("linked-staging");
    g.test.state.StowbayDir = "/tmp";
    EXPECT_TRUE(ValidateLocations(g.test, g.editor, false));
    EXPECT_EQ(g.test.state.StowbayDir, "/tmp/");
}

TEST(ValidateLocations, MissingLocationIsFixedInTheDialogShownAsHeld)
{
    Folders f;
    f.useLocations();
    f.test.state.StowbayDir.clear();
    f.test.messages.expectOk(kNotValid);
    f.editor.then([&](platform::Locations &l) { l.stowbay = f.tree.path("stowbay/"); });
    EXPECT_TRUE(ValidateLocations(f.test, f.editor, false));
    EXPECT_EQ(f.test.state.StowbayDir, f.tree.path("stowbay/"));
    ASSERT_EQ(f.editor.seen.size(), 1);
    EXPECT_TRUE(f.editor.seen[0].stowbay.isEmpty());
    EXPECT_EQ(f.editor.seen[0].msfs, f.tree.path("fs2000"));
}

TEST(ValidateLocations, StillWrongAfterTheDialogRemovesWsIniAndShutsDown)
{
    Folders f;
    f.writeIni("MTOP=100\r\n");
    f.useLocations();
    f.test.state.MsfsDir = f.tree.path("no-such-folder");
    f.test.messages.expectOk(kNotValid).expectOk(kIncorrect);
    f.editor.thenUnchanged();
    EXPECT_THROW(ValidateLocations(f.test, f.editor, false), ShutDownRequest);
    EXPECT_FALSE(f.tree.exists("app/ws.ini"));
    // The locations as they stand are kept, so the shut-down writes them back.
    EXPECT_EQ(f.test.state.StagingDir, f.tree.path("staging/"));

    // "/./" is an existing directory but, like a drive root, too short to be a location; a
    // file is no location either.
    for (const QString &bad :
         {QStringLiteral("/./"), QStringLiteral("/"), QStringLiteral("file")}) {
        Folders g;
        g.tree.file("file");
        g.useLocations();
        g.test.state.StagingDir = bad == "file" ? g.tree.path("file") : bad;
        g.test.messages.expectOk(kNotValid).expectOk(kIncorrect);
        g.editor.thenUnchanged();
        EXPECT_THROW(ValidateLocations(g.test, g.editor, false), ShutDownRequest);
    }
}

TEST(ValidateLocations, MissingAircraftFolderIsAskedUntilFixed)
{
    Folders f;
    f.tree.folder("empty-fs").folder("other/sub");
    f.useLocations();
    f.test.state.MsfsDir = f.tree.path("empty-fs");
    f.test.messages.expectOkCancel(kNoAircraft, true).expectOkCancel(kNoAircraft, true);
    f.editor.then([&](platform::Locations &l) { l.msfs = f.tree.path("other"); })
        .then([&](platform::Locations &l) { l.msfs = f.tree.path("fs2000"); });
    EXPECT_TRUE(ValidateLocations(f.test, f.editor, false));
    EXPECT_EQ(f.test.state.MsfsDir, f.tree.path("fs2000/"));
    // The dialog saw the simulator folder as normalised before it asked.
    EXPECT_EQ(f.editor.seen[0].msfs, f.tree.path("empty-fs/"));
}

TEST(ValidateLocations, EmptiedSimulatorFolderIsNotLookedUpRelativelyAndCancelEnds)
{
    Folders f;
    f.tree.folder("empty-fs");
    f.useLocations();
    f.test.state.MsfsDir = f.tree.path("empty-fs");
    // Even when the working folder holds an "aircraft" folder, an emptied location has none.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(f.tree.path("fs2000"));
    QDir().mkdir("aircraft");
    f.test.messages.expectOkCancel(kNoAircraft, true).expectOkCancel(kNoAircraft, false);
    f.editor.then([](platform::Locations &l) { l.msfs.clear(); });
    EXPECT_FALSE(ValidateLocations(f.test, f.editor, false));
    QDir::setCurrent(previous);
}

TEST(ValidateLocations, JunkLocationsRemoveWsIniAndEmptyTheLocations)
{
    const QString junk[] = {QStringLiteral("/data/\x01\x02junk"), QString(QChar(0x9d)) + "/x"};
    for (const QString &bad : junk) {
        Folders f;
        f.writeIni("MTOP=100\r\n");
        f.useLocations();
        f.test.state.StowbayDir = bad;
        f.test.messages.expectOkCancel(kInvalidData, false);
        EXPECT_THROW(ValidateLocations(f.test, f.editor, false), ShutDownRequest);
        EXPECT_FALSE(f.tree.exists("app/ws.ini"));
        EXPECT_TRUE(f.test.state.StagingDir.isEmpty() && f.test.state.StowbayDir.isEmpty() &&
                    f.test.state.MsfsDir.isEmpty());
    }
}

TEST(ValidateLocations, ARelativeLocationIsInvalidAndAskedForAgain)
{
    Folders f;
    f.useLocations();
    f.test.state.StagingDir = QStringLiteral("relative/staging");
    f.test.messages.expectOk(kNotValid);
    f.editor.then([&](platform::Locations &l) { l.staging = f.tree.path("staging"); });
    EXPECT_TRUE(ValidateLocations(f.test, f.editor, false));
    EXPECT_EQ(f.test.state.StagingDir, f.tree.path("staging/"));
}

TEST(StartUp, FirstRunExplainsOpensTheDialogAndCreatesTheCategories)
{
    Folders f;
    f.test.messages.expectOk(kFirstRun);
    f.editor.then([&](platform::Locations &l) {
        l.staging = f.tree.path("staging");
        l.stowbay = f.tree.path("stowbay");
        l.msfs = f.tree.path("fs2000");
    });
    MainWindowGeometry main;
    ASSERT_TRUE(startUp(f.test, f.editor, main));
    EXPECT_EQ(f.test.state.StowbayDir, f.tree.path("stowbay/"));
    EXPECT_EQ(
        f.storeFolders(),
        QStringList({"Aircraft - Heavy Jets", "Aircraft - Heavy Props", "Aircraft - Helicopters",
                     "Aircraft - Light Jets", "Aircraft - Light Props", "Aircraft - Military",
                     "Panels - Heavy Jets", "Panels - Heavy Props", "Panels - Light Jets",
                     "Panels - Light Props", "Sounds - Heavy Jets", "Sounds - Heavy Props",
                     "Sounds - Light Jets", "Sounds - Light Props"}));
}

TEST(StartUp, FirstRunWithTheDialogCancelledShutsDownWritingNothing)
{
    Folders f;
    f.test.messages.expectOk(kFirstRun).expectOk(kNotValid).expectOk(kIncorrect);
    f.editor.thenUnchanged().thenUnchanged();
    MainWindowGeometry main;
    EXPECT_THROW(startUp(f.test, f.editor, main), ShutDownRequest);
    EXPECT_TRUE(writeSettingsFile(settingsFilePath(f.test.state), f.test.state, main, nullptr));
    EXPECT_FALSE(f.tree.exists("app/ws.ini"));
}

TEST(StartUp, WsIniGivesLocationsAndGeometryWithoutQuestions)
{
    Folders f;
    f.writeIni(f.iniForTree());
    f.tree.folder("stowbay/Mine");
    MainWindowGeometry main;
    ASSERT_TRUE(startUp(f.test, f.editor, main));
    EXPECT_EQ(f.test.state.MsfsDir, f.tree.path("fs2000/"));
    EXPECT_EQ(main.top, 900.0);
    // A store that holds any folder at all is left as it is.
    EXPECT_EQ(f.storeFolders(), QStringList{"Mine"});
}

TEST(StartUp, CancelledAircraftQuestionEndsAtOnce)
{
    Folders f;
    f.writeIni(f.iniForTree());
    QDir(f.tree.path("fs2000/Aircraft")).removeRecursively();
    f.test.messages.expectOkCancel(kNoAircraft, false);
    MainWindowGeometry main;
    EXPECT_FALSE(startUp(f.test, f.editor, main));
    EXPECT_TRUE(f.storeFolders().isEmpty());
    EXPECT_TRUE(f.tree.exists("app/ws.ini"));
}

TEST(StartUp, JunkInWsIniIsDiscarded)
{
    Folders f;
    f.writeIni("STAGINGDIR=\x01\x02\x03\r\nSTOWBAYDIR=/x/\r\nMSFSDIR=/y/\r\n");
    f.test.messages.expectOkCancel(kInvalidData, true);
    MainWindowGeometry main;
    EXPECT_THROW(startUp(f.test, f.editor, main), ShutDownRequest);
    EXPECT_FALSE(f.tree.exists("app/ws.ini"));
    // Nothing is written back on the way out, so the next start is a first run.
    EXPECT_TRUE(writeSettingsFile(settingsFilePath(f.test.state), f.test.state, main, nullptr));
    EXPECT_FALSE(f.tree.exists("app/ws.ini"));
}

TEST(StartUp, CategoryThatCannotBeCreatedIsReportedAndStartUpGoesOn)
{
    Folders f;
    f.writeIni(f.iniForTree());
    f.tree.file("stowbay/Aircraft - Military", "a file in the way");
    const QString blocked = f.tree.path("stowbay/Aircraft - Military");
    const QString reason = platform::makeFolder(blocked).error;
    ASSERT_FALSE(reason.isEmpty());
    f.test.messages.expectOk("Wingstash could not create the category folder " + blocked + ".  " +
                             reason);
    MainWindowGeometry main;
    EXPECT_TRUE(startUp(f.test, f.editor, main));
    EXPECT_EQ(f.storeFolders().size(), 13);
}

TEST(StartUp, UnwritableStoreIsReportedOnceForAllCategories)
{
    Folders f;
    f.writeIni(f.iniForTree());
    QStringList lines;
    for (const QString &category : defaultCategories()) {
        f.tree.file("stowbay/" + category);
        const QString path = f.tree.path("stowbay/" + category);
        lines.append(path + ".  " + platform::makeFolder(path).error);
    }
    f.test.messages.expectOk("Wingstash could not create these category folders:\r\n\r\n" +
                             lines.join("\r\n"));
    MainWindowGeometry main;
    EXPECT_TRUE(startUp(f.test, f.editor, main));
    EXPECT_TRUE(f.storeFolders().isEmpty());
}

TEST(ChangeLocations, SameStoreKeepsRunningButOneDifferingOnlyInCaseRestarts)
{
    Folders f;
    f.tree.folder("staging2").folder("Stowbay");
    f.useLocations();
    ASSERT_TRUE(ValidateLocations(f.test, f.editor, false));
    f.editor.then([&](platform::Locations &l) { l.staging = f.tree.path("staging2"); })
        .then([&](platform::Locations &l) { l.stowbay = f.tree.path("Stowbay"); });
    EXPECT_EQ(changeLocations(f.test, f.editor), LocationsOutcome::Keep);
    EXPECT_EQ(f.test.state.StagingDir, f.tree.path("staging2/"));

    f.test.messages.expectOk(kStowbayChanged);
    EXPECT_EQ(changeLocations(f.test, f.editor), LocationsOutcome::Restart);
}
