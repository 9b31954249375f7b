#include "tools/ui/DirSelectDialog.h"

#include "support/FormDriving.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <QComboBox>
#include <QDir>
#include <QStorageInfo>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A picker shown non-modally over a real tree, so each test can drive it with QTest.
struct PickerFixture : testing::Test {
    TreeBuilder tree;
    ScriptedMessageBoxes messages;

    void SetUp() override
    {
        tree.folder("beta").folder("Alpha/inner").folder("gamma").folder(".hidden");
        tree.file("readme.txt", "not a folder");
    }
    std::unique_ptr<DirSelectDialog> open(const QString &start)
    {
        auto picker = std::make_unique<DirSelectDialog>(start, messages);
        picker->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(picker.get()));
        return picker;
    }
    static QListWidget *dirList(QWidget *picker)
    {
        return picker->findChild<QListWidget *>("Dir1");
    }
    static QStringList rows(QWidget *picker)
    {
        QStringList texts;
        for (int row = 0; row < dirList(picker)->count(); ++row)
            texts.append(dirList(picker)->item(row)->text());
        return texts;
    }
};

TEST_F(PickerFixture, OpensAtTheStartAndOkAnswersTheOpenedFolderNotTheHighlightedOne)
{
    const auto picker = open(tree.root());
    QListWidget *list = dirList(picker.get());
    const QString top = QFileInfo(QDir::cleanPath(tree.root())).fileName();
    // Ancestors from the root down to the opened folder, then its visible sub-folders sorted
    // ignoring case.
    EXPECT_EQ(rows(picker.get()).first(), "/");
    EXPECT_EQ(rows(picker.get()).mid(rows(picker.get()).indexOf(top)),
              QStringList({top, "Alpha", "beta", "gamma"}));
    EXPECT_EQ(list->currentItem()->text(), top);
    EXPECT_EQ(picker->findChild<QComboBox *>("Drive1")->currentData().toString(),
              QStorageInfo(tree.root()).rootPath());

    doubleClickRow(list, "Alpha");
    EXPECT_EQ(rows(picker.get()).mid(rows(picker.get()).size() - 2),
              QStringList({"Alpha", "inner"}));
    doubleClickRow(list, top); // back up the tree
    doubleClickRow(list, "beta");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(list->currentRow(), 0);
    clickButton(picker.get(), "cmdOk");
    EXPECT_EQ(picker->chosenPath(), QDir::toNativeSeparators(tree.path("beta")));
}

} // namespace
