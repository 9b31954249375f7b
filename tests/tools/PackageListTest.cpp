#include "tools/PackageList.h"

#include "support/StoreFixture.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

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
        .folder("Stowbay/Props/Otter")
        .folder("MSFS/Aircraft/CUB")
        // A file is not an installed aircraft in the list, unlike in the package box.
        .file("MSFS/Aircraft/Beaver");

    EXPECT_EQ(packageListRows(f.test.state, {"Jets", "Empty", "OnlyFiles", "Props", "Missing"}),
              (QStringList{"", " ### Jets", "", "citation", "Learjet", "", " ### Props", "",
                           "Beaver", "< Cub >", "Otter"}));
}

TEST(PackageListRows, ALargeCollectionIsListedWhole)
{
    StoreFixture f;
    for (int i = 0; i < 3000; ++i)
        f.tree.folder(QStringLiteral("Stowbay/Many/pkg%1").arg(i, 4, 10, QLatin1Char('0')));

    const QStringList rows = packageListRows(f.test.state, {"Many"});
    ASSERT_EQ(rows.size(), 3003);
    EXPECT_EQ(rows.at(3), "pkg0000");
    EXPECT_EQ(rows.last(), "pkg2999");
}

TEST(ShowPackageList, PlacesTheWindowAsStoredOrAtTheDefaultSize)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Props/Cub");
    f.test.state.ListTop = 300;
    f.test.state.ListLeft = 450;
    f.test.state.ListHeight = 6000;
    f.test.state.ListWidth = 7000;
    ShowPackageList(f.test, {"Props"});
    const RecordingPackageListView &window = f.test.packageList;
    EXPECT_EQ(window.caption, "Package List");
    EXPECT_EQ(window.rows, (QStringList{"", " ### Props", "", "Cub"}));
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(QList<int>({window.geometry.top, window.geometry.left, window.geometry.height,
                          window.geometry.width}),
              QList<int>({300, 450, 6000, 7000}));

    // Too small a size gets the default; the limits themselves are kept.
    StoreFixture g;
    g.test.state.ListHeight = 1000;
    g.test.state.ListWidth = 1999;
    ShowPackageList(g.test, {});
    EXPECT_EQ(g.test.packageList.geometry.height, 1000);
    EXPECT_EQ(g.test.packageList.geometry.width, 5000);
    EXPECT_TRUE(g.test.packageList.rows.isEmpty());
}

TEST(ShowPackageList, AnOpenWindowIsRefreshedInPlace)
{
    StoreFixture f;
    f.test.packageList.visible = true;
    f.test.packageList.geometry = {11, 22, 3333, 4444};
    f.test.packageList.rows = {"usage list"};
    f.tree.folder("Stowbay/Props/Cub");

    ShowPackageList(f.test, {"Props"});

    EXPECT_EQ(f.test.packageList.rows, (QStringList{"", " ### Props", "", "Cub"}));
    EXPECT_EQ(f.test.packageList.caption, "Package List");
    EXPECT_EQ(f.test.packageList.geometry.top, 11);
    EXPECT_EQ(f.test.packageList.geometry.width, 4444);
}

TEST(PackageListSelection, RowsSelectTheirCategoryAndNameWithTheMarkerAsItStandsNow)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/Learjet")
        .folder("Stowbay/Props/Cub")
        .folder("Stowbay/Props/Beaver")
        .folder("MSFS/Aircraft/cub")
        .folder("MSFS/Aircraft/Beech Baron");
    const QStringList categories{"Jets", "Props"};
    EXPECT_FALSE(selectionForRow(f.test.state, categories, "").has_value());
    EXPECT_FALSE(selectionForRow(f.test.state, categories, " ### Props").has_value());

    const auto learjet = selectionForRow(f.test.state, categories, "Learjet");
    ASSERT_TRUE(learjet.has_value());
    EXPECT_EQ(learjet->category, "Jets");
    EXPECT_EQ(learjet->packageText, "Learjet");
    const auto cub = selectionForRow(f.test.state, categories, "< Cub >");
    ASSERT_TRUE(cub.has_value());
    EXPECT_EQ(cub->category, "Props");
    EXPECT_EQ(cub->packageText, "< Cub >");
    // A package taken out of the simulator since the list was built loses its marker.
    EXPECT_EQ(selectionForRow(f.test.state, categories, "< Beaver >")->packageText, "Beaver");
    // A name no category holds gives no category.
    const auto baron = selectionForRow(f.test.state, categories, "< Beech Baron >");
    ASSERT_TRUE(baron.has_value());
    EXPECT_TRUE(baron->category.isEmpty());
    EXPECT_EQ(baron->packageText, "< Beech Baron >");
}

TEST(PackageListSelection, TheLastCategoryHoldingTheNameWins)
{
    StoreFixture f;
    f.tree.folder("Stowbay/A/Cub").folder("Stowbay/B/CUB").folder("Stowbay/C/Other");
    EXPECT_EQ(categoryOfPackage(f.test.state, {"A", "B", "C"}, "cub"), "B");
    EXPECT_EQ(categoryOfPackage(f.test.state, {"B", "A", "C"}, "cub"), "A");
}
