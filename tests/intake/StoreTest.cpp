#include "intake/Store.h"

#include "support/StoreFixture.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

TEST(StoreCategories, OnlyPlainFoldersAreCategoriesSortedIgnoringCase)
{
    TreeBuilder tree;
    tree.folder("Stowbay/warbirds")
        .folder("Stowbay/Airliners")
        .folder("Stowbay/Aircraft - Light Props")
        .folder("Stowbay/Aircraft - Helicopters")
        .file("Stowbay/notes.txt", "x")
        .folder("Stowbay/.hidden")
        .folder("Stowbay/Locked")
        .readOnly("Stowbay/Locked")
        .folder("elsewhere/Linked")
        .link("Stowbay/Linked", tree.path("elsewhere/Linked"));

    EXPECT_EQ(
        listCategories(tree.path("Stowbay/")),
        (QStringList{"Aircraft - Helicopters", "Aircraft - Light Props", "Airliners", "warbirds"}));
    EXPECT_TRUE(listCategories(tree.path("nowhere/")).isEmpty());

    // Case variants keep a fixed order whatever order they came in.
    QStringList names{"zulu", "alpha", "bravo", "Alpha", "Charlie"};
    sortIgnoringCase(names);
    EXPECT_EQ(names, (QStringList{"Alpha", "alpha", "bravo", "Charlie", "zulu"}));
}

TEST(StorePackageBox, InstalledPackagesShowTheMarkerInPlace)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Props/Cub")
        .folder("Stowbay/Props/alpha")
        .folder("Stowbay/Props/Beaver")
        .file("Stowbay/Props/readme.txt")
        .folder("Stowbay/Props/Locked")
        .readOnly("Stowbay/Props/Locked")
        // The simulator's folder spelled in other letter case still counts.
        .folder("MSFS/Aircraft/ALPHA")
        // A file of the package's name counts too: the folder could not be installed.
        .file("MSFS/Aircraft/cub");

    EXPECT_EQ(packageBoxEntries(f.test.state, "Props"),
              (QStringList{"< alpha >", "Beaver", "< Cub >"}));
}

TEST(StorePackageBox, GetPackageNameStripsOnlyACompleteMarker)
{
    EXPECT_EQ(GetPackageName("< Alpha >"), "Alpha");
    EXPECT_EQ(GetPackageName("< Two words >"), "Two words");
    EXPECT_EQ(GetPackageName("< Alpha"), "< Alpha");
    EXPECT_EQ(GetPackageName("Alpha >"), "Alpha >");
}

TEST(StorePackageNames, OnlyAFolderOfTheNameInAListedCategoryClashes)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/Learjet")
        .folder("Stowbay/Added Later/Citation")
        .file("Stowbay/Jets/Cub")
        .file("MSFS/Cub");
    for (const QString name : {"Citation", "Cub", "Beaver"})
        EXPECT_FALSE(PackageNameExists(f.test, {"Jets"}, name)) << name.toStdString();
}

TEST(StorePackageNames, ClashInTheStoreIsReportedWithItsFirstCategoryInAnyCase)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/LEARJET").folder("Stowbay/Props/Learjet");
    f.test.messages.expectOk("Package name already exists in " + f.test.state.StowbayDir +
                             "Jets.  Please use another name.");
    EXPECT_TRUE(PackageNameExists(f.test, {"Jets", "Props"}, "learjet"));
}

TEST(StorePackageNames, SimulatorFoldersClashTooAfterTheStore)
{
    StoreFixture f;
    f.tree.folder("MSFS/gauges").folder("Stowbay/Jets/Sound").folder("MSFS/Sound");
    f.test.messages.expectOk("Package name already exists in " + f.test.state.MsfsDir +
                             ".  Please use another name.");
    EXPECT_TRUE(PackageNameExists(f.test, {}, "Gauges"));

    f.test.messages
        .expectOk("Package name already exists in " + f.test.state.StowbayDir +
                  "Jets.  Please use another name.")
        .expectOk("Package name already exists in " + f.test.state.MsfsDir +
                  ".  Please use another name.");
    EXPECT_TRUE(PackageNameExists(f.test, {"Jets"}, "sound"));
}
