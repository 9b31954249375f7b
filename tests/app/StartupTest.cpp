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

TEST(StartUp, ACopyACrashInterruptedIsTakenBackOnceTheLocationsAreKnown)
{
    Folders f;
    // A copy into Staging that never reached its commit: its hidden folder and its record.
    const QString id = "00000000000000a1";
    const QString staged = f.tree.path("staging/.wingstash-staged-" + id + "-Pkg");
    f.tree.file("staging/.wingstash-staged-" + id + "-Pkg/aircraft.cfg", "half");
    QFile record(f.test.state.StateDir + id + ".transaction");
    ASSERT_TRUE(record.open(QIODevice::WriteOnly));
    record.write(QJsonDocument(QJsonObject{{"id", id},
                                           {"staged", staged},
                                           {"target", f.tree.path("staging/Pkg")},
                                           {"folders", QJsonArray{}}})
                     .toJson());
    record.close();
    f.test.messages.expectOk();
    f.editor.edits = {[&](platform::Locations &l) {
        l = {f.tree.path("staging"), f.tree.path("stowbay"), f.tree.path("fs2000")};
    }};
    ASSERT_TRUE(f.start());
    EXPECT_FALSE(QFileInfo::exists(staged));
    EXPECT_TRUE(QDir(f.test.state.StateDir).isEmpty());
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
