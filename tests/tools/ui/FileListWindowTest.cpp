#include "tools/ui/FileListWindow.h"

#include "platform/qt/Twips.h"
#include "support/StoreFixture.h"
#include "tools/PackageList.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A store whose package list is the real window.
struct WindowFixture : StoreFixture {
    FileListWindow window{test.state};
    Context context{test.state,         test.messages, test.view,    test.progress,
                    test.configChooser, window,        test.launcher};
    QListWidget *list() const { return window.findChild<QListWidget *>("lstFileList"); }
    int px(int twips) const { return twips::toPixels(&window, twips); }
    void showAt(const platform::Geometry &place)
    {
        window.showAt(place);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace

TEST(FileListWindow, RowsClickedOrReachedByKeysAreHandedOnAndEnterEscOrOkClose)
{
    WindowFixture f;
    f.window.setRows({"", " ### Props", "", "< Cub >", "Beaver"});
    f.showAt({0, 0, 4000, 5000});
    QSignalSpy clicked(&f.window, &FileListWindow::rowClicked);
    QListWidget *list = f.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(clicked.count(), 2);
    EXPECT_EQ(clicked.at(0).at(0).toString(), "< Cub >");
    EXPECT_EQ(clicked.at(1).at(0).toString(), "Beaver");

    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), 0}) {
        f.showAt({0, 0, 4000, 5000});
        if (key)
            QTest::keyClick(list, Qt::Key(key));
        else
            QTest::mouseClick(f.window.findChild<QPushButton *>("cmdOk"), Qt::LeftButton);
        EXPECT_FALSE(f.window.isShown()) << key;
    }
}

TEST(FileListWindow, OpensWhereStoredFollowsItsSizeAndStoresWhereTheUserLeftIt)
{
    WindowFixture f;
    f.tree.folder("Stowbay/Props/Cub");
    ShowPackageList(f.context, {"Props"});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
    EXPECT_EQ(f.window.rowCount(), 4);
    const QRect outer = f.window.frameGeometry();
    EXPECT_EQ(outer.size(), QSize(f.px(5000), f.px(4000)));
    // The list follows the outer size, less its margins.
    EXPECT_EQ(f.list()->geometry(),
              QRect(f.px(120), f.px(960), f.px(5000 - 350), f.px(4000 - 1450)));
    f.window.close();
    EXPECT_EQ(QList<int>({f.test.state.ListTop, f.test.state.ListLeft, f.test.state.ListHeight,
                          f.test.state.ListWidth}),
              QList<int>({0, 0, 4000, 5000}));

    // At an outer height of 1450 twips or less the list keeps its height.
    f.showAt({300, 450, 6000, 7000});
    const int listHeight = f.list()->height();
    f.window.move(40, 30);
    f.window.resize(500, f.px(1400) - (f.window.frameGeometry().height() - f.window.height()));
    QTest::qWait(10);
    EXPECT_EQ(f.list()->height(), listHeight);
    const QRect moved = f.window.frameGeometry();
    f.window.close();
    EXPECT_EQ(f.test.state.ListTop, twips::fromPixels(&f.window, moved.top()));
    EXPECT_EQ(f.test.state.ListLeft, twips::fromPixels(&f.window, moved.left()));
    EXPECT_EQ(f.test.state.ListHeight, twips::fromPixels(&f.window, moved.height()));
    EXPECT_EQ(f.test.state.ListWidth, twips::fromPixels(&f.window, moved.width()));
}
