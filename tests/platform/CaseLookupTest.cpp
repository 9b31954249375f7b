#include "platform/FileSystem.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(CaseLookup, FindsEachComponentIgnoringCaseAndKeepsTheMissingTailAsGiven)
{
    TreeBuilder tree;
    tree.file("Aircraft/My Plane/Panel/Panel.CFG").folder("Gauges");
    const QString r = tree.root();

    EXPECT_EQ(resolveCase(r + "aircraft/my plane/panel/panel.cfg"),
              tree.path("Aircraft/My Plane/Panel/Panel.CFG"));
    EXPECT_EQ(resolveCase(r + "AIRCRAFT/my plane/"), tree.path("Aircraft/My Plane/"));
    EXPECT_TRUE(entryExists(r + "aircraft/MY PLANE/panel/PANEL.cfg"));
    EXPECT_TRUE(folderExists(r + "aircraft/my plane/panel/"));

    EXPECT_EQ(resolveCase(r + "gauges/New/Sub/File.GAU"), tree.path("Gauges/New/Sub/File.GAU"));
    EXPECT_EQ(resolveCase(r + "gauges/new/"), tree.path("Gauges/new/"));
    EXPECT_FALSE(entryExists(r + "gauges/new"));
    EXPECT_EQ(resolveCase(""), "");
}

TEST(CaseLookup, PrefersTheExactSpellingOverACaseVariant)
{
    TreeBuilder tree;
    tree.file("Panel.bmp", "upper").file("panel.bmp", "lower").file("Only.bmp");

    EXPECT_EQ(resolveCase(tree.path("panel.bmp")), tree.path("panel.bmp"));
    EXPECT_EQ(resolveCase(tree.path("Panel.bmp")), tree.path("Panel.bmp"));
    // With no exact match, the first in listing order wins.
    EXPECT_EQ(resolveCase(tree.path("PANEL.BMP")), tree.path("Panel.bmp"));
    EXPECT_EQ(resolveCase(tree.path("only.BMP")), tree.path("Only.bmp"));
}
