#include "app/MainController.h"

#include "support/StoreFixture.h"

#include <gtest/gtest.h>


namespace {

// The main window as plain data.
struct FakeWindow : MainWindowView {
    QString header, backdrop, name;
    MainMode controls = MainMode::Welcome;
    unsigned tabColour = 0;
    int firstTabShown = 0, option = -1, category = -1, package = -1;
    QStringList options, categoryList, packageList;

    void setHeader(const QString &text) override { header = text; }
    void showControlsFor(MainMode mode) override { controls = mode; }
    void setBackdrop(const QString &path) override { backdrop = path; }
    void setTabColour(unsigned rgb) override { tabColour = rgb; }
    void showFirstTab() override { ++firstTabShown; }
    void setOptions(const QStringList &list) override { options = list, option = 0; }
    int optionIndex() const override { return option; }
    void setOptionIndex(int index) override { option = index; }
    QString packageNameText() const override { return name; }
    void setPackageNameText(const QString &text) override { name = text; }
    void setCategories(const QStringList &list) override { categoryList = list, category = -1; }
    QStringList categories() const override { return categoryList; }
    int categoryIndex() const override { return category; }
    void setCategoryIndex(int index) override { category = index; }
    void setPackages(const QStringList &list) override { packageList = list, package = -1; }
    QStringList packages() const override { return packageList; }
    int packageIndex() const override { return package; }
    void setPackageIndex(int index) override { package = index; }
};

// Staging, a store of two categories (Props holding an installed Cub and a Beaver) and a
// simulator, with the controller started as the window starts it.
struct Scenario : StoreFixture {
    FakeWindow window;
    MainController controller{test.context, window};
    Scenario()
    {
        tree.folder("Staging").folder("Stowbay/Jets").folder("MSFS/Aircraft/Cub");
        tree.file("Stowbay/Props/Cub/cub.air").file("Stowbay/Props/Beaver/beaver.air");
        test.state.StagingDir = tree.path("Staging/");
        test.state.ResourceDir = tree.path("");
        controller.showWelcome();
        controller.fillCategoryBox();
    }
    void pickCategory(int index) { window.category = index, controller.categoryPicked(); }
    void pickPackage(int index) { window.package = index, controller.packagePicked(); }
    int scans() const { return test.view.pictureShows; }
};

const QString kInstalledWarning = QStringLiteral(
    "WARNING:  This package is currently installed in MSFS.  Any manual changes to this package "
    "in the Stowbay directory may prevent unused gauges from being removed when you choose to "
    "remove the package from MSFS.");

} // namespace

TEST(MainController, EachWayIntoAModeShowsItsHeaderControlsOptionsAndColours)
{
    using Event = void (MainController::*)();
    const struct {
        Event event;
        MainMode mode;
        const char *header, *firstOption, *backdrop;
        unsigned colour;
        int firstTab;
    } cases[]{
        {&MainController::stagingClicked, MainMode::Staging, "Staging", "Copy package to Stowbay",
         "StowbayGrey.jpg", 0x404040, 0},
        {&MainController::goToStagingClicked, MainMode::Staging, "Staging",
         "Copy package to Stowbay", "StowbayGrey.jpg", 0x404040, 1},
        {&MainController::stowbayClicked, MainMode::Stowbay, "Stowbay", "Copy package to MSFS",
         "stowbayblue.jpg", 0x0000FF, 0},
        {&MainController::goToStowbayClicked, MainMode::Stowbay, "Stowbay", "Copy package to MSFS",
         "stowbayblue.jpg", 0x0000FF, 1},
    };
    for (const auto &c : cases) {
        Scenario s;
        EXPECT_EQ(s.window.header, "Welcome to Wingstash");
        EXPECT_EQ(s.window.backdrop, ":/welcome.jpg");
        EXPECT_EQ(s.window.categoryList, QStringList({"Jets", "Props"}));
        EXPECT_EQ(s.window.category, 0);
        EXPECT_EQ(s.scans(), 1); // the empty first category clears the view; nothing is scanned
        (s.controller.*c.event)();
        EXPECT_EQ(s.controller.mode(), c.mode);
        EXPECT_EQ(s.window.controls, c.mode);
        EXPECT_EQ(s.test.state.InStowbayMode, c.mode == MainMode::Stowbay);
        EXPECT_EQ(s.window.header, c.header);
        EXPECT_EQ(s.window.options.size(), c.mode == MainMode::Stowbay ? 12 : 6);
        EXPECT_EQ(s.window.options.first(), c.firstOption);
        EXPECT_EQ(s.window.option, 0);
        EXPECT_EQ(s.window.backdrop, s.tree.path(c.backdrop));
        EXPECT_EQ(s.window.tabColour, c.colour);
        EXPECT_EQ(s.window.firstTabShown, c.firstTab);
    }
}

TEST(MainController, BoxesScanThePickedPackageOnceAndRefreshKeepsIt)
{
    Scenario s;
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

TEST(MainController, ExploreOpensTheModesFolderAndWarnsForAnInstalledPackage)
{
    Scenario s;
    s.controller.stagingClicked();
    s.controller.exploreClicked();
    s.controller.stowbayClicked();
    s.controller.exploreClicked(); // an empty category: its folder
    s.pickCategory(1);
    s.pickPackage(1);
    s.test.messages.expectOk(kInstalledWarning);
    s.controller.exploreClicked();
    EXPECT_EQ(s.test.launcher.folders,
              QStringList({s.tree.path("Staging/"), s.tree.path("Stowbay/Jets/"),
                           s.tree.path("Stowbay/Props/Cub/")}));
}
