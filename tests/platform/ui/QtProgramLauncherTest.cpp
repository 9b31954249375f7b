#include "platform/qt/QtProgramLauncher.h"

#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <QFile>

#include <gtest/gtest.h>

// A desktop with no opener: nothing on the PATH (the test platform opens nothing either).
TEST(QtProgramLauncher, AFileOrFolderTheDesktopCannotOpenIsNamedInAMessage)
{
    TreeBuilder tree;
    tree.file("Cub/readme.txt").folder("empty-path");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(tree.path("empty-path")));
    ScriptedMessageBoxes messages{true};
    QtProgramLauncher launcher(messages);
    launcher.openTextFile(tree.path("Cub/readme.txt"));
    launcher.openFolder(tree.path("Cub"));
    qputenv("PATH", path);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown.at(0).contains(tree.path("Cub/readme.txt") + ": "));
    EXPECT_TRUE(messages.shown.at(1).contains(tree.path("Cub") + ": "));
}
