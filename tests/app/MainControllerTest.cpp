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

TEST(MainController, EachWayIntoAModeShowsItsControlsAndOptions)
{
    // The options box lists the mode's table in order.
    QList<int> staging, stowbay;
    for (const auto &option : kStagingOptions)
        staging.append(int(option.action));
    for (const auto &option : kStowbayOptions)
        stowbay.append(int(option.action));
    using Event = void (MainController::*)();
    const struct {
        Event event;
        MainMode mode;
        QList<int> actions;
        int firstTab;
    } cases[]{
        {&MainController::stagingClicked, MainMode::Staging, staging, 0},
        {&MainController::goToStagingClicked, MainMode::Staging, staging, 1},
        {&MainController::stowbayClicked, MainMode::Stowbay, stowbay, 0},
        {&MainController::goToStowbayClicked, MainMode::Stowbay, stowbay, 1},
    };
    for (const auto &c : cases) {
        Scenario s;
        (s.controller.*c.event)();
        EXPECT_EQ(s.controller.mode(), c.mode);
        EXPECT_EQ(s.window.controls, c.mode);
        EXPECT_EQ(s.test.state.InStowbayMode, c.mode == MainMode::Stowbay);
        EXPECT_EQ(s.window.options, c.actions);
        EXPECT_EQ(s.window.option, c.actions.first());
        EXPECT_EQ(s.window.firstTabShown, c.firstTab);
    }
}

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
