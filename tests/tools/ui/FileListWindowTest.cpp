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
