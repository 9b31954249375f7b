#include "package/Scan.h"

#include "PackageTestHelpers.h"
#include "TestContext.h"
#include "package/Capacities.h"
#include "package/ShutDown.h"

#include <gtest/gtest.h>

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
        .file("a/shot.jpg")
        .file("b/x.gau")
        .folder("empty");
    TestContext t;
    t.state.StagingDir = tree.path("a/");
    ScanPackage(t, tree.path("a/"));
    EXPECT_EQ(t.view.soundAlias1, "Sound Alias:");
    EXPECT_EQ(t.view.soundAlias2, "b\\sound");
    EXPECT_EQ(t.state.AircraftCfgLineCount, 1);
    EXPECT_TRUE(t.view.tabAvailable[Aircraft]);
    EXPECT_EQ(t.view.panelAlias1, "Panel Alias:");

    ScanPackage(t, tree.path("b/"));
    // No panel.cfg means no alias: the captions of the last package go.
    EXPECT_TRUE(t.view.panelAlias1.isEmpty());
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

    // An empty package leaves every tab unavailable and the placeholder shown.
    ScanPackage(t, tree.path("empty/"));
    EXPECT_EQ(t.state.CurrentImage, 0);
    EXPECT_TRUE(t.view.picture.isEmpty());
    EXPECT_FALSE(t.view.pagingEnabled);
    for (int kind = 0; kind < kKindCount; ++kind) {
        EXPECT_FALSE(t.view.tabAvailable[kind]) << kind;
        EXPECT_TRUE(t.view.rows[kind].isEmpty()) << kind;
    }
    EXPECT_EQ(t.view.caption, "Wingstash (Staging Contains Files)");
}

TEST(ScanPackage, SecondAircraftCfgEndsTheProgramBeforeAnyQuestion)
{
    const QByteArray twoConfigs = "[fltsim.0]\r\ntitle=A\r\n[fltsim.1]\r\ntitle=B\r\n";
    TreeBuilder tree;
    tree.file("aircraft.cfg", twoConfigs).file("old/Aircraft.cfg", "title=B\r\n");
    TestContext t;
    t.state.StagingDir = tree.root();
    t.messages.expectOk(kSecondAircraftCfgMessage);
    EXPECT_THROW(ScanPackage(t, tree.root()), ShutDownRequest);
    EXPECT_TRUE(t.configChooser.offered.isEmpty());
    EXPECT_EQ(tree.read("aircraft.cfg"), twoConfigs);
    EXPECT_EQ(tree.read("old/Aircraft.cfg"), "title=B\r\n");
}

TEST(ScanPackage, ChosenConfigurationLeavesNoListedFileThatIsGoneAndIsNotAskedAgain)
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
    EXPECT_EQ(t.configChooser.offered.value(0), (QStringList{"A  (fltsim.0)", "B  (fltsim.1)"}));
    EXPECT_EQ(t.state.AircraftTitle, "B");
    EXPECT_FALSE(tree.exists("texture/a.bmp"));
    EXPECT_EQ(t.view.rows[Aircraft], QStringList{"aircraft.cfg"});
    EXPECT_TRUE(t.state.ComponentFiles[Images].isEmpty());
    EXPECT_EQ(t.view.rows[Texture], QStringList{"b.bmp"});
    ASSERT_EQ(t.state.AllFiles.size(), 2);
    EXPECT_EQ(t.state.ComponentFiles[Texture].value(0).realPath, tree.path("texture.2/b.bmp"));

    // The rewritten file holds one configuration.
    ScanPackage(t, tree.root());
    EXPECT_EQ(t.configChooser.offered.size(), 1);
    EXPECT_EQ(t.state.AircraftTitle, "B");
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
