#include "tools/ui/UnusedGaugesWindow.h"

#include "support/FormDriving.h"
#include "support/StoreFixture.h"

#include <QListWidget>
#include <QProgressBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

int pixels(const QWidget &widget, int twips)
{
    return int(std::lround(twips * widget.logicalDpiX() / 1440.0));
}

int twips(const QWidget &widget, int pixels)
{
    return int(std::lround(pixels * 1440.0 / widget.logicalDpiX()));
}

// The tool run through the real window over a simulator with five unused gauges.
struct WindowFixture : StoreFixture {
    QWidget mainWindow;
    UnusedGaugesWindow &window = UnusedGaugesWindow::instance(test.context, &mainWindow);

    WindowFixture()
    {
        for (const char *name : {"zulu.gau", "Alpha.gau", "mike.gau", "BRAVO.GAU", "echo.gau"})
            tree.file(QStringLiteral("MSFS/Gauges/") + name);
        test.messages.expectOkCancel(
            "This may take a minute or two.  During this time it will appear that the "
            "application is locked up.  Please be patient.  This process looks at every gauge "
            "to see if it is being utilized.",
            true);
        window.listUnusedGauges();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QListWidget *list() const { return window.findChild<QListWidget *>("lstFileList"); }
};

TEST(UnusedGaugesWindow, ListsSortedInOneReusedWindowThatOtherWindowsCanBeUsedBeside)
{
    WindowFixture f;
    EXPECT_EQ(&UnusedGaugesWindow::instance(f.test.context, &f.mainWindow), &f.window);
    EXPECT_EQ(f.window.objectName(), "frmUnusedGauges");
    EXPECT_EQ(f.window.size(), QSize(pixels(f.window, 5670), pixels(f.window, 3780)));
    EXPECT_FALSE(f.window.findChild<QProgressBar *>("prbProgress")->isVisible());
    ASSERT_EQ(f.list()->count(), 5);
    const QStringList expected{"alpha.gau", "bravo.gau", "echo.gau", "mike.gau", "zulu.gau"};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(f.list()->item(row)->text(), expected[row]);
}

TEST(UnusedGaugesWindow, ControlClicksSelectSeveralRowsAndDeleteRemovesThem)
{
    WindowFixture f;
    for (const char *name : {"alpha.gau", "bravo.gau", "zulu.gau"}) {
        QListWidgetItem *item = f.list()->findItems(name, Qt::MatchExactly).first();
        QTest::mouseClick(f.list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          f.list()->visualItemRect(item).center());
    }
    f.test.messages.expectYesNo("Are you sure you want to remove these gauges?", true)
        .expectOk("Done.");
    clickButton(&f.window, "cmdDelete");
    f.test.messages.verifyAllShown();

    ASSERT_EQ(f.list()->count(), 2);
    EXPECT_EQ(f.list()->item(0)->text(), "echo.gau");
    EXPECT_EQ(f.list()->item(1)->text(), "mike.gau");
    EXPECT_FALSE(f.tree.exists("MSFS/Gauges/BRAVO.GAU"));
    EXPECT_FALSE(f.tree.exists("MSFS/Gauges/Alpha.gau"));
    EXPECT_TRUE(f.tree.exists("MSFS/Gauges/mike.gau"));
}

TEST(UnusedGaugesWindow, TheListFollowsTheWindowAboveTheMarginsOnly)
{
    WindowFixture f;
    f.window.resize(pixels(f.window, 7000), pixels(f.window, 5000));
    const QRect outer = f.window.frameGeometry();
    EXPECT_EQ(f.list()->height(), pixels(f.window, twips(f.window, outer.height()) - 1450));
    EXPECT_EQ(f.list()->width(), pixels(f.window, twips(f.window, outer.width()) - 350));

    const int heightBefore = f.list()->height();
    const int frameHeight = outer.height() - f.window.height();
    f.window.resize(f.window.width(), pixels(f.window, 1400) - frameHeight);
    EXPECT_EQ(f.list()->height(), heightBefore);
}

TEST(UnusedGaugesWindow, EnterEscAndOkClose)
{
    WindowFixture f;
    for (const auto &close : std::initializer_list<std::function<void()>>{
             [&] { QTest::keyClick(f.list(), Qt::Key_Escape); },
             [&] { QTest::keyClick(f.list(), Qt::Key_Return); },
             [&] { clickButton(&f.window, "cmdOk"); }}) {
        f.window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&f.window));
        close();
        EXPECT_FALSE(f.window.isVisible());
    }
}

} // namespace
