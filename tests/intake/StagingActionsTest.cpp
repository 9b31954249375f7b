#include "intake/StagingActions.h"

#include "package/Files.h"
#include "package/Scan.h"
#include "platform/FaultInjection.h"
#include "platform/MainControls.h"
#include "support/PackageTestHelpers.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

namespace {

const QString kCategory = QStringLiteral("Aircraft - Light Props");
const QString kDone = QStringLiteral("Done.");
const QString kClearQuestion =
    QStringLiteral("Done.  Would you like to clear the Staging area at this point?");
const QString kEraseAll =
    QStringLiteral("Are you sure you want to erase everything in the staging directory?");
const QString kAircraftCfgMissing = QStringLiteral(
    "The aircraft.cfg file is missing from the package.  You need this file if this package is "
    "an aircraft.  If this package doesn't contain an aircraft click OK.   Are you sure you "
    "want to continue?");
const QString kModelCfgMissing = QStringLiteral(
    "The model.cfg file is missing from the package.  You need this file if this package is an "
    "aircraft.  If this package doesn't contain an aircraft click OK.  Are you sure you want to "
    "continue?");
const QString kPanelCfgMissing =
    QStringLiteral("The panel.cfg file is missing from the package.  You need this file if this "
                   "package should contain a panel.  Are you sure you want to continue?");
const QString kSoundCfgMissing =
    QStringLiteral("The sound.cfg file is missing from the package.  You need this file if this "
                   "package should have sound.  Are you sure you want to continue?");
const QString kErasePanel = QStringLiteral(
    "Are you sure you want to erase the panel components from the staging directory?");
const QString kEraseSound = QStringLiteral(
    "Are you sure you want to erase the sound components from the staging directory?  (Please "
    "note that some sounds are embedded in gauges.  If so they will not be removed until you "
    "remove the panel.)");
const QString kEraseAircraft = QStringLiteral(
    "Are you sure you want to erase the aircraft body components (aircraft, model, texture, "
    "kneeboard text) from the staging directory?");
const QString kEraseImage =
    QStringLiteral("Are you sure you want to erase the current image from the staging directory?");
// The note after a panel or aircraft clean-up, which leaves the pictures alone.
QString imagesNote(const char *of)
{
    return QStringLiteral("There may be images of the %1 remaining because there is no way of "
                          "knowing what an image is associated with.  Check the Images tab and "
                          "remove any that are unwanted.")
        .arg(QLatin1String(of));
}

enum Option { Copy, RemoveAll, RemoveImage, RemovePanel, RemoveAircraft, RemoveSound };

// Relative paths of the files below dir, sorted.
QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

// The main window as the Staging actions see it; showing Staging rescans the folder as the
// real window does.
class FakeMainControls : public platform::MainControls {
public:
    explicit FakeMainControls(Context &context) : context_(context) {}

    int option = Copy, stagingShown = 0, packageListRefreshes = 0;
    QString name, category = kCategory;
    QStringList categoryList{kCategory};

    int optionIndex() const override { return option; }
    void setOptionIndex(int index) override { option = index; }
    QString packageNameText() const override { return name; }
    void setPackageNameText(const QString &text) override { name = text; }
    QString categoryText() const override { return category; }
    QStringList categories() const override { return categoryList; }
    QString packageText() const override { return {}; }
    void showStaging() override
    {
        ++stagingShown;
        ScanPackage(context_, context_.state.StagingDir);
        option = Copy;
        if (name.isEmpty() && PackageHasFile(context_.state, "aircraft.cfg"))
            name = context_.state.AircraftTitle;
    }
    void showStowbay(bool) override { ADD_FAILURE() << "Staging actions never enter Stowbay"; }
    void updateCaption() override {}
    void refreshPackageListIfShown() override { ++packageListRefreshes; }

private:
    Context &context_;
};

class StagingActionsTest : public ::testing::Test {
protected:
    TreeBuilder staging, stowbay, msfs;
    TestContext tc;
    FakeMainControls controls{tc.context};

    void SetUp() override
    {
        tc.state.StagingDir = staging.root();
        tc.state.StowbayDir = stowbay.root();
        tc.state.MsfsDir = msfs.root();
        tc.state.AppDir = staging.root();
        stowbay.folder(kCategory);
        msfs.folder("aircraft").folder("gauges");
    }

    void scan() { ScanPackage(tc, tc.state.StagingDir); }

    void run(int option)
    {
        controls.option = option;
        DoStagingAction(tc, controls);
    }

    // An aircraft with something for every clean-up rule.
    void stageAircraft()
    {
        for (const char *name :
             {"a3.air", "A3_check.txt", "file_id.diz", "readme.txt", "Images/view.jpg",
              "Images/cockpit.gif", "model/A3.mdl", "panel/Main.bmp", "panel/a3gauges.gau",
              "texture/a3_t.bmp", "texture/a3_t.oaf", "sound/A3_eng.wav", "sound/click.wav"})
            staging.file(QString::fromLatin1(name), name);
        staging.file("aircraft.cfg", "[fltsim.0]\r\ntitle=Ridgeway A3\r\n")
            .file("model/model.cfg", "[models]\r\n")
            .file("panel/Panel.cfg", "[Window00]\r\nfile=Main.bmp\r\ngauge00=a3gauges!asi, 0,0\r\n")
            .file("panel/oldpanel.cfg", "[Window00]\r\nfile=main.bmp\r\n")
            .file("sound/sound.cfg", "[engine]\r\nfilename=a3_eng\r\n")
            .file("sound/oldsound.cfg", "[engine]\r\nfilename=a3_old\r\n");
        scan();
    }
};

TEST_F(StagingActionsTest, NameChecksMissingFileQuestionsAndACopyOfASoundSet)
{
    staging.file("readme.txt", "docs");
    scan();
    stowbay.folder(kCategory + "/docs");
    tc.messages.expectOk("Please enter a package name.")
        .expectOk("Please enter a package name.")
        .expectOk("Package name already exists in " + stowbay.root() + kCategory +
                  ".  Please use another name.")
        .expectOk("No images available.");

    run(Copy);
    controls.name = "   ";
    run(Copy);
    EXPECT_TRUE(controls.name.isEmpty());
    controls.name = "Docs";
    run(Copy);
    run(RemoveImage);

    // Cancel at any of the questions about missing files stores nothing.
    controls.name = "Just Docs";
    const QStringList questions{kAircraftCfgMissing, kModelCfgMissing, kPanelCfgMissing,
                                kSoundCfgMissing};
    for (int cancelAt = 0; cancelAt < questions.size(); ++cancelAt) {
        for (int i = 0; i < cancelAt; ++i)
            tc.messages.expectOkCancel(questions.at(i), true);
        tc.messages.expectOkCancel(questions.at(cancelAt), false);
        run(Copy);
    }
    EXPECT_EQ(filesBelow(stowbay.root()), QStringList{});

    // With a sound set, three answers store the package; Staging stays as it was.
    staging.file("Sound.cfg", "[WIND_SOUND]\r\nfilename=A3_Wind.wav\r\n").file("a3_Wind.wav");
    scan();
    controls.name = "A3 Sounds";
    tc.messages.expectOkCancel(kAircraftCfgMissing, true)
        .expectOkCancel(kModelCfgMissing, true)
        .expectOkCancel(kPanelCfgMissing, true)
        .expectYesNo(kClearQuestion, false);
    run(Copy);
    EXPECT_EQ(filesBelow(stowbay.path(kCategory)),
              (QStringList{"A3 Sounds/Documentation/readme.txt", "A3 Sounds/Sound/a3_wind.wav",
                           "A3 Sounds/Sound/sound.cfg"}));
    EXPECT_EQ(controls.packageListRefreshes, 1);
    EXPECT_EQ(filesBelow(staging.root()), (QStringList{"Sound.cfg", "a3_Wind.wav", "readme.txt"}));
    EXPECT_EQ(controls.option, Copy);
    EXPECT_EQ(controls.stagingShown, 0);
}

TEST_F(StagingActionsTest, StagingIsClearedOnlyOnceTheStoredCopyIsOnDisk)
{
    staging.file("readme.txt", "docs");
    scan();
    controls.name = "Docs";
    for (const bool synced : {false, true}) {
        // The copy syncs before its commit and before its record goes; the third sync comes
        // before Staging is cleared.
        const platform::faults::ArmedFault fault(
            {platform::faults::Call::Sync, synced ? 0 : 3, EIO, false});
        for (const QString &question :
             {kAircraftCfgMissing, kModelCfgMissing, kPanelCfgMissing, kSoundCfgMissing})
            tc.messages.expectOkCancel(question, true);
        tc.messages.expectYesNo(kClearQuestion, true);
        const QString copy = stowbay.path(kCategory + "/" + controls.name);
        if (synced)
            tc.messages.expectYesNo(kEraseAll, true).expectOk(kDone);
        else
            tc.messages.expectOk("Wingstash could not make sure that the copy in " + copy +
                                 " is on the disk, so nothing was deleted.  " +
                                 qt_error_string(EIO) + ".");
        run(Copy);
        EXPECT_EQ(filesBelow(copy), QStringList{"Documentation/readme.txt"});
        EXPECT_EQ(filesBelow(staging.root()), synced ? QStringList{} : QStringList{"readme.txt"});
        controls.name = "Docs Again";
    }
}

TEST_F(StagingActionsTest, EachCleanUpTakesItsComponentsAsOneAndRescans)
{
    stageAircraft();
    ASSERT_EQ(tc.state.CurrentImage, 1);
    const QString shown = tc.state.ComponentFiles[Images].first().realPath;
    // One file that cannot go keeps all of them.
    staging.readOnly("panel/Panel.cfg");
    const QStringList before = filesBelow(staging.root());
    tc.messages.expectYesNo(kErasePanel, true)
        .expectOk("Nothing was removed, because Wingstash cannot delete " +
                  staging.path("panel/Panel.cfg") + ": it is read-only.");
    run(RemovePanel);
    EXPECT_EQ(filesBelow(staging.root()), before);
    QFile(staging.path("panel/Panel.cfg")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);

    tc.messages.expectYesNo(kErasePanel, true)
        .expectOk(kDone)
        .expectOkCancel(imagesNote("panel"), false);
    run(RemovePanel);
    // The sounds sound.cfg does not name go with the panel (they belong to its gauges).
    EXPECT_EQ(filesBelow(staging.root()),
              (QStringList{"A3_check.txt", "Images/cockpit.gif", "Images/view.jpg", "a3.air",
                           "aircraft.cfg", "file_id.diz", "model/A3.mdl", "model/model.cfg",
                           "readme.txt", "sound/A3_eng.wav", "sound/oldsound.cfg",
                           "sound/sound.cfg", "texture/a3_t.bmp", "texture/a3_t.oaf"}));
    EXPECT_EQ(controls.stagingShown, 2);
    EXPECT_EQ(controls.option, Copy);
    EXPECT_TRUE(tc.state.ComponentFiles[Panel].isEmpty());

    tc.messages.expectYesNo(kEraseImage, true)
        .expectYesNo(kEraseSound, true)
        .expectOk(kDone)
        .expectYesNo(kEraseAircraft, true)
        .expectOk(kDone)
        .expectOkCancel(imagesNote("aircraft"), true);
    run(RemoveImage);
    EXPECT_FALSE(QFile::exists(shown));
    EXPECT_EQ(tc.state.ComponentFiles[Images].size(), 1);
    run(RemoveSound);
    EXPECT_EQ(filesBelow(staging.root()).size(), 10);
    run(RemoveAircraft);
    const QString keptImage =
        shown.endsWith("cockpit.gif") ? "Images/view.jpg" : "Images/cockpit.gif";
    EXPECT_EQ(filesBelow(staging.root()), (QStringList{keptImage, "readme.txt"}));
    EXPECT_EQ(controls.stagingShown, 5);
}

TEST_F(StagingActionsTest, RemovePanelWithoutSoundCfgTakesEveryWav)
{
    staging.file("panel/panel.cfg", "gauge00=a!b\r\n")
        .file("panel/a.gau", "gauge")
        .file("sound/engine.wav", "engine")
        .file("sound/click.wav", "click")
        .file("notes.txt", "notes");
    scan();
    tc.messages.expectYesNo(kErasePanel, true).expectOk(kDone);

    run(RemovePanel);

    EXPECT_EQ(filesBelow(staging.root()), QStringList{"notes.txt"});
}

} // namespace
