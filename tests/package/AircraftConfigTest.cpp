#include "package/AircraftConfig.h"

#include "package/AircraftCfgRewrite.h"
#include "package/ConfigurationTable.h"
#include "package/Scan.h"
#include "package/ShutDown.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

const QString kSecondCfgMessage = QStringLiteral(
    "More than one aircraft.cfg file was detected in the Staging Directory.  This may indicate "
    "that components for more than one aircraft are residing in that directory.  Please remove "
    "the unwanted aircraft.cfg file(s) from the Staging directory or one of its subdirectories "
    "so that only one is left.  Once this is done, restart Wingstash.");

// A staged aircraft.cfg in a real temporary tree, with a context whose Staging folder is the
// tree's root.
class StagedAircraft : public ::testing::Test {
  protected:
    TreeBuilder tree;
    TestContext test;

    void SetUp() override { test.state.StagingDir = tree.root(); }

    PackageFile staged(const QString &relative) const
    {
        const QString real = tree.path(relative);
        return PackageFile{real.toLower(), real};
    }

    // Reads the file as the scan does, then makes the configuration choice.
    bool checkAndChoose(const QString &relative)
    {
        const PackageFile file = staged(relative);
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

const QByteArray kTwoConfigs = "[fltsim.0]\r\n"
                               "title=A\r\n"
                               "texture=\r\n"
                               "\r\n"
                               "[fltsim.1]\r\n"
                               "title=B\r\n"
                               "texture=2\r\n"
                               "\r\n"
                               "[General]\r\n"
                               "atc_type=Test\r\n";

} // namespace

TEST_F(StagedAircraft, SingleConfigurationGivesItsTitleWithoutAsking)
{
    tree.file("aircraft.cfg", "[fltsim.0]\r\ntitle= Solo Cub  \r\ntexture=red\r\n")
        .file("texture/a.bmp", "a");
    CheckAircraftCfg(test, staged("aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("Solo Cub"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 3);
    EXPECT_EQ(test.state.AircraftCfgLines.at(1), QStringLiteral("title= Solo Cub  "));

    tree.fixture("real-cfg/hp-hampden-mki/aircraft.cfg", "hampden/aircraft.cfg");
    test.state.AircraftCfgLineCount = -1;
    CheckAircraftCfg(test, staged("hampden/aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("Hampden"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 384);
}

TEST_F(StagedAircraft, TitleIsLastTitleUnlessSeveralConfigurations)
{
    // "[fltsim.1" also matches [fltsim.10]; the last title= line wins otherwise.
    tree.file("one.cfg", "[fltsim.0]\ntitle=First\n[other]\nui_title=Second\n")
        .file("many.cfg", "[fltsim.0]\ntitle=First\n[fltsim.10]\ntitle=Tenth\n")
        .file("none.cfg", "[fltsim.0]\nsim=x\n");
    CheckAircraftCfg(test, staged("one.cfg"));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("Second"));
    test.state.AircraftCfgLineCount = -1;
    CheckAircraftCfg(test, staged("many.cfg"));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("MULTI"));
    test.state.AircraftCfgLineCount = -1;
    CheckAircraftCfg(test, staged("none.cfg"));
    EXPECT_EQ(test.state.AircraftTitle, QString());
}

TEST_F(StagedAircraft, ChoosingTheSecondOfTwoEmptiesOnlyThePlainTextureFolder)
{
    tree.file("aircraft.cfg", kTwoConfigs)
        .file("texture/a.bmp", "a")
        .file("texture/sub/deep.bmp", "d")
        .file("texture.2/b.bmp", "b")
        .file("model/plane.mdl", "m");
    answer(1);
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));

    EXPECT_EQ(offered(), (QStringList{"A  (fltsim.0)", "B  (fltsim.1)"}));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("B"));
    EXPECT_TRUE(tree.exists("texture"));
    EXPECT_FALSE(tree.exists("texture/a.bmp"));
    EXPECT_FALSE(tree.exists("texture/sub"));
    EXPECT_TRUE(tree.exists("texture.2/b.bmp"));
    EXPECT_TRUE(tree.exists("model/plane.mdl"));
    EXPECT_EQ(tree.read("aircraft.cfg"),
              crlfLines({"[fltsim.0]", "title=B", "texture=", "", "[General]", "atc_type=Test"}));
}

TEST_F(StagedAircraft, ChoosingTheFirstOfTwoEmptiesTheSuffixedFolder)
{
    tree.file("aircraft.cfg", kTwoConfigs).file("texture/a.bmp", "a").file("Texture.2/b.bmp");
    answer(0);
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));
    EXPECT_TRUE(tree.exists("texture/a.bmp"));
    EXPECT_TRUE(tree.exists("Texture.2"));
    EXPECT_FALSE(tree.exists("Texture.2/b.bmp"));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("A"));
    EXPECT_EQ(tree.read("aircraft.cfg"),
              crlfLines({"[fltsim.0]", "title=A", "texture=", "", "[General]", "atc_type=Test"}));
}

TEST_F(StagedAircraft, FolderSharedByBothConfigurationsIsKept)
{
    const QByteArray cfg = "[fltsim.0]\ntitle=A\nmodel=abc\ntexture=a\n"
                           "[fltsim.1]\ntitle=B\nmodel=abc\ntexture=b\n";
    for (int choice : {0, 1}) {
        TreeBuilder own;
        test.state.StagingDir = own.root();
        test.state.AircraftCfgLineCount = -1;
        own.file("aircraft.cfg", cfg)
            .file("model.abc/plane.mdl", "m")
            .file("texture.a/a.bmp")
            .file("texture.b/b.bmp");
        answer(choice);
        const PackageFile file{own.path("aircraft.cfg").toLower(), own.path("aircraft.cfg")};
        CheckAircraftCfg(test, file);
        EXPECT_TRUE(ChooseConfiguration(test, file));
        EXPECT_TRUE(own.exists("model.abc/plane.mdl")) << choice;
        EXPECT_EQ(own.exists("texture.a/a.bmp"), choice == 0);
        EXPECT_EQ(own.exists("texture.b/b.bmp"), choice == 1);
    }
}

TEST_F(StagedAircraft, UntitledConfigurationIsNotOfferedAndIsRemoved)
{
    tree.file("aircraft.cfg", "[fltsim.0]\r\ntitle=A\r\n"
                              "[fltsim.1]\r\ntitle=\r\nsim=hidden\r\n"
                              "[fltsim.2]\r\ntitle=C\r\n"
                              "[General]\r\nx=1\r\n");
    answer(1);
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(offered(), (QStringList{"A  (fltsim.0)", "C  (fltsim.2)"}));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("C"));
    EXPECT_EQ(tree.read("aircraft.cfg"), crlfLines({"[fltsim.0]", "title=C", "[General]", "x=1"}));
}

TEST_F(StagedAircraft, OnlyOneTitledConfigurationIsTakenWithoutAsking)
{
    tree.file("aircraft.cfg", "[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=\ntexture=x\n");
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));
    EXPECT_TRUE(test.configChooser.offered.isEmpty());
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("A"));
    EXPECT_EQ(tree.read("aircraft.cfg"), crlfLines({"[fltsim.0]", "title=A"}));
}

TEST_F(StagedAircraft, NoTitledConfigurationChangesNothing)
{
    const QByteArray cfg = "[fltsim.0]\ntitle=\n[fltsim.1]\ntitle=\ntexture=x\n";
    tree.file("aircraft.cfg", cfg).file("texture/a.bmp").file("texture.x/b.bmp");
    EXPECT_FALSE(checkAndChoose("aircraft.cfg"));
    EXPECT_TRUE(test.configChooser.offered.isEmpty());
    EXPECT_EQ(test.state.AircraftTitle, QString());
    EXPECT_EQ(tree.read("aircraft.cfg"), cfg);
    EXPECT_TRUE(tree.exists("texture/a.bmp"));
    EXPECT_TRUE(tree.exists("texture.x/b.bmp"));
}

TEST_F(StagedAircraft, HeaderCaseIsKept)
{
    tree.file("aircraft.cfg", "[FLTSIM.0]\ntitle=A\n[FLTSIM.1]\ntitle=B\n");
    answer(1);
    EXPECT_TRUE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(offered(), (QStringList{"A  (FLTSIM.0)", "B  (FLTSIM.1)"}));
    EXPECT_EQ(tree.read("aircraft.cfg"), crlfLines({"[fltsim.0]", "title=B"}));
}

TEST_F(StagedAircraft, CancelledChoiceChangesNothing)
{
    tree.file("aircraft.cfg", kTwoConfigs).file("texture/a.bmp", "a").file("texture.2/b.bmp");
    answer(std::nullopt);
    EXPECT_FALSE(checkAndChoose("aircraft.cfg"));
    EXPECT_EQ(test.configChooser.offered.size(), 1);
    EXPECT_EQ(tree.read("aircraft.cfg"), kTwoConfigs);
    EXPECT_TRUE(tree.exists("texture/a.bmp"));
    EXPECT_TRUE(tree.exists("texture.2/b.bmp"));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("MULTI"));
}

TEST_F(StagedAircraft, SecondAircraftCfgEndsTheProgramChangingNothing)
{
    tree.file("aircraft.cfg", kTwoConfigs).file("other/Aircraft.cfg", "[fltsim.0]\ntitle=Z\n");
    CheckAircraftCfg(test, staged("aircraft.cfg"));
    test.messages.expectOk(kSecondCfgMessage);
    EXPECT_THROW(CheckAircraftCfg(test, staged("other/Aircraft.cfg")), ShutDownRequest);
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("MULTI"));
    EXPECT_EQ(tree.read("aircraft.cfg"), kTwoConfigs);
    EXPECT_EQ(tree.read("other/Aircraft.cfg"), QByteArray("[fltsim.0]\ntitle=Z\n"));
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

TEST_F(StagedAircraft, UnreadableOrBinaryFileIsNeverRewritten)
{
    CheckAircraftCfg(test, staged("missing/aircraft.cfg"));
    EXPECT_EQ(test.state.AircraftCfgLineCount, 0);
    EXPECT_EQ(test.state.AircraftTitle, QString());

    const char raw[] = "\x00\x01[fltsim.0]\x00title=A\n\xff\xfe[fltsim.1]\x00title=B\n";
    const QByteArray junk(raw, sizeof(raw) - 1);
    tree.file("aircraft.cfg", junk);
    test.state.AircraftCfgLineCount = -1;
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
    const QList<QByteArray> original = tree.read("aircraft.cfg").split('\n');
    QList<QByteArray> lines;
    for (const QByteArray &line : original)
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
    EXPECT_TRUE(written.contains("\r\n[General]\r\n"));
    EXPECT_TRUE(written.contains("description=\xa9 AlphaSim 2006"));
    EXPECT_TRUE(written.endsWith("\r\n"));
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
    bool ok = false;
    const QStringList lines =
        platform::readTextLines(fixturePath("synthetic-cfg/many-configs/aircraft.cfg"), &ok);
    ASSERT_TRUE(ok);
    const QList<Configuration> rows = buildConfigurationTable(lines);
    ASSERT_EQ(rows.size(), 120);
    EXPECT_EQ(rows.first().Name, QStringLiteral("Fltsim.0"));
    EXPECT_EQ(rows.first().Title, QStringLiteral("Ridgeway A3 Demo House Colours"));
    EXPECT_EQ(rows.at(3).folder(FolderKey::Texture), QStringLiteral("OP003.OP003.Old Colors"));
    EXPECT_EQ(rows.last().Name, QStringLiteral("fltsim.119"));
    EXPECT_EQ(configurationEntry(rows.at(119)),
              QStringLiteral("Ridgeway A3 Operator 119  (fltsim.119)"));
}

TEST(ConfigurationTable, KeysAreFoundAnywhereInTheLine)
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
    EXPECT_EQ(rows.at(1).Name, QStringLiteral("fltsim.1"));
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

TEST(ConfigurationTable, FolderNames)
{
    EXPECT_EQ(configurationFolderName(FolderKey::Model, QString()), QStringLiteral("model"));
    EXPECT_EQ(configurationFolderName(FolderKey::Texture, QStringLiteral("Old Colors")),
              QStringLiteral("texture.Old Colors"));
    EXPECT_EQ(configurationFolderName(FolderKey::Sound, QStringLiteral("\\x\\y")),
              QStringLiteral("sound") + platform::separator() + QStringLiteral("x") +
                  platform::separator() + QStringLiteral("y"));
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

TEST_F(StagedAircraft, StagingScanAsksOnceAndListsWhatIsLeft)
{
    tree.file("aircraft.cfg", kTwoConfigs).file("texture/a.bmp", "a").file("texture.2/b.bmp", "b");
    answer(1);
    ScanPackage(test, tree.root());
    EXPECT_EQ(offered(), (QStringList{"A  (fltsim.0)", "B  (fltsim.1)"}));
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("B"));
    EXPECT_FALSE(tree.exists("texture/a.bmp"));
    const FileList &textures = test.state.ComponentFiles[Texture];
    ASSERT_EQ(textures.size(), 1);
    EXPECT_EQ(textures.first().realPath, tree.path("texture.2/b.bmp"));

    // The rewritten file holds one configuration, so a second scan does not ask again.
    ScanPackage(test, tree.root());
    EXPECT_EQ(test.configChooser.offered.size(), 1);
    EXPECT_EQ(test.state.AircraftTitle, QStringLiteral("B"));
}

TEST_F(StagedAircraft, ScanMeetingTwoAircraftCfgsEndsTheProgram)
{
    tree.file("aircraft.cfg", kTwoConfigs).file("second/AIRCRAFT.CFG", "[fltsim.0]\ntitle=Z\n");
    test.messages.expectOk(kSecondCfgMessage);
    EXPECT_THROW(ScanPackage(test, tree.root()), ShutDownRequest);
    EXPECT_TRUE(test.configChooser.offered.isEmpty());
    EXPECT_EQ(tree.read("aircraft.cfg"), kTwoConfigs);
}
