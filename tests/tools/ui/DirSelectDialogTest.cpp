#include "tools/ui/DirSelectDialog.h"

#include "support/FormDriving.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QStringList rowTexts(const QListWidget *list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

QListWidgetItem *rowNamed(QListWidget *list, const QString &text)
{
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

// A picker shown non-modally over a real tree, so each test can drive it with QTest.
struct PickerFixture : testing::Test {
    TreeBuilder tree;
    SharedState state;
    ScriptedMessageBoxes messages;

    void SetUp() override
    {
        tree.folder("beta").folder("Alpha/inner").folder("gamma").folder(".hidden");
        tree.file("readme.txt", "not a folder");
    }

    std::unique_ptr<DirSelectDialog> open(const QString &start)
    {
        state.DirSelectStart = start;
        auto picker = std::make_unique<DirSelectDialog>(state, messages);
        picker->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(picker.get()));
        return picker;
    }
    static QListWidget *dirList(QWidget *picker)
    {
        return picker->findChild<QListWidget *>(QStringLiteral("Dir1"));
    }
    static QComboBox *driveList(QWidget *picker)
    {
        return picker->findChild<QComboBox *>(QStringLiteral("Drive1"));
    }
    static QPushButton *button(QWidget *picker, const char *name)
    {
        return picker->findChild<QPushButton *>(QString::fromLatin1(name));
    }
};

TEST_F(PickerFixture, ShowsItsControlsWithTheirCaptionsAndTabOrder)
{
    const auto picker = open(tree.root());
    EXPECT_EQ(picker->objectName(), "frmDirSelect");
    EXPECT_EQ(picker->windowTitle(), "Directory Selection");
    EXPECT_EQ(picker->minimumSize(), picker->maximumSize()) << "fixed size";
    ASSERT_NE(dirList(picker.get()), nullptr);
    ASSERT_NE(driveList(picker.get()), nullptr);
    const auto *comment = picker->findChild<QLabel *>(QStringLiteral("lblDirSelectComment"));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text(), "Double click on the desired directory and select \"OK\".");
    ASSERT_NE(button(picker.get(), "cmdOk"), nullptr);
    ASSERT_NE(button(picker.get(), "cmdCancel"), nullptr);
    EXPECT_EQ(button(picker.get(), "cmdOk")->text(), "&Ok");
    EXPECT_EQ(button(picker.get(), "cmdCancel")->text(), "&Cancel");
    EXPECT_TRUE(button(picker.get(), "cmdOk")->isDefault());

    EXPECT_EQ(nextTabStop(button(picker.get(), "cmdCancel")), button(picker.get(), "cmdOk"));
    EXPECT_EQ(nextTabStop(button(picker.get(), "cmdOk")), dirList(picker.get()));
    EXPECT_EQ(nextTabStop(dirList(picker.get())), driveList(picker.get()));
}

TEST_F(PickerFixture, OpensAtTheStartWithAncestorsSortedVisibleSubFoldersAndDrives)
{
    const auto picker = open(tree.root());
    const QString opened = QDir::cleanPath(tree.root());
    EXPECT_EQ(picker->currentPath(), opened);

    QListWidget *list = dirList(picker.get());
    QStringList expected;
    QString walk = opened;
    for (;;) {
        const QString name = QFileInfo(walk).fileName();
        expected.prepend(name.isEmpty() ? walk : name);
        QDir up(walk);
        if (!up.cdUp())
            break;
        walk = up.absolutePath();
    }
    const qsizetype openedRow = expected.size() - 1;
    expected << "Alpha"
             << "beta"
             << "gamma"; // sorted ignoring case; no hidden folder, no file
    EXPECT_EQ(rowTexts(list), expected);
    EXPECT_EQ(list->currentRow(), openedRow) << "the opened directory is highlighted";

    // Drives are real volumes, the root always among them.
    QComboBox *drives = driveList(picker.get());
    EXPECT_EQ(drives->currentData().toString(), QStorageInfo(tree.root()).rootPath());
    QStringList roots;
    for (int i = 0; i < drives->count(); ++i)
        roots << drives->itemData(i).toString();
    EXPECT_TRUE(roots.contains("/"));
    for (const QString &root : roots) {
        EXPECT_FALSE(root.startsWith("/proc") || root.startsWith("/sys")) << root.toStdString();
        EXPECT_TRUE(QFileInfo(root).isDir()) << root.toStdString();
    }

    // Picking another volume opens its root.
    const int other = drives->currentIndex() == 0 ? 1 : 0;
    if (other >= drives->count())
        return; // this machine shows a single volume
    drives->setCurrentIndex(other);
    emit drives->activated(other);
    EXPECT_EQ(picker->currentPath(), drives->itemData(other).toString());
    EXPECT_EQ(drives->currentIndex(), other);
}

TEST_F(PickerFixture, SingleClickHighlightsDoubleClickOpensAndOkReturnsWithoutSeparator)
{
    const auto picker = open(tree.root());
    QListWidget *list = dirList(picker.get());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(rowNamed(list, "gamma")).center());
    EXPECT_EQ(list->currentItem()->text(), "gamma");
    EXPECT_EQ(picker->currentPath(), QDir::cleanPath(tree.root()));

    doubleClickRow(list, "Alpha");
    EXPECT_EQ(picker->currentPath(), tree.path("Alpha"));
    EXPECT_EQ(rowTexts(list).mid(rowTexts(list).size() - 2), (QStringList{"Alpha", "inner"}));

    // Opening an ancestor goes back up the tree.
    doubleClickRow(list, QFileInfo(QDir::cleanPath(tree.root())).fileName());
    EXPECT_EQ(picker->currentPath(), QDir::cleanPath(tree.root()));
    doubleClickRow(list, "beta");

    // A highlighted but unopened entry is not the answer.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0)).center());
    QTest::mouseClick(button(picker.get(), "cmdOk"), Qt::LeftButton);
    EXPECT_EQ(state.DirSelectPath, tree.path("beta"));
    EXPECT_EQ(picker->result(), QDialog::Accepted);
    EXPECT_FALSE(picker->isVisible());
}

TEST_F(PickerFixture, StartPathsThatCannotBeOpenedFallBackSilently)
{
    for (const QString &start :
         {tree.path("missing/"), tree.path("readme.txt"), QString(), QStringLiteral("beta")}) {
        const auto picker = open(start);
        EXPECT_EQ(picker->currentPath(), DirSelectDialog::fallbackPath()) << start.toStdString();
        EXPECT_EQ(driveList(picker.get())->currentData().toString(),
                  QStorageInfo(DirSelectDialog::fallbackPath()).rootPath());

        // OK without opening anything hands back the fallback, a root keeping its separator.
        QTest::mouseClick(button(picker.get(), "cmdOk"), Qt::LeftButton);
        EXPECT_EQ(state.DirSelectPath, DirSelectDialog::fallbackPath());
        EXPECT_TRUE(state.DirSelectPath.endsWith('/'));
    }
}

TEST_F(PickerFixture, CancelEscapeAndCloseBoxHandBackTheStartVerbatim)
{
    using Close = std::function<void(DirSelectDialog &)>;
    const Close closes[] = {
        [](DirSelectDialog &picker) { clickButton(&picker, "cmdCancel"); },
        [](DirSelectDialog &picker) { QTest::keyClick(&picker, Qt::Key_Escape); },
        [](DirSelectDialog &picker) { picker.close(); },
    };
    for (const Close &closePicker : closes) {
        state.DirSelectPath.clear();
        const auto picker = open(tree.path("Alpha/"));
        doubleClickRow(dirList(picker.get()), "inner");
        closePicker(*picker);
        EXPECT_EQ(state.DirSelectPath, tree.path("Alpha/"));
        EXPECT_EQ(picker->result(), QDialog::Rejected);
        EXPECT_FALSE(picker->isVisible());
    }
    // A start that does not exist comes back as given too.
    const auto picker = open(tree.path("nowhere"));
    QTest::keyClick(picker.get(), Qt::Key_Escape);
    EXPECT_EQ(state.DirSelectPath, tree.path("nowhere"));
}

TEST_F(PickerFixture, AFolderGoneBeforeItIsOpenedIsReportedAndThePathKept)
{
    const auto picker = open(tree.root());
    ASSERT_TRUE(QDir(tree.path("gamma")).removeRecursively());
    messages.expectOk("Unavailable.  (Runtime Error: No such file or directory)");

    doubleClickRow(dirList(picker.get()), "gamma");

    messages.verifyAllShown();
    EXPECT_EQ(picker->currentPath(), QDir::cleanPath(tree.root()));
    EXPECT_EQ(rowNamed(dirList(picker.get()), "gamma"), nullptr) << "the list shows the disk";
}

TEST(BrowseForDirectory, ShowsThePickerModallyAndLeavesTheAnswerInDirSelectPath)
{
    TreeBuilder tree;
    tree.folder("Aircraft/Cessna");
    SharedState state;
    ScriptedMessageBoxes messages;

    whenModal("frmDirSelect", [](QWidget *picker) {
        doubleClickRow(picker->findChild<QListWidget *>("Dir1"), "Aircraft");
        QTest::mouseClick(picker->findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
    });
    BrowseForDirectory(state, messages, tree.root());

    EXPECT_EQ(state.DirSelectStart, tree.root());
    EXPECT_EQ(state.DirSelectPath, tree.path("Aircraft"));
}

} // namespace
