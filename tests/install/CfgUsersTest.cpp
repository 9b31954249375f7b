#include "install/CfgUsers.h"

#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// Folders named after the aircraft, each with its panel in a "panel" sub-folder; Foxtrot7's
// lies directly in its folder.
struct InstalledAircraft {
    TreeBuilder tree;
    TestContext tc;
    InstalledAircraft()
    {
        tree.file("Alpha/panel/panel.cfg", "[Vcockpit01]\r\ngauge00=Fuel!needle, 0,0\r\n")
            .file("Bravo/Panel/PANEL.CFG", "; gauge00=FUEL!old one\r\n")
            .file("Charlie/panel/panel.cfg", "gauge00=fuelflow!x, 1,1\r\ngauge01=fuelflow!y\r\n")
            .file("Delta/panel/panel.cfg", "gauge00=clock!c, 0,0\r\n")
            .file("Echo/sound/sound.cfg", "[fltsim]\r\nalias=fuel\\sound\r\n")
            .file("Foxtrot7/panel.cfg", "gauge00=altimeter!x\r\n");
    }
    bool find(const char *cfg, const char *text, bool show)
    {
        return FindCfgUsers(tc, tree.root(), cfg, text, show);
    }
};

} // namespace

TEST(FindCfgUsers, ListsTheFolderOfEveryMatchingLineIgnoringCaseInAWindowOfAtLeastDefaultSize)
{
    InstalledAircraft a;
    a.tc.state.ListTop = 100;
    a.tc.state.ListLeft = 200;
    a.tc.state.ListHeight = 999;
    a.tc.state.ListWidth = 1999;
    // A comment counts, a longer word counts, and each matching line adds its folder again;
    // the sound.cfg is not searched for a panel.
    EXPECT_TRUE(a.find("panel.cfg", "FUEL", true));
    EXPECT_EQ(a.tc.packageList.rows, (QStringList{"alpha", "bravo", "charlie", "charlie"}));
    EXPECT_EQ(a.tc.packageList.caption, "panel used in ...");
    EXPECT_TRUE(a.tc.packageList.visible);
    const platform::Geometry &at = a.tc.packageList.geometry;
    EXPECT_EQ(std::tuple(at.top, at.left, at.height, at.width), std::tuple(100, 200, 4000, 5000));

    a.tc.state.ListHeight = 1000;
    a.tc.state.ListWidth = 2000;
    EXPECT_TRUE(a.find("sound.cfg", "fuel\\sound", true));
    EXPECT_EQ(a.tc.packageList.caption, "sound used in ...");
    EXPECT_EQ(a.tc.packageList.rows, QStringList{"echo"});
    EXPECT_EQ(std::tuple(at.height, at.width), std::tuple(1000, 2000));
    // Sixteen characters always go, so a panel.cfg directly in its aircraft folder loses the
    // end of the folder's own name.
    EXPECT_TRUE(a.find("panel.cfg", "altimeter", true));
    EXPECT_EQ(a.tc.packageList.rows, QStringList{"fo"});
}

TEST(FindCfgUsers, WithoutAMatchOrWithoutShowingTheWindowIsLeftAlone)
{
    InstalledAircraft a;
    a.tc.packageList.rows = {"earlier list"};
    EXPECT_TRUE(a.find("panel.cfg", "fuel", false));
    EXPECT_FALSE(a.find("panel.cfg", "vor", true));
    EXPECT_EQ(a.tc.packageList.rows, QStringList{"earlier list"});
    EXPECT_FALSE(a.tc.packageList.visible);
    EXPECT_TRUE(a.tc.packageList.caption.isEmpty());
    const QStringList lines = cfgLinesBelow(a.tree.root(), "panel.cfg");
    EXPECT_TRUE(anyLineContains(lines, "CLOCK!c"));
    EXPECT_FALSE(anyLineContains(lines, "alias"));
}
