#include "tools/ui/UnusedGaugesWindow.h"

#include "platform/qt/Twips.h"
#include "support/StoreFixture.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

TEST(UnusedGaugesWindow, FirstOpensCentredOverTheMainWindowAndWhollyOnTheScreen)
{
    StoreFixture store;
    // Main windows well inside the screen, and mostly off it at each side.
    for (const QPoint corner : {QPoint(150, 100), QPoint(5000, 4000), QPoint(-3000, -2000)}) {
        QWidget mainWindow;
        mainWindow.setGeometry(QRect(corner, QSize(500, 400)));
        UnusedGaugesWindow &window = UnusedGaugesWindow::instance(store.test.context, &mainWindow);
        window.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect outer = window.frameGeometry();
        EXPECT_EQ(window.size(), twips::size(&window, 5670, 3780));
        EXPECT_TRUE(window.screen()->availableGeometry().contains(outer)) << corner.x();
        if (corner.x() == 150) {
            EXPECT_LE((outer.center() - mainWindow.frameGeometry().center()).manhattanLength(), 2);
        }
    }
}
