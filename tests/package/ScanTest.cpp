#include "package/Scan.h"

#include "PackageTestHelpers.h"
#include "TestContext.h"
#include "package/Capacities.h"
#include "package/Walk.h"

#include <gtest/gtest.h>

namespace {

// Grows an irregular tree below folder, each folder's files before its sub-folders, noting
// each file as "real path|lower path" in the order a walk must give.
void growTree(TreeBuilder &tree, const QString &folder, int depth, QStringList &walkOrder)
{
    for (int f = 0; f < 1 + depth % 2; ++f) {
        const QString real = tree.path(folder + QStringLiteral("F%1.txt").arg(f));
        tree.file(folder + QStringLiteral("F%1.txt").arg(f));
        walkOrder.append(real + '|' + real.toLower());
    }
    for (int d = 0; depth > 0 && d < 2 + depth % 3; ++d)
        growTree(tree, folder + QStringLiteral("D%1/").arg(d), depth - 1, walkOrder);
}

} // namespace

TEST(WalkFiles, SharedByTwoThreadsKeepsTheOrderOfOneWalk)
{
    for (const int depth : {0, 1, 5}) {
        TreeBuilder tree;
        QStringList expected;
        growTree(tree, {}, depth, expected);
        QStringList walked;
        for (const PackageFile &file : walkFiles(tree.root()))
            walked.append(file.realPath + '|' + file.path);
        EXPECT_EQ(walked, expected) << depth;
    }
}

TEST(ScanPackage, EachScanReplacesEverythingTheLastOneShowed)
{
    TreeBuilder tree;
    // The first alias line of panel.cfg counts; a kept oldpanel.cfg names none.
    tree.file("a/panel.cfg", "[fltsim]\r\nalias=b\\panel\r\nfile=x.bmp\r\nalias=c\\panel\r\n")
        .file("a/oldpanel.cfg", "alias=old\\panel\r\n")
        .file("a/sound.cfg", "alias=b\\sound\r\n")
        .file("a/aircraft.cfg", "title=A\r\n")
        .files({"a/Images/Front.JPG", "b/x.gau", "b/a.gif", "b/b.jpg"})
        .folder("empty");
    TestContext t;
    t.state.StagingDir = tree.path("staging/");
    // The Staging folder is found without regard to case; one picture pages nowhere.
    ScanPackage(t, tree.path("A/"));
    EXPECT_GT(t.progress.stillWorkingCalls, 0); // the window stays painted during a long walk
    EXPECT_EQ(t.view.picture, tree.path("a/Images/Front.JPG"));
    EXPECT_FALSE(t.view.pagingEnabled);
    const QString captionWithStagingEmpty = t.view.caption;
    EXPECT_EQ(t.view.soundAlias2, "b\\sound");
    EXPECT_EQ(t.state.PanelAlias, "b\\panel");
    EXPECT_EQ(t.state.AircraftCfgLineCount, 1);
    EXPECT_TRUE(t.view.tabAvailable[Aircraft] && t.view.tabAvailable[Images]);

    tree.file("staging/left.txt");
    ScanPackage(t, tree.path("b/"));
    EXPECT_EQ(t.state.CurrentImage, 1);
    EXPECT_EQ(t.view.picture, tree.path("b/a.gif"));
    EXPECT_TRUE(t.view.pagingEnabled);
    EXPECT_NE(t.view.caption, captionWithStagingEmpty);
    EXPECT_EQ(t.view.panelAlias1 + t.view.soundAlias1 + t.view.soundAlias2, "");
    EXPECT_TRUE(t.state.PanelAlias.isEmpty() && t.state.SoundAlias.isEmpty() &&
                t.state.PanelBitmaps.isEmpty());
    EXPECT_EQ(t.state.AircraftCfgLineCount, -1);
    EXPECT_EQ(t.state.AircraftTitle, "A"); // only an aircraft.cfg replaces the title
    EXPECT_FALSE(t.view.tabAvailable[Aircraft]);
    EXPECT_TRUE(t.view.tabAvailable[Gauges]);
    EXPECT_EQ(t.state.AllFiles.size(), 3);

    ScanPackage(t, tree.path("empty/"));
    EXPECT_EQ(t.state.CurrentImage, 0);
    EXPECT_TRUE(t.view.picture.isEmpty());
    EXPECT_FALSE(t.view.pagingEnabled);
    for (int kind = 0; kind < kKindCount; ++kind) {
        EXPECT_FALSE(t.view.tabAvailable[kind]) << kind;
        EXPECT_TRUE(t.view.rows[kind].isEmpty()) << kind;
    }
    EXPECT_EQ(t.state.AircraftTitle, "A");
    ScanPackage(t, tree.file("c/aircraft.cfg", "[fltsim.0]\r\nsim=c\r\n").path("c/"));
    EXPECT_EQ(t.state.AircraftTitle, ""); // an aircraft.cfg without one takes it away
}

// One configuration chosen in Staging empties the folders only the others used, and the lists
// stop showing their files.
TEST(ScanPackage, AConfigurationChosenInStagingListsOnlyWhatIsLeft)
{
    TreeBuilder tree;
    tree.file("staging/aircraft.cfg",
              "[fltsim.0]\r\ntitle=A\r\ntexture=\r\n[fltsim.1]\r\ntitle=B\r\ntexture=2\r\n")
        .files({"staging/texture/a.bmp", "staging/texture.2/b.air"});
    TestContext t;
    t.state.StagingDir = tree.path("staging/");
    t.configChooser.answers = {0};
    ScanPackage(t, t.state.StagingDir);
    EXPECT_FALSE(tree.exists("staging/texture.2/b.air"));
    EXPECT_EQ(t.view.rows[Aircraft], QStringList{"aircraft.cfg"});
    EXPECT_EQ(t.state.ComponentFiles[Aircraft].size(), 1);
}

// A package of more files than a list holds is listed in part, and the user is told so.
TEST(ScanPackage, MoreFilesThanAListHoldsAreListedInPartAndSaid)
{
    TreeBuilder tree;
    for (int i = 0; i <= capacity::kFilesPerList; ++i)
        tree.file(QStringLiteral("big/f%1.txt").arg(i));
    TestContext t;
    t.messages.expectOk();
    ScanPackage(t, tree.path("big/"));
    t.messages.verifyAllShown();
    EXPECT_EQ(t.view.rows[Documentation].size(), capacity::kFilesPerList);
}
