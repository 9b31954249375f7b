#include "install/StoreActions.h"

#include "package/CfgUsers.h"
#include "package/FolderLayout.h"
#include "package/Removal.h"
#include "package/Scan.h"
#include "platform/FaultInjection.h"
#include "platform/MainControls.h"
#include "support/PackageTestHelpers.h"
#include "support/StoreFixture.h"

#include <gtest/gtest.h>

namespace {

const QString kDone = QStringLiteral("Done.");
const QString kAskSimulator = QStringLiteral(
    "You are about to erase this package from the stowbay but it exists in Flight Simulator.  Do "
    "you want to remove it from Flight Simulator as well?  If you pick no, nothing will be "
    "removed from MSFS or the Stowbay.");
const QString kAskRemoveMsfs = QStringLiteral(
    "Are you sure you want to remove this package from the Flight Simulator directory?");
const QString kAskStore =
    QStringLiteral("Are you sure you want to remove this package from the stowbay?");

// The test is the main window too: entering Stowbay mode selects the first option and scans
// the package again, as the window does.
class StoreActionsTest : public ::testing::Test, public platform::MainControls {
protected:
    StoreFixture fx;
    TreeBuilder &tree = fx.tree;
    TestContext &tc = fx.test;
    int option = 0, captionUpdates = 0;
    QString package, nameText;

    int optionIndex() const override { return option; }
    void setOptionIndex(int index) override { option = index; }
    QString packageNameText() const override { return nameText; }
    void setPackageNameText(const QString &text) override { nameText = text; }
    QString categoryText() const override { return QStringLiteral("Props"); }
    QStringList categories() const override { return {categoryText()}; }
    QString packageText() const override { return package; }
    void showStaging() override { ADD_FAILURE(); }
    void showStowbay(bool) override
    {
        option = 0;
        const QString name = GetPackageName(package);
        const QString folder = FolderLayout(tc.state).packageFolder(categoryText(), name);
        if (!name.isEmpty() && QFileInfo(folder).isDir())
            ScanPackage(tc, folder);
    }
    void updateCaption() override { ++captionUpdates; }
    void refreshPackageListIfShown() override {}

    void SetUp() override
    {
        tc.state.StagingDir = tree.folder("Staging").path("Staging/");
        // Two other aircraft name two of the package's gauges; the simulator has one of its own.
        tree.file("MSFS/Aircraft/Other/Panel/Panel.CFG", "gauge00=SHARED!x\r\n")
            .file("MSFS/Aircraft/Zed/panel/panel.cfg", "// notes2=1\r\n")
            .file("MSFS/Gauges/Shared.gau", "shared")
            .file("MSFS/Gauges/notes.gau", "notes")
            .file("MSFS/Gauges/foreign.gau", "foreign")
            .folder("MSFS/Sound");
    }

    void store(const QString &name, const QByteArray &panel = "g=own!x\r\ng=shared\r\ng=notes\r\n")
    {
        const QString at = "Stowbay/Props/" + name + "/";
        tree.file(at + "Panel/panel.cfg", panel)
            .file(at + "Gauges/own.gau", "own")
            .file(at + "Gauges/shared.gau", "shared")
            .file(at + "Gauges/notes.gau", "notes");
    }

    void run(const QString &text, int chosen)
    {
        package = text;
        showStowbay(false);
        option = chosen;
        DoStowbayAction(tc, *this);
    }
    bool installed(const QString &name) const { return FolderLayout(tc.state).isInstalled(name); }
};

TEST_F(StoreActionsTest, InstallAndRemoveLeaveTheSimulatorAsItWas)
{
    store("Cessna");
    tree.file("Stowbay/Props/Cessna/Images/a.jpg", "jpg");
    const QStringList before = entriesBelow(tree.path("MSFS"));
    tc.messages.expectOk(kDone)
        .expectOk("This package is already installed in Flight Simulator.")
        .expectOk("Package changes while the package is installed in MSFS are not permitted.")
        .expectOk(kDone);
    run("Cessna", 0);
    run("< Cessna >", 0);
    run("< Cessna >", 3);
    run("< Cessna >", 5);
    EXPECT_EQ(tree.read("Staging/a.jpg"), "jpg");
    EXPECT_TRUE(tree.exists("MSFS/Aircraft/Cessna/Panel/panel.cfg"));
    EXPECT_TRUE(tree.exists("MSFS/Gauges/own.gau"));

    tc.messages.expectYesNo(kAskSimulator, false).expectYesNo(kAskRemoveMsfs, true).expectOk(kDone);
    run("< Cessna >", 2);
    EXPECT_TRUE(installed("Cessna"));
    run("< Cessna >", 1);
    // Gauges another panel names (in a comment, inside a longer word) stay; so does one that
    // is not the package's.
    EXPECT_EQ(entriesBelow(tree.path("MSFS")), before);
    EXPECT_FALSE(tc.progress.visible);

    tc.messages.expectOk("This package is not currently installed in Flight Simulator.")
        .expectYesNo("Are you sure you want to erase the current image from the stowbay "
                     "directory?",
                     true)
        .expectOk(kDone)
        .expectYesNo(kAskSimulator, true)
        .expectYesNo(kAskStore, false)
        .expectYesNo(kAskStore, true)
        .expectOk(kDone)
        .expectOk("Please select a package first.");
    run("Cessna", 1);
    run("Cessna", 3);
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna/Images/a.jpg"));
    run("Cessna", 0);
    run("< Cessna >", 2);
    EXPECT_EQ(entriesBelow(tree.path("MSFS")), before);
    EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Gauges/own.gau"));
    run("Cessna", 2);
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna"));
    run("", 1);
}

TEST_F(StoreActionsTest, AliasUsersBlockRemovalBeforeAnythingIsDeleted)
{
    store("Cessna");
    tree.file("MSFS/Aircraft/Cessna/Panel/panel.cfg", "own")
        .file("MSFS/Aircraft/Piper/Sound/Sound.cfg", "[fltsim]\r\nalias=CESSNA\\sound\r\n");
    const QStringList before = entriesBelow(tree.root());
    tc.messages.expectYesNo(kAskRemoveMsfs, true)
        .expectOk("Cannot remove.  This sound in this package is used (via alias) by an "
                  "aircraft(s) in the Flight Simulator directory as shown.");
    run("< Cessna >", 1);
    EXPECT_EQ(tc.packageList.rows, QStringList{"piper"});
    EXPECT_EQ(tc.packageList.caption, "sound used in ...");
    EXPECT_EQ(entriesBelow(tree.root()), before);

    tree.file("MSFS/Aircraft/Piper/Panel/panel.cfg", "alias=cessna\\panel\r\n");
    tc.messages.expectYesNo(kAskSimulator, true)
        .expectOk("Cannot remove.  The panel in this package is used (via alias) by an "
                  "aircraft(s) in the Flight Simulator directory as shown.");
    run("< Cessna >", 2);
    EXPECT_TRUE(installed("Cessna"));

    // In the store only a panel alias protects the package.
    store("Mooney", "[fltsim]\r\nalias=Cessna\\panel\r\n");
    QDir(tree.path("MSFS/Aircraft/Cessna")).removeRecursively();
    tc.messages
        .expectOk("Cannot remove.  This panel is used (via alias) by an aircraft(s) in the "
                  "Stowbay as shown.")
        .expectOk("This package has a panel alias which points to a panel (cessna\\panel) which "
                  "is not installed.  Please install this panel first.");
    run("Cessna", 2);
    run("Mooney", 0);
    EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Panel/panel.cfg"));
    EXPECT_FALSE(installed("Mooney"));

    // A sound.cfg that cannot be read (its link leads to a disc no longer there) may borrow the
    // sound: it counts as a user.
    QDir(tree.path("MSFS/Aircraft/Piper")).removeRecursively();
    tree.file("MSFS/Aircraft/Cessna/Panel/panel.cfg", "own")
        .link("MSFS/Aircraft/Gone/Sound/sound.cfg", tree.path("cd-rom/sound.cfg"));
    tc.messages.expectYesNo(kAskRemoveMsfs, true)
        .expectOk(unreadableCfgMessage({tree.path("MSFS/Aircraft/Gone/Sound/sound.cfg")}, "sound"))
        .expectOk("Cannot remove.  This sound in this package is used (via alias) by an "
                  "aircraft(s) in the Flight Simulator directory as shown.");
    run("< Cessna >", 1);
    EXPECT_TRUE(installed("Cessna"));
}

TEST_F(StoreActionsTest, CopyToStagingGoesOnIntoRemovalFromTheStore)
{
    store("Cessna");
    tree.file("Staging/left.txt", "x").file("MSFS/Aircraft/Cessna/aircraft.cfg", "installed");
    tc.messages.expectYesNo("The staging area is not clear.  Are you sure?", true)
        .expectYesNo("Done.  Would you like to remove this package from the stowbay?", true)
        .expectYesNo(kAskSimulator, true)
        .expectYesNo(kAskStore, true)
        .expectOk(kDone);
    run("< Cessna >", 4);
    EXPECT_EQ(nameText, "Cessna");
    EXPECT_EQ(captionUpdates, 1);
    EXPECT_TRUE(tree.exists("Staging/Cessna/Gauges/own.gau"));
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna"));
    EXPECT_FALSE(tree.exists("MSFS/Aircraft/Cessna"));
}

TEST_F(StoreActionsTest, ACopyThatCannotBeForcedToDiskKeepsItsSourceInTheStore)
{
    store("Cessna");
    // The copy syncs before its commit and before its record goes; the third sync is the one
    // before the store's package would be deleted.
    const platform::faults::ArmedFault fault({platform::faults::Call::Sync, 3, EIO, false});
    tc.messages.expectYesNo("Done.  Would you like to remove this package from the stowbay?", true)
        .expectOk("Wingstash could not make sure that the copy in " + tc.state.StagingDir +
                  "Cessna is on the disk, so nothing was deleted.  " + qt_error_string(EIO) + ".");
    run("Cessna", 4);
    EXPECT_TRUE(tree.exists("Staging/Cessna/Gauges/own.gau"));
    EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Gauges/own.gau"));
}

TEST_F(StoreActionsTest, RemovalNeverReachesPastThePackagesOwnFolder)
{
    // An installed package that is a link to a folder elsewhere: only the link goes.
    store("Cessna");
    tree.file("Elsewhere/panel.cfg", "keep").link("MSFS/Aircraft/Cessna", tree.path("Elsewhere"));
    tc.messages.expectYesNo(kAskRemoveMsfs, true).expectOk(kDone);
    run("< Cessna >", 1);
    EXPECT_FALSE(installed("Cessna"));
    EXPECT_EQ(tree.read("Elsewhere/panel.cfg"), "keep");
}

TEST_F(StoreActionsTest, ARemovalThatCannotDeleteEverythingDeletesNothing)
{
    // Whatever cannot go, the package's simulator folder, a gauge the removal would delete or a
    // stored file, is named, and nothing at all is deleted.
    store("Cessna");
    tree.file("MSFS/Aircraft/Cessna/Panel/panel.cfg").file("MSFS/Aircraft/Cessna/.DS_Store");
    tree.file("MSFS/Gauges/own.gau", "own");
    const struct {
        QString locked;
        QString package;
        int option;
        QString question;
    } cases[] = {
        {"MSFS/Aircraft/Cessna/Panel/panel.cfg", "< Cessna >", 1, kAskRemoveMsfs},
        {"MSFS/Gauges/own.gau", "< Cessna >", 1, kAskRemoveMsfs},
        {"Stowbay/Props/Cessna/Gauges/notes.gau", "< Cessna >", 2, kAskSimulator},
    };
    for (const auto &c : cases) {
        tree.readOnly(c.locked);
        const QStringList before = entriesBelow(tree.root());
        const std::optional<platform::RemovalObstacle> obstacle =
            platform::removalObstacle(tree.path(c.locked));
        ASSERT_TRUE(obstacle);
        if (c.option == 2) // the simulator's copy goes first, as the user agreed
            tc.messages.expectYesNo(kAskSimulator, true).expectYesNo(kAskStore, true);
        else
            tc.messages.expectYesNo(c.question, true);
        tc.messages.expectOk(nothingRemovedMessage(*obstacle));
        run(c.package, c.option);
        tc.messages.verifyAllShown();
        if (c.option == 1) {
            EXPECT_EQ(entriesBelow(tree.root()), before) << c.locked.toStdString();
        }
        EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Gauges/notes.gau"));
        ASSERT_TRUE(
            QFile::setPermissions(tree.path(c.locked), QFile::ReadOwner | QFile::WriteOwner));
    }
    EXPECT_FALSE(installed("Cessna"));

    // Hidden entries go with the folder: nothing of the package is left behind.
    tree.file("Stowbay/Props/Cessna/.DS_Store").file("Stowbay/Props/Cessna/__MACOSX/._x");
    tc.messages.expectYesNo(kAskStore, true).expectOk(kDone);
    run("Cessna", 2);
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna"));
}

TEST_F(StoreActionsTest, PanelAliasRoundTripKeepsTheFirstBackup)
{
    store("Cessna");
    store("Mooney", "mooney's own");
    tc.messages.expectOk(
        "Done.  Now you can easily create a new panel.cfg file containing the created alias for "
        "any package (aircraft) by selecting the package and picking the 'Paste panel alias' "
        "option.  The old panel.cfg file, if it exists, will be renamed to oldpanel.cfg and can "
        "be easily restored by picking the 'Restore old panel' option.");
    run("Cessna", 6);
    tc.messages.expectOk("You cannot paste a panel alias to the package where you got the alias!")
        .expectOk(kDone)
        .expectOk(kDone);
    run("Cessna", 8);
    run("Mooney", 8);
    run("Mooney", 8);
    const QString panel = "Stowbay/Props/Mooney/Panel/";
    EXPECT_EQ(tree.read(panel + "panel.cfg"), "[fltsim]\r\nalias=Cessna\\panel\r\n");
    EXPECT_EQ(tree.read(panel + "oldpanel.cfg"), "mooney's own");

    tc.messages.expectOk(kDone).expectOk(
        "This package does not contain an oldpanel.cfg file to restore.");
    run("Mooney", 10);
    run("Mooney", 10);
    EXPECT_EQ(tree.read(panel + "panel.cfg"), "mooney's own");
    EXPECT_FALSE(tree.exists(panel + "oldpanel.cfg"));
}

} // namespace
