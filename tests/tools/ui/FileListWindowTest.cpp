#include "tools/ui/FileListWindow.h"

#include "platform/qt/Twips.h"
#include "support/StoreFixture.h"
#include "tools/ui/FileListOnDemand.h"

#include <QTest>

#include <gtest/gtest.h>

TEST(FileListWindow, OpensWithItsOuterCornerWhereAskedAndStoresItsOuterGeometryWithoutCreep)
{
    // A stored place, then none; each session makes the window on first use, as the program
    // does, from what the last one stored. The last session's user moves it.
    for (const QRect &asked : {QRect(2250, 1500, 6000, 4500), QRect(0, 0, 5000, 4000)}) {
        StoreFixture store;
        SharedState &state = store.test.state;
        const auto stored = [&state] {
            return QRect(state.ListLeft, state.ListTop, state.ListWidth, state.ListHeight);
        };
        state.ListLeft = asked.x();
        state.ListTop = asked.y();
        state.ListWidth = asked.width();
        state.ListHeight = asked.height();
        QRect expected;
        for (int session = 0; session < 4; ++session) {
            FileListOnDemand onDemand(state);
            onDemand.showAt({state.ListTop, state.ListLeft, state.ListHeight, state.ListWidth});
            FileListWindow &window = *onDemand.window();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
            const auto px = [&window](int twips) { return twips::toPixels(&window, twips); };
            if (session == 0)
                expected =
                    QRect(px(asked.x()), px(asked.y()), px(asked.width()), px(asked.height()));
            EXPECT_EQ(window.frameGeometry(), expected) << asked.y() << " " << session;
            if (session == 2) {
                window.move(expected.topLeft() + QPoint(30, 45));
                expected = window.frameGeometry();
            }
            window.close();
            if (session < 2) {
                EXPECT_EQ(stored(), asked) << session;
            }
        }
    }
}
