#include "package/Walk.h"

#include "support/PackageTestHelpers.h"
#include "support/UnprivilegedUser.h"

#include <gtest/gtest.h>

TEST(ReachableWalk, ReadsEveryFolderItCanReachOnceAndNamesWhatItCannotList)
{
    TreeBuilder tree;
    tree.file("Aircraft/CD/panel/panel.cfg")
        .readOnly("Aircraft/CD/panel")
        .readOnly("Aircraft/CD")
        .file("Aircraft/.hidden/Panel/PANEL.CFG")
        .file("Elsewhere/Linked/panel/panel.cfg")
        .link("Aircraft/Linked", tree.path("Elsewhere/Linked"))
        .link("Aircraft/Twin", tree.path("Elsewhere/Linked"))
        .link("Aircraft/Plain/back", tree.path("Aircraft"))
        .file("Aircraft/Plain/panel/panel.cfg")
        .file("Aircraft/Plain/panel/other.cfg")
        .link("Aircraft/Gone/panel.cfg", tree.path("unmounted/panel.cfg"))
        .file("Aircraft/Locked/panel/panel.cfg");
    denyAll(tree, "Aircraft/Locked");
    ReachableFiles reached;
    {
        const UnprivilegedUser nobody(tree);
        reached = reachableFilesNamed(tree.path("aircraft/"), "panel.cfg");
    }
    QStringList found;
    for (const PackageFile &file : reached.files)
        found.append(file.realPath.mid(tree.root().size()));
    found.sort();
    // The two links to one folder, and the link back to the top, enter it once.
    EXPECT_EQ(found, QStringList({"Aircraft/.hidden/Panel/PANEL.CFG", "Aircraft/CD/panel/panel.cfg",
                                  "Aircraft/Gone/panel.cfg", "Aircraft/Linked/panel/panel.cfg",
                                  "Aircraft/Plain/panel/panel.cfg"}));
    EXPECT_EQ(reached.unreadable, QStringList{tree.path("Aircraft/Locked")});
}
