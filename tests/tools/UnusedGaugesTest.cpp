#include "tools/UnusedGauges.h"

#include "support/PackageTestHelpers.h"
#include "support/StoreFixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct GaugeFixture : StoreFixture {
    RecordingGaugesView view;

    QStringList listed()
    {
        test.messages.expectOkCancel({}, true);
        ListUnusedGauges(test, view);
        test.messages.verifyAllShown();
        return view.texts();
    }
};

TEST(UnusedGaugesTest, AfterTheWarningListsTopLevelGaugesNoPanelCfgMentions)
{
    GaugeFixture fx;
    fx.tree
        .file("MSFS/Aircraft/Cub/Panel/PANEL.CFG",
              "[Vcockpit01]\r\ngauge03=USED!Airspeed, 10,20\r\n")
        .file("MSFS/Aircraft/Cub/Panel/oldpanel.cfg", "gauge00=stale!x\r\n")
        .file("MSFS/Aircraft/Jet/panel/panel.cfg", "// keep qxmarkedq here\r\nmulti!a\r\n")
        .file("MSFS/Gauges/used.gau")
        .file("MSFS/Gauges/marked.gau")     // inside a longer word of a comment
        .file("MSFS/Gauges/multi.part.gau") // its base name ends at the first dot
        .file("MSFS/Gauges/stale.gau")      // named only by oldpanel.cfg
        .file("MSFS/Gauges/OLD.GAU")
        .file("MSFS/Gauges/p51d.gau") // built in
        .file("MSFS/Gauges/p51d_2.gau")
        .file("MSFS/Gauges/notes.txt")
        .file("MSFS/Gauges/Backup/spare.gau") // sub-folders are the user's own
        .folder("MSFS/Gauges/folder.gau");
    fx.test.messages.expectOkCancel({}, false);
    ListUnusedGauges(fx.test, fx.view);
    EXPECT_EQ(fx.view.opened, 0) << "cancelled";

    EXPECT_EQ(fx.listed(), (QStringList{"old.gau", "p51d_2.gau", "stale.gau"}));
    EXPECT_EQ(fx.view.rows.at(0).second, fx.tree.path("MSFS/Gauges/OLD.GAU"));
    const RecordingProgress &bar = fx.view.bar; // moved once per panel and once per gauge
    EXPECT_EQ(std::tuple(fx.view.opened, bar.visible, bar.minimum, bar.value, bar.maximum),
              std::tuple(1, false, 1, 2 + 7 + 1, 2 + 7 + 1));
}

TEST(UnusedGaugesTest, ReadsEveryReachablePanelDeletesExactlyAndListsNoneForAPanelItCannotRead)
{
    GaugeFixture fx;
    fx.tree.file("MSFS/Aircraft/CD/panel/panel.cfg", "gauge00=cd!x\r\n")
        .readOnly("MSFS/Aircraft/CD/panel")
        .readOnly("MSFS/Aircraft/CD")
        .file("MSFS/Aircraft/.old/panel/panel.cfg", "gauge00=hidden!x\r\n")
        .file("Elsewhere/Jet/panel/panel.cfg", "gauge00=linked!x\r\n")
        .link("MSFS/Aircraft/Jet", fx.tree.path("Elsewhere/Jet"))
        .files({"MSFS/Gauges/cd.gau", "MSFS/Gauges/hidden.gau", "MSFS/Gauges/linked.gau",
                "MSFS/Gauges/*.gau", "MSFS/Gauges/zz9.gau"});
    EXPECT_EQ(fx.listed(), (QStringList{"*.gau", "zz9.gau"}));
    // "*.gau" is one file's name, never a pattern.
    fx.view.selected = {"*.gau"};
    fx.test.messages.expectYesNo({}, true).expectOk();
    DeleteSelectedGauges(fx.test, fx.view);
    EXPECT_EQ(entriesBelow(fx.tree.path("MSFS/Gauges")),
              (QStringList{"cd.gau", "hidden.gau", "linked.gau", "zz9.gau"}));

    const QString gone = "MSFS/Aircraft/Gone/panel/panel.cfg";
    fx.tree.link(gone, fx.tree.path("cd-rom/panel.cfg"));
    fx.test.messages.expectOkCancel({}, true).expectOk(fx.tree.path(gone));
    ListUnusedGauges(fx.test, fx.view);
    fx.test.messages.verifyAllShown();
    EXPECT_TRUE(fx.view.rows.isEmpty());
}

} // namespace
