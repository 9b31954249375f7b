#include "PackageTestHelpers.h"
#include "RealCorpus.h"
#include "TestContext.h"
#include "package/AircraftConfig.h"
#include "package/ConfigReaders.h"

#include <gtest/gtest.h>

TEST(ReadPanelCfg, TakesTheFirstAliasAsWrittenAndEveryBitmapName)
{
    // Each "=" left of a ".bmp" gives one more name.
    const struct {
        const char *fixture;
        QByteArray content;
        QString alias;
        QStringList bitmaps;
    } cases[] = {
        {"synthetic-cfg/alias-panel/panel.cfg", {}, "corvid c4\\panel", {}},
        {"synthetic-cfg/alias-panel-spaces/panel.cfg", {}, " corvid c4\\panel   ", {}},
        {"synthetic-cfg/alias-upper/Panel.CFG", {}, "corvid c4\\panel", {}},
        {nullptr,
         "[fltsim]\r\n// alias list\r\nalias=First=Part\r\nalias=second\r\n",
         "first=part",
         {}},
        {"synthetic-cfg/panel-bitmaps/PANEL.CFG",
         {},
         "",
         {"front panel c4.bmp", "front panel c4 1024.bmp", "roof c4.bmp", "radios.bmp",
          "$vc_c4.bmp"}},
        {nullptr, "x=a=b=c.bmp=d.bmp\r\n", "", {"c.bmp", "b=c.bmp", "a=b=c.bmp"}},
    };
    TreeBuilder tree;
    for (const auto &c : cases) {
        tree.file("panel.cfg", c.fixture ? fixtureBytes(c.fixture) : c.content);
        SharedState state;
        state.PanelAlias = "left over";
        ReadPanelCfg(state, listedFile(tree, "panel.cfg"));
        EXPECT_EQ(state.PanelAlias, c.alias) << c.content.constData();
        EXPECT_EQ(state.PanelBitmaps, c.bitmaps) << c.content.constData();
    }
    SharedState state;
    state.PanelAlias = "left over";
    ReadPanelCfg(state, listedFile(tree, "missing/panel.cfg"));
    EXPECT_TRUE(state.PanelAlias.isEmpty());
}

TEST(ReadPanelCfg, OldPanelCfgNamesBitmapsOnlyAndTheLastFileReadWritesFromTheFirstEntry)
{
    TreeBuilder tree;
    tree.file("oldpanel.cfg", "[fltsim]\r\nalias=other\\panel\r\nfile=Back.bmp\r\n")
        .file("a/panel.cfg", "file=one.bmp\r\nfile=two.bmp\r\nfile=three.bmp\r\n");
    SharedState state;
    ReadPanelCfg(state, listedFile(tree, "a/panel.cfg"));
    ReadPanelCfg(state, listedFile(tree, "oldpanel.cfg"));
    EXPECT_TRUE(state.PanelAlias.isEmpty());
    EXPECT_EQ(state.PanelBitmaps, (QStringList{"back.bmp", "two.bmp", "three.bmp"}));
    state.PanelAlias = "kept";
    ReadPanelCfg(state, listedFile(tree, "oldpanel.cfg"));
    EXPECT_EQ(state.PanelAlias, "kept");
    EXPECT_TRUE(IsPanelBitmap(state, "back.bmp"));
    EXPECT_FALSE(IsPanelBitmap(state, "Back.bmp"));
    EXPECT_FALSE(IsPanelBitmap(state, "back"));
}

TEST(ReadSoundCfg, TakesTheAliasFromSoundCfgOnly)
{
    TreeBuilder tree;
    tree.fixture("synthetic-cfg/alias-sound/sound.cfg", "a/sound.cfg")
        .fixture("synthetic-cfg/alias-sound/sound.cfg", "b/OldSound.cfg")
        .fixture("synthetic-cfg/sound-names/sound.cfg", "c/sound.cfg");
    SharedState state;
    ReadSoundCfg(state, listedFile(tree, "a/sound.cfg"));
    EXPECT_EQ(state.SoundAlias, "corvid c4\\sound");
    ReadSoundCfg(state, listedFile(tree, "b/OldSound.cfg"));
    EXPECT_EQ(state.SoundAlias, "corvid c4\\sound");
    ReadSoundCfg(state, listedFile(tree, "c/sound.cfg"));
    EXPECT_TRUE(state.SoundAlias.isEmpty());
}

TEST(IsSoundInSoundCfg, FindsTheNameWithoutItsExtensionInAReadableSoundCfg)
{
    TreeBuilder tree;
    tree.fixture("synthetic-cfg/sound-names/sound.cfg", "sound/Sound.cfg")
        .file("empty/sound.cfg")
        .folder("unreadable/sound.cfg");
    const PackageFile wav = listedFile(tree, "sound/c4_prop.wav");
    const PackageFile cfg = listedFile(tree, "sound/Sound.cfg");
    SharedState state;
    state.ComponentFiles[Sound] = {wav, cfg};
    for (const char *name : {"c4_prop.wav", "c4_bump3.wav", "cmtouch2.wav", "c4_gust.wav"})
        EXPECT_TRUE(IsSoundInSoundCfg(state, name)) << name;
    EXPECT_FALSE(IsSoundInSoundCfg(state, "c4_flaps.wav"));
    EXPECT_FALSE(IsSoundInSoundCfg(state, "c4_prop.mp3"));

    // Without a second sound file, a sound.cfg, or any line to read, no name is found.
    const FileList without[] = {{cfg},
                                {wav, listedFile(tree, "sound/c4_gust.wav")},
                                {wav, listedFile(tree, "empty/sound.cfg")},
                                {wav, listedFile(tree, "unreadable/sound.cfg")}};
    for (const FileList &sounds : without) {
        state.ComponentFiles[Sound] = sounds;
        EXPECT_FALSE(IsSoundInSoundCfg(state, "c4_prop.wav")) << sounds.last().path.toStdString();
    }
}

TEST(RealCorpus, ReadersTakeWhatRealAddOnFilesHold)
{
    REQUIRE_REAL_CORPUS();
    // aircraft.cfg: its lines, the title read, the configurations offered, and what the file
    // rewritten to the chosen one keeps and drops. Tab-aligned "title\t= x" lines name no
    // title; Swift's atc_model= is model= of its last row, so neither model folder goes.
    const struct {
        const char *file;
        int lines;
        QString title;
        int offered, answer;
        QByteArray kept, dropped;
    } aircraft[] = {
        {"hp-hampden-mki/aircraft.cfg", 384, "Hampden", 0, 0, {}, {}},
        {"supermarine-swiftR5/Aircraft.cfg", 355, "MULTI", 2, 0, "description=\xa9 AlphaSim 2006",
         "longrange"},
        {"DLA_Jodel_DR-1050/aircraft.cfg", 572, "MULTI", 7, 6, "G-ARXT, Avion \xe0 h\xe9lice",
         "F-PJKG"},
    };
    for (const auto &c : aircraft) {
        SCOPED_TRACE(c.file);
        TreeBuilder tree;
        TestContext test;
        test.state.StagingDir = tree.root();
        tree.fixture(QStringLiteral("real-cfg/") + c.file, "aircraft.cfg")
            .file("model/a.mdl")
            .file("model.1/b.mdl");
        const PackageFile file = listedFile(tree, "aircraft.cfg");
        CheckAircraftCfg(test, file);
        EXPECT_EQ(test.state.AircraftCfgLineCount, c.lines);
        EXPECT_EQ(test.state.AircraftTitle, c.title);
        if (c.offered == 0)
            continue;
        test.configChooser.answers = {c.answer};
        EXPECT_TRUE(ChooseConfiguration(test, file));
        EXPECT_EQ(test.configChooser.offered.value(0).size(), c.offered);
        const QByteArray written = tree.read("aircraft.cfg");
        EXPECT_EQ(written.count("[fltsim."), 1);
        EXPECT_EQ(written.count("\n"), written.count("\r\n"));
        for (const QByteArray &part : c.kept.split(','))
            EXPECT_TRUE(written.contains(part.trimmed())) << part.constData();
        EXPECT_FALSE(written.contains(c.dropped));
        EXPECT_TRUE(tree.exists("model/a.mdl") && tree.exists("model.1/b.mdl"));
    }

    TreeBuilder tree;
    tree.fixture("real-cfg/757Glass/Panel/panel.cfg", "757/panel.cfg")
        .fixture("real-cfg/DLA_Jodel_DR-1050/panel/panel.cfg", "jodel/panel.cfg")
        .fixture("real-cfg/DLA_Jodel_DR-1050/sound/sound.cfg", "jodel/sound.cfg");
    SharedState state;
    ReadPanelCfg(state, listedFile(tree, "757/panel.cfg"));
    EXPECT_EQ(state.PanelBitmaps,
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
    EXPECT_TRUE(IsSoundInSoundCfg(jodel, "lwgscr.wav"));
    EXPECT_TRUE(IsSoundInSoundCfg(jodel, "tire2.wav"));
    EXPECT_FALSE(IsSoundInSoundCfg(jodel, "horn.wav"));
}
