#include "intake/StagingActions.h"

#include "package/Scan.h"
#include "platform/FaultInjection.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <QDir>
#include <QDirIterator>

#include <gtest/gtest.h>

namespace {

const QString kCategory = QStringLiteral("Aircraft - Light Props");

// Relative paths of the files below dir, sorted.
QStringList filesBelow(const QString &dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(dir).relativeFilePath(it.next()));
    files.sort();
    return files;
}

class StagingActionsTest : public ::testing::Test {
protected:
    TreeBuilder staging, stowbay, msfs;
    TestContext tc;

    void SetUp() override
    {
        tc.state.StagingDir = tc.state.AppDir = staging.root();
        tc.state.StowbayDir = stowbay.folder(kCategory).root();
        tc.state.MsfsDir = msfs.folder("aircraft").folder("gauges").root();
    }
    void scan() { ScanPackage(tc, tc.state.StagingDir); }
    StagingOutcome run(StagingAction action, const QString &name = {})
    {
        return DoStagingAction(tc, action, {kCategory, {kCategory}, {}, name});
    }
    StagingOutcome copy(const QString &name) { return run(StagingAction::CopyToStowbay, name); }
};

TEST_F(StagingActionsTest, CopyChecksTheNameAndAsksForEachMissingFileFirst)
{
    staging.file("readme.txt", "docs");
    scan();
    stowbay.folder(kCategory + "/docs");
    // No pictures; no name; a name of blanks, which is cleared; a name the store holds.
    tc.messages.expectAnswers("oooo");
    EXPECT_FALSE(run(StagingAction::RemoveImage).showModeAgain);
    EXPECT_FALSE(copy({}).packageName);
    EXPECT_EQ(copy("   ").packageName, QString());
    EXPECT_FALSE(copy("Docs").handOver);
    // Cancel at any of the questions about the four missing configuration files stores nothing.
    for (const char *answers : {"c", "kc", "kkc", "kkkc"}) {
        tc.messages.expectAnswers(answers);
        EXPECT_FALSE(copy("Just Docs").handOver);
    }
    EXPECT_EQ(filesBelow(stowbay.root()), QStringList{});

    // A sound set leaves three questions; the copy offers to clear Staging, which stays as it was.
    staging.file("Sound.cfg", "[WIND_SOUND]\r\nfilename=A3_Wind.wav\r\n").file("a3_Wind.wav");
    scan();
    tc.messages.expectAnswers("kkk");
    const StagingOutcome stored = copy("A3 Sounds");
    EXPECT_EQ(filesBelow(stowbay.path(kCategory)),
              (QStringList{"A3 Sounds/Documentation/readme.txt", "A3 Sounds/Sound/a3_wind.wav",
                           "A3 Sounds/Sound/sound.cfg"}));
    EXPECT_TRUE(stored.refreshPackageList);
    ASSERT_TRUE(stored.handOver);
    EXPECT_EQ(stored.handOver->next, StagingAction::RemoveAll);
    EXPECT_EQ(filesBelow(staging.root()), (QStringList{"Sound.cfg", "a3_Wind.wav", "readme.txt"}));
}

TEST_F(StagingActionsTest, StagingIsClearedOnlyOnceTheStoredCopyIsOnDisk)
{
    staging.file("readme.txt", "docs");
    scan();
    for (const bool synced : {false, true}) {
        const QString name = synced ? "Docs" : "Docs Again";
        // The copy syncs before its commit and before its record goes; the third sync comes
        // before Staging may be cleared.
        const platform::faults::ArmedFault fault(
            {platform::faults::Call::Sync, synced ? 0 : 3, EIO, false});
        tc.messages.expectAnswers("kkkk");
        const StagingOutcome stored = copy(name);
        ASSERT_TRUE(stored.handOver);
        tc.messages.expectYesNo(true);
        if (!synced)
            tc.messages.expectOk("Wingstash could not make sure that the copy in " +
                                 stowbay.path(kCategory + "/" + name) +
                                 " is on the disk, so nothing was deleted.  " +
                                 qt_error_string(EIO) + ".");
        EXPECT_EQ(handOverTaken(tc, stored.handOver->question, stored.handOver->copy), synced);
    }
    tc.messages.expectYesNo(true);
    const StagingOutcome cleared = run(StagingAction::RemoveAll);
    EXPECT_EQ(filesBelow(staging.root()), QStringList{});
    EXPECT_EQ(cleared.packageName, QString());
    EXPECT_TRUE(cleared.showModeAgain);
}

TEST_F(StagingActionsTest, EachCleanUpTakesItsComponents)
{
    staging.files({"a3.air", "A3_check.txt", "file_id.diz", "readme.txt", "Images/view.jpg",
                   "Images/cockpit.gif", "model/A3.mdl", "panel/Main.bmp", "panel/a3gauges.gau",
                   "texture/a3_t.bmp", "texture/a3_t.oaf", "sound/A3_eng.wav", "sound/click.wav"});
    staging.file("aircraft.cfg", "[fltsim.0]\r\ntitle=Ridgeway A3\r\n")
        .file("model/model.cfg", "[models]\r\n")
        .file("panel/Panel.cfg", "[Window00]\r\nfile=Main.bmp\r\ngauge00=a3gauges!asi, 0,0\r\n")
        .file("panel/oldpanel.cfg", "[Window00]\r\nfile=main.bmp\r\n")
        .file("sound/sound.cfg", "[engine]\r\nfilename=a3_eng\r\n")
        .file("sound/oldsound.cfg", "[engine]\r\nfilename=a3_old\r\n");
    scan();
    QStringList files = filesBelow(staging.root());
    // Each clean-up but the picture's says Done; the panel and aircraft ones add a note about the
    // pictures left.
    const struct {
        StagingAction action;
        const char *answers;
        QStringList gone;
    } cases[] = {
        // The sounds sound.cfg does not name go with the panel (they belong to its gauges).
        {StagingAction::RemovePanel,
         "yok",
         {"panel/Main.bmp", "panel/Panel.cfg", "panel/a3gauges.gau", "panel/oldpanel.cfg",
          "sound/click.wav"}},
        {StagingAction::RemoveImage, "y", {"Images/cockpit.gif"}},
        {StagingAction::RemoveSound,
         "yo",
         {"sound/A3_eng.wav", "sound/oldsound.cfg", "sound/sound.cfg"}},
        {StagingAction::RemoveAircraft,
         "yok",
         {"A3_check.txt", "a3.air", "aircraft.cfg", "file_id.diz", "model/A3.mdl",
          "model/model.cfg", "texture/a3_t.bmp", "texture/a3_t.oaf"}},
    };
    for (const auto &c : cases) {
        tc.messages.expectAnswers(c.answers);
        EXPECT_TRUE(run(c.action).showModeAgain);
        for (const QString &file : c.gone)
            files.removeOne(file);
        EXPECT_EQ(filesBelow(staging.root()), files);
        scan();
    }
}

TEST_F(StagingActionsTest, RemovePanelWithoutSoundCfgTakesEveryWav)
{
    staging.files({"panel/a.gau", "sound/engine.wav", "sound/click.wav", "notes.txt"})
        .file("panel/panel.cfg", "gauge00=a!b\r\n");
    scan();
    tc.messages.expectAnswers("yo");
    run(StagingAction::RemovePanel);
    EXPECT_EQ(filesBelow(staging.root()), QStringList{"notes.txt"});
}

} // namespace
