#include "platform/FileCopy.h"
#include "platform/FileListing.h"
#include "platform/FileRemoval.h"
#include "platform/Folders.h"
#include "platform/PathIdentity.h"
#include "platform/Result.h"
#include "support/PackageTestHelpers.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <utility>

using namespace platform;

TEST(FileSystemCopy, ReplacingKeepsTheReplacedPermissionsTakesTheSourceTimeAndLeavesNothingElse)
{
    TreeBuilder tree;
    tree.file("from.bin", QByteArray(3 << 20, 'x')).file("to/old.bin", "old");
    const QDateTime stamp(QDate(2001, 2, 3), QTime(4, 5, 6));
    setModified(tree.path("from.bin"), stamp);
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(tree.path("to/old.bin"), mode));
    for (const char *name : {"old.bin", "new.bin", "OLD.BIN"}) {
        ASSERT_TRUE(copyFile(tree.path("from.bin"), tree.path(QString("to/") + name)).ok) << name;
        EXPECT_EQ(QFileInfo(tree.path("to/old.bin")).lastModified(), stamp);
    }
    // A copy that fails part-way (a folder cannot be read as a file) leaves no new file behind.
    EXPECT_FALSE(copyFile(tree.path("to"), tree.path("to/partial.bin")).ok);
    EXPECT_EQ(entriesBelow(tree.path("to")), (QStringList{"new.bin", "old.bin"}));
    EXPECT_EQ(tree.read("to/old.bin"), tree.read("from.bin"));
    EXPECT_EQ(QFile::permissions(tree.path("to/old.bin")) & 0x7077, mode & 0x7077);
    EXPECT_EQ(copyFile(tree.path("none"), tree.path("to/x")).error,
              "The system cannot find the file specified.");
}

// An empty folder (a location not yet chosen) holds nothing, not every path.
TEST(PathIdentity, AnEmptyFolderHoldsNothing)
{
    EXPECT_FALSE(isSameOrInside(QStringLiteral("/x/a"), QString()));
    EXPECT_FALSE(isSameOrInside(QString(), QStringLiteral("/x")));
    EXPECT_TRUE(isSameOrInside(QStringLiteral("/x/a"), QStringLiteral("/x")));
}

// A folder the system will not make or remove is reported so, and what it holds stays.
TEST(FileSystemFolders, WhatTheSystemRefusesIsNeverReportedDone)
{
    TreeBuilder tree;
    tree.file("full/keep.txt");
    EXPECT_FALSE(makeFolder(tree.path(QString(300, QLatin1Char('n')))).ok);
    EXPECT_FALSE(removeFolder(tree.path("full")).ok);
    EXPECT_TRUE(tree.exists("full/keep.txt"));
}
