#include "package/AircraftConfig.h"

#include "support/PackageTestHelpers.h"
#include "support/TestContext.h"

#include <gtest/gtest.h>

namespace {

// Lines joined by "|", each ended with CR LF as a rewrite writes them.
QByteArray crlfLines(const QByteArray &joined)
{
    return joined.split('|').join("\r\n") + "\r\n";
}

// Stages cfg as the tree's aircraft.cfg, reads it as the scan does and makes the choice.
bool stageAndChoose(TreeBuilder &tree, TestContext &test, const QByteArray &cfg,
                    const QList<std::optional<int>> &answers = {}, bool readOnly = false)
{
    test.state.StagingDir = tree.root();
    test.configChooser.answers = answers;
    tree.file("aircraft.cfg", cfg);
    if (readOnly)
        tree.readOnly("aircraft.cfg");
    const PackageFile file = listedFile(tree, "aircraft.cfg");
    CheckAircraftCfg(test, file);
    return ChooseConfiguration(test, file);
}

} // namespace

// From the file as staged to the file written, the folders emptied and the title taken.
TEST(ChooseConfiguration, RewritesToTheChosenConfigurationAndEmptiesOnlyFoldersOthersUse)
{
    const QByteArray two = "[fltsim.0]\r\ntitle=A\r\nmodel=abc\r\ntexture=\r\n\r\n"
                           "[fltsim.1]\r\ntitle=B\r\nmodel=abc\r\ntexture=2\r\n\r\n"
                           "[General]\r\natc_type=Test\r\n";
    const QStringList ab{"A  (fltsim.0)", "B  (fltsim.1)"};
    const auto kept = [](const char *title) {
        return crlfLines("[fltsim.0]|" + QByteArray(title) +
                         "|model=|texture=||[General]|atc_type=Test");
    };
    // Code-page lines are kept byte for byte; only FLTSIM.2's lines there are key lines.
    const QByteArray upper = fixtureBytes("synthetic-cfg/upper-case-headers/aircraft.cfg");
    QList<QByteArray> u;
    for (const QByteArray &line : upper.split('\n'))
        u.append(line.endsWith('\r') ? line.chopped(1) : line);
    const struct {
        QByteArray cfg;
        QList<std::optional<int>> answers;
        QStringList offered;
        QString title;
        QByteArray written; // empty: the file stays as it was
        QStringList gone;   // of the files below
    } cases[] = {
        {two, {0}, ab, "A", kept("title=A"), {"Texture.2/b.bmp"}},
        {two, {1}, ab, "B", kept("title=B"), {"texture/a.bmp", "texture/sub/deep.bmp"}},
        {two, {std::nullopt}, ab, "MULTI", {}, {}},
        {two, {2}, ab, "MULTI", {}, {}}, // rows the chooser cannot have given
        {two, {-1}, ab, "MULTI", {}, {}},
        // An untitled section is no configuration.
        {"[fltsim.0]\r\ntitle=A\r\n[fltsim.1]\r\ntitle=\r\nsim=hidden\r\n[fltsim.2]\r\ntitle=C\r\n"
         "texture=2\r\n[General]\r\nx=1\r\n",
         {1},
         {"A  (fltsim.0)", "C  (fltsim.2)"},
         "C",
         crlfLines("[fltsim.0]|title=C|texture=|[General]|x=1"),
         {"texture/a.bmp", "texture/sub/deep.bmp"}},
        // One titled configuration is taken unasked; a title= before any header names none.
        {"title=Loose\n[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=\ntexture=x\n",
         {},
         {},
         "A",
         crlfLines("title=Loose|[fltsim.0]|title=A"),
         {}},
        {"[fltsim.0]\ntitle=\n[fltsim.1]\ntitle=\ntexture=x\n", {}, {}, "", {}, {}},
        // atc_model= in [General] is model= of the last row; [fltsim] ends no dropped section.
        {"; top\n[fltsim.0]\ntitle=A\nmodel=abc\n[fltsim.1]\ntitle=B\nmodel=\n[fltsim]\nx\n"
         "[General]\natc_model=2\n",
         {0},
         ab,
         "A",
         crlfLines("; top|[fltsim.0]|title=A|model=|[General]|model="),
         {"Model.2/m.mdl"}},
        // Keys spaced from "=" are no key lines.
        {fixtureBytes("synthetic-cfg/quoted-out-of-order/aircraft.cfg"),
         {2},
         {"  (FLTSIM.3)", "  (FLTSIM.1)", "  (FLTSIM.0)"},
         "",
         crlfLines(
             "[VERSION]|major = 1|minor = 0||[fltsim.0]|title = \"Heron 22\"|model = \"\"|panel = "
             "\"base\"|sound = \"\"|texture = \"\"||[GENERAL]|category = \"airplane\""),
         {}},
        {upper,
         {0},
         {"  (FLTSIM.0)", "  (FLTSIM.1)", "Corvid C4 Trainer  (FLTSIM.2)"},
         "",
         crlfLines(
             (u.mid(0, 2) + QList<QByteArray>{"[fltsim.0]"} + u.mid(3, 6) + u.mid(23)).join('|')),
         {"model.TRAINER/t.mdl"}},
    };
    const QStringList files{"texture/a.bmp",       "texture/sub/deep.bmp", "Texture.2/b.bmp",
                            "model.abc/plane.mdl", "Model.2/m.mdl",        "model.NM/a.mdl",
                            "model.TRAINER/t.mdl"};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.cfg.constData());
        TreeBuilder tree;
        TestContext test;
        tree.files(files);
        EXPECT_EQ(stageAndChoose(tree, test, c.cfg, c.answers), !c.written.isEmpty());
        EXPECT_EQ(test.configChooser.offered.value(0), c.offered);
        EXPECT_EQ(test.state.AircraftTitle, c.title);
        EXPECT_EQ(tree.read("aircraft.cfg"), c.written.isEmpty() ? c.cfg : c.written);
        for (const QString &file : files)
            EXPECT_NE(tree.exists(file), c.gone.contains(file)) << file.toStdString();
        // An emptied folder itself stays; what it held goes.
        EXPECT_TRUE(tree.exists("texture") && tree.exists("Texture.2"));
        EXPECT_EQ(tree.exists("texture/sub"), !c.gone.contains("texture/sub/deep.bmp"));
    }

    // A read-only aircraft.cfg stays, and so does every file; the message says why.
    TreeBuilder tree;
    TestContext test;
    tree.files(files);
    test.messages.expectOk(tree.path("aircraft.cfg") +
                           " could not be rewritten (Access is denied.)");
    EXPECT_FALSE(stageAndChoose(tree, test, two, {0}, true));
    test.messages.verifyAllShown();
    EXPECT_EQ(tree.read("aircraft.cfg"), two);
    EXPECT_TRUE(tree.exists("Texture.2/b.bmp"));
    // One that is not text is refused before any choice, and the message names it.
    TreeBuilder binaryTree;
    TestContext binaryTest;
    const QByteArray binary = two + QByteArray(1, '\0');
    binaryTest.messages.expectOk(binaryTree.path("aircraft.cfg") + " is not a text file");
    EXPECT_FALSE(stageAndChoose(binaryTree, binaryTest, binary, {0}));
    binaryTest.messages.verifyAllShown();
    EXPECT_EQ(binaryTree.read("aircraft.cfg"), binary);
}
