#include "package/LocationSafety.h"

#include "support/TemporaryHome.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

TEST(LocationsClash, LocationsMustStayApartAndAwayFromHomeComparedAsTheyReallyAre)
{
    TreeBuilder tree;
    tree.folder("home/me/Staging").folder("a/b").folder("c").link("to-a", tree.path("a"));
    const TemporaryHome home(tree.path("home/me"));
    const QString a = tree.path("a/"), b = tree.path("a/b/"), c = tree.path("c/");
    const QString inHome = tree.path("home/me/Staging/");
    const struct {
        QString staging, stowbay, msfs, clash;
    } cases[] = {
        {inHome, a, c, {}},
        // The store and the simulator may be the top of a mounted file system; Staging may not.
        {a, "/proc/", c, {}},
        {"/proc/", a, c, "the Staging folder /proc/ is the top folder of a drive"},
        {a, c, "/", "the MSFS folder / is the top folder of a drive"},
        {a, tree.path("A/"), c,
         "the Staging folder " + a + " and the Stowbay folder " + tree.path("A/") +
             " are the same folder"},
        {a, c, tree.path("to-a/"),
         "the Staging folder " + a + " and the MSFS folder " + tree.path("to-a/") +
             " are the same folder"},
        {c, a, b, "the MSFS folder " + b + " lies inside the Stowbay folder " + a},
        {b, a, c, "the Staging folder " + b + " lies inside the Stowbay folder " + a},
        {tree.path("HOME/ME/"), a, c,
         "the Staging folder " + tree.path("HOME/ME/") + " is your home folder"},
        {a, tree.path("home/"), c,
         "the Stowbay folder " + tree.path("home/") + " holds your home folder"},
        // Locations that do not exist are judged by the check for valid ones.
        {a, tree.path("none/"), QString(), {}},
    };
    for (const auto &row : cases) {
        SharedState state;
        state.StagingDir = row.staging;
        state.StowbayDir = row.stowbay;
        state.MsfsDir = row.msfs;
        EXPECT_EQ(locationsClash(state), row.clash) << row.clash.toStdString();
    }
}
