#include "app/MainController.h"

#include "support/MainWindowFake.h"

#include <gtest/gtest.h>

namespace {

// A store of two categories (Props holding an installed Cub and a Beaver), the window started.
struct Scenario : MainWindowScenario {
    Scenario()
    {
        tree.folder("Stowbay/Jets").folder("MSFS/Aircraft/Cub");
        tree.file("Stowbay/Props/Cub/cub.air").file("Stowbay/Props/Beaver/beaver.air");
        start();
    }
    int scans() const { return test.view.pictureShows; }
};

} // namespace

TEST(MainController, BoxesScanThePickedPackageOnceAndRefreshKeepsIt)
{
    Scenario s;
    EXPECT_EQ(s.window.categoryList, QStringList({"Jets", "Props"}));
    EXPECT_EQ(s.scans(), 1); // the empty first category clears the view; nothing is scanned
    s.pickCategory(1);
    EXPECT_EQ(s.window.packageList, QStringList({"Beaver", "< Cub >"}));
    EXPECT_EQ(s.window.package, 0);
    EXPECT_EQ(s.scans(), 1); // picks before a mode is chosen scan nothing
    s.window.package = 1;

    s.controller.stowbayClicked();
    EXPECT_EQ(s.scans(), 2);
    EXPECT_EQ(s.test.view.rows.at(Aircraft), QStringList({"cub.air"}));
    s.pickPackage(0);
    EXPECT_EQ(s.scans(), 3);
    s.controller.refreshClicked();
    EXPECT_EQ(s.scans(), 4);
    EXPECT_EQ(s.controller.packageText(), "Beaver");
    EXPECT_EQ(s.test.view.rows.at(Aircraft), QStringList({"beaver.air"}));

    // An empty category clears the view in Stowbay mode, never in Staging mode.
    s.pickCategory(0);
    EXPECT_EQ(s.scans(), 5);
    s.controller.stagingClicked();
    const int afterStaging = s.scans();
    s.pickCategory(0);
    EXPECT_EQ(s.scans(), afterStaging);
}

TEST(MainController, GoShowsWhatTheOptionAsksAndFollowsItsHandOver)
{
    // Copied to Staging (not empty, which the user accepts), the package goes from the store
    // once the user agrees; the name box, the package list and the package box show it.
    Scenario s;
    s.tree.file("Staging/left.txt");
    s.controller.stowbayClicked();
    s.pickCategory(1);
    s.test.packageList.visible = true;
    s.test.packageList.rows = {"Beaver"};
    s.test.messages.expectAnswers("yyyo");
    s.go(StowbayAction::CopyToStaging);
    EXPECT_TRUE(s.tree.exists("Staging/Beaver/beaver.air"));
    EXPECT_FALSE(s.tree.exists("Stowbay/Props/Beaver"));
    EXPECT_EQ(s.window.name, "Beaver");
    EXPECT_EQ(s.window.selected, QList<int>{int(StowbayAction::RemoveFromStowbay)});
    EXPECT_FALSE(s.test.packageList.rows.contains("Beaver"));
    EXPECT_EQ(s.window.packageList, QStringList({"< Cub >"}));
    EXPECT_EQ(s.window.option, s.window.options.first());
}

TEST(MainController, ExploreOpensTheModesFolderAndWarnsForAnInstalledPackage)
{
    Scenario s;
    s.controller.stagingClicked();
    s.controller.exploreClicked();
    s.controller.stowbayClicked();
    s.controller.exploreClicked(); // an empty category: its folder
    s.pickCategory(1);
    s.pickPackage(1);
    s.test.messages.expectOk();
    s.controller.exploreClicked();
    EXPECT_EQ(s.test.launcher.folders,
              QStringList({s.tree.path("Staging/"), s.tree.path("Stowbay/Jets/"),
                           s.tree.path("Stowbay/Props/Cub/")}));
}

TEST(MainController, StagingOffersTheAircraftTitleAsTheNameButKeepsATypedOne)
{
    for (const QString typed : {"", "Mine"}) {
        Scenario s;
        s.tree.file("Staging/aircraft.cfg", "[fltsim.0]\r\ntitle=Heron 22\r\n");
        s.window.name = typed;
        s.controller.stagingClicked();
        EXPECT_EQ(s.window.name, typed.isEmpty() ? "Heron 22" : typed);
    }
}

TEST(MainController, ACopyToStagingShowsInTheCaptionThatStagingHoldsFiles)
{
    Scenario s;
    s.controller.stowbayClicked();
    s.pickCategory(1);
    const QString emptyStaging = s.test.view.caption;
    s.test.messages.expectAnswers("n"); // the store's copy stays
    s.go(StowbayAction::CopyToStaging);
    EXPECT_TRUE(s.tree.exists("Staging/Beaver/beaver.air"));
    EXPECT_NE(s.test.view.caption, emptyStaging);
}
