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
    tree.files({"b.txt", "A.txt", "sub1/x.mdl", "sub1/deep/z.wav", "Sub2/panel.cfg",
                "sub1/Panel.CFG", "panel.cfg.bak"})
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

    // Links and read-only folders are files; the loop would never end if the walk followed
    // links.
    tree.files({"outside/secret.txt", "pkg/a.txt", "pkg/ro/inner.txt"})
        .link("pkg/loop", tree.path("pkg"))
        .link("pkg/away", tree.path("outside"))
        .readOnly("pkg/ro");
    const QString p = tree.path("pkg/");
    EXPECT_EQ(paths(walkFiles(p)), (QStringList{p + "a.txt", p + "away", p + "loop", p + "ro"}));
    EXPECT_TRUE(ListSubDirs(p).isEmpty());
}
