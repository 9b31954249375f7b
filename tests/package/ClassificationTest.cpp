#include "TestContext.h"
#include "TreeBuilder.h"
#include "package/Scan.h"

#include <gtest/gtest.h>

namespace {

// One add-on holding a file of every sort, in the mixed case real add-ons ship.
void buildMixedAddOn(TreeBuilder &tree)
{
    tree.file("Aircraft.CFG", "[fltsim.0]\r\ntitle=Ridgeway A3\r\n")
        .file("Panel/Panel.CFG", "[Window00]\r\nfile=Gauge.bmp\r\n")
        .file("Sound/Sound.cfg", "[fltsim]\r\n");
    for (const char *name : {"A3.AIR",
                             "pilot_check.txt",
                             "docs/a3_keys.txt",
                             "docs/a3_notes.txt",
                             "docs/a3_ref.txt",
                             "docs/notes.txt",
                             "docs/Readme.HTML",
                             "docs/history.htm",
                             "docs/manual.DOC",
                             "file_id.diz",
                             "Shot.JPG",
                             "docs/thumb.gif",
                             "Model/Model.cfg",
                             "Model/a3.MDL",
                             "Model/a3.mpi",
                             "Model/a3.nmp",
                             "Panel/gauge.bmp",
                             "Texture/hull.bmp",
                             "Texture/fuselage.oaf",
                             "Texture/fuselage.af",
                             "Texture/wing.AF",
                             "Sound/eng.WAV",
                             "Gauges/a3.GAU",
                             "notes.dat",
                             "Sound/Sound.cfg.bak",
                             "panel.cfg.txt"})
        tree.file(name);
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

TEST(Classification, BitmapIsPanelOnlyWhenAPanelCfgNamesItAndNeverAnImage)
{
    // Only the old panel.cfg names bitmaps here, yet the alias still comes from panel.cfg.
    TreeBuilder tree;
    tree.file("panel/panel.cfg", "[fltsim]\r\nalias=other\\panel\r\n")
        .file("panel/OldPanel.cfg", "[Window00]\r\nfile=Main Panel.bmp \r\nalias=ignored\r\n")
        .file("texture/Main Panel.BMP")
        .file("texture/main panel.bmp.jpg")
        .file("texture/other.bmp");
    TestContext t;
    t.state.StagingDir = tree.root();
    ScanPackage(t, tree.root());
    EXPECT_EQ(t.view.rows[Panel], (QStringList{"main panel.bmp", "oldpanel.cfg", "panel.cfg"}));
    EXPECT_EQ(t.view.rows[Texture], QStringList{"other.bmp"});
    EXPECT_EQ(t.state.ComponentFiles[Images].size(), 1);
    EXPECT_EQ(t.state.PanelAlias, "other\\panel");
    EXPECT_EQ(t.view.panelAlias1, "Panel Alias:");
    EXPECT_EQ(t.view.panelAlias2, "other\\panel");
}
