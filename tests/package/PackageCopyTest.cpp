#include "package/PackageCopy.h"

#include "package/Scan.h"
#include "support/DiskSnapshot.h"
#include "support/PackageTestHelpers.h"
#include "support/TestContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

const QString kCategory = "Aircraft - Heavy Props";

// Marks the pictures copied read-only as soon as their kind is done, as a tool that locks new
// files would: taking the copy back must then fail and say so.
class LockingProgress : public platform::Progress {
public:
    QString folder; // where the package is being copied to
    void show(int, int) override {}
    void hide() override {}
    void setValue(int) override
    {
        QDirIterator it(folder, {"*.jpg"}, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            QFile(it.next()).setPermissions(QFileDevice::ReadOwner);
    }
};

class PackageCopyTest : public ::testing::Test {
protected:
    TreeBuilder staging, stowbay, msfs;
    TestContext tc;

    void SetUp() override
    {
        tc.state.StagingDir = staging.root();
        tc.state.StowbayDir = stowbay.root();
        tc.state.MsfsDir = msfs.root();
        stowbay.folder(kCategory);
        // A real simulator spells its folders with capitals.
        msfs.folder("Aircraft").folder("Gauges").folder("Sound");
    }

    // A complete aircraft add-on as it comes out of its archive: mixed-case names, files of
    // every kind in sub-folders of their own.
    void stageFullAircraft()
    {
        staging.file("Aircraft.cfg", "[fltsim.0]\r\ntitle=Corvid C4\r\n")
            .file("Panel/Panel.cfg", "[Window00]\r\nfile=Main.bmp\r\ngauge00=C4_Main!Speed, "
                                     "0,0\r\ngauge01=c4glass!EICAS, 1,1\r\n")
            .file("Panel/C4_Main.GAU", "named gauge")
            .file("Panel/c4Glass.gau", "named gauge 2")
            .file("Sound/Sound.cfg", fixtureBytes("synthetic-cfg/sound-names/sound.cfg"))
            .file("Sound/Click.wav", "gauge sound")
            .files({"Corvid.AIR", "Images/Shot.JPG", "Panel/Main.bmp", "Panel/a_spare.gau",
                    "Model/Corvid.MDL", "Texture/Body.oaf", "Sound/C4_Prop.wav", "Sound/Beep.wav",
                    "ReadMe.txt", "Corvid_Check.txt", "extra.xyz"});
        ScanPackage(tc, tc.state.StagingDir);
    }

    QString storeTarget(const QString &name) const { return stowbay.path(kCategory + "/" + name); }
};

TEST_F(PackageCopyTest, IntakeLaysOutTheStoreKindByKindWithLowerCaseNamesAndNamedGaugesOnly)
{
    stageFullAircraft();
    const QStringList stagedBefore = entriesBelow(staging.root());
    ASSERT_TRUE(CopyPackage(tc, storeTarget("Corvid")));
    // Aircraft files at the top, every other kind flat in a folder of its own.
    const QString layout =
        "Documentation/|Documentation/readme.txt|Gauges/|Gauges/c4_main.gau|"
        "Gauges/c4glass.gau|Images/|Images/shot.jpg|Model/|Model/corvid.mdl|Panel/|"
        "Panel/main.bmp|Panel/panel.cfg|Sound/|Sound/beep.wav|Sound/c4_prop.wav|"
        "Sound/click.wav|Sound/sound.cfg|Texture/|Texture/body.oaf|Unrecognized Files/|"
        "Unrecognized Files/extra.xyz|aircraft.cfg|corvid.air|corvid_check.txt";
    EXPECT_EQ(entriesBelow(stowbay.path(kCategory + "/Corvid")), layout.split('|'));
    EXPECT_EQ(stowbay.read(kCategory + "/Corvid/Gauges/c4_main.gau"), "named gauge");
    // Nothing reaches the simulator, and the Staging area is left as it was.
    EXPECT_EQ(entriesBelow(msfs.root()), (QStringList{"Aircraft/", "Gauges/", "Sound/"}));
    EXPECT_EQ(entriesBelow(staging.root()), stagedBefore);
    EXPECT_EQ(std::pair(tc.progress.value, tc.progress.visible), std::pair(8, false));
}

TEST_F(PackageCopyTest, SimulatorInstallSharesGaugesAndUnnamedSoundsWhateverTheFoldersCase)
{
    stageFullAircraft();
    msfs.file("Sound/beep.wav", "the simulator's own beep").file("Gauges/C4GLASS.gau", "older");
    ASSERT_TRUE(CopyPackage(tc, msfs.path("aircraft/Corvid")));

    const QStringList installed = entriesBelow(msfs.path("Aircraft/Corvid"));
    EXPECT_FALSE(installed.contains("Gauges/"));
    EXPECT_TRUE(installed.contains("Panel/panel.cfg") && installed.contains("aircraft.cfg"));
    // Every gauge of the package goes to the shared folder, replacing one of the same name,
    // under a progress bar of its own.
    EXPECT_EQ(entriesBelow(msfs.path("Gauges")),
              (QStringList{"C4GLASS.gau", "a_spare.gau", "c4_main.gau"}));
    EXPECT_EQ(msfs.read("Gauges/C4GLASS.gau"), "named gauge 2");
    EXPECT_EQ(std::tuple(tc.progress.maximum, tc.progress.value, tc.progress.visible),
              std::tuple(4, 4, false));
    // Sounds that sound.cfg does not name go to the shared sound folder once, never over an
    // existing one.
    EXPECT_EQ(entriesBelow(msfs.path("Sound")), (QStringList{"beep.wav", "click.wav"}));
    EXPECT_EQ(msfs.read("Sound/beep.wav"), "the simulator's own beep");
    EXPECT_EQ(msfs.read("Sound/click.wav"), "gauge sound");

    // A store inside the simulator counts as the simulator; an empty sound.cfg names nothing.
    staging.file("Sound/Sound.cfg");
    ScanPackage(tc, tc.state.StagingDir);
    tc.state.StowbayDir = msfs.path("Stowbay/");
    msfs.folder("Stowbay/" + kCategory);
    ASSERT_TRUE(CopyPackage(tc, msfs.path("Stowbay/" + kCategory + "/Corvid")));
    EXPECT_FALSE(msfs.exists("Stowbay/" + kCategory + "/Corvid/Gauges"));
    EXPECT_EQ(entriesBelow(msfs.path("Sound")),
              (QStringList{"beep.wav", "c4_prop.wav", "click.wav"}));
}

TEST_F(PackageCopyTest, RefusalsComeBeforeAnythingIsWritten)
{
    stageFullAircraft();
    stowbay.file(kCategory + "/corvid/mine.txt", "keep");
    // The last one is 128 two-byte characters: 256 bytes.
    tc.messages.expectOk(storeTarget("Corvid"));
    EXPECT_FALSE(CopyPackage(tc, storeTarget("Corvid")));
    for (const QString &name :
         {QString("."), QString(".."), "a" + QString(QChar(0)) + "b", QString("Corvid."),
          QString("Corvid "), QString(128, QChar(0xe9))}) {
        tc.messages.expectOk();
        EXPECT_FALSE(CopyPackage(tc, storeTarget(name)));
    }
    tc.state.ScanOverflow = true;
    tc.messages.expectOk();
    EXPECT_FALSE(CopyPackage(tc, storeTarget("Cessna")));
    EXPECT_EQ(entriesBelow(stowbay.root()), (QStringList{kCategory + "/", kCategory + "/corvid/",
                                                         kCategory + "/corvid/mine.txt"}));
    tc.state.ScanOverflow = false;

    ASSERT_TRUE(QDir(msfs.path("Gauges")).removeRecursively());
    tc.messages.expectOk(tc.state.MsfsDir + "gauges");
    EXPECT_FALSE(CopyPackage(tc, msfs.path("Aircraft/Corvid")));
    EXPECT_EQ(entriesBelow(msfs.root()), (QStringList{"Aircraft/", "Sound/"}));
    // A name exactly as long as a folder name may be is taken: 85 three-byte characters.
    EXPECT_TRUE(CopyPackage(tc, storeTarget(QString(85, QChar(0x20ac)))));
}

TEST_F(PackageCopyTest, AFailedCopyThatCannotTakeBackWhatItAddedSaysWhatIsLeft)
{
    stageFullAircraft();
    // The last sound file goes missing after the scan listed it.
    staging.file("Sound/zz.wav", "soon gone");
    ScanPackage(tc, tc.state.StagingDir);
    ASSERT_TRUE(QFile::remove(staging.path("Sound/zz.wav")));
    // (Taking back what it added is proven by the fault suite.)
    const QString failure =
        staging.path("Sound/zz.wav") + " to " + storeTarget("Corvid") + "/Sound/zz.wav";
    LockingProgress locking;
    locking.folder = stowbay.path(kCategory);
    tc.messages.expectOk(failure);
    Context context{tc.state,         tc.messages,    tc.view,     locking,
                    tc.configChooser, tc.packageList, tc.launcher, tc.activityLog};
    EXPECT_FALSE(CopyPackage(context, storeTarget("Corvid")));
    // What is left is the hidden folder the copy was built in, which the message names; no list
    // shows it, and the next start tries again to remove it.
    const QStringList left = entriesBelow(stowbay.path(kCategory));
    ASSERT_FALSE(left.isEmpty());
    EXPECT_TRUE(left[0].startsWith(".wingstash-staged-") && left[0].endsWith("-Corvid/"));
    EXPECT_TRUE(left.contains(left[0] + "Images/shot.jpg"));
    EXPECT_TRUE(std::all_of(left.cbegin(), left.cend(),
                            [&](const QString &entry) { return entry.startsWith(left[0]); }));
    EXPECT_TRUE(
        tc.messages.shown.value(0).contains(stowbay.path(kCategory + "/" + left[0]).chopped(1)));
}

TEST_F(PackageCopyTest, GaugesCopiedInOnTheirOwnGoInAllOrNone)
{
    stageFullAircraft();
    msfs.file("Gauges/c4glass.gau", "another aircraft's glass");
    staging.link("Panel/zz.gau", staging.path("nowhere.gau"));
    ScanPackage(tc, tc.state.StagingDir);
    const DiskSnapshot before = snapshotOf(msfs.root());
    tc.messages.expectOk();
    ProcessGauges(tc, 1);
    tc.messages.verifyAllShown();
    EXPECT_EQ(differences(before, snapshotOf(msfs.root())), QStringList());

    ASSERT_TRUE(QFile::remove(staging.path("Panel/zz.gau")));
    ScanPackage(tc, tc.state.StagingDir);
    ProcessGauges(tc, 1);
    EXPECT_EQ(differences(before, snapshotOf(msfs.root())),
              (QStringList{"Gauges/a_spare.gau", "Gauges/c4_main.gau", "Gauges/c4glass.gau"}));
    EXPECT_TRUE(
        QDir(tc.state.StateDir).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

} // namespace
