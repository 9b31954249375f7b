#include "package/Store.h"

#include "support/StoreFixture.h"

#include <gtest/gtest.h>

TEST(Store, OnlyPlainFoldersAreCategoriesOrPackagesAndInstalledOnesShowTheMarker)
{
    StoreFixture f;
    f.tree.folder("Stowbay/warbirds")
        .folder("Stowbay/Aircraft - Light Props")
        .file("Stowbay/notes.txt", "x")
        .folder("Stowbay/.hidden")
        .folder("Stowbay/Locked")
        .readOnly("Stowbay/Locked")
        .folder("elsewhere/Linked")
        .link("Stowbay/Linked", f.tree.path("elsewhere/Linked"))
        .folder("Stowbay/Props/Cub")
        .folder("Stowbay/Props/alpha")
        .folder("Stowbay/Props/Beaver")
        .file("Stowbay/Props/readme.txt")
        .folder("Stowbay/Props/Locked")
        .readOnly("Stowbay/Props/Locked")
        // The simulator's folder in other letter case counts, and so does a file of the name:
        // the folder could not be installed beside it.
        .folder("MSFS/Aircraft/ALPHA")
        .file("MSFS/Aircraft/cub");
    EXPECT_EQ(listCategories(f.tree.path("Stowbay/")),
              (QStringList{"Aircraft - Light Props", "Props", "warbirds"}));
    EXPECT_TRUE(listCategories(f.tree.path("nowhere/")).isEmpty());
    EXPECT_EQ(packageBoxEntries(f.test.state, "Props"),
              (QStringList{"< alpha >", "Beaver", "< Cub >"}));
    for (const QString text : {"< Alpha", "Alpha >", "Alpha"})
        EXPECT_EQ(GetPackageName(text), text);
    EXPECT_EQ(GetPackageName("< Two words >"), "Two words");
    EXPECT_EQ(GetPackageName("<  >"), "");

    // Case variants keep a fixed order whatever order they came in.
    QStringList names{"zulu", "alpha", "bravo", "Alpha", "Charlie"};
    sortIgnoringCase(names);
    EXPECT_EQ(names, (QStringList{"Alpha", "alpha", "bravo", "Charlie", "zulu"}));
}
