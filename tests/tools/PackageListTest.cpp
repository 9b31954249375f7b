#include "tools/PackageList.h"

#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

struct ListFixture {
    TreeBuilder tree;
    TestContext test;

    ListFixture()
    {
        tree.folder("Stowbay").folder("MSFS/Aircraft");
        test.state.StowbayDir = tree.path("Stowbay/");
        test.state.MsfsDir = tree.path("MSFS/");
    }
};

} // namespace

TEST(PackageListRows, TwoCategoriesGiveBlankHeaderBlankThenPackages)
{
    ListFixture f;
    f.tree.folder("Stowbay/Jets/Learjet")
        .folder("Stowbay/Jets/citation")
        .folder("Stowbay/Props/Cub");

    EXPECT_EQ(
        packageListRows(f.test.state, {"Jets", "Props"}),
        (QStringList{"", " ### Jets", "", "citation", "Learjet", "", " ### Props", "", "Cub"}));
}

TEST(PackageListRows, EmptyCategoriesAndNonFoldersAreLeftOut)
{
    ListFixture f;
    f.tree.folder("Stowbay/Empty")
        .file("Stowbay/OnlyFiles/readme.txt")
        .folder("Stowbay/OnlyFiles/Locked")
        .readOnly("Stowbay/OnlyFiles/Locked")
        .folder("Stowbay/OnlyFiles/.hidden")
        .folder("elsewhere/Target")
        .link("Stowbay/OnlyFiles/Linked", f.tree.path("elsewhere/Target"))
        .folder("Stowbay/Props/Cub");

    EXPECT_EQ(packageListRows(f.test.state, {"Empty", "OnlyFiles", "Props", "Missing"}),
              (QStringList{"", " ### Props", "", "Cub"}));
}

TEST(PackageListRows, InstalledPackagesNeedASimulatorFolderOfAnyCase)
{
    ListFixture f;
    f.tree.folder("Stowbay/Props/Cub")
        .folder("Stowbay/Props/Beaver")
        .folder("Stowbay/Props/Otter")
        .folder("MSFS/Aircraft/CUB")
        // A file is not an installed aircraft in the list, unlike in the package box.
        .file("MSFS/Aircraft/Beaver");

    EXPECT_EQ(packageListRows(f.test.state, {"Props"}),
              (QStringList{"", " ### Props", "", "Beaver", "< Cub >", "Otter"}));
}

TEST(PackageListRows, ALargeCollectionIsListedWhole)
{
    ListFixture f;
    for (int i = 0; i < 3000; ++i)
        f.tree.folder(QStringLiteral("Stowbay/Many/pkg%1").arg(i, 4, 10, QLatin1Char('0')));

    const QStringList rows = packageListRows(f.test.state, {"Many"});
    ASSERT_EQ(rows.size(), 3003);
    EXPECT_EQ(rows.at(3), "pkg0000");
    EXPECT_EQ(rows.last(), "pkg2999");
}

TEST(ShowPackageList, FillsCaptionAndRowsAndPlacesTheWindow)
{
    ListFixture f;
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
    EXPECT_EQ(window.geometry.top, 300);
    EXPECT_EQ(window.geometry.left, 450);
    EXPECT_EQ(window.geometry.height, 6000);
    EXPECT_EQ(window.geometry.width, 7000);
}

TEST(ShowPackageList, TooSmallAGeometryGetsTheDefaultSize)
{
    ListFixture f;
    ShowPackageList(f.test, {});
    EXPECT_EQ(f.test.packageList.geometry.height, 4000);
    EXPECT_EQ(f.test.packageList.geometry.width, 5000);
    EXPECT_EQ(f.test.packageList.geometry.top, 0);
    EXPECT_EQ(f.test.packageList.geometry.left, 0);
    EXPECT_TRUE(f.test.packageList.rows.isEmpty());

    // The limits themselves are kept.
    ListFixture g;
    g.test.state.ListHeight = 1000;
    g.test.state.ListWidth = 1999;
    ShowPackageList(g.test, {});
    EXPECT_EQ(g.test.packageList.geometry.height, 1000);
    EXPECT_EQ(g.test.packageList.geometry.width, 5000);
}

TEST(ShowPackageList, AnOpenWindowIsRefreshedInPlace)
{
    ListFixture f;
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

TEST(PackageListSelection, BlankRowsAndHeadersSelectNothing)
{
    ListFixture f;
    f.tree.folder("Stowbay/Props/Cub");
    EXPECT_FALSE(selectionForRow(f.test.state, {"Props"}, "").has_value());
    EXPECT_FALSE(selectionForRow(f.test.state, {"Props"}, " ### Props").has_value());
}

TEST(PackageListSelection, APlainRowSelectsItsCategoryAndName)
{
    ListFixture f;
    f.tree.folder("Stowbay/Jets/Learjet").folder("Stowbay/Props/Cub");
    const auto selection = selectionForRow(f.test.state, {"Jets", "Props"}, "Cub");
    ASSERT_TRUE(selection.has_value());
    EXPECT_EQ(selection->category, "Props");
    EXPECT_EQ(selection->packageText, "Cub");
}

TEST(PackageListSelection, AnInstalledRowKeepsTheMarker)
{
    ListFixture f;
    f.tree.folder("Stowbay/Props/Cub").folder("MSFS/Aircraft/cub");
    const auto selection = selectionForRow(f.test.state, {"Props"}, "< Cub >");
    ASSERT_TRUE(selection.has_value());
    EXPECT_EQ(selection->category, "Props");
    EXPECT_EQ(selection->packageText, "< Cub >");

    // A package taken out of the simulator since the list was built loses its marker.
    f.tree.folder("Stowbay/Props/Beaver");
    EXPECT_EQ(selectionForRow(f.test.state, {"Props"}, "< Beaver >")->packageText, "Beaver");
}

TEST(PackageListSelection, TheLastCategoryHoldingTheNameWins)
{
    ListFixture f;
    f.tree.folder("Stowbay/A/Cub").folder("Stowbay/B/CUB").folder("Stowbay/C/Other");
    EXPECT_EQ(categoryOfPackage(f.test.state, {"A", "B", "C"}, "cub"), "B");
    EXPECT_EQ(categoryOfPackage(f.test.state, {"B", "A", "C"}, "cub"), "A");
}

TEST(PackageListSelection, ANameNoCategoryHoldsGivesNoCategory)
{
    ListFixture f;
    f.tree.folder("Stowbay/Props/Cub").folder("MSFS/Aircraft/Beech Baron");
    const auto selection = selectionForRow(f.test.state, {"Props"}, "< Beech Baron >");
    ASSERT_TRUE(selection.has_value());
    EXPECT_TRUE(selection->category.isEmpty());
    EXPECT_EQ(selection->packageText, "< Beech Baron >");
}
