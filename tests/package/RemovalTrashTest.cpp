// Where what the user deletes goes: to the trash below a folder that has one, for good at the
// top of a file system of its own, where the trash would be made inside the location; and never
// anything outside the folder the action works on.

#include "package/DeletionPlan.h"
#include "platform/ActivityLog.h"
#include "support/MountNamespace.h"
#include "support/PackageTestHelpers.h"
#include "support/TemporaryHome.h"

#include <QDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

TEST(RemovalTrash, GoesToTheTrashBelowAFolderWithOneAndForGoodAtTheTopOfItsOwnFileSystem)
{
    for (const bool ownFileSystem : {false, true}) {
        SCOPED_TRACE(ownFileSystem ? "at the top of its own tmpfs" : "below a folder with a trash");
        if (const auto why = mountNamespaceUnavailable(); ownFileSystem && why) {
            if (qEnvironmentVariable("CI") == QLatin1String("true"))
                FAIL() << *why;
            GTEST_SKIP() << *why;
        }
        TreeBuilder tree;
        // The home trash, on the file system of the tree, in a data folder of the test's own.
        const TemporaryHome home(tree.folder("home/data").path("home"));
        const QByteArray savedData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", tree.path("home/data").toLocal8Bit());
        const QString store = tree.folder("Stowbay").path("Stowbay/");
        const auto check = [&] {
            QStringList problems;
            // Gone under a hidden name already, as a removal takes a package out of sight first;
            // the log names it as the user knew it.
            tree.file("Stowbay/Props/.wingstash-gone-1/Model/cub.mdl", "mdl");
            ScriptedMessageBoxes messages{true};
            const RemovalArea area(store + "Props/", store);
            DeletionPlan plan(store);
            plan.add(area, store + "Props/.wingstash-gone-1");
            const QStringList details = deletionDetails({plan});
            platform::ActivityLog log;
            const QString logPath = tree.path("activity.log");
            {
                const platform::ActivityScope scope(log, logPath, "Remove", {store});
                if (!removeWithin(messages, area, store + "Props/.wingstash-gone-1",
                                  Disposal::Trash, store + "Props/Cub")
                         .done() ||
                    tree.exists("Stowbay/Props/.wingstash-gone-1"))
                    problems.append("the package is still there");
            }
            if (!tree.read("activity.log").contains(QFile::encodeName(store + "Props/Cub\n")))
                problems.append("the log does not name the package");
            const QString files = tree.path("home/data/Trash/files/");
            const QStringList inTrash = entriesOf(files);
            const bool trashed = inTrash == QStringList{"Cub"} &&
                                 QFileInfo(files + inTrash[0] + "/Model/cub.mdl").isFile();
            if (trashed == ownFileSystem)
                problems.append(trashed ? "it went to the trash" : "it is not in the trash");
            // Restored from the trash, it comes back as the package, not under its hidden name.
            QFile info(tree.path("home/data/Trash/info/") + inTrash.value(0) + ".trashinfo");
            if (trashed && !(info.open(QIODevice::ReadOnly) &&
                             info.readAll().contains(
                                 "Path=" + QUrl::toPercentEncoding(store + "Props/Cub", "/"))))
                problems.append("the trash would restore it elsewhere");
            if (!entriesOf(store).filter(QStringLiteral(".Trash")).isEmpty())
                problems.append("a trash was made in the store");
            // The details open with the notice where the files cannot be restored.
            if ((details.size() == 2 && details[0].contains(store)) != ownFileSystem)
                problems.append("the details say: " + details.join('|'));
            return problems;
        };
        if (ownFileSystem) {
            expectInMountNamespace(Mount::RoomyTmpfs, QFile::encodeName(store), check);
        } else {
            const QStringList problems = check();
            EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
        }
        qputenv("XDG_DATA_HOME", savedData);
    }
}

// A removal reaches only below its area: never the area's folder itself, a sibling whose name
// begins alike, or anything else outside.
TEST(RemoveWithin, RefusesEverythingOutsideItsArea)
{
    TreeBuilder tree;
    tree.file("Props/Cub/cub.air").file("Props Two/Jet/jet.air").file("notes.txt");
    const RemovalArea area(tree.path("Props/"), tree.root());
    ScriptedMessageBoxes messages{true};
    for (const char *outside : {"Props", "Props Two/Jet", "notes.txt"})
        EXPECT_EQ(removeWithin(messages, area, tree.path(outside)).kind, RemovalOutcome::Refused)
            << outside;
    EXPECT_TRUE(removeWithin(messages, area, tree.path("Props/Cub")).done());
    EXPECT_EQ(entriesBelow(tree.root()),
              QStringList({"Props Two/", "Props Two/Jet/", "Props Two/Jet/jet.air", "Props/",
                           "notes.txt"}));
}

} // namespace
