#include "install/StoreActions.h"

#include "package/ActivityRecording.h"
#include "package/RemovalNotices.h"
#include "platform/FileRemoval.h"
#include "support/MainWindowFake.h"
#include "support/PackageTestHelpers.h"

#include <gtest/gtest.h>

namespace {

using Action = StowbayAction;

// The actions run by Go in Stowbay mode, on packages of the category Props.
class StoreActionsTest : public ::testing::Test, public MainWindowScenario {
protected:
    void SetUp() override
    {
        // Two other aircraft name two of the package's gauges; the simulator has one of its own.
        tree.file("MSFS/Aircraft/Other/Panel/Panel.CFG", "gauge00=SHARED!x\r\n")
            .file("MSFS/Aircraft/Zed/panel/panel.cfg", "// notes2=1\r\n")
            .file("MSFS/Gauges/Shared.gau", "shared")
            .file("MSFS/Gauges/notes.gau", "notes")
            .file("MSFS/Gauges/foreign.gau", "foreign")
            .folder("MSFS/Sound");
    }
    void store(const QString &name, const QByteArray &panel = "g=own!x\r\ng=shared\r\ng=notes\r\n")
    {
        const QString at = "Stowbay/Props/" + name + "/";
        tree.file(at + "Panel/panel.cfg", panel)
            .file(at + "Gauges/own.gau", "own")
            .file(at + "Gauges/shared.gau", "shared")
            .file(at + "Gauges/notes.gau", "notes");
    }
    void run(const QString &package, Action action)
    {
        if (controller.mode() != MainMode::Stowbay) {
            start();
            controller.stowbayClicked();
        }
        pick("Props", package);
        go(action);
    }
    bool installed(const QString &name) const { return FolderLayout(test.state).isInstalled(name); }
};

TEST_F(StoreActionsTest, TheActivityLogNamesWhatEachActionChangedAndTurnsOverAtItsLimit)
{
    store("Cessna");
    test.messages.expectAnswers("oyo");
    run("Cessna", Action::CopyToMsfs);
    run("Cessna", Action::RemoveFromMsfs);
    test.messages.verifyAllShown();
    const QString logPath = activityLogPath(test.state);
    const auto read = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QStringList lines = read(logPath).split('\n');
    // Wingstash's own temporaries, under hidden names, mean nothing to the user; nor do its
    // records outside the locations.
    EXPECT_EQ(lines.filter(".wingstash-"), QStringList{});
    EXPECT_EQ(lines.filter(QDir::toNativeSeparators(test.state.StateDir)), QStringList{});
    const struct {
        Action action;
        const char *change;
        const char *named; // a file the action made or took, below the tree
    } rows[] = {
        {Action::CopyToMsfs, "created", "MSFS/Aircraft/Cessna/Panel/panel.cfg"},
        {Action::CopyToMsfs, "created", "MSFS/Gauges/own.gau"},
        {Action::RemoveFromMsfs, "trash", "MSFS/Aircraft/Cessna"},
        {Action::RemoveFromMsfs, "trash", "MSFS/Gauges/own.gau"},
    };
    for (const auto &row : rows) {
        const QString caption = QString::fromLatin1(kStowbayOptions.at(int(row.action)).caption);
        const QString named = QDir::toNativeSeparators(tree.path(row.named));
        EXPECT_TRUE(std::any_of(lines.cbegin(), lines.cend(),
                                [&](const QString &line) {
                                    return line.contains('\t' + caption + '\t') &&
                                           line.contains(row.change) && line.endsWith('\t' + named);
                                }))
            << caption.toStdString() << ": " << named.toStdString();
    }

    // Past its limit the log turns over, keeping one older file; a log that cannot be written
    // is said once, before the next deletion.
    const QString full = read(logPath);
    platform::ActivityLog small(full.toUtf8().size() + 1);
    small.append(logPath, {"one more line"});
    EXPECT_EQ(read(logPath + ".1"), full);
    EXPECT_EQ(read(logPath), "one more line\n");
    platform::ActivityLog(1).append(logPath, {"and again"}); // the older file is replaced
    EXPECT_EQ(read(logPath + ".1"), "one more line\n");
    const QString freshHome = tree.path("home/.local/state/Wingstash/activity.log");
    platform::ActivityLog().append(freshHome, {"first"}); // its folders are made
    EXPECT_EQ(read(freshHome), "first\n");
    // A file deleted for good, where there is no trash, is logged as deleted.
    const QString gone = tree.file("MSFS/Gauges/gone.gau").path("MSFS/Gauges/gone.gau");
    {
        const platform::ActivityScope scope(small, freshHome, "Test", {tree.path("MSFS/")});
        EXPECT_TRUE(platform::removeFile(gone).ok);
    }
    EXPECT_TRUE(read(freshHome).contains("\tdeleted\t" + QDir::toNativeSeparators(gone)));
    QFile::remove(logPath);
    QDir().mkdir(logPath);
    const platform::ActivityScope scope(small, logPath, {}, {});
    small.append(logPath, {"lost"});
    const QStringList notices = removalNotices({});
    EXPECT_TRUE(notices.size() == 1 && notices[0].contains(QDir::toNativeSeparators(logPath)));
    EXPECT_EQ(removalNotices({}), QStringList());
}

TEST_F(StoreActionsTest, AliasUsersBlockRemovalBeforeAnythingIsDeleted)
{
    store("Cessna");
    tree.file("MSFS/Aircraft/Cessna/Panel/panel.cfg", "own");
    const struct {
        const char *aliasFile, *alias;
        Action action;
        const char *answers, *shownAs;
    } users[] = {
        {"Piper/Sound/Sound.cfg", "CESSNA\\sound", Action::RemoveFromMsfs, "yo", "sound"},
        {"Piper/Panel/panel.cfg", "cessna\\panel", Action::RemoveFromStowbay, "yo", "panel"},
    };
    for (const auto &user : users) {
        tree.file("MSFS/Aircraft/" + QString::fromLatin1(user.aliasFile),
                  QByteArray("[fltsim]\r\nalias=") + user.alias + "\r\n");
        const QStringList before = entriesBelow(tree.root());
        test.messages.expectAnswers(user.answers);
        run("Cessna", user.action);
        EXPECT_EQ(entriesBelow(tree.root()), before);
        EXPECT_EQ(test.packageList.rows, QStringList{"piper"});
        EXPECT_EQ(test.packageList.caption, QString::fromLatin1(user.shownAs) + " used in ...");
    }
    EXPECT_TRUE(installed("Cessna"));

    // In the store only a panel alias protects the package; an install needs its panel alias's
    // package installed first.
    store("Mooney", "[fltsim]\r\nalias=Cessna\\panel\r\n");
    QDir(tree.path("MSFS/Aircraft/Cessna")).removeRecursively();
    test.messages.expectOk().expectOk("This package has a panel alias which points to a panel "
                                      "(cessna\\panel) which is not installed.  Please install "
                                      "this panel first.");
    run("Cessna", Action::RemoveFromStowbay);
    run("Mooney", Action::CopyToMsfs);
    EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Panel/panel.cfg"));
    EXPECT_FALSE(installed("Mooney"));
}

TEST_F(StoreActionsTest, PanelAliasRoundTripKeepsTheFirstBackup)
{
    store("Cessna");
    store("Mooney", "mooney's own");
    tree.file("Stowbay/Props/Cessna/Sound/sound.cfg", "[fltsim]\r\n")
        .folder("Stowbay/Props/Mooney/Sound");
    // Created; refused on its own package; pasted twice; restored, then nothing to restore.
    test.messages.expectAnswers("oooooooo");
    for (const auto &[box, action] : {std::pair{"Cessna", Action::CreatePanelAlias},
                                      {"Cessna", Action::PastePanelAlias},
                                      {"Mooney", Action::PastePanelAlias},
                                      {"Mooney", Action::PastePanelAlias},
                                      {"Cessna", Action::CreateSoundAlias},
                                      {"Mooney", Action::PasteSoundAlias}})
        run(box, action);
    const QString done = test.messages.shown.last(); // a paste's success
    EXPECT_EQ(tree.read("Stowbay/Props/Mooney/Sound/sound.cfg"),
              "[fltsim]\r\nalias=Cessna\\sound\r\n");
    const QString panel = "Stowbay/Props/Mooney/Panel/";
    EXPECT_EQ(test.view.panelAlias2, "cessna\\panel"); // the package is shown again
    EXPECT_EQ(tree.read(panel + "panel.cfg"), "[fltsim]\r\nalias=Cessna\\panel\r\n");
    EXPECT_EQ(tree.read(panel + "oldpanel.cfg"), "mooney's own");
    // An alias of an alias is refused: the remembered one stays Cessna's.
    const QString clip = test.state.PanelAliasClip;
    test.messages.expectAnswers("o");
    run("Mooney", Action::CreatePanelAlias);
    EXPECT_EQ(test.state.PanelAliasClip, clip);
    run("Mooney", Action::RestorePanel);
    EXPECT_EQ(test.messages.shown.last(), done);
    EXPECT_EQ(test.view.panelAlias2, QString());
    run("Mooney", Action::RestorePanel);
    EXPECT_EQ(tree.read(panel + "panel.cfg"), "mooney's own");
    EXPECT_FALSE(tree.exists(panel + "oldpanel.cfg"));
    // Nothing is pasted into an installed package.
    test.messages.expectAnswers("ooo");
    run("Cessna", Action::CopyToMsfs); // Mooney borrows its sound
    run("Mooney", Action::CopyToMsfs);
    run("Mooney", Action::PastePanelAlias);
    EXPECT_TRUE(installed("Mooney"));
    EXPECT_EQ(tree.read(panel + "panel.cfg"), "mooney's own");
}

TEST_F(StoreActionsTest, InstallAndRemoveLeaveTheSimulatorAsItWas)
{
    store("Cessna");
    // Hidden entries go with the package's folder: nothing of it is left behind.
    tree.file("Stowbay/Props/Cessna/Images/a.jpg", "jpg").file("Stowbay/Props/Cessna/.DS_Store");
    const QStringList before = entriesBelow(tree.path("MSFS"));
    const struct {
        Action action;
        const char *answers;
        bool installedAfter;
    } steps[] = {
        {Action::CopyToMsfs, "o", true},
        {Action::CopyToMsfs, "o", true},  // installed already
        {Action::RemoveImage, "o", true}, // not while installed
        {Action::CopyImageToStaging, "o", true},
        {Action::RemoveFromStowbay, "n", true}, // No keeps both
        {Action::RemoveFromMsfs, "yo", false},
        {Action::RemoveFromMsfs, "o", false}, // not installed
        {Action::RemoveImage, "y", false},
        {Action::CopyImageToStaging, "o", false}, // no picture left
        {Action::CopyToMsfs, "o", true},
        {Action::RemoveFromStowbay, "yn", false}, // the simulator's copy goes first
    };
    for (const auto &step : steps) {
        test.messages.expectAnswers(step.answers);
        run("Cessna", step.action);
        test.messages.verifyAllShown();
        EXPECT_EQ(installed("Cessna"), step.installedAfter) << int(step.action);
        // The window shows the package as it now is; no removal's record outlives it.
        EXPECT_EQ(test.view.picture.isEmpty(), !tree.exists("Stowbay/Props/Cessna/Images/a.jpg"));
        EXPECT_EQ(QDir(test.state.StateDir).entryList({"*.removal"}), QStringList{});
    }
    EXPECT_EQ(tree.read("Staging/a.jpg"), "jpg");
    // The picture's copy into Staging was said to have worked, naming no path as a failure does.
    EXPECT_EQ(test.messages.shown.filter(tree.path("Staging/a.jpg")), QStringList());
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna/Images/a.jpg"));
    // Gauges another panel names (in a comment, inside a longer word) stay; so does one that
    // is not the package's.
    EXPECT_EQ(entriesBelow(tree.path("MSFS")), before);
    EXPECT_FALSE(test.progress.visible);
    EXPECT_FALSE(test.packageList.visible); // no aircraft borrowed the package's panel or sound
    // Copied back into Staging (not clear: it holds the picture), it is named for storing again.
    test.messages.expectAnswers("yn");
    run("Cessna", Action::CopyToStaging);
    EXPECT_EQ(window.name, "Cessna");
    test.messages.expectAnswers("yoo");
    run("Cessna", Action::RemoveFromStowbay);
    EXPECT_FALSE(tree.exists("Stowbay/Props/Cessna"));
    run({}, Action::RemoveFromMsfs); // no package chosen
}

// Without the simulator's gauges folder a removal takes the aircraft and says why no gauge went.
TEST_F(StoreActionsTest, ARemovalWithoutTheGaugesFolderSaysSo)
{
    store("Cessna");
    test.messages.expectAnswers("o");
    run("Cessna", Action::CopyToMsfs);
    QDir(tree.path("MSFS/Gauges")).removeRecursively();
    test.messages.expectAnswers("y").expectOk("gauges directory does not exist").expectOk();
    run("Cessna", Action::RemoveFromMsfs);
    test.messages.verifyAllShown();
    EXPECT_FALSE(installed("Cessna"));
}

// A folder named "<  >" reads as the installed marker around no name: acting on it would act on
// the whole category.
TEST_F(StoreActionsTest, ABoxEntryWithoutANameIsNoPackageToActOn)
{
    store("Cessna");
    test.messages.expectOk();
    DoStowbayAction(test.context, Action::RemoveFromStowbay, {"Props", {"Props"}, "<  >", {}});
    EXPECT_TRUE(tree.exists("Stowbay/Props/Cessna/Panel/panel.cfg"));
}

} // namespace
