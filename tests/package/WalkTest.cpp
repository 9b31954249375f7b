#include "package/Walk.h"

#include "TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

QStringList paths(const FileList &files, QString PackageFile::*which = &PackageFile::realPath)
{
    QStringList out;
    for (const PackageFile &file : files)
        out.append(file.*which);
    return out;
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
    EXPECT_EQ(paths(files),
              (QStringList{r + "A.txt", r + "b.txt", r + "sub1/w.gau", r + "sub1/x.mdl",
                           r + "sub1/deep/z.wav", r + "Sub2/Y.bmp"}));
    // Listed paths are lower case throughout, the temporary root included.
    const QString lower = r.toLower();
    EXPECT_EQ(paths(files, &PackageFile::path),
              (QStringList{lower + "a.txt", lower + "b.txt", lower + "sub1/w.gau",
                           lower + "sub1/x.mdl", lower + "sub1/deep/z.wav", lower + "sub2/y.bmp"}));

    // The root is found without regard to case; a missing one lists nothing.
    EXPECT_EQ(paths(walkFiles(tree.path("SUB1/DEEP/"))), QStringList{r + "sub1/deep/z.wav"});
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
    EXPECT_EQ(paths(walkFiles(p)), (QStringList{p + "a.txt", p + "away", p + "loop", p + "ro"}));
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

TEST(ListSubDirs, ListsEachFolderBeforeTheFoldersInsideIt)
{
    TreeBuilder tree;
    tree.folder("a/a1/a1x").folder("a/a2").folder("B").file("a/file.txt");
    tree.file("a/Panel.CFG").file("a2/panel.cfg").file("a2/oldpanel.cfg").file("panel.cfg.bak");
    const QString r = tree.root();
    EXPECT_EQ(ListSubDirs(r),
              (QStringList{r + "a", r + "a2", r + "B", r + "a/a1", r + "a/a2", r + "a/a1/a1x"}));
    // filesNamed finds every file of one name in any case.
    EXPECT_EQ(paths(filesNamed(r, "panel.cfg")),
              (QStringList{r + "a/Panel.CFG", r + "a2/panel.cfg"}));
}
