#include "package/Files.h"

#include "app/Startup.h"
#include "package/FolderClearing.h"

#include <gtest/gtest.h>

// The path rules of both systems, checked here on any system with the separator as parameter.
TEST(PathForms, RootLocationFolderFormAndLastComponentForBothSystems)
{
    const struct {
        const char *path;
        char separator;
        qsizetype root;
        bool location;    // hasLocationForm
        bool clearable;   // hasSafeFolderForm
        const char *name; // FileNameOf without and with the parent
        const char *withParent;
    } cases[] = {
        {"C:\\FS2000\\", '\\', 3, true, true, "FS2000\\", "C:\\FS2000\\"},
        {"c:/FS2000/Aircraft/a", '\\', 3, true, false, "a", "Aircraft/a"},
        {"C:\\", '\\', 3, false, false, "C:\\", "C:\\"},
        {"C:\\ x\\", '\\', 3, true, false, " x\\", "C:\\ x\\"},
        {"C:\\\\x\\", '\\', 3, true, false, "x\\", "\\x\\"},
        {"C:FS2000\\", '\\', 0, false, false, "C:FS2000\\", "C:FS2000\\"},
        {"\\FS2000\\", '\\', 0, false, false, "FS2000\\", "FS2000\\"},
        {"\\\\server\\share\\", '\\', 15, true, true, "share\\", "server\\share\\"},
        {"\\\\server\\share\\Staging\\", '\\', 15, true, true, "Staging\\", "share\\Staging\\"},
        {"\\\\s\\x\\", '\\', 6, true, true, "x\\", "s\\x\\"},
        {"\\\\server\\share", '\\', 14, true, false, "share", "server\\share"},
        {"\\\\server\\\\x\\", '\\', 0, false, false, "x\\", "\\x\\"},
        {"/home/me/FS2000/", '\\', 0, false, false, "FS2000/", "me/FS2000/"},
        {"/home/me/FS2000/", '/', 1, true, true, "FS2000/", "me/FS2000/"},
        {"C:\\FS2000\\", '/', 0, false, false, "C:\\FS2000\\", "C:\\FS2000\\"},
        {"/x/a", '/', 1, true, false, "a", "x/a"},
        {"/a", '/', 1, false, false, "a", "a"},
        {"/", '/', 1, false, false, "/", "/"},
        {"/ staging/", '/', 1, true, false, " staging/", " staging/"},
        {"/tmp/../x/", '/', 1, true, false, "x/", "../x/"},
        {"relative/x/", '/', 0, false, false, "x/", "relative/x/"},
    };
    for (const auto &c : cases) {
        const QString path = QString::fromUtf8(c.path);
        const QChar separator = QLatin1Char(c.separator);
        SCOPED_TRACE(std::string(c.path) + " with " + c.separator);
        EXPECT_EQ(rootLength(path, separator), c.root);
        EXPECT_EQ(hasLocationForm(path, separator), c.location);
        EXPECT_EQ(hasSafeFolderForm(path, separator), c.clearable);
        EXPECT_EQ(FileNameOf(path, false, separator), QString::fromUtf8(c.name));
        EXPECT_EQ(FileNameOf(path, true, separator), QString::fromUtf8(c.withParent));
    }
    EXPECT_FALSE(hasLocationForm(QStringLiteral("/data/\x01junk")));
}
