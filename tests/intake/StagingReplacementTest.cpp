#include "intake/StagingReplacement.h"

#include "support/DiskSnapshot.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(StagingReplacement, NewContentsReplaceTheOldOnlyWhenPlacedWhole)
{
    RecordingMessageBoxes messages;
    for (const bool withOld : {false, true}) {
        TreeBuilder tree;
        tree.folder("Staging");
        if (withOld)
            tree.file("Staging/old.txt", "old").file("Staging/.cache/x", "x");
        StagingReplacement replacement(messages, tree.path("Staging"));
        const QString first = replacement.newUnpackFolder();
        ASSERT_FALSE(first.isEmpty());
        tree.file(QDir(tree.root()).relativeFilePath(first) + "/inner.zip", "zip");
        const QString second = replacement.newUnpackFolder();
        tree.file(QDir(tree.root()).relativeFilePath(second) + "/Panel/panel.cfg", "p");
        ASSERT_TRUE(replacement.place(StagingReplacement::OldContents::Replace))
            << replacement.error().toStdString();
        EXPECT_EQ(snapshotOf(tree.path("Staging")).keys(),
                  QStringList({"Panel", "Panel/panel.cfg"}));
    }
}

TEST(StagingReplacement, AnUnpackThatIsNotPlacedLeavesStagingAsItWas)
{
    RecordingMessageBoxes messages;
    TreeBuilder tree;
    tree.file("Staging/old.txt", "old");
    const DiskSnapshot before = snapshotOf(tree.path("Staging"));
    {
        StagingReplacement replacement(messages, tree.path("Staging"));
        tree.file(QDir(tree.root()).relativeFilePath(replacement.newUnpackFolder()) + "/a", "a");
    }
    EXPECT_EQ(snapshotOf(tree.path("Staging")), before);
}

// Each row is the state a crash can leave; recovery takes it to the old or the new contents.
TEST(StagingReplacement, RecoveryFinishesOrUndoesAnInterruptedReplacement)
{
    RecordingMessageBoxes messages;
    const struct {
        const char *state;
        QStringList entries; // "path=content"; folders end with "/"
        QStringList expected;
    } rows[] = {
        {"unpacking", {"old.txt=old", ".wingstash-unpacking-1-2-3-0/new.txt=new"}, {"old.txt"}},
        {"moving old aside",
         {"old.txt=old", ".wingstash-replaced-1-2-3/older.txt=older",
          ".wingstash-unpacked-1-2-3/new.txt=new"},
         {"old.txt", "older.txt"}},
        {"placing new",
         {"new1.txt=n", ".wingstash-placing-1-2-3/new2.txt=n",
          ".wingstash-replaced-1-2-3/old.txt=old"},
         {"new1.txt", "new2.txt"}},
        {"deleting old", {"new.txt=n", ".wingstash-replaced-1-2-3/old/deep.txt=old"}, {"new.txt"}},
    };
    for (const auto &row : rows) {
        TreeBuilder tree;
        tree.folder("Staging");
        for (const QString &entry : row.entries)
            tree.file("Staging/" + entry.section('=', 0, 0), entry.section('=', 1).toUtf8());
        recoverStaging(messages, tree.path("Staging"));
        EXPECT_EQ(snapshotOf(tree.path("Staging")).keys(), row.expected) << row.state;
    }
}
