#include "TestContext.h"
#include "TreeBuilder.h"
#include "package/Scan.h"

#include <gtest/gtest.h>

namespace {

// One add-on holding a file of every sort, in the mixed case real add-ons ship.
void buildMixedAddOn(TreeBuilder &tree)
{
    tree.file("Aircraft.CFG", "[fltsim.0]\r\ntitle=Ridgeway A3\r\n")
        .file("A3.AIR")
        .file("pilot_check.txt")
        .file("docs/a3_keys.txt")
        .file("docs/a3_notes.txt")
        .file("docs/a3_ref.txt")
        .file("docs/notes.txt")
        .file("docs/Readme.HTML")
        .file("docs/history.htm")
        .file("docs/manual.DOC")
        .file("file_id.diz")
        .file("Shot.JPG")
        .file("docs/thumb.gif")
        .file("Model/Model.cfg")
        .file("Model/a3.MDL")
        .file("Model/a3.mpi")
        .file("Model/a3.nmp")
        .file("Panel/Panel.CFG", "[Window00]\r\nfile=Gauge.bmp\r\n")
        .file("Panel/gauge.bmp")
        .file("Texture/hull.bmp")
        .file("Texture/fuselage.oaf")
        .file("Texture/fuselage.af")
        .file("Texture/wing.AF")
        .file("Sound/Sound.cfg", "[fltsim]\r\n")
        .file("Sound/eng.WAV")
        .file("Gauges/a3.GAU")
        .file("notes.dat")
        .file("Sound/Sound.cfg.bak")
        .file("panel.cfg.txt");
}

} // namespace

TEST(Classification, SortsEveryFileIntoItsKindByNameAlone)
{
    TreeBuilder tree;
    buildMixedAddOn(tree);
    TestContext t;
    t.state.StagingDir = tree.root();
    ScanPackage(t, tree.root());

    const auto &rows = t.view.rows;
    EXPECT_EQ(rows[Aircraft], (QStringList{"a3.air", "a3_keys.txt", "a3_notes.txt", "a3_ref.txt",
                                           "aircraft.cfg", "pilot_check.txt"}));
    EXPECT_EQ(rows[Panel], (QStringList{"gauge.bmp", "panel.cfg"}));
    EXPECT_EQ(rows[Gauges], QStringList{"a3.gau"});
    EXPECT_EQ(rows[Model], (QStringList{"a3.mdl", "a3.mpi", "a3.nmp", "model.cfg"}));
    // ".af" alone is no texture extension; "wing.AF" is not one either.
    EXPECT_EQ(rows[Texture], (QStringList{"fuselage.oaf", "hull.bmp"}));
    EXPECT_EQ(rows[Sound], (QStringList{"eng.wav", "sound.cfg"}));
    EXPECT_EQ(rows[Documentation], (QStringList{"file_id.diz", "history.htm", "manual.doc",
                                                "notes.txt", "panel.cfg.txt", "readme.html"}));
    EXPECT_EQ(rows[UnrecognizedFiles],
              (QStringList{"fuselage.af", "notes.dat", "sound.cfg.bak", "wing.af"}));

    ASSERT_EQ(t.state.ComponentFiles[Images].size(), 2);
    EXPECT_EQ(t.state.ComponentFiles[Images][0].path, tree.root().toLower() + "shot.jpg");
    EXPECT_EQ(t.state.ComponentFiles[Images][0].realPath, tree.path("Shot.JPG"));
    EXPECT_EQ(t.state.ComponentFiles[Images][1].realPath, tree.path("docs/thumb.gif"));
    EXPECT_EQ(t.state.AircraftTitle, "Ridgeway A3");
    EXPECT_EQ(t.state.AllFiles.size(), 29);
    EXPECT_FALSE(t.state.ScanOverflow);
}

TEST(Classification, BitmapIsPanelOnlyWhenPanelCfgNamesItAndNeverAnImage)
{
    TreeBuilder tree;
    tree.file("panel/panel.cfg", "[Window00]\r\nfile=Main Panel.bmp \r\n")
        .file("texture/Main Panel.BMP")
        .file("texture/main panel.bmp.jpg")
        .file("texture/other.bmp");
    TestContext t;
    t.state.StagingDir = tree.root();
    ScanPackage(t, tree.root());
    EXPECT_EQ(t.view.rows[Panel], (QStringList{"main panel.bmp", "panel.cfg"}));
    EXPECT_EQ(t.view.rows[Texture], QStringList{"other.bmp"});
    EXPECT_EQ(t.state.ComponentFiles[Images].size(), 1);
}

TEST(Classification, OldPanelCfgAloneStillNamesPanelBitmaps)
{
    TreeBuilder tree;
    tree.file("panel/panel.cfg", "[fltsim]\r\nalias=other\\panel\r\n")
        .file("panel/OldPanel.cfg", "[Window00]\r\nfile=main.bmp\r\nalias=ignored\r\n")
        .file("panel/main.bmp");
    TestContext t;
    t.state.StagingDir = tree.root();
    ScanPackage(t, tree.root());
    EXPECT_EQ(t.view.rows[Panel], (QStringList{"main.bmp", "oldpanel.cfg", "panel.cfg"}));
    EXPECT_EQ(t.state.PanelAlias, "other\\panel");
    EXPECT_EQ(t.view.panelAlias1, "Panel Alias:");
    EXPECT_EQ(t.view.panelAlias2, "other\\panel");
}
