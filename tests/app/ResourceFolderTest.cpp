#include "app/ResourceFolder.h"

#include "TreeBuilder.h"

#include <gtest/gtest.h>

// The pictures and readme.txt are found beside the program first, then in the installed data
// folder; with neither, the program's folder is kept so the placeholders show.
TEST(ResourceFolder, BesideTheProgramThenTheInstalledDataFolder)
{
    TreeBuilder tree;
    tree.file("build/readme.txt").file("share/wingstash/readme.txt");
    tree.file("usr/share/wingstash/readme.txt").folder("usr/bin").folder("bare/bin");
    EXPECT_EQ(findResourceFolder(tree.path("build/")), tree.path("build/"));
    EXPECT_EQ(findResourceFolder(tree.path("usr/bin/")), tree.path("usr/share/wingstash/"));
    EXPECT_EQ(findResourceFolder(tree.path("bare/bin/")), tree.path("bare/bin/"));
}
