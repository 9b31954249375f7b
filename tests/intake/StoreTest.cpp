#include "intake/Store.h"

#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

const QStringList kDefaultCategoriesInCreationOrder{
    "Aircraft - Heavy Jets",  "Aircraft - Heavy Props", "Aircraft - Light Jets",
    "Aircraft - Light Props", "Aircraft - Helicopters", "Aircraft - Military",
    "Panels - Heavy Jets",    "Panels - Light Jets",    "Panels - Heavy Props",
    "Panels - Light Props",   "Sounds - Heavy Jets",    "Sounds - Light Jets",
    "Sounds - Heavy Props",   "Sounds - Light Props"};

const QStringList kDefaultCategoriesInBoxOrder{
    "Aircraft - Heavy Jets", "Aircraft - Heavy Props", "Aircraft - Helicopters",
    "Aircraft - Light Jets", "Aircraft - Light Props", "Aircraft - Military",
    "Panels - Heavy Jets",   "Panels - Heavy Props",   "Panels - Light Jets",
    "Panels - Light Props",  "Sounds - Heavy Jets",    "Sounds - Heavy Props",
    "Sounds - Light Jets",   "Sounds - Light Props"};

// A store and a simulator folder side by side in one temporary tree.
struct StoreFixture {
    TreeBuilder tree;
    TestContext test;

    StoreFixture()
    {
        tree.folder("Stowbay").folder("MSFS/Aircraft");
        test.state.StowbayDir = tree.path("Stowbay/");
        test.state.MsfsDir = tree.path("MSFS/");
    }
};

} // namespace

TEST(StoreCategories, DefaultNamesComeOutInTheBoxOrder)
{
    QStringList names = kDefaultCategoriesInCreationOrder;
    sortIgnoringCase(names);
    EXPECT_EQ(names, kDefaultCategoriesInBoxOrder);

    TreeBuilder tree;
    for (const QString &name : kDefaultCategoriesInCreationOrder)
        tree.folder("Stowbay/" + name);
    EXPECT_EQ(listCategories(tree.path("Stowbay/")), kDefaultCategoriesInBoxOrder);
}

TEST(StoreCategories, SortIgnoresCaseAndKeepsCaseVariantsInAFixedOrder)
{
    QStringList names{"zulu", "Alpha", "bravo", "alpha", "Charlie"};
    sortIgnoringCase(names);
    EXPECT_EQ(names, (QStringList{"Alpha", "alpha", "bravo", "Charlie", "zulu"}));

    QStringList reversed{"alpha", "Alpha"};
    sortIgnoringCase(reversed);
    EXPECT_EQ(reversed, (QStringList{"Alpha", "alpha"}));
}

TEST(StoreCategories, OnlyPlainFoldersAreCategories)
{
    TreeBuilder tree;
    tree.folder("Stowbay/warbirds")
        .folder("Stowbay/Airliners")
        .file("Stowbay/notes.txt", "x")
        .folder("Stowbay/.hidden")
        .folder("Stowbay/Locked")
        .readOnly("Stowbay/Locked")
        .folder("elsewhere/Linked")
        .link("Stowbay/Linked", tree.path("elsewhere/Linked"));

    EXPECT_EQ(listCategories(tree.path("Stowbay/")), (QStringList{"Airliners", "warbirds"}));
    EXPECT_TRUE(listCategories(tree.path("nowhere/")).isEmpty());
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

TEST(StorePackageBox, InstalledTestLooksUpTheSimulatorFolderIgnoringCase)
{
    StoreFixture f;
    f.tree.folder("MSFS/Aircraft/alpha");
    EXPECT_TRUE(isInstalled(f.test.state, "Alpha"));
    EXPECT_FALSE(isInstalled(f.test.state, "Beta"));
    EXPECT_EQ(withInstalledMarker("Alpha"), "< Alpha >");
}

TEST(StorePackageBox, GetPackageNameStripsOnlyACompleteMarker)
{
    EXPECT_EQ(GetPackageName("< Alpha >"), "Alpha");
    EXPECT_EQ(GetPackageName("< Two words >"), "Two words");
    EXPECT_EQ(GetPackageName("Alpha"), "Alpha");
    EXPECT_EQ(GetPackageName("< Alpha"), "< Alpha");
    EXPECT_EQ(GetPackageName("Alpha >"), "Alpha >");
    EXPECT_EQ(GetPackageName(""), "");
}

TEST(StorePackageNames, AFreeNameAsksNothing)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/Learjet");
    EXPECT_FALSE(PackageNameExists(f.test, {"Jets"}, "Citation"));
}

TEST(StorePackageNames, ClashInTheStoreIsReportedWithItsCategory)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/Learjet").folder("Stowbay/Props/Learjet");
    const QString store = f.test.state.StowbayDir;
    // Only the first clashing category is named.
    f.test.messages.expectOk("Package name already exists in " + store +
                             "Jets.  Please use another name.");
    EXPECT_TRUE(PackageNameExists(f.test, {"Jets", "Props"}, "Learjet"));
}

TEST(StorePackageNames, ClashInOtherLetterCaseIsRefused)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/LEARJET");
    f.test.messages.expectOk("Package name already exists in " + f.test.state.StowbayDir +
                             "Jets.  Please use another name.");
    EXPECT_TRUE(PackageNameExists(f.test, {"Jets"}, "learjet"));
}

TEST(StorePackageNames, OnlyListedCategoriesAreSearched)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets").folder("Stowbay/Added Later/Learjet");
    EXPECT_FALSE(PackageNameExists(f.test, {"Jets"}, "Learjet"));
}

TEST(StorePackageNames, GaugesIsRefusedWhileTheSimulatorHasGauges)
{
    StoreFixture f;
    f.tree.folder("MSFS/gauges");
    f.test.messages.expectOk("Package name already exists in " + f.test.state.MsfsDir +
                             ".  Please use another name.");
    EXPECT_TRUE(PackageNameExists(f.test, {}, "Gauges"));
}

TEST(StorePackageNames, ClashInBothPlacesShowsTheStoreFirst)
{
    StoreFixture f;
    f.tree.folder("Stowbay/Jets/Sound").folder("MSFS/Sound");
    f.test.messages
        .expectOk("Package name already exists in " + f.test.state.StowbayDir +
                  "Jets.  Please use another name.")
        .expectOk("Package name already exists in " + f.test.state.MsfsDir +
                  ".  Please use another name.");
    EXPECT_TRUE(PackageNameExists(f.test, {"Jets"}, "sound"));
}

TEST(StorePackageNames, AFileOfThatNameIsNoClash)
{
    StoreFixture f;
    f.tree.file("Stowbay/Jets/Learjet").file("MSFS/Learjet");
    EXPECT_FALSE(PackageNameExists(f.test, {"Jets"}, "Learjet"));
}
