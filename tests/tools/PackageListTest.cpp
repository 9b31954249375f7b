#include "tools/PackageList.h"

#include "support/StoreFixture.h"

#include <gtest/gtest.h>

TEST(ShowPackageList, PlacesAClosedWindowAsStoredOrAtTheDefaultSizeAndRefreshesAnOpenOne)
{
    const struct {
        bool open;
        WindowGeometry stored, expected;
    } cases[]{{false, {300, 450, 6000, 7000}, {300, 450, 6000, 7000}},
              {false, {0, 0, 1000, 1999}, {0, 0, 1000, 5000}},
              {false, {0, 0, 999, 2000}, {0, 0, 4000, 2000}},
              {true, {0, 0, 0, 0}, {11, 22, 3333, 4444}}};
    for (const auto &c : cases) {
        StoreFixture f;
        // A loose file hides no package, and a category without one none after it.
        f.tree.file("Stowbay/Props/A loose file.txt")
            .folder("Stowbay/Props/Cub")
            .folder("Stowbay/Empty");
        f.test.packageList.visible = c.open;
        f.test.packageList.geometry = {11, 22, 3333, 4444};
        SharedState &state = f.test.state;
        std::tie(state.ListTop, state.ListLeft, state.ListHeight, state.ListWidth) =
            std::tuple(c.stored.top, c.stored.left, c.stored.height, c.stored.width);
        ShowPackageList(f.test, {"Empty", "Props"});
        const RecordingPackageListView &window = f.test.packageList;
        EXPECT_EQ(window.rows, (QStringList{"", " ### Props", "", "Cub"}));
        EXPECT_TRUE(window.visible);
        EXPECT_FALSE(window.caption.isEmpty());
        EXPECT_EQ(
            QList<int>({window.geometry.top, window.geometry.left, window.geometry.height,
                        window.geometry.width}),
            QList<int>({c.expected.top, c.expected.left, c.expected.height, c.expected.width}));
    }
}
