#include "package/Walk.h"

#include "TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QStringList realPaths(const FileList &files)
{
    QStringList paths;
    for (const PackageFile &file : files)
        paths.append(file.realPath);
    return paths;
}

QStringList listedPaths(const FileList &files)
{
    QStringList paths;
    for (const PackageFile &file : files)
        paths.append(file.path);
    return paths;
}

} // namespace

TEST(WalkFiles, ListsFilesOfAFolderBeforeThoseBelowItDepthFirst)
{
    TreeBuilder tree;
    tree.file("b.txt")
        .file("A.txt")
        .file("sub1/x.mdl")
        .file("sub1/deep/z.wav")
        .file("Sub2/Y.bmp")
        .file("sub1/w.gau");
    const QString r = tree.root();
    const FileList files = walkFiles(r);
    EXPECT_EQ(realPaths(files),
              (QStringList{r + "A.txt", r + "b.txt", r + "sub1/w.gau", r + "sub1/x.mdl",
                           r + "sub1/deep/z.wav", r + "Sub2/Y.bmp"}));
    // Listed paths are lower case throughout, the temporary root included.
    const QString lower = r.toLower();
    EXPECT_EQ(listedPaths(files),
              (QStringList{lower + "a.txt", lower + "b.txt", lower + "sub1/w.gau",
                           lower + "sub1/x.mdl", lower + "sub1/deep/z.wav", lower + "sub2/y.bmp"}));
}

TEST(WalkFiles, FindsTheRootWithoutRegardToCaseAndToleratesAMissingOne)
{
    TreeBuilder tree;
    tree.file("Package/Model/a.mdl");
    EXPECT_EQ(realPaths(walkFiles(tree.path("PACKAGE/"))),
              QStringList{tree.path("Package/Model/a.mdl")});
    EXPECT_TRUE(walkFiles(tree.path("missing/")).isEmpty());
}

TEST(WalkFiles, TreatsLinksAndReadOnlyFoldersAsFilesAndNeverEntersThem)
{
    TreeBuilder tree;
    tree.file("outside/secret.txt")
        .file("pkg/a.txt")
        .link("pkg/loop", tree.path("pkg"))
        .link("pkg/away", tree.path("outside"))
        .file("pkg/ro/inner.txt")
        .readOnly("pkg/ro");
    const QString p = tree.path("pkg/");
    // The loop would never end if the walk followed links.
    EXPECT_EQ(realPaths(walkFiles(p)),
              (QStringList{p + "a.txt", p + "away", p + "loop", p + "ro"}));
    EXPECT_TRUE(ListSubDirs(p).isEmpty());
}

TEST(WalkFiles, WalksFiveHundredSubfoldersOfOneFolder)
{
    TreeBuilder tree;
    for (int i = 0; i < 500; ++i)
        tree.file(QStringLiteral("pkg/f%1/t%1.bmp").arg(i, 3, 10, QLatin1Char('0')));
    const FileList files = walkFiles(tree.path("pkg/"));
    ASSERT_EQ(files.size(), 500);
    EXPECT_EQ(files.first().realPath, tree.path("pkg/f000/t000.bmp"));
    EXPECT_EQ(files.last().realPath, tree.path("pkg/f499/t499.bmp"));
    EXPECT_EQ(ListSubDirs(tree.path("pkg/")).size(), 500);
}

TEST(FilesNamed, FindsEveryFileOfOneNameInAnyCase)
{
    TreeBuilder tree;
    tree.file("a/Panel.CFG").file("b/panel.cfg").file("b/oldpanel.cfg").file("panel.cfg.bak");
    EXPECT_EQ(realPaths(filesNamed(tree.root(), "panel.cfg")),
              (QStringList{tree.path("a/Panel.CFG"), tree.path("b/panel.cfg")}));
}

TEST(ListSubDirs, ListsEachFolderBeforeTheFoldersInsideIt)
{
    TreeBuilder tree;
    tree.folder("a/a1/a1x").folder("a/a2").folder("B").file("a/file.txt");
    const QString r = tree.root();
    EXPECT_EQ(ListSubDirs(r),
              (QStringList{r + "a", r + "B", r + "a/a1", r + "a/a2", r + "a/a1/a1x"}));
}
