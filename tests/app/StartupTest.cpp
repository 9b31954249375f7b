#include "app/Startup.h"

#include "app/Settings.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

// The Locations dialog, which these start-ups never show.
struct UnusedLocationsEditor : platform::LocationsEditor {
    void edit(platform::Locations &) override { ADD_FAILURE() << "Locations dialog shown"; }
};

} // namespace

TEST(StartUp, ASimulatorWithoutAircraftFolderLeftSoEndsStartUpBeforeTheStoreIsTouched)
{
    TreeBuilder tree;
    TestContext test;
    test.state.AppDir = tree.folder("app").path("app/");
    test.state.StagingDir = tree.folder("staging").path("staging");
    test.state.StowbayDir = tree.folder("stowbay").path("stowbay");
    test.state.MsfsDir = tree.folder("fs2000").path("fs2000");
    ASSERT_TRUE(writeSettingsFile(tree.path("app/ws.ini"), test.state, {}, nullptr));
    test.state = SharedState{};
    test.state.AppDir = tree.path("app/");
    UnusedLocationsEditor editor;
    MainWindowGeometry main;
    test.messages.expectOkCancel({}, false);
    EXPECT_FALSE(startUp(test, editor, main));
    EXPECT_TRUE(QDir(tree.path("stowbay")).isEmpty());
}
