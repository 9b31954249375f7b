#include "PackageTestHelpers.h"
#include "RealCorpus.h"
#include "TestContext.h"
#include "package/AircraftConfig.h"
#include "package/ConfigReaders.h"

#include <gtest/gtest.h>

TEST(ReadPanelCfg, TakesTheFirstAliasAsWrittenAndEveryBitmapName)
{
    // Each "=" left of a ".bmp" gives one more name; a missing file gives nothing.
    const struct {
        QByteArray content;
        QString alias;
        QStringList bitmaps;
    } cases[] = {
        {fixtureBytes("synthetic-cfg/alias-panel/panel.cfg"), "corvid c4\\panel", {}},
        {fixtureBytes("synthetic-cfg/alias-panel-spaces/panel.cfg"), " corvid c4\\panel   ", {}},
        {fixtureBytes("synthetic-cfg/alias-upper/Panel.CFG"), "corvid c4\\panel", {}},
        {"[fltsim]\r\n// alias list\r\nalias=First=Part\r\nalias=second\r\n", "first=part", {}},
        {fixtureBytes("synthetic-cfg/panel-bitmaps/PANEL.CFG"),
         "",
         {"front panel c4.bmp", "front panel c4 1024.bmp", "roof c4.bmp", "radios.bmp",
          "$vc_c4.bmp"}},
        {"x=a=b=c.bmp=d.bmp\r\n", "", {"c.bmp", "b=c.bmp", "a=b=c.bmp"}},
        {{}, "", {}},
    };
    TreeBuilder tree;
    for (const auto &c : cases) {
        tree.file("panel.cfg", c.content);
        SharedState state;
        state.PanelAlias = "left over";
        ReadPanelCfg(state, listedFile(tree, c.content.isEmpty() ? "missing.cfg" : "panel.cfg"));
        EXPECT_EQ(state.PanelAlias, c.alias) << c.content.constData();
        EXPECT_EQ(state.PanelBitmaps, c.bitmaps) << c.content.constData();
    }
}

TEST(RealCorpus, ReadersTakeWhatRealAddOnFilesHold)
{
    REQUIRE_REAL_CORPUS();
    // aircraft.cfg with the last configuration chosen. Tab-aligned "title\t= x" lines name no
    // title; Swift's atc_model= is model= of its last row, so neither model folder goes.
    const struct {
        const char *file;
        int lines, offered;
        QByteArray kept, dropped;
    } aircraft[] = {
        {"hp-hampden-mki/aircraft.cfg", 384, 0, "title=Hampden\r\n", "none"},
        {"supermarine-swiftR5/Aircraft.cfg", 355, 2, "FR5 longrange", "title=ALPHA Swift FR5\r\n"},
        {"DLA_Jodel_DR-1050/aircraft.cfg", 572, 7, "Avion \xe0 h\xe9lice", "F-PJKG"},
    };
    for (const auto &c : aircraft) {
        SCOPED_TRACE(c.file);
        TreeBuilder tree;
        TestContext test;
        test.state.StagingDir = tree.root();
        test.configChooser.answers = {c.offered - 1};
        tree.fixture(QStringLiteral("real-cfg/") + c.file, "aircraft.cfg")
            .files({"model/a.mdl", "model.1/b.mdl"});
        const PackageFile file = listedFile(tree, "aircraft.cfg");
        CheckAircraftCfg(test, file);
        EXPECT_EQ(test.state.AircraftCfgLineCount, c.lines);
        EXPECT_TRUE(ChooseConfiguration(test, file));
        EXPECT_EQ(test.configChooser.offered.value(0).size(), c.offered);
        const QByteArray written = tree.read("aircraft.cfg");
        EXPECT_EQ(written.count("[fltsim."), 1);
        EXPECT_EQ(written.count("\n"), written.count("\r\n"));
        EXPECT_TRUE(written.contains(c.kept) && !written.contains(c.dropped));
        EXPECT_TRUE(tree.exists("model/a.mdl") && tree.exists("model.1/b.mdl"));
    }

    TreeBuilder tree;
    tree.fixture("real-cfg/757Glass/Panel/panel.cfg", "757/panel.cfg")
        .fixture("real-cfg/DLA_Jodel_DR-1050/panel/panel.cfg", "jodel/panel.cfg")
        .fixture("real-cfg/DLA_Jodel_DR-1050/sound/sound.cfg", "jodel/sound.cfg");
    SharedState glass;
    ReadPanelCfg(glass, listedFile(tree, "757/panel.cfg"));
    EXPECT_EQ(glass.PanelBitmaps,
              (QStringList{"b767upper.bmp", "b767forward.bmp", "b767upper_fo.bmp",
                           "b767forward_fo.bmp", "b767overhead.bmp", "b767pedestal.bmp",
                           "b767standby.bmp", "b767mini.bmp", "b767_vc2b.bmp", "b767_vc1a.bmp"}));
    SharedState jodel;
    ReadPanelCfg(jodel, listedFile(tree, "jodel/panel.cfg"));
    ReadSoundCfg(jodel, listedFile(tree, "jodel/sound.cfg"));
    EXPECT_TRUE(jodel.PanelBitmaps.isEmpty() && jodel.PanelAlias.isEmpty());
    EXPECT_TRUE(jodel.SoundAlias.isEmpty());
    jodel.ComponentFiles[Sound] = {listedFile(tree, "jodel/lwgscr.wav"),
                                   listedFile(tree, "jodel/sound.cfg")};
    EXPECT_TRUE(IsSoundInSoundCfg(jodel, "lwgscr.wav") && IsSoundInSoundCfg(jodel, "tire2.wav"));
    EXPECT_FALSE(IsSoundInSoundCfg(jodel, "horn.wav"));
}
