#include "package/Scan.h"

#include "TestContext.h"
#include "TreeBuilder.h"
#include "package/Capacities.h"
#include "package/ShutDown.h"

#include <gtest/gtest.h>

TEST(ScanPackage, EmptyPackageLeavesEveryTabUnavailableAndThePlaceholderShown)
{
    TreeBuilder tree;
    tree.folder("staging");
    TestContext t;
    t.state.StagingDir = tree.path("staging/");
    t.state.CurrentImage = 3;
    t.view.picture = "old.jpg";
    t.view.tabAvailable.fill(true);
    t.view.panelAlias1 = "Panel Alias:";
    ScanPackage(t, t.state.StagingDir);
    EXPECT_EQ(t.state.CurrentImage, 0);
    EXPECT_TRUE(t.view.picture.isEmpty());
    EXPECT_FALSE(t.view.pagingEnabled);
    for (int kind = 0; kind < kKindCount; ++kind) {
        EXPECT_FALSE(t.view.tabAvailable[kind]) << kind;
        EXPECT_TRUE(t.view.rows[kind].isEmpty()) << kind;
    }
    // No panel.cfg means no alias: the captions of the last package go.
    EXPECT_TRUE(t.view.panelAlias1.isEmpty());
    EXPECT_EQ(t.view.caption, "Wingstash");
}

TEST(ScanPackage, OnePictureIsShownWithoutPagingAndTwoEnablePaging)
{
    TreeBuilder tree;
    tree.file("pkg/Images/Front.JPG").file("stowbay/x.txt");
    TestContext t;
    t.state.StagingDir = tree.path("staging/");
    ScanPackage(t, tree.path("PKG/"));
    EXPECT_EQ(t.state.CurrentImage, 1);
    EXPECT_EQ(t.view.picture, tree.path("pkg/Images/Front.JPG"));
    EXPECT_FALSE(t.view.pagingEnabled);
    EXPECT_TRUE(t.view.tabAvailable[Images]);
    EXPECT_EQ(t.view.caption, "Wingstash");

    tree.file("pkg/a.gif").file("staging/left.txt");
    ScanPackage(t, tree.path("pkg/"));
    EXPECT_EQ(t.view.picture, tree.path("pkg/a.gif"));
    EXPECT_TRUE(t.view.pagingEnabled);
    EXPECT_EQ(t.view.caption, "Wingstash (Staging Contains Files)");
}

TEST(ScanPackage, AReplacedPackageLeavesNothingOfTheLastOne)
{
    TreeBuilder tree;
    tree.file("a/panel.cfg", "[fltsim]\r\nalias=b\\panel\r\nfile=x.bmp\r\n")
        .file("a/sound.cfg", "alias=b\\sound\r\n")
        .file("a/aircraft.cfg", "title=A\r\n")
        .file("b/x.gau");
    TestContext t;
    t.state.StagingDir = tree.path("a/");
    ScanPackage(t, tree.path("a/"));
    EXPECT_EQ(t.view.soundAlias1, "Sound Alias:");
    EXPECT_EQ(t.view.soundAlias2, "b\\sound");
    EXPECT_EQ(t.state.AircraftCfgLineCount, 1);
    EXPECT_TRUE(t.view.tabAvailable[Aircraft]);

    ScanPackage(t, tree.path("b/"));
    EXPECT_TRUE(t.state.PanelAlias.isEmpty());
    EXPECT_TRUE(t.state.SoundAlias.isEmpty());
    EXPECT_TRUE(t.state.PanelBitmaps.isEmpty());
    EXPECT_TRUE(t.view.soundAlias1.isEmpty());
    EXPECT_TRUE(t.view.soundAlias2.isEmpty());
    EXPECT_EQ(t.state.AircraftCfgLineCount, -1);
    // Only an aircraft.cfg replaces the title.
    EXPECT_EQ(t.state.AircraftTitle, "A");
    EXPECT_FALSE(t.view.tabAvailable[Aircraft]);
    EXPECT_TRUE(t.view.tabAvailable[Gauges]);
    EXPECT_EQ(t.state.AllFiles.size(), 1);
}

TEST(ScanPackage, SecondAircraftCfgEndsTheProgram)
{
    TreeBuilder tree;
    tree.file("aircraft.cfg", "title=A\r\n").file("old/Aircraft.cfg", "title=B\r\n");
    TestContext t;
    t.state.StagingDir = tree.root();
    t.messages.expectOk(
        "More than one aircraft.cfg file was detected in the Staging Directory.  This may "
        "indicate that components for more than one aircraft are residing in that directory.  "
        "Please remove the unwanted aircraft.cfg file(s) from the Staging directory or one of "
        "its subdirectories so that only one is left.  Once this is done, restart Wingstash.");
    EXPECT_THROW(ScanPackage(t, tree.root()), ShutDownRequest);
    EXPECT_TRUE(tree.exists("old/Aircraft.cfg"));
}

TEST(ScanPackage, ChosenConfigurationLeavesNoListedFileThatIsGone)
{
    TreeBuilder tree;
    tree.file("aircraft.cfg", "[fltsim.0]\r\ntitle=A\r\ntexture=\r\n"
                              "[fltsim.1]\r\ntitle=B\r\ntexture=2\r\n")
        .file("texture/a.bmp")
        .file("texture/a_check.txt")
        .file("texture/a.jpg")
        .file("texture.2/b.bmp");
    TestContext t;
    t.state.StagingDir = tree.root();
    t.configChooser.answers = {1};
    ScanPackage(t, tree.root());
    ASSERT_EQ(t.configChooser.offered.size(), 1);
    EXPECT_EQ(t.configChooser.offered[0], (QStringList{"A  (fltsim.0)", "B  (fltsim.1)"}));
    EXPECT_EQ(t.state.AircraftTitle, "B");
    EXPECT_FALSE(tree.exists("texture/a.bmp"));
    EXPECT_EQ(t.view.rows[Aircraft], QStringList{"aircraft.cfg"});
    EXPECT_TRUE(t.state.ComponentFiles[Images].isEmpty());
    EXPECT_EQ(t.view.rows[Texture], QStringList{"b.bmp"});
    EXPECT_EQ(t.state.AllFiles.size(), 2);
}

TEST(ScanPackage, StoredPackageWithSeveralConfigurationsIsNotAskedAbout)
{
    TreeBuilder tree;
    tree.file("aircraft.cfg", "[fltsim.0]\r\ntitle=A\r\n[fltsim.1]\r\ntitle=B\r\n");
    TestContext t;
    t.state.StagingDir = tree.path("staging/");
    t.state.InStowbayMode = true;
    ScanPackage(t, tree.root());
    EXPECT_EQ(t.state.AircraftTitle, "MULTI");
    EXPECT_TRUE(t.configChooser.offered.isEmpty());
}

TEST(ScanPackage, MoreFilesThanAListHoldsAreReportedOnceAndMarkTheScan)
{
    TreeBuilder tree;
    for (int i = 0; i <= capacity::kFilesPerList; ++i)
        tree.file(QStringLiteral("t%1.bmp").arg(i, 4, 10, QLatin1Char('0')));
    TestContext t;
    t.state.StagingDir = tree.root();
    t.messages.expectOk("This package holds more than 4000 files.  Wingstash lists only the "
                        "first 4000 of a kind and will not copy or remove this package's files "
                        "until it holds fewer.");
    ScanPackage(t, tree.root());
    EXPECT_TRUE(t.state.ScanOverflow);
    EXPECT_EQ(t.state.ComponentFiles[Texture].size(), capacity::kFilesPerList);
    EXPECT_EQ(t.state.AllFiles.size(), capacity::kFilesPerList);
    EXPECT_EQ(t.view.rows[Texture].last(), "t3999.bmp");

    ClearPackageView(t);
    EXPECT_FALSE(t.state.ScanOverflow);
}
