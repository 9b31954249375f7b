#include "tools/ui/UnusedGaugesWindow.h"

#include "platform/qt/Twips.h"
#include "support/StoreFixture.h"

#include <QListWidget>
#include <QProgressBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The tool run through the real window over a simulator with five unused gauges.
struct WindowFixture : StoreFixture {
    QWidget mainWindow;
    UnusedGaugesWindow &window = UnusedGaugesWindow::instance(test.context, &mainWindow);

    WindowFixture()
    {
        for (const char *name : {"zulu.gau", "Alpha.gau", "mike.gau", "BRAVO.GAU", "echo.gau"})
            tree.file(QStringLiteral("MSFS/Gauges/") + name);
        test.messages.expectOkCancel({}, true);
        window.listUnusedGauges();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QListWidget *list() const { return window.findChild<QListWidget *>("lstFileList"); }
    int px(int twips) const { return twips::toPixels(&window, twips); }
};

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

} // namespace
