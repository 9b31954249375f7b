#include "package/FolderClearing.h"

#include "PackageTestHelpers.h"
#include "TestContext.h"
#include "package/AircraftConfig.h"
#include "package/ShutDown.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

const QString kCriticalError = "Critical error.  Please restart Wingstash and verify that your "
                               "Staging, Stowbay and MSFS directory locations are set up "
                               "correctly.";
const QString kFolderNotRemoved = "There was a problem removing a directory.  The file or "
                                  "directory may be set to READ ONLY mode (i.e. CD ROM).";

QString refusal(const QString &folder, const QString &reason)
{
    return "Wingstash did not empty the folder " + folder + " because " + reason +
           ".  Nothing was deleted.";
}

// The home folder of the test is a temporary one, so a fault can never empty the real one.
class TemporaryHome {
public:
    explicit TemporaryHome(const QString &home) : saved_(qgetenv("HOME"))
    {
        qputenv("HOME", home.toLocal8Bit());
    }
    ~TemporaryHome() { qputenv("HOME", saved_); }

private:
    const QByteArray saved_;
};

} // namespace

TEST(ClearFolder, RefusesAMalformedPathAndEndsTheProgramDeletingNothing)
{
    TreeBuilder tree;
    tree.file("staging/a.txt");
    for (const QString &bad : {tree.path("staging"), tree.path("staging/../staging/"),
                               QString("staging/"), QString("/"), QString("")}) {
        TestContext t;
        t.messages.expectOk(kCriticalError);
        EXPECT_THROW(ClearFolder(t, bad), ShutDownRequest) << bad.toStdString();
    }
    EXPECT_TRUE(tree.exists("staging/a.txt"));
}

TEST(ClearFolder, RefusesHomeVolumeRootAndAFolderHoldingALocationButGoesOn)
{
    TreeBuilder tree;
    tree.file("home/notes.txt").file("staging/addon/panel.cfg").folder("staging/store/Props");
    const TemporaryHome home(tree.path("home"));
    const struct {
        QString folder;
        QString reason;
    } cases[] = {{tree.path("home/"), "it is your home folder"},
                 {"/proc/", "it is the top folder of a drive"},
                 {tree.path("staging/"), "it holds another of your Staging, Stowbay and MSFS "
                                         "folders"}};
    for (const auto &c : cases) {
        TestContext t;
        t.state.StagingDir = tree.path("staging/");
        t.state.MsfsDir = tree.path("staging/store/"); // an empty location before it is passed
        t.messages.expectOk(refusal(c.folder, c.reason));
        EXPECT_FALSE(ClearFolder(t, c.folder)) << c.folder.toStdString();
        t.messages.verifyAllShown();
    }
    EXPECT_TRUE(tree.exists("home/notes.txt"));
    EXPECT_TRUE(tree.exists("staging/addon/panel.cfg"));
    EXPECT_TRUE(tree.exists("staging/store/Props"));
}

TEST(ClearFolder, EmptiesNestedFoldersRemovesLinksNotTheirTargetsAndReportsWhatStays)
{
    TreeBuilder tree;
    tree.file("outside/keep.txt")
        .file("outside/sub/keep2.txt")
        .file("Staging/Model/a.mdl")
        .file("Staging/Model/deep/er/b.bmp")
        .folder("Staging/empty/inner")
        .link("Staging/folder-link", tree.path("outside"))
        .link("Staging/file-link", tree.path("outside/keep.txt"))
        .link("Staging/loop", tree.path("Staging"))
        .file("Staging/a/b/locked.bmp")
        .file("Staging/cd/track.wav");
    tree.readOnly("Staging/a/b/locked.bmp").readOnly("Staging/cd");
    TestContext t;
    // A read-only folder is no folder to enter, so it goes with the files, before the subfolders.
    t.messages.expectOk(readOnlyFileMessage(tree.path("Staging/cd")))
        .expectOk(readOnlyFileMessage(tree.path("Staging/a/b/locked.bmp")))
        .expectOk(kFolderNotRemoved)  // a/b
        .expectOk(kFolderNotRemoved); // a
    EXPECT_TRUE(ClearFolder(t, tree.path("staging/")));
    EXPECT_EQ(QDir(tree.path("Staging"))
                  .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList({"a", "cd"}));
    EXPECT_TRUE(tree.exists("Staging/a/b/locked.bmp") && tree.exists("Staging/cd/track.wav"));
    EXPECT_TRUE(tree.exists("outside/keep.txt") && tree.exists("outside/sub/keep2.txt"));
}

TEST(ClearFolder, ARefusalWhilePruningConfigurationsChangesNothing)
{
    // The second configuration not chosen uses the folder that holds the store: the first one's
    // folder must not be emptied and aircraft.cfg must not be rewritten either.
    const QByteArray cfg = "[fltsim.0]\r\ntitle=A\r\ntexture=a\r\n[fltsim.1]\r\ntitle=B\r\n"
                           "texture=b\r\n[fltsim.2]\r\ntitle=C\r\nmodel=c\r\n";
    TreeBuilder tree;
    tree.file("aircraft.cfg", cfg).file("texture.a/a.bmp").file("texture.b/b.bmp");
    tree.file("model.c/c.mdl").folder("model.c/store");
    TestContext t;
    t.state.StagingDir = tree.root();
    t.state.StowbayDir = tree.path("model.c/store/");
    t.configChooser.answers = {0};
    t.messages.expectOk(refusal(tree.path("model.c/"), "it holds another of your Staging, "
                                                       "Stowbay and MSFS folders"));
    const PackageFile file = listedFile(tree, "aircraft.cfg");
    CheckAircraftCfg(t, file);
    EXPECT_FALSE(ChooseConfiguration(t, file));
    EXPECT_EQ(tree.read("aircraft.cfg"), cfg);
    EXPECT_TRUE(tree.exists("texture.b/b.bmp"));
    EXPECT_TRUE(tree.exists("model.c/c.mdl"));
}
