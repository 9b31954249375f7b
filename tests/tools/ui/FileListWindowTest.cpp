#include "tools/ui/FileListWindow.h"

#include "support/TestContext.h"
#include "support/TreeBuilder.h"
#include "tools/PackageList.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

int pixels(const QWidget &widget, int twips)
{
    return int(std::lround(twips * widget.logicalDpiX() / 1440.0));
}

int twips(const QWidget &widget, int pixels)
{
    return int(std::lround(pixels * 1440.0 / widget.logicalDpiX()));
}

// A context whose package list is the real window.
struct WindowFixture {
    TestContext test;
    FileListWindow window{test.state};
    Context context{test.state,         test.messages, test.view,    test.progress,
                    test.configChooser, window,        test.launcher};

    QListWidget *list() const { return window.findChild<QListWidget *>("lstFileList"); }
};

} // namespace

TEST(FileListWindow, ControlsCarryTheirNamesAndTexts)
{
    WindowFixture f;
    EXPECT_EQ(f.window.objectName(), "frmFileList");

    auto *ok = f.window.findChild<QPushButton *>("cmdOk");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_EQ(ok->geometry(), QRect(pixels(f.window, 120), pixels(f.window, 120),
                                    pixels(f.window, 1575), pixels(f.window, 375)));

    auto *label = f.window.findChild<QLabel *>("lblFileList");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), "Select a package to pull it up in the Stowbay");

    ASSERT_NE(f.list(), nullptr);
    EXPECT_FALSE(f.list()->isSortingEnabled());
    EXPECT_EQ(f.list()->selectionMode(), QAbstractItemView::SingleSelection);

    EXPECT_EQ(f.window.size(), QSize(pixels(f.window, 5670), pixels(f.window, 3780)));
    EXPECT_FALSE(f.window.isVisible());
}

TEST(FileListWindow, RowsKeepTheirOrderAndAClickOnOneEmitsItsText)
{
    WindowFixture f;
    f.window.setRows({"", " ### Props", "", "< Cub >", "Beaver"});
    EXPECT_EQ(f.window.rowCount(), 5);
    EXPECT_EQ(f.list()->item(4)->text(), "Beaver");
    f.window.showAt({0, 0, 4000, 5000});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    QSignalSpy clicked(&f.window, &FileListWindow::rowClicked);

    QListWidget *list = f.list();
    const QRect row = list->visualItemRect(list->item(3));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());

    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "< Cub >");

    // Moving on with the keys picks the next row, as a click would.
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(1).at(0).toString(), "Beaver");
}

TEST(FileListWindow, ShowPackageListOpensAtTheDefaultSizeAndReopensInTheSamePlace)
{
    TreeBuilder tree;
    tree.folder("Stowbay/Props/Cub").folder("MSFS/Aircraft");
    WindowFixture f;
    f.test.state.StowbayDir = tree.path("Stowbay/");
    f.test.state.MsfsDir = tree.path("MSFS/");

    ShowPackageList(f.context, {"Props"});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    EXPECT_TRUE(f.window.isVisible());
    EXPECT_EQ(f.window.windowTitle(), "Package List");
    EXPECT_EQ(f.window.rowCount(), 4);
    EXPECT_EQ(f.window.frameGeometry().size(),
              QSize(pixels(f.window, 5000), pixels(f.window, 4000)));

    f.window.close();
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_EQ(f.test.state.ListTop, 0);
    EXPECT_EQ(f.test.state.ListLeft, 0);

    ShowPackageList(f.context, {"Props"});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    f.window.close();
    EXPECT_EQ(f.test.state.ListHeight, 4000);
    EXPECT_EQ(f.test.state.ListWidth, 5000);
}

TEST(FileListWindow, ClosingStoresWhereTheUserLeftTheWindow)
{
    WindowFixture f;
    f.window.showAt({300, 450, 6000, 7000});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    f.window.move(40, 30);
    f.window.resize(500, 420);
    QTest::qWait(10);
    const QRect outer = f.window.frameGeometry();
    f.window.close();
    EXPECT_EQ(f.test.state.ListTop, twips(f.window, outer.top()));
    EXPECT_EQ(f.test.state.ListLeft, twips(f.window, outer.left()));
    EXPECT_EQ(f.test.state.ListHeight, twips(f.window, outer.height()));
    EXPECT_EQ(f.test.state.ListWidth, twips(f.window, outer.width()));
}

TEST(FileListWindow, TheListFollowsTheWindowSize)
{
    WindowFixture f;
    f.window.showAt({0, 0, 4000, 5000});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    const QRect outer = f.window.frameGeometry();
    const QRect list = f.list()->geometry();
    EXPECT_EQ(list.height(), pixels(f.window, twips(f.window, outer.height()) - 1450));
    EXPECT_EQ(list.width(), pixels(f.window, twips(f.window, outer.width()) - 350));
    EXPECT_EQ(list.topLeft(), QPoint(pixels(f.window, 120), pixels(f.window, 960)));

    // At an outer height of 1450 twips or less the list keeps its height.
    const int heightBefore = list.height();
    const int frameHeight = outer.height() - f.window.height();
    f.window.resize(f.window.width(), pixels(f.window, 1400) - frameHeight);
    ASSERT_LE(twips(f.window, f.window.frameGeometry().height()), 1450);
    EXPECT_EQ(f.list()->height(), heightBefore);
    EXPECT_EQ(f.list()->width(), pixels(f.window, twips(f.window, outer.width()) - 350));
}

TEST(FileListWindow, EscEnterAndOkClose)
{
    WindowFixture f;
    f.window.setRows({"Cub"});

    f.window.showAt({0, 0, 4000, 5000});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    f.list()->setFocus();
    QTest::keyClick(f.list(), Qt::Key_Escape);
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_EQ(f.test.state.ListWidth, 5000);

    f.window.showAt({0, 0, 4000, 5000});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    QTest::keyClick(f.list(), Qt::Key_Return);
    EXPECT_FALSE(f.window.isVisible());

    f.window.showAt({0, 0, 4000, 5000});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    QTest::mouseClick(f.window.findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
    EXPECT_FALSE(f.window.isVisible());
    EXPECT_TRUE(f.test.messages.allShown());
}
