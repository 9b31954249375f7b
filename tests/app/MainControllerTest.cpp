#include "app/MainController.h"

#include "support/MainWindowFake.h"

#include <gtest/gtest.h>

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
        MainWindowScenario s;
        s.tree.file("Stowbay/Props/Cub/cub.air");
        s.start();
        const QString welcome = s.window.header;
        (s.controller.*c.event)();
        EXPECT_FALSE(welcome.isEmpty());
        EXPECT_NE(s.window.header, welcome);
        EXPECT_EQ(s.controller.mode(), c.mode);
        EXPECT_EQ(s.window.controls, c.mode);
        EXPECT_EQ(s.test.state.InStowbayMode, c.mode == MainMode::Stowbay);
        EXPECT_EQ(s.window.options, c.actions);
        EXPECT_EQ(s.window.option, c.actions.first());
        EXPECT_EQ(s.window.firstTabShown, c.firstTab);
    }
}

// Stowbay with no package to show empties what Staging listed, rather than keep it on show, and
// never shows the category folder itself as a package: a loose file there is no component.
TEST(MainController, StowbayWithoutAPackageEmptiesTheListsStagingFilled)
{
    MainWindowScenario s;
    s.tree.file("Staging/a.gau").file("Staging/shot.jpg");
    s.tree.file("Stowbay/Empty/loose.gau").file("Stowbay/Props/Cub/c.gau");
    s.start();
    s.controller.stagingClicked();
    EXPECT_EQ(s.test.view.rows[Gauges], QStringList{"a.gau"});
    EXPECT_TRUE(s.test.view.tabAvailable[Images]);
    s.controller.stowbayClicked();
    EXPECT_TRUE(s.test.view.rows[Gauges].isEmpty());
    EXPECT_FALSE(s.test.view.tabAvailable[Gauges]);
    EXPECT_FALSE(s.test.view.tabAvailable[Images]);
    pickPackage(s.window, s.controller, "Props", "Cub");
    EXPECT_FALSE(s.test.view.rows[Gauges].isEmpty());
    pickPackage(s.window, s.controller, "Empty", "");
    EXPECT_TRUE(s.test.view.rows[Gauges].isEmpty());
}
