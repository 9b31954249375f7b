#include "PackageTestHelpers.h"
#include "TestContext.h"
#include "package/Scan.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QDateTime kStamp(QDate(2001, 3, 4), QTime(5, 6));

// Writes a file with a known size and date, so the question's text can be written out.
void stampedFile(TreeBuilder &tree, const QString &relative, const QByteArray &content)
{
    tree.file(relative, content);
    setModified(tree.path(relative), kStamp);
}

QString question(const QString &first, int firstSize, const QString &second, int secondSize)
{
    const QString date = QLocale::system().toString(kStamp, QLocale::ShortFormat);
    return "A duplicate file condition has occurred.\r\n\r\nShould I use this file:\r\n\r\n" +
           first + "  (Size: " + QString::number(firstSize) + " Date: " + date +
           ")\r\n\r\nInstead of this file? :\r\n\r\n" + second +
           "  (Size: " + QString::number(secondSize) + " Date: " + date + ")";
}

// A Staging tree and a context scanning it; lower is the listed form of the tree's root.
struct Staged {
    TreeBuilder tree;
    TestContext t;
    QString lower = tree.root().toLower();
    Staged() { t.state.StagingDir = tree.root(); }
};

} // namespace

TEST(Duplicate, YesKeepsTheFileWithTheSmallerPathAndNoTheOther)
{
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        Staged s;
        s.tree.file("Panel/panel.cfg", "file=panel.bmp\r\n");
        stampedFile(s.tree, "Panel/Panel.bmp", "12345");
        stampedFile(s.tree, "Panel.2/PANEL.BMP", "123");
        // "panel.2/" sorts before "panel/", so it is the file offered.
        s.t.messages.expectYesNo(
            question(s.lower + "panel.2/panel.bmp", 3, s.lower + "panel/panel.bmp", 5), yes);
        ScanPackage(s.t, s.tree.root());
        EXPECT_EQ(s.tree.exists("Panel.2/PANEL.BMP"), yes);
        EXPECT_EQ(s.tree.exists("Panel/Panel.bmp"), !yes);
        EXPECT_EQ(s.t.view.rows[Panel], (QStringList{"panel.bmp", "panel.cfg"}));
        // The deleted file is gone from the later lists as well.
        EXPECT_EQ(s.t.state.AllFiles.size(), 2);
        EXPECT_EQ(s.t.state.ComponentFiles[Panel].value(0).realPath,
                  s.tree.path(yes ? "Panel.2/PANEL.BMP" : "Panel/Panel.bmp"));
    }
}

TEST(Duplicate, ThreeOfOneNameAskTwiceFromTheEnd)
{
    Staged s;
    stampedFile(s.tree, "a/x.wav", "1");
    stampedFile(s.tree, "b/x.wav", "22");
    stampedFile(s.tree, "c/x.wav", "333");
    stampedFile(s.tree, "c/y.wav", "4444");
    s.t.messages.expectYesNo(question(s.lower + "b/x.wav", 2, s.lower + "c/x.wav", 3), false)
        .expectYesNo(question(s.lower + "a/x.wav", 1, s.lower + "c/x.wav", 3), false);
    ScanPackage(s.t, s.tree.root());
    EXPECT_FALSE(s.tree.exists("a/x.wav"));
    EXPECT_FALSE(s.tree.exists("b/x.wav"));
    EXPECT_TRUE(s.tree.exists("c/x.wav"));
    EXPECT_EQ(s.t.view.rows[Sound], (QStringList{"x.wav", "y.wav"}));
}

TEST(Duplicate, NamesDifferingOnlyInCaseInOneFolderAreShownAndDeletedByTheirRealPaths)
{
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        Staged s;
        stampedFile(s.tree, "texture/Hull.bmp", "old");
        stampedFile(s.tree, "texture/hull.bmp", "newer");
        const QString upper = s.tree.path("texture/Hull.bmp");
        const QString plain = s.tree.path("texture/hull.bmp");
        s.t.messages.expectYesNo(question(upper, 3, plain, 5), yes);
        ScanPackage(s.t, s.tree.root());
        EXPECT_EQ(QFile::exists(upper), yes);
        EXPECT_EQ(QFile::exists(plain), !yes);
        EXPECT_EQ(s.tree.read(yes ? "texture/Hull.bmp" : "texture/hull.bmp"),
                  yes ? "old" : "newer");
        ASSERT_EQ(s.t.state.AllFiles.size(), 1);
        EXPECT_EQ(s.t.state.AllFiles[0].realPath, yes ? upper : plain);
    }
}

TEST(Duplicate, AFileThatCannotBeDeletedLeavesTheListButStaysOnDisk)
{
    Staged s;
    stampedFile(s.tree, "a/readme.dat", "a");
    stampedFile(s.tree, "b/readme.dat", "b");
    s.tree.readOnly("b/readme.dat");
    s.t.messages
        .expectYesNo(question(s.lower + "a/readme.dat", 1, s.lower + "b/readme.dat", 1), true)
        .expectOk(readOnlyFileMessage(s.tree.path("b/readme.dat")));
    ScanPackage(s.t, s.tree.root());
    EXPECT_TRUE(s.tree.exists("b/readme.dat"));
    EXPECT_EQ(s.t.view.rows[UnrecognizedFiles], QStringList{"readme.dat"});
    EXPECT_EQ(s.t.state.AllFiles.size(), 2);
}
