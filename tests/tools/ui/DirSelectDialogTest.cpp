#include "tools/ui/DirSelectDialog.h"

#include "support/ScriptedMessageBoxes.h"
#include "support/TreeBuilder.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The next control that the Tab key reaches.
QWidget *nextTabStop(QWidget *widget)
{
    for (QWidget *next = widget->nextInFocusChain(); next != widget;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible())
            return next;
    }
    return nullptr;
}

// Runs the action on the modal window of that name once its event loop is running.
void whenModal(const QString &objectName, std::function<void(QWidget *)> action, int tries = 200)
{
    QTimer::singleShot(0, qApp, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == objectName) {
            // Clicks land only once the window is up and laid out.
            EXPECT_TRUE(QTest::qWaitForWindowExposed(modal));
            action(modal);
        } else if (tries > 0) {
            whenModal(objectName, action, tries - 1);
        } else {
            ADD_FAILURE() << "no modal " << objectName.toStdString();
        }
    });
}

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

void doubleClickRow(QListWidget *list, const QString &text)
{
    QListWidgetItem *item = rowNamed(list, text);
    ASSERT_NE(item, nullptr) << text.toStdString();
    list->scrollToItem(item);
    const QPoint centre = list->visualItemRect(item).center();
    // A real double click starts with a press; the list opens only what was pressed.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

QString withoutTrailingSeparator(const QString &path)
{
    return QDir::cleanPath(path);
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

TEST_F(PickerFixture, OpensAtTheStartWithAncestorsAndSortedVisibleSubFolders)
{
    const auto picker = open(tree.root());
    const QString opened = withoutTrailingSeparator(tree.root());
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

    EXPECT_EQ(driveList(picker.get())->currentData().toString(),
              QStorageInfo(tree.root()).rootPath());
}

TEST_F(PickerFixture, DrivesAreRealVolumesWithTheRootAlwaysThere)
{
    const auto picker = open(tree.root());
    QStringList roots;
    for (int i = 0; i < driveList(picker.get())->count(); ++i)
        roots << driveList(picker.get())->itemData(i).toString();
    EXPECT_TRUE(roots.contains("/"));
    for (const QString &root : roots) {
        EXPECT_FALSE(root.startsWith("/proc") || root.startsWith("/sys")) << root.toStdString();
        EXPECT_TRUE(QFileInfo(root).isDir()) << root.toStdString();
    }
}

TEST_F(PickerFixture, SingleClickHighlightsDoubleClickOpensAndOkReturnsWithoutSeparator)
{
    const auto picker = open(tree.root());
    QListWidget *list = dirList(picker.get());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(rowNamed(list, "gamma")).center());
    EXPECT_EQ(list->currentItem()->text(), "gamma");
    EXPECT_EQ(picker->currentPath(), withoutTrailingSeparator(tree.root()));

    doubleClickRow(list, "Alpha");
    EXPECT_EQ(picker->currentPath(), tree.path("Alpha"));
    EXPECT_EQ(rowTexts(list).mid(rowTexts(list).size() - 2), (QStringList{"Alpha", "inner"}));

    // Opening an ancestor goes back up the tree.
    doubleClickRow(list, QFileInfo(withoutTrailingSeparator(tree.root())).fileName());
    EXPECT_EQ(picker->currentPath(), withoutTrailingSeparator(tree.root()));
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
    const QString start = tree.path("Alpha/");
    {
        const auto picker = open(start);
        doubleClickRow(dirList(picker.get()), "inner");
        QTest::mouseClick(button(picker.get(), "cmdCancel"), Qt::LeftButton);
        EXPECT_EQ(state.DirSelectPath, start);
        EXPECT_EQ(picker->result(), QDialog::Rejected);
    }
    {
        state.DirSelectPath.clear();
        const auto picker = open(start);
        doubleClickRow(dirList(picker.get()), "inner");
        picker->close();
        EXPECT_EQ(state.DirSelectPath, start);
    }
    {
        state.DirSelectPath.clear();
        const auto picker = open(tree.path("nowhere"));
        QTest::keyClick(picker.get(), Qt::Key_Escape);
        EXPECT_EQ(state.DirSelectPath, tree.path("nowhere"));
        EXPECT_FALSE(picker->isVisible());
    }
}

TEST_F(PickerFixture, AFolderGoneBeforeItIsOpenedIsReportedAndThePathKept)
{
    const auto picker = open(tree.root());
    ASSERT_TRUE(QDir(tree.path("gamma")).removeRecursively());
    messages.expectOk("Unavailable.  (Runtime Error: No such file or directory)");

    doubleClickRow(dirList(picker.get()), "gamma");

    messages.verifyAllShown();
    EXPECT_EQ(picker->currentPath(), withoutTrailingSeparator(tree.root()));
    EXPECT_EQ(rowNamed(dirList(picker.get()), "gamma"), nullptr) << "the list shows the disk";
}

TEST_F(PickerFixture, PickingAnotherVolumeOpensItsRoot)
{
    const auto picker = open(tree.root());
    QComboBox *drives = driveList(picker.get());
    int other = -1;
    for (int i = 0; i < drives->count() && other < 0; ++i) {
        if (i != drives->currentIndex())
            other = i;
    }
    if (other < 0)
        GTEST_SKIP() << "this machine shows a single volume";

    drives->setCurrentIndex(other);
    emit drives->activated(other);

    EXPECT_EQ(picker->currentPath(), drives->itemData(other).toString());
    EXPECT_EQ(drives->currentIndex(), other);
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
