#include "package/FolderClearing.h"

#include "PackageTestHelpers.h"
#include "TemporaryHome.h"
#include "TestContext.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(ClearFolder, RefusesHomeVolumeRootAndAFolderHoldingALocationButGoesOn)
{
    TreeBuilder tree;
    tree.file("home/notes.txt").file("staging/addon/panel.cfg").folder("staging/store/Props");
    tree.link("to-home", tree.path("home"));
    const TemporaryHome home(tree.path("home"));
    // Home is found however it is written: in other letter case, or through a link.
    for (const QString &folder : {tree.path("home/"), tree.path("HOME/"), tree.path("to-home/"),
                                  tree.root(), QString("/proc/"), tree.path("staging/")}) {
        TestContext t;
        t.state.StagingDir = tree.path("staging/");
        t.state.MsfsDir = tree.path("staging/store/"); // an empty location before it is passed
        t.messages.expectOk(folder);
        EXPECT_FALSE(ClearFolder(t, folder)) << folder.toStdString();
        t.messages.verifyAllShown();
    }
    EXPECT_TRUE(tree.exists("home/notes.txt"));
    EXPECT_TRUE(tree.exists("staging/addon/panel.cfg"));
    EXPECT_TRUE(tree.exists("staging/store/Props"));
}

TEST(ClearFolder, RefusesEveryFolderWhileTheLocationsOverlap)
{
    TreeBuilder tree;
    tree.file("staging/addon/panel.cfg").file("store/staging/addon/panel.cfg");
    const QStringList before = entriesBelow(tree.root());
    const struct {
        QString staging, stowbay, folder;
    } cases[] = {
        // The store named in other letter case is still the folder being emptied.
        {tree.path("staging/"), tree.path("STAGING/"), tree.path("staging/")},
        {tree.path("store/staging/"), tree.path("store/"), tree.path("store/staging/addon/")},
    };
    for (const auto &c : cases) {
        TestContext t;
        t.state.StagingDir = c.staging;
        t.state.StowbayDir = c.stowbay;
        t.messages.expectOk(c.folder);
        EXPECT_FALSE(ClearFolder(t, c.folder)) << c.folder.toStdString();
    }
    EXPECT_EQ(entriesBelow(tree.root()), before);
}
