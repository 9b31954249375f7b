#include "TestContext.h"
#include "TreeBuilder.h"
#include "package/Scan.h"

#include <gtest/gtest.h>

// One add-on holding a file of every sort, in the mixed case real add-ons ship. A bitmap is a
// panel bitmap only when a panel.cfg (here the old one) names it, and then never an image or
// a texture; the alias still comes from panel.cfg.
TEST(Classification, SortsEveryFileIntoItsKindByNameAlone)
{
    TreeBuilder tree;
    tree.file("Aircraft.CFG", "[fltsim.0]\r\ntitle=Ridgeway A3\r\n")
        .file("Panel/Panel.CFG", "[fltsim]\r\nalias=other\\panel\r\n")
        .file("Panel/OldPanel.cfg", "[Window00]\r\nfile=Main Panel.bmp \r\nalias=ignored\r\n")
        .file("Texture/Main Panel.BMP")
        .file("Texture/main panel.bmp.jpg")
        .file("Sound/Sound.cfg", "[fltsim]\r\n");
    const QString names = "A3.AIR pilot_check.txt docs/a3_keys.txt docs/a3_notes.txt "
                          "docs/a3_ref.txt docs/notes.txt docs/Readme.HTML docs/history.htm "
                          "docs/manual.DOC file_id.diz Shot.JPG docs/thumb.gif Model/Model.cfg "
                          "Model/a3.MDL Model/a3.mpi Model/a3.nmp Texture/hull.bmp "
                          "Texture/fuselage.oaf Texture/fuselage.af Texture/wing.AF Sound/eng.WAV "
                          "Gauges/a3.GAU notes.dat Sound/Sound.cfg.bak panel.cfg.txt";
    for (const QString &name : names.split(' '))
        tree.file(name);
    TestContext t;
    t.state.StagingDir = tree.root();
    ScanPackage(t, tree.root());

    const auto &rows = t.view.rows;
    EXPECT_EQ(rows[Aircraft], (QStringList{"a3.air", "a3_keys.txt", "a3_notes.txt", "a3_ref.txt",
                                           "aircraft.cfg", "pilot_check.txt"}));
    EXPECT_EQ(rows[Panel], (QStringList{"main panel.bmp", "oldpanel.cfg", "panel.cfg"}));
    EXPECT_EQ(rows[Gauges], QStringList{"a3.gau"});
    EXPECT_EQ(rows[Model], (QStringList{"a3.mdl", "a3.mpi", "a3.nmp", "model.cfg"}));
    // ".af" alone is no texture extension; "wing.AF" is not one either.
    EXPECT_EQ(rows[Texture], (QStringList{"fuselage.oaf", "hull.bmp"}));
    EXPECT_EQ(rows[Sound], (QStringList{"eng.wav", "sound.cfg"}));
    EXPECT_EQ(rows[Documentation], (QStringList{"file_id.diz", "history.htm", "manual.doc",
                                                "notes.txt", "panel.cfg.txt", "readme.html"}));
    EXPECT_EQ(rows[UnrecognizedFiles],
              (QStringList{"fuselage.af", "notes.dat", "sound.cfg.bak", "wing.af"}));

    // Images go by name; "main panel.bmp.jpg" is no panel bitmap.
    const FileList &images = t.state.ComponentFiles[Images];
    ASSERT_EQ(images.size(), 3);
    EXPECT_EQ(images[0].realPath, tree.path("Texture/main panel.bmp.jpg"));
    EXPECT_EQ(images[1].path, tree.root().toLower() + "shot.jpg");
    EXPECT_EQ(images[1].realPath, tree.path("Shot.JPG"));
    EXPECT_EQ(images[2].realPath, tree.path("docs/thumb.gif"));
    EXPECT_EQ(t.state.AircraftTitle, "Ridgeway A3");
    EXPECT_EQ(t.state.PanelAlias, "other\\panel");
    EXPECT_EQ(t.view.panelAlias2, "other\\panel");
    EXPECT_EQ(t.state.AllFiles.size(), 31);
}
