// Where what the user deletes goes: to the trash below a folder that has one, for good at the
// top of a file system of its own, where the trash would be made inside the location.

#include "package/RemovalNotices.h"
#include "support/FaultScenarios.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TemporaryHome.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// The folder's entries, hidden ones included.
QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Why a tmpfs cannot be mounted in a private mount namespace here, or nothing.
std::optional<std::string> mountingUnavailable()
{
    if (::geteuid() != 0)
        return "mounting a tmpfs needs root";
    const int status = runInChild([] {
        const bool mounted = ::unshare(CLONE_NEWNS) == 0 &&
                             ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        std::_Exit(mounted ? 0 : 1);
    });
    if (status != 0)
        return "this process cannot make a private mount namespace";
    return std::nullopt;
}

TEST(RemovalTrash, GoesToTheTrashBelowAFolderWithOneAndForGoodAtTheTopOfItsOwnFileSystem)
{
    const struct {
        const char *row;
        bool ownFileSystem; // the store is a tmpfs of its own
    } cases[] = {{"below a folder with a trash", false}, {"at the top of its own tmpfs", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.row);
        if (c.ownFileSystem) {
            if (const auto why = mountingUnavailable()) {
                if (qEnvironmentVariable("CI") == QLatin1String("true"))
                    FAIL() << *why;
                GTEST_SKIP() << *why;
            }
        }
        TreeBuilder tree;
        // The home trash, on the file system of the tree, in a data folder of the test's own.
        const TemporaryHome home(tree.folder("home/data").path("home"));
        const QByteArray savedData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", tree.path("home/data").toLocal8Bit());
        const QString store = tree.folder("Stowbay").path("Stowbay/");
        const auto check = [&] {
            QStringList problems;
            tree.file("Stowbay/Props/Cub/Model/cub.mdl", "mdl");
            RecordingMessageBoxes messages;
            const RemovalArea area(store + "Props/", store);
            const QStringList notices = removalNotices({area});
            if (!removeWithin(messages, area, store + "Props/Cub", Disposal::Trash).done() ||
                tree.exists("Stowbay/Props/Cub"))
                problems.append("the package is still there");
            const QString files = tree.path("home/data/Trash/files/");
            const QStringList inTrash = entriesOf(files);
            const bool trashed =
                inTrash.size() == 1 && QFileInfo(files + inTrash[0] + "/Model/cub.mdl").isFile();
            if (trashed == c.ownFileSystem)
                problems.append(trashed ? "it went to the trash" : "it is not in the trash");
            for (const QString &name : entriesOf(store)) {
                if (name.startsWith(".Trash"))
                    problems.append("a trash was made in the store: " + name);
            }
            if ((notices.size() == 1 && notices[0].contains(store)) != c.ownFileSystem)
                problems.append("the notices say: " + notices.join('|'));
            return problems;
        };
        if (!c.ownFileSystem) {
            const QStringList problems = check();
            EXPECT_TRUE(problems.isEmpty()) << problems.join('\n').toStdString();
        } else {
            const QByteArray mountPoint = QFile::encodeName(store);
            const int status = runInChild([&] {
                const bool mounted =
                    ::unshare(CLONE_NEWNS) == 0 &&
                    ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                    ::mount("none", mountPoint.constData(), "tmpfs", 0, "size=1m") == 0;
                const QStringList problems = mounted ? check() : QStringList{"not mounted"};
                std::fprintf(stderr, "%s\n", qPrintable(problems.join('\n')));
                std::_Exit(problems.isEmpty() ? 0 : 1);
            });
            EXPECT_EQ(status, 0) << "the check on the tmpfs failed (see above)";
        }
        qputenv("XDG_DATA_HOME", savedData);
    }
}

} // namespace
