#include "package/FolderClearing.h"

#include "PackageTestHelpers.h"
#include "TestContext.h"
#include "package/ShutDown.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kCriticalError = "Critical error.  Please restart Wingstash and verify that your "
                               "Staging, Stowbay and MSFS directory locations are set up "
                               "correctly.";
const QString kFolderNotRemoved = "There was a problem removing a directory.  The file or "
                                  "directory may be set to READ ONLY mode (i.e. CD ROM).";

bool isEmptyFolder(const QString &path)
{
    return QFileInfo(path).isDir() &&
           QDir(path)
               .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
               .isEmpty();
}

} // namespace

TEST(SafeFolderForm, AcceptsOnlyAFolderBelowTheRoot)
{
    TreeBuilder tree;
    EXPECT_TRUE(hasSafeFolderForm(tree.root()));
    EXPECT_TRUE(hasSafeFolderForm("/no/such/folder/"));
    for (const QString &bad :
         {QString("/"), QString("//"), QString("//srv/share/"), QString("/ staging/"),
          QString("relative/folder/"), QString(""), QString("/tmp/staging"),
          QString("/tmp/staging/../../"), QString("/tmp/./"), QDir::homePath() + "/",
          QDir::rootPath(), QString("/proc/")})
        EXPECT_FALSE(hasSafeFolderForm(bad)) << bad.toStdString();
}

TEST(ClearFolder, RefusesAMalformedPathAndEndsTheProgramDeletingNothing)
{
    TreeBuilder tree;
    tree.file("staging/a.txt");
    for (const QString &bad : {tree.path("staging"), tree.path("staging/../staging/"),
                               QString("staging/"), QString("/")}) {
        TestContext t;
        t.messages.expectOk(kCriticalError);
        EXPECT_THROW(ClearFolder(t, bad), ShutDownRequest) << bad.toStdString();
    }
    EXPECT_TRUE(tree.exists("staging/a.txt"));
}

TEST(ClearFolder, RefusesAFolderThatHoldsAnotherLocation)
{
    TreeBuilder tree;
    tree.file("staging/addon/panel.cfg").folder("staging/store/Props");
    TestContext t;
    t.state.StagingDir = tree.path("staging/");
    t.state.StowbayDir = tree.path("staging/store/");
    t.messages.expectOk(kCriticalError);
    EXPECT_THROW(ClearFolder(t, t.state.StagingDir), ShutDownRequest);
    EXPECT_TRUE(tree.exists("staging/addon/panel.cfg"));
    EXPECT_TRUE(tree.exists("staging/store/Props"));
}

TEST(ClearFolder, EmptiesNestedFoldersAndRemovesLinksButNeverWhatTheyPointTo)
{
    TreeBuilder tree;
    tree.file("outside/keep.txt")
        .file("outside/sub/keep2.txt")
        .file("Staging/a.txt")
        .file("Staging/Model/a.mdl")
        .file("Staging/Model/deep/er/b.bmp")
        .folder("Staging/empty/inner")
        .link("Staging/folder-link", tree.path("outside"))
        .link("Staging/file-link", tree.path("outside/keep.txt"))
        .link("Staging/loop", tree.path("Staging"));
    TestContext t;
    ClearFolder(t, tree.path("staging/"));
    EXPECT_TRUE(isEmptyFolder(tree.path("Staging")));
    EXPECT_TRUE(tree.exists("outside/keep.txt"));
    EXPECT_TRUE(tree.exists("outside/sub/keep2.txt"));
}

TEST(ClearFolder, ReportsWhatIsReadOnlyAndEveryFolderThatStillHoldsIt)
{
    TreeBuilder tree;
    tree.file("staging/a/b/locked.bmp")
        .file("staging/a/free.txt")
        .file("staging/c/x.txt")
        .file("staging/cd/track.wav");
    tree.readOnly("staging/a/b/locked.bmp").readOnly("staging/cd");
    TestContext t;
    // A read-only folder is no folder to enter, so it goes with the files, before the subfolders.
    t.messages.expectOk(readOnlyFileMessage(tree.path("staging/cd")))
        .expectOk(readOnlyFileMessage(tree.path("staging/a/b/locked.bmp")))
        .expectOk(kFolderNotRemoved)  // a/b
        .expectOk(kFolderNotRemoved); // a
    ClearFolder(t, tree.path("staging/"));
    EXPECT_TRUE(tree.exists("staging/a/b/locked.bmp"));
    EXPECT_FALSE(tree.exists("staging/a/free.txt"));
    EXPECT_FALSE(tree.exists("staging/c"));
    EXPECT_TRUE(tree.exists("staging/cd/track.wav"));
}
