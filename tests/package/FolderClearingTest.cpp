#include "package/FolderClearing.h"

#include "PackageTestHelpers.h"
#include "TemporaryHome.h"
#include "TestContext.h"
#include "package/AircraftConfig.h"
#include "package/LocationSafety.h"
#include "package/Removal.h"
#include "package/ShutDown.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(ClearFolder, RefusesAMalformedPathAndEndsTheProgramDeletingNothing)
{
    TreeBuilder tree;
    tree.file("staging/a.txt");
    for (const QString &bad : {tree.path("staging"), tree.path("staging/../staging/"),
                               QString("staging/"), QString("/"), QString("")}) {
        TestContext t;
        t.messages.expectOk();
        EXPECT_THROW(ClearFolder(t, bad), ShutDownRequest) << bad.toStdString();
    }
    EXPECT_TRUE(tree.exists("staging/a.txt"));
}

TEST(ClearFolder, RefusesHomeVolumeRootAndAFolderHoldingALocationButGoesOn)
{
    TreeBuilder tree;
    tree.file("home/notes.txt").file("staging/addon/panel.cfg").folder("staging/store/Props");
    tree.link("to-home", tree.path("home"));
    const TemporaryHome home(tree.path("home"));
    // Home is found however it is written: in other letter case, or through a link.
    for (const QString &folder : {tree.path("home/"), tree.path("HOME/"), tree.path("to-home/"),
                                  tree.root(), QString("/proc/"), tree.path("staging/")}) {
        TestContext t;
        t.state.StagingDir = tree.path("staging/");
        t.state.MsfsDir = tree.path("staging/store/"); // an empty location before it is passed
        t.messages.expectOk(folder);
        EXPECT_FALSE(ClearFolder(t, folder)) << folder.toStdString();
        t.messages.verifyAllShown();
    }
    EXPECT_TRUE(tree.exists("home/notes.txt"));
    EXPECT_TRUE(tree.exists("staging/addon/panel.cfg"));
    EXPECT_TRUE(tree.exists("staging/store/Props"));
}

TEST(ClearFolder, RefusesEveryFolderWhileTheLocationsOverlap)
{
    TreeBuilder tree;
    tree.file("staging/addon/panel.cfg").file("store/staging/addon/panel.cfg");
    const QStringList before = entriesBelow(tree.root());
    const struct {
        QString staging, stowbay, folder;
    } cases[] = {
        // The store named in other letter case is still the folder being emptied.
        {tree.path("staging/"), tree.path("STAGING/"), tree.path("staging/")},
        {tree.path("store/staging/"), tree.path("store/"), tree.path("store/staging/addon/")},
    };
    for (const auto &c : cases) {
        TestContext t;
        t.state.StagingDir = c.staging;
        t.state.StowbayDir = c.stowbay;
        t.messages.expectOk(c.folder);
        EXPECT_FALSE(ClearFolder(t, c.folder)) << c.folder.toStdString();
    }
    EXPECT_EQ(entriesBelow(tree.root()), before);
}

TEST(ClearFolder, EmptiesEverythingHiddenEntriesTooAndRemovesLinksNotTheirTargets)
{
    TreeBuilder tree;
    tree.file("outside/keep.txt")
        .file("outside/sub/keep2.txt")
        .file("Staging/Model/a.mdl")
        .file("Staging/Model/deep/er/b.bmp")
        .folder("Staging/empty/inner")
        .file("Staging/.DS_Store")
        .file("Staging/__MACOSX/._a.mdl")
        .file("Staging/Model/.cache/x")
        .link("Staging/folder-link", tree.path("outside"))
        .link("Staging/file-link", tree.path("outside/keep.txt"))
        .link("Staging/loop", tree.path("Staging"))
        .file("Staging/cd/track.wav")
        .readOnly("Staging/cd");
    const QStringList outside = entriesBelow(tree.path("outside"));
    TestContext t;
    EXPECT_TRUE(ClearFolder(t, tree.path("staging/")));
    EXPECT_EQ(entriesBelow(tree.path("Staging")), QStringList());
    EXPECT_EQ(entriesBelow(tree.path("outside")), outside);
}

TEST(ClearFolder, WhatCannotBeDeletedStopsItBeforeAnythingGoes)
{
    TreeBuilder tree;
    tree.file("Staging/.DS_Store").file("Staging/a/b/locked.bmp").file("Staging/z.txt");
    tree.readOnly("Staging/a/b/locked.bmp");
    const QStringList before = entriesBelow(tree.root());
    const std::optional<platform::RemovalObstacle> obstacle =
        platform::removalObstacle(tree.path("Staging/a"));
    ASSERT_TRUE(obstacle && obstacle->path == tree.path("Staging/a/b/locked.bmp"));
    TestContext t;
    t.messages.expectOk(obstacle->path);
    EXPECT_FALSE(ClearFolder(t, tree.path("Staging/")));
    EXPECT_EQ(entriesBelow(tree.root()), before);
}

TEST(ClearFolder, ARefusalWhilePruningConfigurationsChangesNothing)
{
    // The second configuration not chosen uses the folder that holds the store: the first one's
    // folder must not be emptied and aircraft.cfg must not be rewritten either.
    const QByteArray cfg = "[fltsim.0]\r\ntitle=A\r\ntexture=a\r\n[fltsim.1]\r\ntitle=B\r\n"
                           "texture=b\r\n[fltsim.2]\r\ntitle=C\r\nmodel=c\r\n";
    TreeBuilder tree;
    tree.file("aircraft.cfg", cfg).file("texture.a/a.bmp").file("texture.b/b.bmp");
    tree.file("model.c/c.mdl").folder("model.c/store");
    TestContext t;
    t.state.StagingDir = tree.root();
    t.state.StowbayDir = tree.path("model.c/store/");
    t.configChooser.answers = {0};
    // A store inside Staging: no folder of Staging may be emptied.
    t.messages.expectOk(tree.path("texture.b/"));
    const PackageFile file = listedFile(tree, "aircraft.cfg");
    CheckAircraftCfg(t, file);
    EXPECT_FALSE(ChooseConfiguration(t, file));
    EXPECT_EQ(tree.read("aircraft.cfg"), cfg);
    EXPECT_TRUE(tree.exists("texture.b/b.bmp"));
    EXPECT_TRUE(tree.exists("model.c/c.mdl"));
}
