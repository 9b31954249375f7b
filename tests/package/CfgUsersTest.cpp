#include "package/CfgUsers.h"

#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(FindCfgUsers, ListsTheFolderOfEveryMatchingLineIgnoringCaseInAWindowOfAtLeastDefaultSize)
{
    // Folders named after the aircraft, each with its panel in a "panel" sub-folder; Foxtrot7's
    // lies directly in its folder.
    TreeBuilder tree;
    tree.file("Alpha/panel/panel.cfg", "[Vcockpit01]\r\ngauge00=Fuel!needle, 0,0\r\n")
        .file("Bravo/Panel/PANEL.CFG", "; gauge00=FUEL!old one\r\n")
        .file("Charlie/panel/panel.cfg", "gauge00=fuelflow!x, 1,1\r\ngauge01=fuelflow!y\r\n")
        .file("Delta/panel/panel.cfg", "gauge00=clock!c, 0,0\r\n")
        .file("Echo/sound/sound.cfg", "[fltsim]\r\nalias=fuel\\sound\r\n")
        .file("Foxtrot7/panel.cfg", "gauge00=altimeter!x\r\n");
    TestContext tc;
    const auto find = [&](const char *cfg, const char *text, bool show) {
        return FindCfgUsers(tc, tree.root(), cfg, text, show);
    };
    // Without a match, or when not to be shown, the window is left alone.
    EXPECT_TRUE(find("panel.cfg", "fuel", false));
    EXPECT_FALSE(find("panel.cfg", "vor", true));
    EXPECT_FALSE(tc.packageList.visible || !tc.packageList.rows.isEmpty());

    tc.state.ListTop = 100;
    tc.state.ListLeft = 200;
    tc.state.ListHeight = 999;
    tc.state.ListWidth = 1999;
    // A comment counts, a longer word counts, and each matching line adds its folder again;
    // the sound.cfg is not searched for a panel.
    EXPECT_TRUE(find("panel.cfg", "FUEL", true));
    EXPECT_EQ(tc.packageList.rows, (QStringList{"alpha", "bravo", "charlie", "charlie"}));
    EXPECT_EQ(tc.packageList.caption, "panel used in ...");
    EXPECT_TRUE(tc.packageList.visible);
    const WindowGeometry &at = tc.packageList.geometry;
    EXPECT_EQ(std::tuple(at.top, at.left, at.height, at.width), std::tuple(100, 200, 4000, 5000));

    tc.state.ListHeight = 1000;
    tc.state.ListWidth = 2000;
    EXPECT_TRUE(find("sound.cfg", "fuel\\sound", true));
    EXPECT_EQ(tc.packageList.caption, "sound used in ...");
    EXPECT_EQ(tc.packageList.rows, QStringList{"echo"});
    EXPECT_EQ(std::tuple(at.height, at.width), std::tuple(1000, 2000));
    // Sixteen characters always go, so a panel.cfg directly in its aircraft folder loses the
    // end of the folder's own name.
    EXPECT_TRUE(find("panel.cfg", "altimeter", true));
    EXPECT_EQ(tc.packageList.rows, QStringList{"fo"});
}
