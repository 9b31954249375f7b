#include "PackageTestHelpers.h"
#include "package/ConfigReaders.h"

#include <gtest/gtest.h>

namespace {

PackageFile fixtureFile(TreeBuilder &tree, const QString &fixture, const QString &relative)
{
    tree.fixture(fixture, relative);
    return listedFile(tree, relative);
}

} // namespace

TEST(ReadPanelCfg, TakesTheFirstAliasAsWrittenAfterTheFirstEquals)
{
    TreeBuilder tree;
    SharedState state;
    state.PanelAlias = "left over";
    ReadPanelCfg(state, fixtureFile(tree, "synthetic-cfg/alias-panel/panel.cfg", "a/panel.cfg"));
    EXPECT_EQ(state.PanelAlias, "ridgeway a3\\panel");

    ReadPanelCfg(state,
                 fixtureFile(tree, "synthetic-cfg/alias-panel-spaces/panel.cfg", "b/panel.cfg"));
    EXPECT_EQ(state.PanelAlias, " ridgeway a3\\panel   ");

    ReadPanelCfg(state, fixtureFile(tree, "synthetic-cfg/alias-upper/Panel.CFG", "c/Panel.CFG"));
    EXPECT_EQ(state.PanelAlias, "ridgeway a3\\panel");

    ReadPanelCfg(state, fixtureFile(tree, "real-cfg/757Glass/Panel/panel.cfg", "d/panel.cfg"));
    EXPECT_TRUE(state.PanelAlias.isEmpty());

    // "// alias list" holds no "=", so it is passed over.
    tree.file("e/panel.cfg", "[fltsim]\r\n// alias list\r\nalias=First=Part\r\nalias=second\r\n");
    ReadPanelCfg(state, listedFile(tree, "e/panel.cfg"));
    EXPECT_EQ(state.PanelAlias, "first=part");

    ReadPanelCfg(state, listedFile(tree, "missing/panel.cfg"));
    EXPECT_TRUE(state.PanelAlias.isEmpty());
}

TEST(ReadPanelCfg, OldPanelCfgNamesBitmapsButNeverGivesOrClearsAnAlias)
{
    TreeBuilder tree;
    tree.file("oldpanel.cfg", "[fltsim]\r\nalias=other\\panel\r\nfile=Back.bmp\r\n");
    SharedState state;
    ReadPanelCfg(state, listedFile(tree, "oldpanel.cfg"));
    EXPECT_TRUE(state.PanelAlias.isEmpty());
    EXPECT_EQ(state.PanelBitmaps, QStringList{"back.bmp"});
    state.PanelAlias = "kept";
    ReadPanelCfg(state, listedFile(tree, "oldpanel.cfg"));
    EXPECT_EQ(state.PanelAlias, "kept");
}

TEST(ReadPanelCfg, ReadsEveryBitmapNameOfRealAndSyntheticPanels)
{
    TreeBuilder tree;
    SharedState state;
    ReadPanelCfg(state, fixtureFile(tree, "synthetic-cfg/panel-bitmaps/PANEL.CFG", "PANEL.CFG"));
    EXPECT_EQ(state.PanelBitmaps, (QStringList{"main panel a3.bmp", "main panel a3 1024.bmp",
                                               "overhead a3.bmp", "radio.bmp", "$vc_a3.bmp"}));
    EXPECT_TRUE(IsPanelBitmap(state, "radio.bmp"));
    EXPECT_FALSE(IsPanelBitmap(state, "Radio.bmp"));
    EXPECT_FALSE(IsPanelBitmap(state, "radio"));

    SharedState glass;
    ReadPanelCfg(glass, fixtureFile(tree, "real-cfg/757Glass/Panel/panel.cfg", "g/panel.cfg"));
    EXPECT_EQ(glass.PanelBitmaps,
              (QStringList{"b767upper.bmp", "b767forward.bmp", "b767upper_fo.bmp",
                           "b767forward_fo.bmp", "b767overhead.bmp", "b767pedestal.bmp",
                           "b767standby.bmp", "b767mini.bmp", "b767_vc2b.bmp", "b767_vc1a.bmp"}));

    SharedState jodel;
    ReadPanelCfg(jodel,
                 fixtureFile(tree, "real-cfg/DLA_Jodel_DR-1050/panel/panel.cfg", "j/panel.cfg"));
    EXPECT_TRUE(jodel.PanelBitmaps.isEmpty());
    EXPECT_TRUE(jodel.PanelAlias.isEmpty());
}

TEST(ReadPanelCfg, EqualsSignsAndLaterFilesShapeTheBitmapNames)
{
    TreeBuilder tree;
    tree.file("x/panel.cfg", "x=a=b=c.bmp=d.bmp\r\n")
        .file("a/panel.cfg", "file=one.bmp\r\nfile=two.bmp\r\nfile=three.bmp\r\n")
        .file("b/panel.cfg", "file=four.bmp\r\n");
    SharedState state;
    // Each "=" left of the bitmap gives a longer name.
    ReadPanelCfg(state, listedFile(tree, "x/panel.cfg"));
    EXPECT_EQ(state.PanelBitmaps, (QStringList{"c.bmp", "b=c.bmp", "a=b=c.bmp"}));
    // The file read last writes from the first entry on.
    SharedState twice;
    ReadPanelCfg(twice, listedFile(tree, "a/panel.cfg"));
    ReadPanelCfg(twice, listedFile(tree, "b/panel.cfg"));
    EXPECT_EQ(twice.PanelBitmaps, (QStringList{"four.bmp", "two.bmp", "three.bmp"}));
}

TEST(ReadSoundCfg, TakesTheAliasFromSoundCfgOnly)
{
    TreeBuilder tree;
    SharedState state;
    ReadSoundCfg(state, fixtureFile(tree, "synthetic-cfg/alias-sound/sound.cfg", "a/sound.cfg"));
    EXPECT_EQ(state.SoundAlias, "ridgeway a3\\sound");
    ReadSoundCfg(state, fixtureFile(tree, "synthetic-cfg/alias-sound/sound.cfg", "a/OldSound.cfg"));
    EXPECT_EQ(state.SoundAlias, "ridgeway a3\\sound");
    ReadSoundCfg(state,
                 fixtureFile(tree, "real-cfg/DLA_Jodel_DR-1050/sound/sound.cfg", "b/sound.cfg"));
    EXPECT_TRUE(state.SoundAlias.isEmpty());
    EXPECT_TRUE(state.PanelBitmaps.isEmpty());
}

TEST(IsSoundInSoundCfg, FindsTheNameWithoutItsExtensionGivenASoundCfgAndAnotherSound)
{
    TreeBuilder tree;
    SharedState state;
    const PackageFile eng = listedFile(tree, "sound/a3_eng.wav");
    const PackageFile soundCfg =
        fixtureFile(tree, "synthetic-cfg/sound-names/sound.cfg", "sound/Sound.cfg");
    state.ComponentFiles[Sound] = {eng, soundCfg};
    EXPECT_TRUE(IsSoundInSoundCfg(state, "a3_eng.wav"));
    EXPECT_TRUE(IsSoundInSoundCfg(state, "a3_touch3.wav"));
    EXPECT_TRUE(IsSoundInSoundCfg(state, "cmtouch2.wav"));
    EXPECT_FALSE(IsSoundInSoundCfg(state, "a3_flaps.wav"));
    EXPECT_FALSE(IsSoundInSoundCfg(state, "a3_eng.mp3"));

    state.ComponentFiles[Sound] = {soundCfg};
    EXPECT_FALSE(IsSoundInSoundCfg(state, "a3_eng.wav"));
    state.ComponentFiles[Sound] = {eng, listedFile(tree, "sound/a3_wind.wav")};
    EXPECT_FALSE(IsSoundInSoundCfg(state, "a3_eng.wav"));

    state.ComponentFiles[Sound] = {
        listedFile(tree, "s/lwgscr.wav"),
        fixtureFile(tree, "real-cfg/DLA_Jodel_DR-1050/sound/sound.cfg", "s/sound.cfg")};
    EXPECT_TRUE(IsSoundInSoundCfg(state, "lwgscr.wav"));
    EXPECT_TRUE(IsSoundInSoundCfg(state, "tire2.wav"));
    EXPECT_FALSE(IsSoundInSoundCfg(state, "horn.wav"));
}
