#include "package/AircraftConfig.h"

#include "package/ConfigurationTable.h"
#include "platform/FileSystem.h"
#include "support/PackageTestHelpers.h"
#include "support/TestContext.h"

#include <gtest/gtest.h>

namespace {

QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

// Stages cfg as the tree's aircraft.cfg, reads it as the scan does and makes the choice.
bool stageAndChoose(TreeBuilder &tree, TestContext &test, const QByteArray &cfg,
                    const QList<std::optional<int>> &answers = {})
{
    test.state.StagingDir = tree.root();
    test.configChooser.answers = answers;
    tree.file("aircraft.cfg", cfg);
    const PackageFile file = listedFile(tree, "aircraft.cfg");
    CheckAircraftCfg(test, file);
    return ChooseConfiguration(test, file);
}

QString refusal(const TreeBuilder &tree, const QString &why)
{
    return "The aircraft.cfg file " + tree.path("aircraft.cfg") + why +
           ", so Wingstash cannot choose one of its configurations.  Nothing was changed.";
}

} // namespace

TEST(CheckAircraftCfg, ReadsTheLinesAndTheTitle)
{
    // "[fltsim.1" also matches [fltsim.10]; otherwise the last title= line wins, trimmed.
    const struct {
        QByteArray cfg;
        QString title;
    } cases[] = {{"[fltsim.0]\ntitle=First\n[other]\nui_title=Second\n", "Second"},
                 {"[fltsim.0]\ntitle=First\n[fltsim.10]\ntitle=Tenth\n", "MULTI"},
                 {"[fltsim.0]\nsim=x\n", ""},
                 {"[fltsim.0]\r\ntitle= Solo Cub  \r\ntexture=red\r\n", "Solo Cub"}};
    TreeBuilder tree;
    TestContext test;
    for (const auto &c : cases) {
        tree.file("aircraft.cfg", c.cfg);
        test.state.AircraftCfgLineCount = -1;
        CheckAircraftCfg(test, listedFile(tree, "aircraft.cfg"));
        EXPECT_EQ(test.state.AircraftTitle, c.title) << c.cfg.constData();
    }
    EXPECT_EQ(test.state.AircraftCfgLineCount, 3);
    EXPECT_EQ(test.state.AircraftCfgLines.at(1), QStringLiteral("title= Solo Cub  "));

    test.state.AircraftCfgLineCount = -1;
    CheckAircraftCfg(test, listedFile(tree, "missing/aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 0);
    EXPECT_EQ(test.state.AircraftTitle, QString());
}

// From the file as staged to the file written, the folders emptied and the title taken.
TEST(ChooseConfiguration, RewritesToTheChosenConfigurationAndEmptiesOnlyFoldersOthersUse)
{
    const QByteArray two = "[fltsim.0]\r\ntitle=A\r\nmodel=abc\r\ntexture=\r\n\r\n"
                           "[fltsim.1]\r\ntitle=B\r\nmodel=abc\r\ntexture=2\r\n\r\n"
                           "[General]\r\natc_type=Test\r\n";
    const QStringList ab{"A  (fltsim.0)", "B  (fltsim.1)"};
    const struct {
        const char *name;
        QByteArray cfg;
        QList<std::optional<int>> answers;
        QStringList offered;
        QString title;
        QByteArray written; // empty: the file stays as it was
        QStringList gone;   // of texture/a.bmp, texture/sub/deep.bmp, Texture.2/b.bmp, ...
    } cases[] = {
        {"first of two",
         two,
         {0},
         ab,
         "A",
         crlfLines(
             {"[fltsim.0]", "title=A", "model=", "texture=", "", "[General]", "atc_type=Test"}),
         {"Texture.2/b.bmp"}},
        {"second of two",
         two,
         {1},
         ab,
         "B",
         crlfLines(
             {"[fltsim.0]", "title=B", "model=", "texture=", "", "[General]", "atc_type=Test"}),
         {"texture/a.bmp", "texture/sub"}},
        {"untitled is no configuration",
         "[fltsim.0]\r\ntitle=A\r\n[fltsim.1]\r\ntitle=\r\nsim=hidden\r\n"
         "[fltsim.2]\r\ntitle=C\r\ntexture=2\r\n[General]\r\nx=1\r\n",
         {1},
         {"A  (fltsim.0)", "C  (fltsim.2)"},
         "C",
         crlfLines({"[fltsim.0]", "title=C", "texture=", "[General]", "x=1"}),
         {"texture/a.bmp", "texture/sub"}},
        {"one titled is taken unasked",
         "[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=\ntexture=x\n",
         {},
         {},
         "A",
         crlfLines({"[fltsim.0]", "title=A"}),
         {}},
        {"none titled", "[fltsim.0]\ntitle=\n[fltsim.1]\ntitle=\ntexture=x\n", {}, {}, "", {}, {}},
        {"cancelled", two, {std::nullopt}, ab, "MULTI", {}, {}},
        {"upper-case headers",
         "[FLTSIM.0]\ntitle=A\n[FLTSIM.1]\ntitle=B\n",
         {1},
         {"A  (FLTSIM.0)", "B  (FLTSIM.1)"},
         "B",
         crlfLines({"[fltsim.0]", "title=B"}),
         {}},
        // A title= before any header names no configuration.
        {"title before the headers",
         "title=Loose\r\n[fltsim.0]\r\ntitle=A\r\n",
         {},
         {},
         "A",
         crlfLines({"title=Loose", "[fltsim.0]", "title=A"}),
         {}},
        // atc_model= in [General] is model= of the last row; [fltsim] ends no dropped section.
        {"keys anywhere in the line",
         "; top\n[fltsim.0]\ntitle=A\nmodel=abc\n[fltsim.1]\ntitle=B\nmodel=\n[fltsim]\n"
         "dropped\n[General]\natc_model=2\n",
         {0},
         ab,
         "A",
         crlfLines({"; top", "[fltsim.0]", "title=A", "model=", "[General]", "model="}),
         {"Model.2/m.mdl"}},
        {"quoted, out of order",
         fixtureBytes("synthetic-cfg/quoted-out-of-order/aircraft.cfg"),
         {2},
         {"  (FLTSIM.3)", "  (FLTSIM.1)", "  (FLTSIM.0)"},
         "",
         crlfLines({"[VERSION]", "major = 1", "minor = 0", "", "[fltsim.0]", "title = \"Heron 22\"",
                    "model = \"\"", "panel = \"base\"", "sound = \"\"", "texture = \"\"", "",
                    "[GENERAL]", "category = \"airplane\""}),
         {}},
    };
    const QStringList files{"texture/a.bmp", "texture/sub/deep.bmp", "Texture.2/b.bmp",
                            "model.abc/plane.mdl", "Model.2/m.mdl"};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TreeBuilder tree;
        TestContext test;
        for (const QString &file : files)
            tree.file(file);
        EXPECT_EQ(stageAndChoose(tree, test, c.cfg, c.answers), !c.written.isEmpty());
        EXPECT_EQ(test.configChooser.offered.value(0), c.offered);
        EXPECT_EQ(test.state.AircraftTitle, c.title);
        EXPECT_EQ(tree.read("aircraft.cfg"), c.written.isEmpty() ? c.cfg : c.written);
        for (const QString &file : files) {
            const bool gone = c.gone.contains(file) || c.gone.contains(file.section('/', 0, 1));
            EXPECT_NE(tree.exists(file), gone) << file.toStdString();
        }
        // An emptied folder itself stays.
        EXPECT_TRUE(tree.exists("texture") && tree.exists("Texture.2"));
    }
}

TEST(ChooseConfiguration, KeepsCodePageLinesByteForByteAndTakesOnlyKeyLines)
{
    // Keys spaced from "=" are not key lines, so only FLTSIM.2 has a title of its own and only
    // its model= names a folder.
    const QByteArray cfg = fixtureBytes("synthetic-cfg/upper-case-headers/aircraft.cfg");
    QList<QByteArray> lines;
    for (const QByteArray &line : cfg.split('\n'))
        lines.append(line.endsWith('\r') ? line.chopped(1) : line);
    ASSERT_EQ(lines.size(), 29);
    TreeBuilder tree;
    TestContext test;
    tree.file("model.NM/a.mdl").file("model.TRAINER/t.mdl");
    EXPECT_TRUE(stageAndChoose(tree, test, cfg, {0}));
    EXPECT_EQ(test.configChooser.offered.value(0),
              (QStringList{"  (FLTSIM.0)", "  (FLTSIM.1)", "Corvid C4 Trainer  (FLTSIM.2)"}));
    EXPECT_EQ(tree.read("aircraft.cfg"),
              crlfLines(lines.mid(0, 2) + QList<QByteArray>{"[fltsim.0]"} + lines.mid(3, 6) +
                        lines.mid(23)));
    EXPECT_TRUE(tree.exists("model.NM/a.mdl"));
    EXPECT_FALSE(tree.exists("model.TRAINER/t.mdl"));
}

TEST(ChooseConfiguration, FilesItCannotRewriteSafelyAreLeftAlone)
{
    // 120 configurations, appended after the other sections, texture names with dots and
    // spaces: more lines than a rewrite may work from, yet read in order.
    QByteArray many = "[Fltsim.0]\ntitle=Corvid Demo\ntexture=House\n[General]\natc_model=C4\n";
    for (int i = 1; i < 120; ++i)
        many += QStringLiteral("[fltsim.%1]\ntitle=Corvid %1\nsim=c4\nmodel=\npanel=\n"
                               "sound=\ntexture=OP%1.OP%1.Old Colors\nui_type=C4\n\n")
                    .arg(i)
                    .toLatin1();
    const QList<Configuration> rows =
        buildConfigurationTable(QString::fromLatin1(many).split('\n'));
    ASSERT_EQ(rows.size(), 120);
    EXPECT_EQ(configurationEntry(rows.first()), QStringLiteral("Corvid Demo  (Fltsim.0)"));
    EXPECT_EQ(rows.at(3).folder(FolderKey::Texture), QStringLiteral("OP3.OP3.Old Colors"));
    EXPECT_EQ(configurationEntry(rows.at(119)), QStringLiteral("Corvid 119  (fltsim.119)"));

    const char raw[] = "\x00\x01[fltsim.0]\x00title=A\n\xff[fltsim.1]\x00title=B\n";
    const QByteArray binary(raw, sizeof(raw) - 1);
    const struct {
        QByteArray cfg;
        QString why;
    } cases[] = {{many, " has more than 1000 lines"}, {binary, " is not a text file"}};
    for (const auto &c : cases) {
        TreeBuilder tree;
        TestContext test;
        tree.file("texture.OP1.OP1.Old Colors/a.bmp");
        test.messages.expectOk(refusal(tree, c.why));
        EXPECT_FALSE(stageAndChoose(tree, test, c.cfg));
        EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("MULTI"));
        EXPECT_EQ(tree.read("aircraft.cfg"), c.cfg);
        EXPECT_TRUE(tree.exists("texture.OP1.OP1.Old Colors/a.bmp"));
    }
}

TEST(ConfigurationFolders, NameFoldersAndFindThemByTheEndOfTheLastComponent)
{
    const QString s = platform::separator();
    EXPECT_EQ(configurationFolderName(FolderKey::Model, QString()), QStringLiteral("model"));
    EXPECT_EQ(configurationFolderName(FolderKey::Texture, QStringLiteral("Old Colors")),
              QStringLiteral("texture.Old Colors"));
    EXPECT_EQ(configurationFolderName(FolderKey::Sound, QStringLiteral("\\x/y")),
              "sound" + s + "x" + s + "y");

    const QStringList folders{"/st" + s + "Panel", "/st" + s + "XMODEL", "/st" + s + "model",
                              "/st" + s + "model.abc" + s + "inner"};
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("model")), folders.at(1));
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("panel")), folders.at(0));
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("model.abc")), QString());
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("texture")), QString());
}
