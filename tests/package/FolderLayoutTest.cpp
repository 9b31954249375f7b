#include "package/FolderLayout.h"

#include "platform/CaseLookup.h"
#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

// One rule, three kinds of entry: the single test and the test from one listing agree on each.
TEST(FolderLayout, InstalledKindsAgreeBetweenOneNameAndTheWholeListing)
{
    TreeBuilder tree;
    tree.folder("FS/Aircraft/Cub")
        .folder("FS/Aircraft/Locked")
        .readOnly("FS/Aircraft/Locked")
        .file("FS/Aircraft/Note")
        .link("FS/Aircraft/ToCub", tree.path("FS/Aircraft/Cub"))
        .link("FS/Aircraft/Dangling", tree.path("nowhere"));
    SharedState state;
    state.MsfsDir = tree.path("FS/");
    const FolderLayout layout(state);

    const struct {
        const char *name;
        bool anyEntry, folder, directory;
    } rows[] = {
        {"cub", true, true, true},        {"Locked", true, false, true},
        {"Note", true, false, false},     {"ToCub", true, false, true},
        {"Dangling", true, false, false}, {"Missing", false, false, false},
    };
    for (const auto &row : rows) {
        const QString name = QString::fromUtf8(row.name);
        for (const auto &[as, expected] : {std::pair{InstalledAs::AnyEntry, row.anyEntry},
                                           std::pair{InstalledAs::Folder, row.folder},
                                           std::pair{InstalledAs::Directory, row.directory}}) {
            SCOPED_TRACE(row.name + std::string(" as kind ") + std::to_string(int(as)));
            EXPECT_EQ(layout.isInstalled(name, as), expected);
            EXPECT_EQ(layout.installedKeys(as).contains(platform::caseKey(name)), expected);
        }
    }
    EXPECT_FALSE(layout.isInstalled(QString(), InstalledAs::Directory));
}
