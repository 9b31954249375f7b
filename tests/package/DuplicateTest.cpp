#include "TestContext.h"
#include "TreeBuilder.h"
#include "package/Scan.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QDateTime kStamp(QDate(2001, 3, 4), QTime(5, 6));

// Writes a file with a known size and date, so the question's text can be written out.
void stampedFile(TreeBuilder &tree, const QString &relative, const QByteArray &content)
{
    tree.file(relative, content);
    QFile file(tree.path(relative));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(kStamp, QFileDevice::FileModificationTime));
}

QString question(const QString &first, int firstSize, const QString &second, int secondSize)
{
    const QString date = QLocale::system().toString(kStamp, QLocale::ShortFormat);
    return "A duplicate file condition has occurred.\r\n\r\nShould I use this file:\r\n\r\n" +
           first + "  (Size: " + QString::number(firstSize) + " Date: " + date +
           ")\r\n\r\nInstead of this file? :\r\n\r\n" + second +
           "  (Size: " + QString::number(secondSize) + " Date: " + date + ")";
}

class DuplicateTest : public testing::Test {
protected:
    TreeBuilder tree;
    TestContext t;
    QString lower; // the listed form of the tree's root

    void SetUp() override
    {
        t.state.StagingDir = tree.root();
        lower = tree.root().toLower();
    }
};

} // namespace

TEST_F(DuplicateTest, YesKeepsTheFileWithTheSmallerPathAndDeletesTheOther)
{
    tree.file("Panel/panel.cfg", "file=panel.bmp\r\n");
    stampedFile(tree, "Panel/Panel.bmp", "12345");
    stampedFile(tree, "Panel.2/PANEL.BMP", "123");
    t.messages.expectYesNo(question(lower + "panel.2/panel.bmp", 3, lower + "panel/panel.bmp", 5),
                           true);
    ScanPackage(t, tree.root());
    EXPECT_TRUE(tree.exists("Panel.2/PANEL.BMP"));
    EXPECT_FALSE(tree.exists("Panel/Panel.bmp"));
    EXPECT_EQ(t.view.rows[Panel], (QStringList{"panel.bmp", "panel.cfg"}));
    // The deleted file is gone from the later lists as well.
    EXPECT_EQ(t.state.AllFiles.size(), 2);
}

TEST_F(DuplicateTest, NoKeepsTheSecondFile)
{
    stampedFile(tree, "a/x.gau", "a");
    stampedFile(tree, "b/x.gau", "bb");
    t.messages.expectYesNo(question(lower + "a/x.gau", 1, lower + "b/x.gau", 2), false);
    ScanPackage(t, tree.root());
    EXPECT_FALSE(tree.exists("a/x.gau"));
    EXPECT_TRUE(tree.exists("b/x.gau"));
    ASSERT_EQ(t.state.ComponentFiles[Gauges].size(), 1);
    EXPECT_EQ(t.state.ComponentFiles[Gauges][0].realPath, tree.path("b/x.gau"));
}

TEST_F(DuplicateTest, ThreeOfOneNameAskTwiceFromTheEnd)
{
    stampedFile(tree, "a/x.wav", "1");
    stampedFile(tree, "b/x.wav", "22");
    stampedFile(tree, "c/x.wav", "333");
    stampedFile(tree, "c/y.wav", "4444");
    t.messages.expectYesNo(question(lower + "b/x.wav", 2, lower + "c/x.wav", 3), false)
        .expectYesNo(question(lower + "a/x.wav", 1, lower + "c/x.wav", 3), false);
    ScanPackage(t, tree.root());
    EXPECT_FALSE(tree.exists("a/x.wav"));
    EXPECT_FALSE(tree.exists("b/x.wav"));
    EXPECT_TRUE(tree.exists("c/x.wav"));
    EXPECT_EQ(t.view.rows[Sound], (QStringList{"x.wav", "y.wav"}));
}

TEST_F(DuplicateTest, NamesDifferingOnlyInCaseInOneFolderAreShownByTheirRealPaths)
{
    stampedFile(tree, "texture/Hull.bmp", "old");
    stampedFile(tree, "texture/hull.bmp", "newer");
    const QString upper = tree.path("texture/Hull.bmp");
    const QString plain = tree.path("texture/hull.bmp");
    t.messages.expectYesNo(question(upper, 3, plain, 5), true);
    ScanPackage(t, tree.root());
    EXPECT_TRUE(QFile::exists(upper));
    EXPECT_FALSE(QFile::exists(plain));
    ASSERT_EQ(t.state.AllFiles.size(), 1);
    EXPECT_EQ(t.state.AllFiles[0].realPath, upper);
}

TEST_F(DuplicateTest, NoOnACaseCollisionDeletesExactlyTheFirstFile)
{
    stampedFile(tree, "Hull.bmp", "old");
    stampedFile(tree, "hull.bmp", "newer");
    t.messages.expectYesNo(question(tree.path("Hull.bmp"), 3, tree.path("hull.bmp"), 5), false);
    ScanPackage(t, tree.root());
    EXPECT_FALSE(QFile::exists(tree.path("Hull.bmp")));
    EXPECT_EQ(tree.read("hull.bmp"), "newer");
}

TEST_F(DuplicateTest, AFileThatCannotBeDeletedLeavesTheListButStaysOnDisk)
{
    stampedFile(tree, "a/readme.dat", "a");
    stampedFile(tree, "b/readme.dat", "b");
    tree.readOnly("b/readme.dat");
    t.messages.expectYesNo(question(lower + "a/readme.dat", 1, lower + "b/readme.dat", 1), true)
        .expectOk("There was a problem removing file " + tree.path("b/readme.dat") +
                  " - It may be set to READ-ONLY mode (i.e. it is on a CD).  Check the file "
                  "properties.");
    ScanPackage(t, tree.root());
    EXPECT_TRUE(tree.exists("b/readme.dat"));
    EXPECT_EQ(t.view.rows[UnrecognizedFiles], QStringList{"readme.dat"});
    EXPECT_EQ(t.state.AllFiles.size(), 2);
}
