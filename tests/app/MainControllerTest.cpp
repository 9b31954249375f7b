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
