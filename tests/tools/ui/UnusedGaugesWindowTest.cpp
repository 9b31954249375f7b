#include "tools/ui/UnusedGaugesWindow.h"

#include "platform/qt/Twips.h"
#include "support/FormDriving.h"
#include "support/StoreFixture.h"

#include <QListWidget>
#include <QProgressBar>
#include <QScreen>

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
    QStringList rows() const
    {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts.append(list()->item(row)->text());
        return texts;
    }
    int px(int twips) const { return twips::toPixels(&window, twips); }
};

TEST(UnusedGaugesWindow, ControlClicksSelectSeveralRowsDeleteRemovesThemAndKeysOrOkClose)
{
    WindowFixture f;
    for (const char *name : {"alpha.gau", "bravo.gau", "zulu.gau"}) {
        QListWidgetItem *item = f.list()->findItems(name, Qt::MatchExactly).first();
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          f.list()->visualItemRect(item).center());
    }
    f.test.messages.expectYesNo({}, true).expectOk();
    clickButton(&f.window, "cmdDelete");
    f.test.messages.verifyAllShown();
    EXPECT_EQ(f.rows(), QStringList({"echo.gau", "mike.gau"}));
    EXPECT_FALSE(f.tree.exists("MSFS/Gauges/BRAVO.GAU"));
    EXPECT_TRUE(f.tree.exists("MSFS/Gauges/mike.gau"));

    for (const int key : {int(Qt::Key_Escape), int(Qt::Key_Return), 0}) {
        f.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
        if (key)
            QTest::keyClick(f.list(), Qt::Key(key));
        else
            clickButton(&f.window, "cmdOk");
        EXPECT_FALSE(f.window.isVisible()) << key;
    }
}

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
