#include "tools/PackageList.h"

#include "support/StoreFixture.h"

#include <gtest/gtest.h>

TEST(PackageListRows, CategoriesGiveBlankHeaderBlankThenPlainPackageFolders)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/Learjet")
        .folder("Stowbay/Jets/citation")
        .folder("Stowbay/Empty")
        .file("Stowbay/OnlyFiles/readme.txt")
        .folder("Stowbay/OnlyFiles/Locked")
        .readOnly("Stowbay/OnlyFiles/Locked")
        .folder("Stowbay/OnlyFiles/.hidden")
        .folder("elsewhere/Target")
        .link("Stowbay/OnlyFiles/Linked", f.tree.path("elsewhere/Target"))
        .folder("Stowbay/Props/Cub")
        .folder("Stowbay/Props/Beaver")
        .folder("MSFS/Aircraft/CUB")
        // A file is not an installed aircraft in the list, unlike in the package box.
        .file("MSFS/Aircraft/Beaver");
    EXPECT_EQ(packageListRows(f.test.state, {"Jets", "Empty", "OnlyFiles", "Props", "Missing"}),
              (QStringList{"", " ### Jets", "", "citation", "Learjet", "", " ### Props", "",
                           "Beaver", "< Cub >"}));
}

TEST(ShowPackageList, PlacesAClosedWindowAsStoredOrAtTheDefaultSizeAndRefreshesAnOpenOne)
{
    const struct {
        bool open;
        platform::Geometry stored, expected;
    } cases[]{{false, {300, 450, 6000, 7000}, {300, 450, 6000, 7000}},
              {false, {0, 0, 1000, 1999}, {0, 0, 1000, 5000}},
              {false, {0, 0, 999, 2000}, {0, 0, 4000, 2000}},
              {true, {0, 0, 0, 0}, {11, 22, 3333, 4444}}};
    for (const auto &c : cases) {
        StoreFixture f;
        f.tree.folder("Stowbay/Props/Cub");
        f.test.packageList.visible = c.open;
        f.test.packageList.geometry = {11, 22, 3333, 4444};
        SharedState &state = f.test.state;
        std::tie(state.ListTop, state.ListLeft, state.ListHeight, state.ListWidth) =
            std::tuple(c.stored.top, c.stored.left, c.stored.height, c.stored.width);
        ShowPackageList(f.test, {"Props"});
        const RecordingPackageListView &window = f.test.packageList;
        EXPECT_EQ(window.caption, "Package List");
        EXPECT_EQ(window.rows, (QStringList{"", " ### Props", "", "Cub"}));
        EXPECT_TRUE(window.visible);
        EXPECT_EQ(
            QList<int>({window.geometry.top, window.geometry.left, window.geometry.height,
                        window.geometry.width}),
            QList<int>({c.expected.top, c.expected.left, c.expected.height, c.expected.width}));
    }
}

TEST(PackageListSelection, RowsSelectTheLastCategoryHoldingTheNameAndTheMarkerAsItStandsNow)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/Learjet")
        .folder("Stowbay/Props/Cub")
        .folder("Stowbay/Props/Beaver")
        .folder("Stowbay/Gliders/CUB")
        .folder("MSFS/Aircraft/cub")
        .folder("MSFS/Aircraft/Beech Baron");
    const QStringList categories{"Jets", "Gliders", "Props"};
    for (const char *nothing : {"", " ### Props"})
        EXPECT_FALSE(selectionForRow(f.test.state, categories, nothing).has_value());
    const QList<std::tuple<const char *, const char *, const char *>> cases{
        {"Learjet", "Jets", "Learjet"},
        {"< Cub >", "Props", "< Cub >"},
        {"< Beaver >", "Props", "Beaver"}, // taken out of the simulator since
        {"< Beech Baron >", "", "< Beech Baron >"}};
    for (const auto &[row, category, text] : cases) {
        const auto selection = selectionForRow(f.test.state, categories, row);
        ASSERT_TRUE(selection.has_value()) << row;
        EXPECT_EQ(selection->category, category) << row;
        EXPECT_EQ(selection->packageText, text) << row;
    }
    EXPECT_EQ(categoryOfPackage(f.test.state, {"Props", "Gliders"}, "cub"), "Gliders");
}
