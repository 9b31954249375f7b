#include "intake/StagingActions.h"

#include "platform/FaultInjection.h"
#include "support/MainWindowFake.h"
#include "support/PackageTestHelpers.h"

#include <gtest/gtest.h>

namespace {

// Relative paths of the files below dir, sorted.
QStringList filesBelow(const QString &dir)
{
    QStringList entries = entriesBelow(dir);
    entries.removeIf([](const QString &entry) { return entry.endsWith('/'); });
    return entries;
}

// The actions run by Go in Staging mode, a package going to the store's category Props.
class StagingActionsTest : public ::testing::Test, public MainWindowScenario {
protected:
    void SetUp() override { tree.folder("Stowbay/Props").folder("MSFS/Gauges"); }
    // Staging shown afresh, the name typed, the option chosen, Go.
    void run(StagingAction action, const QString &name = {})
    {
        if (controller.mode() == MainMode::Welcome)
            start();
        controller.stagingClicked();
        window.name = name;
        go(action);
    }
    void copy(const QString &name) { run(StagingAction::CopyToStowbay, name); }
    QStringList staged() const { return filesBelow(tree.path("Staging")); }
};

TEST_F(StagingActionsTest, StagingIsClearedOnlyOnceTheStoredCopyIsOnDisk)
{
    for (const bool synced : {false, true}) {
        tree.file("Staging/readme.txt", "docs");
        const QString name = synced ? "Docs" : "Docs Again";
        // The copy syncs before its commit and before its record goes; the third sync comes
        // before Staging may be cleared.
        const platform::faults::ArmedFault fault(
            {platform::faults::Call::Sync, synced ? 0 : 3, EIO, false});
        test.messages.expectAnswers(synced ? "kkkkyyo" : "kkkky");
        if (!synced)
            test.messages.expectOk("Wingstash could not make sure that the copy in " +
                                   tree.path("Stowbay/Props/" + name) +
                                   " is on the disk, so nothing was deleted.  " +
                                   qt_error_string(EIO) + ".");
        copy(name);
        EXPECT_TRUE(tree.exists("Stowbay/Props/" + name + "/Documentation/readme.txt"));
        EXPECT_EQ(staged(), synced ? QStringList{} : QStringList{"readme.txt"});
        EXPECT_EQ(window.name, synced ? QString() : name); // cleared with Staging
    }
}

TEST_F(StagingActionsTest, EachCleanUpTakesItsComponents)
{
    for (const char *name :
         {"a3.air", "A3_check.txt", "file_id.diz", "readme.txt", "Images/view.jpg",
          "Images/cockpit.gif", "model/A3.mdl", "panel/Main.bmp", "panel/a3gauges.gau",
          "texture/a3_t.bmp", "texture/a3_t.oaf", "sound/A3_eng.wav", "sound/click.wav"})
        tree.file("Staging/" + QString::fromLatin1(name));
    tree.file("Staging/aircraft.cfg", "[fltsim.0]\r\ntitle=Ridgeway A3\r\n")
        .file("Staging/model/model.cfg", "[models]\r\n")
        .file("Staging/panel/Panel.cfg", "[Window00]\r\nfile=Main.bmp\r\ngauge00=a3gauges!x\r\n")
        .file("Staging/panel/oldpanel.cfg", "[Window00]\r\nfile=main.bmp\r\n")
        .file("Staging/sound/sound.cfg", "[engine]\r\nfilename=a3_eng\r\n")
        .file("Staging/sound/oldsound.cfg", "[engine]\r\nfilename=a3_old\r\n");
    QStringList files = staged();
    // Each clean-up but the picture's says Done; the panel and aircraft ones add a note about the
    // pictures left, when there are any. Staging is shown again: the list of what went is empty.
    const struct {
        StagingAction action;
        const char *answers;
        int emptiedList;
        QStringList gone;
    } cases[] = {
        // The sounds sound.cfg does not name go with the panel (they belong to its gauges).
        {StagingAction::RemovePanel,
         "yok",
         Panel,
         {"panel/Main.bmp", "panel/Panel.cfg", "panel/a3gauges.gau", "panel/oldpanel.cfg",
          "sound/click.wav"}},
        {StagingAction::RemoveImage, "y", Images, {"Images/cockpit.gif"}},
        {StagingAction::RemoveImage, "y", Images, {"Images/view.jpg"}}, // the last one left
        {StagingAction::RemoveSound,
         "yo",
         Sound,
         {"sound/A3_eng.wav", "sound/oldsound.cfg", "sound/sound.cfg"}},
        {StagingAction::RemoveAircraft,
         "yo", // no pictures are left to note
         Aircraft,
         {"A3_check.txt", "a3.air", "aircraft.cfg", "file_id.diz", "model/A3.mdl",
          "model/model.cfg", "texture/a3_t.bmp", "texture/a3_t.oaf"}},
    };
    for (const auto &c : cases) {
        test.messages.expectAnswers(c.answers);
        run(c.action);
        for (const QString &file : c.gone)
            files.removeOne(file);
        EXPECT_EQ(staged(), files);
        EXPECT_TRUE(c.emptiedList == Images || test.view.rows.at(c.emptiedList).isEmpty());
    }

    // A file that cannot go once the checks passed (only a change meanwhile can do that) is
    // named, and the clean-up does not say Done.
    tree.file("Staging/sound.cfg", "[a]\r\nfilename=a\r\n[b]\r\nfilename=b\r\n")
        .file("Staging/a.wav")
        .file("Staging/b.wav");
    const platform::faults::ArmedFault secondFails({platform::faults::Call::Rename, 2, EACCES});
    test.messages.expectAnswers("yo");
    run(StagingAction::RemoveSound);
    EXPECT_EQ(staged(), (QStringList{"b.wav", "readme.txt"}));
}

TEST_F(StagingActionsTest, CopyChecksTheNameAndAsksForEachMissingFileFirst)
{
    tree.file("Staging/readme.txt", "docs").folder("Stowbay/Props/docs");
    // No pictures; no name; a name of blanks, which is cleared; a name the store holds; no
    // category chosen.
    test.messages.expectAnswers("ooooo");
    run(StagingAction::RemoveImage);
    copy({});
    copy("   ");
    EXPECT_EQ(window.name, QString());
    copy("Docs");
    window.category = -1;
    copy("Just Docs");
    window.category = 0;
    // Cancel at any of the questions about the four missing configuration files stores nothing.
    for (const char *answers : {"c", "kc", "kkc", "kkkc"}) {
        test.messages.expectAnswers(answers);
        copy("Just Docs");
    }
    EXPECT_EQ(filesBelow(tree.path("Stowbay")), QStringList{});

    // A sound set leaves three questions; No to clearing Staging leaves it as it was. The package
    // list window shows the new package.
    tree.file("Staging/Sound.cfg", "[WIND_SOUND]\r\nfilename=A3_Wind.wav\r\n")
        .file("Staging/a3_Wind.wav");
    test.packageList.visible = true;
    test.messages.expectAnswers("kkkn");
    copy("A3 Sounds");
    EXPECT_EQ(filesBelow(tree.path("Stowbay/Props")),
              (QStringList{"A3 Sounds/Documentation/readme.txt", "A3 Sounds/Sound/a3_wind.wav",
                           "A3 Sounds/Sound/sound.cfg"}));
    EXPECT_TRUE(test.packageList.rows.contains("A3 Sounds"));
    EXPECT_EQ(staged(), (QStringList{"Sound.cfg", "a3_Wind.wav", "readme.txt"}));
}

} // namespace
