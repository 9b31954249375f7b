#include "platform/FileListing.h"
#include "platform/FileRemoval.h"
#include "platform/FileWriting.h"
#include "platform/Folders.h"
#include "platform/PathIdentity.h"
#include "support/ImmutableFlag.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace platform;

// An empty folder (a location not yet chosen) holds nothing, not every path.
TEST(PathIdentity, AnEmptyFolderHoldsNothing)
{
    EXPECT_FALSE(isSameOrInside(QStringLiteral("/x/a"), QString()));
    EXPECT_FALSE(isSameOrInside(QString(), QStringLiteral("/x")));
    EXPECT_TRUE(isSameOrInside(QStringLiteral("/x/a"), QStringLiteral("/x")));
}

// A folder (or file) the system will not make or remove is reported so, and what it holds
// stays.
TEST(FileSystemFolders, WhatTheSystemRefusesIsNeverReportedDone)
{
    TreeBuilder tree;
    tree.file("full/keep.txt");
    EXPECT_FALSE(makeFolder(tree.path(QString(300, QLatin1Char('n')))).ok);
    EXPECT_FALSE(removeFolder(tree.path("full")).ok);
    EXPECT_TRUE(tree.exists("full/keep.txt"));
    // A read-only file, as from a CD, and a folder are not deleted as files.
    tree.file("cd/readme.txt").readOnly("cd/readme.txt");
    for (const char *entry : {"cd/readme.txt", "full"})
        EXPECT_FALSE(removeFile(tree.path(entry)).ok) << entry;
    EXPECT_TRUE(tree.exists("cd/readme.txt"));
    // Nor is a file the system refuses to unlink (immutable here).
    const ImmutableFlag locked(tree.file("locked.txt").path("locked.txt"));
    EXPECT_TRUE(!locked.isSet() || !removeFile(tree.path("locked.txt")).ok);
    const NewFile nowhere(tree.path("missing/file.txt")); // says why, as a too-long name needs
    EXPECT_EQ(nowhere.isOpen() ? 0 : nowhere.errorCode(), ENOENT);
}

// A listing comes in its names' case-key order, exact order breaking ties, whatever the disk's
// order: ASCII beside the letters' neighbours, accents, a non-BMP letter by its first unit.
TEST(FileListing, EntriesComeInCaseKeyOrder)
{
    const QStringList sorted{
        "@",     "[", "_x",     "a",          "A.txt",      "a.TXT",          "a.txt", "a1",
        "b.txt", "Z", "\u00DF", "\u00C4.txt", "\u00E4.txt", "\U0001D538.txt", "\uFB01"};
    TreeBuilder tree;
    for (auto name = sorted.crbegin(); name != sorted.crend(); ++name)
        tree.file(*name);
    QStringList listed;
    for (const DirEntry &entry : listDirectory(tree.path("")))
        listed.append(entry.name);
    EXPECT_EQ(listed, sorted);
}
