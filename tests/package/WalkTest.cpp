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

TEST(Walk, ListsFilesOfAFolderFirstThenEachSubfolderDepthFirst)
{
    TreeBuilder tree;
    tree.file("b.txt")
        .file("A.txt")
        .file("sub1/x.mdl")
        .file("sub1/deep/z.wav")
        .file("Sub2/panel.cfg")
        .file("sub1/Panel.CFG")
        .file("panel.cfg.bak")
        .folder("c/c1/c1x");
    const QString r = tree.root();
    const FileList files = walkFiles(r);
    EXPECT_EQ(paths(files),
              (QStringList{r + "A.txt", r + "b.txt", r + "panel.cfg.bak", r + "sub1/Panel.CFG",
                           r + "sub1/x.mdl", r + "sub1/deep/z.wav", r + "Sub2/panel.cfg"}));
    // Listed paths are lower case throughout, the temporary root included.
    EXPECT_EQ(files.at(3).path, r.toLower() + "sub1/panel.cfg");
    EXPECT_EQ(paths(filesNamed(r, "panel.cfg")),
              (QStringList{r + "sub1/Panel.CFG", r + "Sub2/panel.cfg"}));
    EXPECT_EQ(ListSubDirs(r), (QStringList{r + "c", r + "sub1", r + "Sub2", r + "c/c1",
                                           r + "c/c1/c1x", r + "sub1/deep"}));

    // The root is found without regard to case; a missing one lists nothing.
    EXPECT_EQ(paths(walkFiles(tree.path("SUB1/DEEP/"))), QStringList{r + "sub1/deep/z.wav"});
    EXPECT_TRUE(walkFiles(tree.path("missing/")).isEmpty());
}

TEST(Walk, TreatsLinksAndReadOnlyFoldersAsFilesAndNeverEntersThem)
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

TEST(Walk, WalksFiveHundredSubfoldersOfOneFolder)
{
    TreeBuilder tree;
    for (int i = 0; i < 500; ++i)
        tree.file(QStringLiteral("pkg/f%1/t%1.bmp").arg(i, 3, 10, QLatin1Char('0')));
    const FileList files = walkFiles(tree.path("pkg/"));
    ASSERT_EQ(files.size(), 500);
    EXPECT_EQ(files.last().realPath, tree.path("pkg/f499/t499.bmp"));
    EXPECT_EQ(ListSubDirs(tree.path("pkg/")).size(), 500);
}
