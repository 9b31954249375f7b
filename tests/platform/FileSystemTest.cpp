#include "platform/Folders.h"
#include "platform/PathIdentity.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

using namespace platform;

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
