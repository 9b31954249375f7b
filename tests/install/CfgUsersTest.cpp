#include "install/CfgUsers.h"

#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

class CfgUsersTest : public ::testing::Test {
protected:
    TreeBuilder aircraft;
    TestContext tc;

    void SetUp() override
    {
        // Folders named after the aircraft, each with its panel in a "panel" sub-folder.
        aircraft
            .file(QStringLiteral("Alpha/panel/panel.cfg"),
                  "[Vcockpit01]\r\ngauge00=Fuel!needle, 0,0\r\n")
            .file(QStringLiteral("Bravo/Panel/PANEL.CFG"), "; gauge00=FUEL!old one\r\n")
            .file(QStringLiteral("Charlie/panel/panel.cfg"),
                  "gauge00=fuelflow!x, 1,1\r\ngauge01=fuelflow!y, 2,2\r\n")
            .file(QStringLiteral("Delta/panel/panel.cfg"), "gauge00=clock!c, 0,0\r\n")
            .file(QStringLiteral("Echo/sound/sound.cfg"), "[fltsim]\r\nalias=fuel\\sound\r\n");
    }
};

TEST_F(CfgUsersTest, ListsEveryMatchingLineByAircraftFolderIgnoringCase)
{
    EXPECT_TRUE(FindCfgUsers(tc, aircraft.root(), QStringLiteral("panel.cfg"),
                             QStringLiteral("FUEL"), true));

    // A comment counts, a longer word counts, and each matching line adds its folder again;
    // the sound.cfg is not searched for a panel.
    EXPECT_EQ(tc.packageList.rows, (QStringList{"alpha", "bravo", "charlie", "charlie"}));
    EXPECT_EQ(tc.packageList.caption, QStringLiteral("panel used in ..."));
    EXPECT_TRUE(tc.packageList.visible);
}

TEST_F(CfgUsersTest, WindowTakesTheStoredPlaceOrADefaultSize)
{
    tc.state.ListTop = 100;
    tc.state.ListLeft = 200;
    tc.state.ListHeight = 999;
    tc.state.ListWidth = 1999;
    ASSERT_TRUE(FindCfgUsers(tc, aircraft.root(), QStringLiteral("sound.cfg"),
                             QStringLiteral("fuel\\sound"), true));
    EXPECT_EQ(tc.packageList.caption, QStringLiteral("sound used in ..."));
    EXPECT_EQ(tc.packageList.rows, QStringList{"echo"});
    EXPECT_EQ(tc.packageList.geometry.top, 100);
    EXPECT_EQ(tc.packageList.geometry.left, 200);
    EXPECT_EQ(tc.packageList.geometry.height, 4000);
    EXPECT_EQ(tc.packageList.geometry.width, 5000);

    tc.state.ListHeight = 1000;
    tc.state.ListWidth = 2000;
    ASSERT_TRUE(FindCfgUsers(tc, aircraft.root(), QStringLiteral("panel.cfg"),
                             QStringLiteral("clock"), true));
    EXPECT_EQ(tc.packageList.rows, QStringList{"delta"});
    EXPECT_EQ(tc.packageList.geometry.height, 1000);
    EXPECT_EQ(tc.packageList.geometry.width, 2000);
}

TEST_F(CfgUsersTest, WithoutAMatchOrWithoutShowingTheWindowIsLeftAlone)
{
    tc.packageList.rows = {"earlier list"};
    EXPECT_TRUE(FindCfgUsers(tc, aircraft.root(), QStringLiteral("panel.cfg"),
                             QStringLiteral("fuel"), false));
    EXPECT_FALSE(FindCfgUsers(tc, aircraft.root(), QStringLiteral("panel.cfg"),
                              QStringLiteral("altimeter"), true));
    EXPECT_EQ(tc.packageList.rows, QStringList{"earlier list"});
    EXPECT_FALSE(tc.packageList.visible);
    EXPECT_TRUE(tc.packageList.caption.isEmpty());
}

TEST_F(CfgUsersTest, PanelOutsideAPanelFolderGivesACutNameAndARealPanelNamesItsGauges)
{
    // Sixteen characters always go, so a panel.cfg directly in its aircraft folder loses
    // the end of the folder's own name.
    TreeBuilder loose;
    loose.file(QStringLiteral("Foxtrot7/panel.cfg"), "gauge00=fuel!x\r\n");
    ASSERT_TRUE(
        FindCfgUsers(tc, loose.root(), QStringLiteral("panel.cfg"), QStringLiteral("fuel"), true));
    EXPECT_EQ(tc.packageList.rows, QStringList{QStringLiteral("fo")});

    TreeBuilder installed;
    installed.fixture(QStringLiteral("real-cfg/DLA_Jodel_DR-1050/panel/panel.cfg"),
                      QStringLiteral("DLA Jodel/panel/panel.cfg"));
    EXPECT_TRUE(FindCfgUsers(tc, installed.root(), QStringLiteral("panel.cfg"),
                             QStringLiteral("dla"), false));
    const QStringList lines = cfgLinesBelow(installed.root(), QStringLiteral("panel.cfg"));
    EXPECT_TRUE(anyLineContains(lines, QStringLiteral("DLA")));
    EXPECT_FALSE(anyLineContains(lines, QStringLiteral("b767main")));
}

} // namespace
