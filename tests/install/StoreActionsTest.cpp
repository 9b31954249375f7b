#include "install/StoreActions.h"

#include "package/FolderLayout.h"
#include "package/Scan.h"
#include "platform/MainControls.h"
#include "support/PackageTestHelpers.h"
#include "support/StoreFixture.h"

#include <QDirIterator>

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

// Every entry below dir with its content, folders ending with "/".
QStringList snapshot(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const bool isFile = it.fileInfo().isFile() && file.open(QIODevice::ReadOnly);
        entries.append(QDir(dir).relativeFilePath(path) + (isFile ? "=" + file.readAll() : "/"));
    }
    entries.sort();
    return entries;
}

// The main window as the store actions see it; entering Stowbay mode selects the first option
// and scans the package again, as the window does.
class FakeControls : public platform::MainControls {
public:
    explicit FakeControls(Context &context) : context_(context) {}
    int option = 0;
    QString package, category = QStringLiteral("Props"), nameText;
    int captionUpdates = 0;

    QString headerCaption() const override { return QStringLiteral("Stowbay"); }
    int optionIndex() const override { return option; }
    void setOptionIndex(int index) override { option = index; }
    QString packageNameText() const override { return nameText; }
    void setPackageNameText(const QString &text) override { nameText = text; }
    QString categoryText() const override { return category; }
    QStringList categories() const override { return {category}; }
    QString packageText() const override { return package; }
    void showStaging() override { ADD_FAILURE() << "store actions never enter Staging"; }
    void showStowbay(bool) override
    {
        option = 0;
        const QString folder =
            FolderLayout(context_.state).packageFolder(category, GetPackageName(package));
        if (!package.isEmpty() && QFileInfo(folder).isDir())
            ScanPackage(context_, folder);
        else
            ClearPackageView(context_);
    }
    void updateCaption() override { ++captionUpdates; }
    void refreshPackageListIfShown() override {}

private:
    Context &context_;
};

class StoreActionsTest : public ::testing::Test {
protected:
    StoreFixture fx;
    TreeBuilder &tree = fx.tree;
    TestContext &tc = fx.test;
    FakeControls controls{tc.context};

    void SetUp() override
    {
        tree.folder("MSFS/Gauges").folder("MSFS/Sound").folder("Staging");
        tc.state.StagingDir = tree.path("Staging/");
        // Another aircraft shares a gauge; the simulator has one of its own.
        tree.file("MSFS/Aircraft/Other/Panel/Panel.CFG", "gauge00=SHARED!x\r\n// notes2=1\r\n")
            .file("MSFS/Gauges/Shared.gau", "shared")
            .file("MSFS/Gauges/notes.gau", "notes")
            .file("MSFS/Gauges/foreign.gau", "foreign");
    }

    void store(const QString &name,
               const QByteArray &panel = "gauge00=own!x\r\ngauge01=shared!y\r\ngauge02=notes!z\r\n")
    {
        const QString at = "Stowbay/Props/" + name + "/";
        tree.file(at + "aircraft.cfg", "[fltsim.0]\r\ntitle=" + name.toLatin1() + "\r\n")
            .file(at + "Panel/panel.cfg", panel)
            .file(at + "Gauges/own.gau", "own")
            .file(at + "Gauges/shared.gau", "shared")
            .file(at + "Gauges/notes.gau", "notes")
            .file(at + "Images/a.jpg", "jpg");
    }

    void run(const QString &package, int option)
    {
        controls.package = package;
        controls.option = option;
        controls.showStowbay(false);
        controls.option = option;
        DoStowbayAction(tc, controls);
    }
    bool installed(const QString &name) const { return FolderLayout(tc.state).isInstalled(name); }
};

TEST_F(StoreActionsTest, InstallAndRemoveLeaveTheSimulatorAsItWas)
{
    store("Cessna");
    const QStringList before = snapshot(tree.path("MSFS"));
    tc.messages.expectOk(kDone).expectOk("This package is already installed in Flight Simulator.");
    run("Cessna", 0);
    run("< Cessna >", 0);
    EXPECT_TRUE(tree.exists("MSFS/Aircraft/Cessna/Panel/panel.cfg"));
    EXPECT_TRUE(tree.exists("MSFS/Gauges/own.gau"));

    tc.messages.expectYesNo(kAskSimulator, false).expectYesNo(kAskRemoveMsfs, true).expectOk(kDone);
    run("< Cessna >", 2);
    EXPECT_TRUE(installed("Cessna"));
    run("< Cessna >", 1);
    // Gauges another panel names (in a comment, inside a longer word) stay; so does one that
    // is not the package's.
    EXPECT_EQ(snapshot(tree.path("MSFS")), before);

    tc.messages.expectOk("This package is not currently installed in Flight Simulator.")
        .expectOk(kDone)
        .expectYesNo(kAskSimulator, true)
        .expectYesNo(kAskStore, false)
        .expectYesNo(kAskStore, true)
        .expectOk(kDone)
        .expectOk("Please select a package first.");
    run("Cessna", 1);
    run("Cessna", 0);
    run("< Cessna >", 2);
    EXPECT_EQ(snapshot(tree.path("MSFS")), before);
    EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Gauges/own.gau"));
    run("Cessna", 2);
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna"));
    EXPECT_TRUE(tree.exists("Stowbay/Props"));
    run("", 1);
}

TEST_F(StoreActionsTest, AliasUsersBlockRemovalBeforeAnythingIsDeleted)
{
    store("Cessna");
    tree.file("MSFS/Aircraft/Cessna/Panel/panel.cfg", "own")
        .file("MSFS/Aircraft/Piper/Sound/Sound.cfg", "[fltsim]\r\nalias=CESSNA\\sound\r\n");
    const QStringList before = snapshot(tree.root());
    const QString soundUsed = "Cannot remove.  This sound in this package is used (via alias) by "
                              "an aircraft(s) in the Flight Simulator directory as shown.";
    tc.messages.expectYesNo(kAskRemoveMsfs, true).expectOk(soundUsed);
    run("< Cessna >", 1);
    tc.messages.expectYesNo(kAskSimulator, true).expectOk(soundUsed);
    run("< Cessna >", 2);
    EXPECT_EQ(tc.packageList.rows, QStringList{"piper"});
    EXPECT_EQ(tc.packageList.caption, "sound used in ...");
    EXPECT_EQ(snapshot(tree.root()), before);

    // The panel is checked first.
    tree.file("MSFS/Aircraft/Piper/Panel/panel.cfg", "alias=cessna\\panel\r\n");
    tc.messages.expectYesNo(kAskSimulator, true)
        .expectOk("Cannot remove.  The panel in this package is used (via alias) by an "
                  "aircraft(s) in the Flight Simulator directory as shown.");
    run("< Cessna >", 2);
    EXPECT_EQ(tc.packageList.caption, "panel used in ...");
    EXPECT_TRUE(installed("Cessna"));

    // In the store only a panel alias protects the package.
    store("Mooney", "[fltsim]\r\nalias=Cessna\\panel\r\n");
    QDir(tree.path("MSFS/Aircraft/Cessna")).removeRecursively();
    tc.messages.expectOk("Cannot remove.  This panel is used (via alias) by an aircraft(s) in "
                         "the Stowbay as shown.");
    run("Cessna", 2);
    EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Panel/panel.cfg"));
    // Mooney borrows a panel that is not in the simulator.
    tc.messages.expectOk("This package has a panel alias which points to a panel "
                         "(cessna\\panel) which is not installed.  Please install this panel "
                         "first.");
    run("Mooney", 0);
    EXPECT_FALSE(installed("Mooney"));
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

    EXPECT_EQ(controls.nameText, "Cessna");
    EXPECT_EQ(controls.captionUpdates, 1);
    EXPECT_EQ(controls.option, 0);
    EXPECT_TRUE(tree.exists("Staging/Cessna/Gauges/own.gau"));
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna"));
    EXPECT_FALSE(tree.exists("MSFS/Aircraft/Cessna"));
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

    // A file that cannot be deleted stops the removal before the gauges: each file left is named.
    tree.file("MSFS/Aircraft/Cessna/Panel/panel.cfg", "ro").file("MSFS/Gauges/own.gau", "own");
    tree.readOnly("MSFS/Aircraft/Cessna/Panel/panel.cfg");
    tc.messages.expectYesNo(kAskRemoveMsfs, true)
        .expectOk(readOnlyFileMessage(tree.path("MSFS/Aircraft/Cessna/Panel/panel.cfg")))
        .expectOk("There was a problem removing a directory.  The file or directory may be set "
                  "to READ ONLY mode (i.e. CD ROM).")
        .expectOk("There was a problem removing a file or directory.  The file or directory may "
                  "be set to READ ONLY mode (i.e. CD ROM).");
    run("< Cessna >", 1);
    EXPECT_TRUE(installed("Cessna"));
    EXPECT_TRUE(tree.exists("MSFS/Gauges/own.gau"));
    EXPECT_FALSE(tc.progress.visible);
}

TEST_F(StoreActionsTest, ImagesAndRefusalsOfAnInstalledPackage)
{
    store("Cessna");
    tree.folder("MSFS/Aircraft/Cessna");
    tc.messages
        .expectOk("Package changes while the package is installed in MSFS are not "
                  "permitted.")
        .expectOk(kDone);
    run("< Cessna >", 3);
    run("< Cessna >", 5);
    EXPECT_EQ(tree.read("Staging/a.jpg"), "jpg");
    EXPECT_EQ(controls.captionUpdates, 1);

    QDir(tree.path("MSFS/Aircraft/Cessna")).removeRecursively();
    tc.messages.expectYesNo(
        "Are you sure you want to erase the current image from the stowbay directory?", true);
    run("Cessna", 3);
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna/Images/a.jpg"));
    EXPECT_TRUE(tc.view.picture.isEmpty());
    tc.messages.expectOk("No images available.").expectOk("No images available.");
    run("Cessna", 3);
    run("Cessna", 5);
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
    EXPECT_EQ(tree.read("Stowbay/Props/Mooney/Panel/panel.cfg"),
              "[fltsim]\r\nalias=Cessna\\panel\r\n");
    EXPECT_EQ(tree.read("Stowbay/Props/Mooney/Panel/oldpanel.cfg"), "mooney's own");
    EXPECT_EQ(tc.state.PanelAlias, "cessna\\panel");

    tc.messages.expectOk(kDone).expectOk(
        "This package does not contain an oldpanel.cfg file to restore.");
    run("Mooney", 10);
    run("Mooney", 10);
    EXPECT_EQ(tree.read("Stowbay/Props/Mooney/Panel/panel.cfg"), "mooney's own");
    EXPECT_FALSE(tree.exists("Stowbay/Props/Mooney/Panel/oldpanel.cfg"));
}

} // namespace
