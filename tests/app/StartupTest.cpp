#include "app/Startup.h"

#include "package/ShutDown.h"
#include "platform/Folders.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

const auto kUnchanged = [](platform::Locations &) {};

class WorkingFolder {
public:
    explicit WorkingFolder(const QString &folder) { QDir::setCurrent(folder); }
    ~WorkingFolder() { QDir::setCurrent(saved_); }

private:
    const QString saved_ = QDir::currentPath();
};

// Staging, store and simulator folders (with its "Aircraft" as real simulators spell it), and
// the program's folder holding ws.ini.
struct Folders {
    TreeBuilder tree;
    TestContext test;
    ScriptedLocationsEditor editor;
    MainWindowGeometry main;

    Folders()
    {
        tree.folder("staging").folder("stowbay").folder("fs2000/Aircraft").folder("app");
        test.state.AppDir = tree.path("app/");
    }
    void useLocations()
    {
        test.state.StagingDir = tree.path("staging");
        test.state.StowbayDir = tree.path("stowbay");
        test.state.MsfsDir = tree.path("fs2000");
    }
    void writeIni(const QByteArray &content) { tree.file("app/ws.ini", content); }
    // ws.ini as the program saves it.
    void saveIni()
    {
        useLocations();
        ASSERT_TRUE(writeSettingsFile(tree.path("app/ws.ini"), test.state,
                                      MainWindowGeometry{900.0, {}, {}, {}}, nullptr));
        test.state = SharedState{};
        test.state.AppDir = tree.path("app/");
    }
    bool start() { return startUp(test, editor, main); }
    QStringList storeFolders() const
    {
        return QDir(tree.path("stowbay")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST(ValidateLocations, StillWrongAfterTheDialogRemovesWsIniAndShutsDown)
{
    // "/./" is an existing directory but, like a drive root, too short to be a location; a
    // file is no location, and a relative path would depend on where the program started.
    for (const QString &bad :
         {QStringLiteral("no-such-folder"), QStringLiteral("/./"), QStringLiteral("/"),
          QStringLiteral("file"), QStringLiteral("staging")}) {
        Folders f;
        const WorkingFolder inTree(f.tree.root());
        f.writeIni("MTOP=100\r\n");
        f.tree.file("file");
        f.useLocations();
        f.test.state.MsfsDir = bad.contains('-') || bad == "file" ? f.tree.path(bad) : bad;
        f.test.messages.expectOk().expectOk();
        f.editor.edits = {kUnchanged};
        EXPECT_THROW(ValidateLocations(f.test, f.editor, false), ShutDownRequest);
        EXPECT_FALSE(f.tree.exists("app/ws.ini"));
        // The locations as they stand are kept, so the shut-down writes them back.
        EXPECT_EQ(f.test.state.StagingDir, f.tree.path("staging/"));
    }
}

// A location holding control characters is junk, not a folder name: ws.ini goes at once, and the
// locations are emptied so the shut-down cannot write the junk back.
TEST(ValidateLocations, DamagedSettingsAreRemovedWithoutOfferingTheDialog)
{
    Folders f;
    f.writeIni("MTOP=100\r\n");
    f.useLocations();
    f.test.state.StowbayDir += QChar(1);
    f.test.messages.expectOkCancel({}, true);
    EXPECT_THROW(ValidateLocations(f.test, f.editor, false), ShutDownRequest);
    EXPECT_FALSE(f.tree.exists("app/ws.ini"));
    EXPECT_TRUE(f.test.state.StagingDir.isEmpty());
}

TEST(StartUp, CategoriesThatCannotBeCreatedAreReportedInOneBoxAndStartUpGoesOn)
{
    for (const qsizetype blocked : {1, 14}) {
        Folders f;
        f.saveIni();
        QStringList lines;
        for (const QString &category : defaultCategories().mid(14 - blocked)) {
            const QString path = f.tree.path("stowbay/" + category);
            f.tree.file("stowbay/" + category, "a file in the way");
            lines.append(path + ".  " + platform::makeFolder(path).error);
        }
        f.test.messages.expectOk(lines.join("\r\n"));
        EXPECT_TRUE(f.start());
        EXPECT_EQ(f.storeFolders().size(), 14 - blocked);
    }
}

// A first run says what the three folders are for before it offers them, and starts with the
// folders chosen, making the store's categories.
TEST(StartUp, AFirstRunExplainsTheFoldersThenOffersThem)
{
    Folders f;
    f.test.messages.expectOk();
    f.editor.edits = {[&f](platform::Locations &chosen) {
        chosen = {f.tree.path("staging/"), f.tree.path("stowbay/"), f.tree.path("fs2000/")};
    }};
    EXPECT_TRUE(f.start());
    f.test.messages.verifyAllShown();
    EXPECT_EQ(f.storeFolders().size(), 14);
}
