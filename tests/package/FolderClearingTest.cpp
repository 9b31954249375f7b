#include "package/FolderClearing.h"

#include "PackageTestHelpers.h"
#include "TemporaryHome.h"
#include "TestContext.h"
#include "UnlistableFolders.h"
#include "package/ShutDown.h"
#include "platform/FileRemoval.h"

#include <gtest/gtest.h>

// Nothing is deleted while a clearing would reach home, a volume's root or a location.
TEST(ClearFolder, RefusesHomeVolumeRootsAndFoldersHoldingOrOverlappingALocation)
{
    TreeBuilder tree;
    tree.file("home/notes.txt").file("staging/addon/panel.cfg").folder("staging/store/Props");
    tree.file("store/staging/addon/panel.cfg").link("to-home", tree.path("home"));
    const TemporaryHome home(tree.path("home"));
    const QStringList before = entriesBelow(tree.root());
    const QString staging = tree.path("staging/");
    const QString inStaging = tree.path("staging/store/"); // an empty location before it is passed
    const struct {
        QString staging, stowbay, msfs, folder;
    } cases[] = {
        // Home is found however it is written: in other letter case, or through a link.
        {staging, {}, inStaging, tree.path("home/")},
        {staging, {}, inStaging, tree.path("HOME/")},
        {staging, {}, inStaging, tree.path("to-home/")},
        {staging, {}, inStaging, tree.root()},
        {staging, {}, inStaging, QStringLiteral("/proc/")},
        {staging, {}, inStaging, staging},
        // The store named in other letter case is still the folder being emptied.
        {staging, tree.path("STAGING/"), {}, staging},
        {tree.path("store/staging/"), tree.path("store/"), {}, tree.path("store/staging/addon/")},
    };
    for (const auto &c : cases) {
        TestContext t;
        t.state.StagingDir = c.staging;
        t.state.StowbayDir = c.stowbay;
        t.state.MsfsDir = c.msfs;
        t.messages.expectOk(c.folder).expectOk(c.folder);
        EXPECT_FALSE(ClearFolder(t, c.folder)) << c.folder.toStdString();
        // A plan made before the question is checked again when the clearing comes.
        EXPECT_FALSE(ClearFolder(t, c.folder, folderClearingPlan(c.folder, c.folder)));
        t.messages.verifyAllShown();
    }
    EXPECT_EQ(entriesBelow(tree.root()), before);
}

// What a folder that cannot be listed holds is unknown: it is never reported cleared.
TEST(ClearFolder, RefusesAFolderItCannotList)
{
    TreeBuilder tree;
    const QString staging = tree.file("staging/addon/panel.cfg").path("staging/");
    TestContext t;
    t.state.StagingDir = staging;
    const UnlistableFolders unlistable({staging});
    t.messages.expectOk(staging);
    EXPECT_FALSE(ClearFolder(t, staging));
    t.messages.verifyAllShown();
    EXPECT_FALSE(platform::removeTree(staging).ok); // nor deleted for good past the checks
}

// A folder not written as a whole path from a root is a damaged setting: the program says so
// and ends, clearing nothing.
TEST(ClearFolder, APathNotWrittenFromARootEndsTheProgram)
{
    TestContext t;
    t.messages.expectOk();
    EXPECT_THROW(ClearFolder(t, "staging/"), ShutDownRequest);
    t.messages.verifyAllShown();
}
