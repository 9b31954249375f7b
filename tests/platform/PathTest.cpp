#include "platform/Path.h"

#include <gtest/gtest.h>

using platform::Path;

// Written for a system whose separator is "/"; on others the joins hold with theirs.
TEST(Path, JoinsWithOneSeparatorAndKeepsWhetherItNamesAFolder)
{
    const struct {
        Path built;
        const char *expected;
        bool folder;
    } rows[] = {
        {Path("/store/") / "Props" / "Cub", "/store/Props/Cub", false},
        {Path("/store") / "Props/Cub", "/store/Props/Cub", false},
        {(Path("/store//") / "Props").asFolder(), "/store/Props/", true},
        {Path("/") / "home", "/home", false},
        {Path("/").asEntry(), "/", false},
        {Path("/store/").asEntry(), "/store", false},
        {Path("/store/"), "/store/", true},
        {Path() / "ws.ini", "ws.ini", false},
        {Path().asFolder(), "", true},
        {Path("/store/") / "sub/", "/store/sub/", true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(row.built.toString(), QString::fromUtf8(row.expected));
        EXPECT_EQ(row.built.isFolder(), row.folder);
    }
}
