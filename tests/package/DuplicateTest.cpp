#include "PackageTestHelpers.h"
#include "TestContext.h"
#include "package/Scan.h"
#include "platform/CaseLookup.h"

#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>

namespace {

const QDateTime kStamp(QDate(2001, 3, 4), QTime(5, 6));

// A Staging tree and a context scanning it; lower is the listed form of the tree's root.
struct Staged {
    TreeBuilder tree;
    TestContext t;
    QString lower = tree.root().toLower();
    QStringList seconds; // how each question describes the file it would replace
    Staged() { t.state.StagingDir = tree.root(); }

    // A file with a known size and date, so the question's text can be written out.
    void stamped(const QString &relative, const QByteArray &content)
    {
        tree.file(relative, content);
        setModified(tree.path(relative), kStamp);
    }
    void expect(const QString &first, const QString &second, bool yes)
    {
        const QString date = QLocale::system().toString(kStamp, QLocale::ShortFormat);
        const auto describe = [&](const QString &path) {
            return path +
                   "  (Size: " + QString::number(QFileInfo(platform::resolveCase(path)).size()) +
                   " Date: " + date + ")";
        };
        t.messages.expectYesNo(describe(first), yes);
        seconds.append(describe(second));
    }
};

} // namespace

TEST(Duplicate, ThreeOfOneNameAskTwiceFromTheEndAndAFileThatCannotGoStaysListed)
{
    Staged s;
    s.stamped("a/x.wav", "1");
    s.stamped("b/x.wav", "22");
    s.stamped("c/x.wav", "333");
    s.stamped("c/y.wav", "4444");
    s.stamped("d/readme.dat", "a");
    s.stamped("e/readme.dat", "b");
    s.stamped("f/notes.dat", "f");
    s.stamped("g/notes.dat", "g");
    s.tree.readOnly("e/readme.dat");
    s.expect(s.lower + "b/x.wav", s.lower + "c/x.wav", false);
    s.expect(s.lower + "a/x.wav", s.lower + "c/x.wav", false);
    s.expect(s.lower + "d/readme.dat", s.lower + "e/readme.dat", true);
    s.t.messages.expectOk(s.tree.path("e/readme.dat"));
    s.expect(s.lower + "f/notes.dat", s.lower + "g/notes.dat", true);
    ScanPackage(s.t, s.tree.root());
    EXPECT_FALSE(s.tree.exists("a/x.wav") || s.tree.exists("b/x.wav"));
    EXPECT_TRUE(s.tree.exists("c/x.wav"));
    EXPECT_EQ(s.t.view.rows[Sound], (QStringList{"x.wav", "y.wav"}));
    EXPECT_TRUE(s.tree.exists("e/readme.dat"));
    EXPECT_EQ(s.t.view.rows[UnrecognizedFiles], (QStringList{"notes.dat", "readme.dat"}));
    EXPECT_FALSE(s.tree.exists("g/notes.dat"));
    EXPECT_EQ(s.t.state.AllFiles.size(), 5); // the deleted file is no longer counted
    const QStringList questions = s.t.messages.shown.filter(" (Size: ");
    ASSERT_EQ(questions.size(), s.seconds.size());
    for (qsizetype i = 0; i < questions.size(); ++i)
        EXPECT_TRUE(questions[i].endsWith(s.seconds[i])) << questions[i].toStdString();
}
