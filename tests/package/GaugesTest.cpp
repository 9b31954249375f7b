#include "package/Gauges.h"

#include "package/PackageCopy.h"
#include "support/PackageTestHelpers.h"
#include "support/StoreFixture.h"
#include "support/UnlistableFolders.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The current package lists these gauges (in its own Gauges folder in the store).
void packageGauges(StoreFixture &fx, const QStringList &names)
{
    FileList &gauges = fx.test.state.ComponentFiles[Gauges];
    gauges.clear();
    for (const QString &name : names)
        gauges.append(listedFile(fx.tree, "Stowbay/Props/Pkg/Gauges/" + name));
}

QStringList gaugesLeft(const StoreFixture &fx)
{
    return entriesBelow(fx.tree.path("MSFS/Gauges"));
}

} // namespace

TEST(RemoveUnusedGauges, DeletesEachGaugeByItsExactNameNeverAsAPattern)
{
    StoreFixture fx;
    fx.tree.files({"MSFS/Gauges/a.gau", "MSFS/Gauges/x.gau", "MSFS/Gauges/own.gau"});
    packageGauges(fx, {"*.gau", "?.gau", "own.gau"});
    // "*.gau" and "?.gau" are gone from the simulator already: nothing else goes in their place.
    RemoveUnusedGauges(fx.test);
    EXPECT_EQ(gaugesLeft(fx), QStringList({"a.gau", "x.gau"}));
    fx.tree.files({"MSFS/Gauges/*.gau", "MSFS/Gauges/?.gau"});
    ProcessGauges(fx.test, 2); // the same rule, by its other name
    EXPECT_EQ(gaugesLeft(fx), QStringList({"a.gau", "x.gau"}));
    EXPECT_FALSE(fx.test.progress.visible);
}

// A panel naming "down" names "own" too, and "abcd" both "abc" and "bcd" (overlapping): any
// line holding a gauge's name keeps it.
TEST(RemoveUnusedGauges, KeepsAGaugeWhoseNameStandsInsideAnotherNamedOne)
{
    StoreFixture fx;
    const QStringList gauges{"own.gau", "down.gau", "free.gau", "abc.gau", "bcd.gau"};
    for (const QString &gauge : gauges)
        fx.tree.file("MSFS/Gauges/" + gauge);
    fx.tree.file("MSFS/Aircraft/CD/panel/panel.cfg", "gauge00=down!x\r\ngauge01=abcd!x\r\n");
    packageGauges(fx, gauges);
    RemoveUnusedGauges(fx.test);
    EXPECT_EQ(gaugesLeft(fx), QStringList({"abc.gau", "bcd.gau", "down.gau", "own.gau"}));
}

TEST(RemoveUnusedGauges, ReadsEveryPanelItCanReachAndKeepsEveryGaugeForOneItCannot)
{
    const auto readOnlyAircraft = [](TreeBuilder &tree) {
        tree.file("MSFS/Aircraft/CD/Panel/panel.cfg", "gauge00=own!x\r\n")
            .readOnly("MSFS/Aircraft/CD/Panel")
            .readOnly("MSFS/Aircraft/CD");
    };
    const auto hiddenAircraft = [](TreeBuilder &tree) {
        tree.file("MSFS/Aircraft/.kept/panel/panel.cfg", "gauge00=own!x\r\n");
    };
    const auto linkedAircraft = [](TreeBuilder &tree) {
        tree.file("Elsewhere/Jet/panel/panel.cfg", "gauge00=own!x\r\n")
            .link("MSFS/Aircraft/Jet", tree.path("Elsewhere/Jet"));
    };
    const auto unreadablePanels = [](TreeBuilder &tree) {
        tree.link("MSFS/Aircraft/Gone/panel/panel.cfg", tree.path("cd-rom/panel.cfg"))
            .link("MSFS/Aircraft/Lost/panel/panel.cfg", tree.path("cd-rom/lost.cfg"));
    };
    const struct {
        std::function<void(TreeBuilder &)> aircraft;
        QStringList unreadable;
    } cases[] = {
        {readOnlyAircraft, {}},
        {hiddenAircraft, {}},
        {linkedAircraft, {}},
        {unreadablePanels,
         {"MSFS/Aircraft/Gone/panel/panel.cfg", "MSFS/Aircraft/Lost/panel/panel.cfg"}},
    };
    for (const auto &c : cases) {
        StoreFixture fx;
        fx.tree.files({"MSFS/Gauges/own.gau", "MSFS/Gauges/free.gau"});
        c.aircraft(fx.tree);
        packageGauges(fx, {"own.gau", "free.gau"});
        QStringList unreadable;
        for (const QString &path : c.unreadable)
            unreadable.append(fx.tree.path(path));
        if (!unreadable.isEmpty())
            fx.test.messages.expectOk(keptEveryGaugeMessage(unreadable));
        RemoveUnusedGauges(fx.test);
        fx.test.messages.verifyAllShown();
        EXPECT_EQ(gaugesLeft(fx), unreadable.isEmpty() ? QStringList{"own.gau"}
                                                       : QStringList({"free.gau", "own.gau"}));
    }
}

TEST(InstalledPanels, LeavesOutTheFoldersThatCannotBeListedOnlyInsideThePackageLeaving)
{
    StoreFixture fx;
    fx.tree.folder("MSFS/Aircraft/Leaving/panel").folder("MSFS/Aircraft/Other/panel");
    const QString other = fx.tree.path("MSFS/Aircraft/Other/panel");
    const UnlistableFolders unlistable({fx.tree.path("MSFS/Aircraft/Leaving/panel"), other});
    const ReachableFiles panels =
        installedPanels(fx.test.state, fx.tree.path("MSFS/Aircraft/Leaving"));
    EXPECT_EQ(panels.unreadable, QStringList{other});
}
