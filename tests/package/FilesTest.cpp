#include "package/Files.h"

#include "PackageTestHelpers.h"
#include "ScriptedMessageBoxes.h"

#include <gtest/gtest.h>

TEST(FileNameOf, GivesTheLastComponentOrTheLastTwo)
{
    EXPECT_EQ(FileNameOf("/x/model/a.mdl", false), "a.mdl");
    EXPECT_EQ(FileNameOf("/x/model/", false), "model/");
    EXPECT_EQ(FileNameOf("/x/model/a.mdl", true), "model/a.mdl");
    EXPECT_EQ(FileNameOf("/a.mdl", true), "a.mdl");
}

TEST(SubfolderExists, MatchesOnlyRealFoldersIgnoringCase)
{
    TreeBuilder tree;
    tree.folder("Aircraft/Cub").file("Aircraft/Note").link("Aircraft/Linked", tree.path("x"));
    tree.folder("Aircraft/Locked").readOnly("Aircraft/Locked");
    const QString aircraft = tree.path("Aircraft/");
    EXPECT_TRUE(SubfolderExists(aircraft, "cub"));
    EXPECT_FALSE(SubfolderExists(aircraft, "note"));
    EXPECT_FALSE(SubfolderExists(aircraft, "linked"));
    EXPECT_FALSE(SubfolderExists(aircraft, "locked"));
    EXPECT_FALSE(SubfolderExists(aircraft, "missing"));
}

TEST(IsStagingEmpty, CountsFilesAndFoldersButNotHiddenOnes)
{
    TreeBuilder tree;
    SharedState state;
    state.StagingDir = tree.path("staging/");
    tree.folder("staging").file("staging/.hidden");
    EXPECT_TRUE(IsStagingEmpty(state));
    tree.folder("staging/empty");
    EXPECT_FALSE(IsStagingEmpty(state));
}

TEST(RemoveFile, DeletesQuietlyAndReportsAReadOnlyFile)
{
    TreeBuilder tree;
    tree.file("a.bmp").file("b.bmp").file("c.bmp").file("keep.txt").file("cd/panel.bmp");
    tree.readOnly("cd/panel.bmp");
    ScriptedMessageBoxes messages;
    EXPECT_TRUE(RemoveFile(messages, tree.path("a.bmp")));
    EXPECT_TRUE(RemoveFile(messages, tree.path("gone.bmp")));
    // A name that merely holds "*" is deleted as itself; only a missing one is a pattern.
    tree.file("*.bmp");
    EXPECT_TRUE(RemoveFile(messages, tree.path("*.bmp")));
    EXPECT_FALSE(tree.exists("*.bmp"));
    EXPECT_TRUE(tree.exists("b.bmp"));
    EXPECT_TRUE(RemoveFile(messages, tree.path("*.bmp")));
    EXPECT_FALSE(tree.exists("b.bmp") || tree.exists("c.bmp"));
    EXPECT_TRUE(tree.exists("keep.txt"));

    const QString locked = tree.path("cd/panel.bmp");
    messages.expectOk(readOnlyFileMessage(locked));
    EXPECT_FALSE(RemoveFile(messages, locked));
    EXPECT_TRUE(tree.exists("cd/panel.bmp"));
}

TEST(PackageHasFile, ComparesBareFileNamesIgnoringCase)
{
    SharedState state;
    state.AllFiles = {{"/s/panel/oldpanel.cfg", "/s/Panel/OLDPANEL.cfg"},
                      {"/s/aircraft.cfg.txt", "/s/aircraft.cfg.txt"}};
    EXPECT_TRUE(PackageHasFile(state, "OldPanel.cfg"));
    EXPECT_FALSE(PackageHasFile(state, "panel.cfg"));
    EXPECT_FALSE(PackageHasFile(state, "aircraft.cfg"));
}
