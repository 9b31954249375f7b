#include "app/Startup.h"

#include "app/Settings.h"
#include "package/LocationSafety.h"
#include "package/ShutDown.h"
#include "platform/FileListing.h"
#include "platform/Folders.h"
#include "support/TestContext.h"
#include "support/TreeBuilder.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The Locations dialog as the user would fill it: each showing applies the next scripted edit
// (none: left unchanged). A showing nobody scripted fails the test; so does one never reached.
struct ScriptedLocationsEditor : platform::LocationsEditor {
    QList<std::function<void(platform::Locations &)>> edits;
    void edit(platform::Locations &locations) override
    {
        if (edits.isEmpty())
            ADD_FAILURE() << "Locations dialog shown unexpectedly";
        else
            edits.takeFirst()(locations);
    }
    ~ScriptedLocationsEditor() override { EXPECT_TRUE(edits.isEmpty()) << "dialog not shown"; }
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
    // What a shut-down now would write: nothing, when the locations were emptied.
    bool shutDownWritesNothing()
    {
        return writeSettingsFile(settingsFilePath(test.state), test.state, main, nullptr) &&
               !tree.exists("app/ws.ini");
    }
    QStringList storeFolders() const
    {
        return QDir(tree.path("stowbay")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }
};

} // namespace

TEST(StartUp, JunkLocationsRemoveWsIniAndEmptyTheLocations)
{
    for (const QByteArray &ini :
         {QByteArray("STAGINGDIR=\x01\x02\r\nSTOWBAYDIR=/x/\r\nMSFSDIR=/y/"),
          QByteArray("STAGINGDIR=/x/\r\nSTOWBAYDIR=\x9d/x\r\nMSFSDIR=/y/")}) {
        Folders f;
        f.writeIni(ini);
        f.test.messages.expectOkCancel({}, false);
        EXPECT_THROW(f.start(), ShutDownRequest);
        // Nothing is written back on the way out, so the next start is a first run.
        EXPECT_TRUE(f.shutDownWritesNothing());
    }
}

TEST(StartUp, FirstRunExplainsOpensTheDialogAndCreatesTheCategories)
{
    Folders f;
    f.test.messages.expectOk();
    f.editor.edits = {[&](platform::Locations &l) {
        l = {f.tree.path("staging"), f.tree.path("stowbay"), f.tree.path("fs2000")};
    }};
    ASSERT_TRUE(f.start());
    EXPECT_EQ(f.test.state.StowbayDir, f.tree.path("stowbay/"));
    QStringList categories = defaultCategories();
    categories.sort();
    EXPECT_EQ(f.storeFolders(), categories);
}

TEST(StartUp, ASimulatorWithoutAircraftFolderLeftSoEndsStartUpBeforeTheStoreIsTouched)
{
    Folders f;
    f.saveIni();
    QDir(f.tree.path("fs2000/Aircraft")).removeRecursively();
    f.test.messages.expectOkCancel({}, false);
    EXPECT_FALSE(f.start());
    EXPECT_EQ(f.storeFolders(), QStringList{});
}
