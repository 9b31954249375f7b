#include "package/AircraftConfig.h"

#include "package/AircraftCfgRewrite.h"
#include "package/ConfigurationTable.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/PackageTestHelpers.h"
#include "support/TestContext.h"

#include <gtest/gtest.h>

namespace {

// A staged aircraft.cfg in a real temporary tree, with a context whose Staging folder is the
// tree's root.
class StagedAircraft : public ::testing::Test {
protected:
    TreeBuilder tree;
    TestContext test;

    void SetUp() override { test.state.StagingDir = tree.root(); }

    // Reads the file as the scan does, then makes the configuration choice.
    bool checkAndChoose(const QString &relative)
    {
        const PackageFile file = listedFile(tree, relative);
        CheckAircraftCfg(test, file);
        return ChooseConfiguration(test, file);
    }

    void answer(std::optional<int> row) { test.configChooser.answers.append(row); }
    QStringList offered() const
    {
        return test.configChooser.offered.isEmpty() ? QStringList{}
                                                    : test.configChooser.offered.first();
    }
};

QByteArray crlfLines(const QList<QByteArray> &lines)
{
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

const QByteArray kTwoConfigs = "[fltsim.0]\r\ntitle=A\r\ntexture=\r\n\r\n"
                               "[fltsim.1]\r\ntitle=B\r\ntexture=2\r\n\r\n"
                               "[General]\r\natc_type=Test\r\n";

// Stages cfg in tree, reads it as the scan does and makes the choice with the answers given.
bool stageAndChoose(TreeBuilder &tree, TestContext &test, const QByteArray &cfg,
                    const QList<std::optional<int>> &answers)
{
    test.state.StagingDir = tree.root();
    test.configChooser.answers = answers;
    tree.file("aircraft.cfg", cfg);
    const PackageFile file = listedFile(tree, "aircraft.cfg");
    CheckAircraftCfg(test, file);
    return ChooseConfiguration(test, file);
}

} // namespace

TEST_F(StagedAircraft, ReadsLinesAndTheTitle)
{
    // "[fltsim.1" also matches [fltsim.10]; otherwise the last title= line wins, trimmed.
    const struct {
        QByteArray cfg;
        QString title;
    } cases[] = {{"[fltsim.0]\ntitle=First\n[other]\nui_title=Second\n", "Second"},
                 {"[fltsim.0]\ntitle=First\n[fltsim.10]\ntitle=Tenth\n", "MULTI"},
                 {"[fltsim.0]\nsim=x\n", ""},
                 {"[fltsim.0]\r\ntitle= Solo Cub  \r\ntexture=red\r\n", "Solo Cub"}};
    for (const auto &c : cases) {
        tree.file("aircraft.cfg", c.cfg);
        test.state.AircraftCfgLineCount = -1;
        CheckAircraftCfg(test, listedFile(tree, "aircraft.cfg"));
        EXPECT_EQ(test.state.AircraftTitle, c.title) << c.cfg.constData();
    }
    EXPECT_EQ(test.state.AircraftCfgLineCount, 3);
    EXPECT_EQ(test.state.AircraftCfgLines.at(1), QStringLiteral("title= Solo Cub  "));

    tree.fixture("real-cfg/hp-hampden-mki/aircraft.cfg", "hampden/aircraft.cfg");
    test.state.AircraftCfgLineCount = -1;
    CheckAircraftCfg(test, listedFile(tree, "hampden/aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("Hampden"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 384);

    test.state.AircraftCfgLineCount = -1;
    CheckAircraftCfg(test, listedFile(tree, "missing/aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 0);
    EXPECT_EQ(test.state.AircraftTitle, QString());
}

TEST(ChooseConfiguration, EmptiesOnlyTheFoldersNoChosenConfigurationUses)
{
    const QByteArray cfg = "[fltsim.0]\r\ntitle=A\r\nmodel=abc\r\ntexture=\r\n\r\n"
                           "[fltsim.1]\r\ntitle=B\r\nmodel=abc\r\ntexture=2\r\n\r\n"
                           "[General]\r\natc_type=Test\r\n";
    for (int choice : {0, 1}) {
        SCOPED_TRACE(choice);
        TreeBuilder tree;
        TestContext test;
        tree.file("texture/a.bmp")
            .file("texture/sub/deep.bmp")
            .file("Texture.2/b.bmp")
            .file("model.abc/plane.mdl");
        EXPECT_TRUE(stageAndChoose(tree, test, cfg, {choice}));
        EXPECT_EQ(test.configChooser.offered.value(0),
                  (QStringList{"A  (fltsim.0)", "B  (fltsim.1)"}));
        EXPECT_EQ(test.state.AircraftTitle, choice == 0 ? "A" : "B");
        // The folder itself stays; only what it holds goes.
        EXPECT_TRUE(tree.exists("texture") && tree.exists("Texture.2"));
        EXPECT_EQ(tree.exists("texture/a.bmp"), choice == 0);
        EXPECT_EQ(tree.exists("texture/sub"), choice == 0);
        EXPECT_EQ(tree.exists("Texture.2/b.bmp"), choice == 1);
        EXPECT_TRUE(tree.exists("model.abc/plane.mdl")); // both use it
        EXPECT_EQ(tree.read("aircraft.cfg"),
                  crlfLines({"[fltsim.0]", choice == 0 ? "title=A" : "title=B",
                             "model=", "texture=", "", "[General]", "atc_type=Test"}));
    }
}

TEST(ChooseConfiguration, OffersOnlyTitledConfigurationsAndAsksOnlyAmongSeveral)
{
    const struct {
        const char *name;
        QByteArray cfg;
        QList<std::optional<int>> answers;
        QStringList offered;
        QString title;
        QByteArray written; // empty: nothing may change
    } cases[] = {
        {"untitled is dropped",
         "[fltsim.0]\r\ntitle=A\r\n[fltsim.1]\r\ntitle=\r\nsim=hidden\r\n"
         "[fltsim.2]\r\ntitle=C\r\n[General]\r\nx=1\r\n",
         {1},
         {"A  (fltsim.0)", "C  (fltsim.2)"},
         "C",
         crlfLines({"[fltsim.0]", "title=C", "[General]", "x=1"})},
        {"one titled is taken",
         "[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=\ntexture=x\n",
         {},
         {},
         "A",
         crlfLines({"[fltsim.0]", "title=A"})},
        {"none titled", "[fltsim.0]\ntitle=\n[fltsim.1]\ntitle=\ntexture=x\n", {}, {}, "", {}},
        {"header case",
         "[FLTSIM.0]\ntitle=A\n[FLTSIM.1]\ntitle=B\n",
         {1},
         {"A  (FLTSIM.0)", "B  (FLTSIM.1)"},
         "B",
         crlfLines({"[fltsim.0]", "title=B"})},
        {"cancelled", kTwoConfigs, {std::nullopt}, {"A  (fltsim.0)", "B  (fltsim.1)"}, "MULTI", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TreeBuilder tree;
        TestContext test;
        tree.file("texture/a.bmp").file("texture.x/b.bmp").file("texture.2/c.bmp");
        EXPECT_EQ(stageAndChoose(tree, test, c.cfg, c.answers), !c.written.isEmpty());
        EXPECT_EQ(test.configChooser.offered.value(0), c.offered);
        EXPECT_EQ(test.state.AircraftTitle, c.title);
        EXPECT_EQ(tree.read("aircraft.cfg"), c.written.isEmpty() ? c.cfg : c.written);
        const bool kept = tree.exists("texture/a.bmp") && tree.exists("texture.x/b.bmp") &&
                          tree.exists("texture.2/c.bmp");
        EXPECT_TRUE(kept || !c.written.isEmpty());
    }
}

TEST_F(StagedAircraft, OverLongFileIsRefused)
{
    // many-configs: 120 configurations in 1095 lines, past what a rewrite may work from.
    tree.fixture("synthetic-cfg/many-configs/aircraft.cfg", "aircraft.cfg")
        .file("texture.OP001/a.bmp");
    const QByteArray before = tree.read("aircraft.cfg");
    test.messages.expectOk(QStringLiteral("The aircraft.cfg file ") + tree.path("aircraft.cfg") +
                           QStringLiteral(" has more than 1000 lines, so Wingstash cannot choose "
                                          "one of its configurations.  Nothing was changed."));
    EXPECT_FALSE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 1095);
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("MULTI"));
    EXPECT_EQ(tree.read("aircraft.cfg"), before);
    EXPECT_TRUE(tree.exists("texture.OP001/a.bmp"));
}

TEST_F(StagedAircraft, BinaryFileIsNeverRewritten)
{
    const char raw[] = "\x00\x01[fltsim.0]\x00title=A\n\xff\xfe[fltsim.1]\x00title=B\n";
    const QByteArray junk(raw, sizeof(raw) - 1);
    tree.file("aircraft.cfg", junk);
    test.messages.expectOk(QStringLiteral("The aircraft.cfg file ") + tree.path("aircraft.cfg") +
                           QStringLiteral(" is not a text file, so Wingstash cannot choose one "
                                          "of its configurations.  Nothing was changed."));
    EXPECT_FALSE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(tree.read("aircraft.cfg"), junk);
}

TEST_F(StagedAircraft, RewriteKeepsCp1252LinesByteForByte)
{
    // Keys spaced from "=" are not key lines, so only FLTSIM.2 has a title of its own.
    tree.fixture("synthetic-cfg/upper-case-headers/aircraft.cfg", "aircraft.cfg")
        .file("model.LC_A/a.mdl")
        .file("model.ELITE/e.mdl");
    QList<QByteArray> lines;
    for (const QByteArray &line : tree.read("aircraft.cfg").split('\n'))
        lines.append(line.endsWith('\r') ? line.chopped(1) : line);
    ASSERT_EQ(lines.size(), 29);
    answer(0);
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(offered(),
              (QStringList{"  (FLTSIM.0)", "  (FLTSIM.1)", "Ridgeway A3 Elite  (FLTSIM.2)"}));

    QList<QByteArray> expected = lines.mid(0, 2);
    expected.append("[fltsim.0]");
    expected += lines.mid(3, 6);
    expected += lines.mid(23);
    EXPECT_EQ(tree.read("aircraft.cfg"), crlfLines(expected));
    EXPECT_TRUE(tree.read("aircraft.cfg").contains("Ridgeway A3 \x96 Launch Customer \r\n"));
    // Only FLTSIM.2's model= is a key line, so its folder is the one emptied.
    EXPECT_TRUE(tree.exists("model.LC_A/a.mdl"));
    EXPECT_TRUE(tree.exists("model.ELITE"));
    EXPECT_FALSE(tree.exists("model.ELITE/e.mdl"));
}

TEST_F(StagedAircraft, SwiftKeepsBothModelsBecauseAtcModelOverwritesTheLastRow)
{
    // [General] holds "atc_model= ", which counts as model= of the last configuration, so
    // neither model folder belongs to the other configuration alone.
    tree.fixture("real-cfg/supermarine-swiftR5/Aircraft.cfg", "Aircraft.cfg")
        .file("model/swift.mdl")
        .file("model.1/swift_lr.mdl");
    answer(0);
    EXPECT_TRUE(checkAndChoose("Aircraft.cfg"));
    EXPECT_EQ(offered(), (QStringList{"ALPHA Swift FR5  (fltsim.0)",
                                      "ALPHA Swift FR5 longrange  (fltsim.1)"}));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("ALPHA Swift FR5"));
    EXPECT_TRUE(tree.exists("model/swift.mdl"));
    EXPECT_TRUE(tree.exists("model.1/swift_lr.mdl"));
    const QByteArray written = tree.read("Aircraft.cfg");
    EXPECT_EQ(written.count("[fltsim."), 1);
    EXPECT_FALSE(written.contains("longrange"));
    EXPECT_FALSE(written.contains("atc_model"));
    EXPECT_TRUE(written.contains("description=\xa9 AlphaSim 2006"));
}

TEST_F(StagedAircraft, JodelOffersSevenConfigurations)
{
    // Tab-aligned "title\t= x" lines carry no "title=", so the entries are names only.
    tree.fixture("real-cfg/DLA_Jodel_DR-1050/aircraft.cfg", "aircraft.cfg");
    answer(6);
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 572);
    QStringList names;
    for (int i = 0; i < 7; ++i)
        names.append(QStringLiteral("  (Fltsim.%1)").arg(i));
    EXPECT_EQ(offered(), names);
    const QByteArray written = tree.read("aircraft.cfg");
    EXPECT_EQ(written.count("[fltsim.0]"), 1);
    EXPECT_TRUE(written.contains("G-ARXT"));
    EXPECT_FALSE(written.contains("F-PJKG"));
    EXPECT_FALSE(written.contains("\n\n")); // every line end written as CR LF
    EXPECT_TRUE(written.contains("Avion \xe0 h\xe9lice"));
}

TEST_F(StagedAircraft, QuotedConfigurationsOutOfOrder)
{
    tree.fixture("synthetic-cfg/quoted-out-of-order/aircraft.cfg", "aircraft.cfg");
    answer(2);
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(offered(), (QStringList{"  (FLTSIM.3)", "  (FLTSIM.1)", "  (FLTSIM.0)"}));
    EXPECT_EQ(
        tree.read("aircraft.cfg"),
        crlfLines({"[VERSION]", "major = 1", "minor = 0", "", "[fltsim.0]",
                   "title = \"Kestrel 58\"", "model = \"\"", "panel = \"base\"", "sound = \"\"",
                   "texture = \"\"", "", "[GENERAL]", "category = \"airplane\"", ""}));
}

TEST(ConfigurationTable, ManyConfigurationsAreReadInOrder)
{
    const QList<Configuration> rows = buildConfigurationTable(
        platform::readTextLines(fixturePath("synthetic-cfg/many-configs/aircraft.cfg")));
    ASSERT_EQ(rows.size(), 120);
    EXPECT_EQ(rows.first().Name, QStringLiteral("Fltsim.0"));
    EXPECT_EQ(rows.first().Title, QStringLiteral("Ridgeway A3 Demo House Colours"));
    EXPECT_EQ(rows.at(3).folder(FolderKey::Texture), QStringLiteral("OP003.OP003.Old Colors"));
    EXPECT_EQ(configurationEntry(rows.at(119)),
              QStringLiteral("Ridgeway A3 Operator 119  (fltsim.119)"));
}

TEST(ConfigurationTable, KeysAreFoundAnywhereInTheLineAndNameFolders)
{
    const QList<Configuration> rows = buildConfigurationTable(
        {"[fltsim.0]", "title=A", "model=abc", "[fltsim.1]", "title=B", "Model=x", "[General]",
         "atc_model=Shared", "[fltsim.2] ; title=", "panel=p"});
    // The header of fltsim.2 holds an empty title=, so its row is dropped at once and its
    // panel= goes to fltsim.1.
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).folder(FolderKey::Model), QStringLiteral("abc"));
    EXPECT_EQ(rows.at(1).folder(FolderKey::Model), QStringLiteral("Shared"));
    EXPECT_EQ(rows.at(1).folder(FolderKey::Panel), QStringLiteral("p"));

    const QString s = platform::separator();
    EXPECT_EQ(configurationFolderName(FolderKey::Model, QString()), QStringLiteral("model"));
    EXPECT_EQ(configurationFolderName(FolderKey::Texture, QStringLiteral("Old Colors")),
              QStringLiteral("texture.Old Colors"));
    EXPECT_EQ(configurationFolderName(FolderKey::Sound, QStringLiteral("\\x\\y")),
              "sound" + s + "x" + s + "y");
}

TEST(ConfigurationTable, RewriteKeepsOnlyTheChosenConfiguration)
{
    // "[fltsim]" names no configuration but does not end a dropped one either.
    const QStringList kept = rewriteForConfiguration(
        {"; top", "[fltsim.0]", "title=A", "texture=a", "[fltsim.1]", "title=B", "texture=b",
         "[fltsim]", "still dropped", "[General]", "atc_model=C", "sound=keep?"},
        QStringLiteral("fltsim.0"));
    EXPECT_EQ(kept, (QStringList{"; top", "[fltsim.0]", "title=A", "texture=", "[General]",
                                 "model=", "sound="}));
}

TEST(FindStagingFolder, MatchesTheEndOfTheLastComponentIgnoringCase)
{
    const QString s = platform::separator();
    const QStringList folders{"/st" + s + "Panel", "/st" + s + "XMODEL", "/st" + s + "model",
                              "/st" + s + "model.abc" + s + "inner"};
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("model")), folders.at(1));
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("panel")), folders.at(0));
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("model.abc")), QString());
    EXPECT_EQ(FindStagingFolder(folders, QStringLiteral("texture")), QString());
}
