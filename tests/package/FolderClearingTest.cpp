#include "package/FolderClearing.h"

#include "TestContext.h"
#include "TreeBuilder.h"
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

TEST(ClearFolder, EmptiesNestedFoldersAndLeavesTheFolderItself)
{
    TreeBuilder tree;
    tree.file("Staging/a.txt")
        .file("Staging/Model/a.mdl")
        .file("Staging/Model/deep/er/b.bmp")
        .folder("Staging/empty/inner")
        .file("Staging/Sound/x.wav");
    TestContext t;
    ClearFolder(t, tree.path("staging/"));
    EXPECT_TRUE(isEmptyFolder(tree.path("Staging")));
}

TEST(ClearFolder, RemovesLinksButNeverWhatTheyPointTo)
{
    TreeBuilder tree;
    tree.file("outside/keep.txt")
        .file("outside/sub/keep2.txt")
        .file("staging/a.txt")
        .link("staging/folder-link", tree.path("outside"))
        .link("staging/file-link", tree.path("outside/keep.txt"))
        .link("staging/loop", tree.path("staging"));
    TestContext t;
    ClearFolder(t, tree.path("staging/"));
    EXPECT_TRUE(isEmptyFolder(tree.path("staging")));
    EXPECT_TRUE(tree.exists("outside/keep.txt"));
    EXPECT_TRUE(tree.exists("outside/sub/keep2.txt"));
}

TEST(ClearFolder, ReportsAReadOnlyFileAndEveryFolderThatStillHoldsIt)
{
    TreeBuilder tree;
    tree.file("staging/a/b/locked.bmp").file("staging/a/free.txt").file("staging/c/x.txt");
    tree.readOnly("staging/a/b/locked.bmp");
    TestContext t;
    t.messages
        .expectOk("There was a problem removing file " + tree.path("staging/a/b/locked.bmp") +
                  " - It may be set to READ-ONLY mode (i.e. it is on a CD).  Check the file "
                  "properties.")
        .expectOk(kFolderNotRemoved)  // a/b
        .expectOk(kFolderNotRemoved); // a
    ClearFolder(t, tree.path("staging/"));
    EXPECT_TRUE(tree.exists("staging/a/b/locked.bmp"));
    EXPECT_FALSE(tree.exists("staging/a/free.txt"));
    EXPECT_FALSE(tree.exists("staging/c"));
}

TEST(ClearFolder, LeavesAReadOnlyFolderWholeAndSaysSo)
{
    TreeBuilder tree;
    tree.file("staging/cd/track.wav").readOnly("staging/cd");
    TestContext t;
    t.messages.expectOk("There was a problem removing file " + tree.path("staging/cd") +
                        " - It may be set to READ-ONLY mode (i.e. it is on a CD).  Check the "
                        "file properties.");
    ClearFolder(t, tree.path("staging/"));
    EXPECT_TRUE(tree.exists("staging/cd/track.wav"));
}
