#include "app/Settings.h"

#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

struct ReadResult {
    bool found = false;
    SharedState state;
    MainWindowGeometry main;
};

ReadResult readIni(const QByteArray &content)
{
    TreeBuilder tree;
    tree.file("ws.ini", content);
    ReadResult result;
    result.found = readSettingsFile(tree.path("ws.ini"), result.state, result.main);
    return result;
}

SharedState locatedState()
{
    SharedState state;
    state.StagingDir = "/data/staging/";
    state.StowbayDir = "/data/stowbay/";
    state.MsfsDir = "/data/fs2000/";
    return state;
}

const QByteArray kFullIni = "STAGINGDIR=/data/staging/\r\nSTOWBAYDIR=/data/stowbay/\r\n"
                            "MSFSDIR=/data/fs2000/\r\nMTOP=1200\r\nMLEFT=-60\r\nMHEIGHT=8000\r\n"
                            "MWIDTH=9600.5\r\nLTOP=300\r\nLLEFT=450\r\nLHEIGHT=5000\r\n"
                            "LWIDTH=6000\r\n";

} // namespace

TEST(Settings, FullFileReadsEveryValueAndWritesBackTheSameBytes)
{
    ReadResult r = readIni(kFullIni);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.state.StagingDir, "/data/staging/");
    EXPECT_EQ(r.state.StowbayDir, "/data/stowbay/");
    EXPECT_EQ(r.state.MsfsDir, "/data/fs2000/");
    EXPECT_EQ(r.main.top, 1200.0);
    EXPECT_EQ(r.main.left, -60.0);
    EXPECT_EQ(r.main.height, 8000.0);
    EXPECT_EQ(r.main.width, 9600.5);
    EXPECT_EQ(
        QList<int>({r.state.ListTop, r.state.ListLeft, r.state.ListHeight, r.state.ListWidth}),
        QList<int>({300, 450, 5000, 6000}));

    TreeBuilder tree;
    QString error;
    ASSERT_TRUE(writeSettingsFile(tree.path("ws.ini"), r.state, r.main, &error))
        << error.toStdString();
    EXPECT_EQ(tree.read("ws.ini"), kFullIni);

    // Characters outside ASCII and further "=" signs survive the round trip.
    r.state.StagingDir = QString::fromUtf8("/data/st\u00e9ging=1/");
    ASSERT_TRUE(writeSettingsFile(tree.path("ws.ini"), r.state, r.main, nullptr));
    SharedState back;
    MainWindowGeometry backMain;
    ASSERT_TRUE(readSettingsFile(tree.path("ws.ini"), back, backMain));
    EXPECT_EQ(back.StagingDir, r.state.StagingDir);
}

TEST(SettingsRead, OnlyAMissingFileOfAnyCaseIsAFirstRun)
{
    TreeBuilder tree;
    SharedState state;
    MainWindowGeometry main;
    EXPECT_FALSE(readSettingsFile(tree.path("ws.ini"), state, main));
    EXPECT_TRUE(readIni("").found);

    tree.file("WS.INI", "MSFSDIR=/fs/\r\n");
    EXPECT_TRUE(readSettingsFile(tree.path("ws.ini"), state, main));
    EXPECT_EQ(state.MsfsDir, "/fs/");

    // A folder where ws.ini should be holds nothing, yet it is there.
    TreeBuilder folder;
    folder.folder("ws.ini");
    SharedState empty;
    EXPECT_TRUE(readSettingsFile(folder.path("ws.ini"), empty, main));
    EXPECT_TRUE(empty.StagingDir.isEmpty());
}

TEST(SettingsRead, LinesAreExactKeysSplitAtTheFirstEqualsAndTheLaterWins)
{
    const ReadResult r = readIni("stagingdir=/lower/\r\nStowbayDir=/mixed/\r\nMSFSDIR =/spaced/\r\n"
                                 "mtop=500\r\nMSFSDIR\r\nUNKNOWN=1\r\n=/nokey/\r\n"
                                 "STOWBAYDIR=/data/a=b/bay=x/\r\nMTOP=100\r\nMTOP=200\r\n");
    EXPECT_TRUE(r.state.StagingDir.isEmpty());
    EXPECT_TRUE(r.state.MsfsDir.isEmpty());
    EXPECT_EQ(r.state.StowbayDir, "/data/a=b/bay=x/");
    EXPECT_EQ(r.main.top, 200.0);
    // An empty value is still a value: it clears the earlier one.
    EXPECT_TRUE(readIni("STAGINGDIR=/x/\nSTAGINGDIR=\n").state.StagingDir.isEmpty());
}

TEST(SettingsRead, NumbersAreClampedRoundedOrIgnored)
{
    const ReadResult far = readIni("MTOP=-480000\nMLEFT=-71\nLTOP=-48000\nLLEFT=-70\n");
    EXPECT_EQ(far.main.top, -60.0);
    EXPECT_EQ(far.main.left, -60.0);
    EXPECT_EQ(far.state.ListTop, -60);
    EXPECT_EQ(far.state.ListLeft, -70); // -70 itself is not below -70

    // Sizes must be positive; a rejected later line does not undo an accepted earlier one.
    const ReadResult sizes = readIni("MHEIGHT=7000\nMHEIGHT=0\nMWIDTH=-5\nLHEIGHT=0\nLWIDTH=-4\n");
    EXPECT_EQ(sizes.main.height, 7000.0);
    EXPECT_FALSE(sizes.main.width);
    EXPECT_EQ(sizes.state.ListHeight, 0);
    EXPECT_EQ(sizes.state.ListWidth, 0);

    const ReadResult rounded = readIni("LTOP=100.4\nLLEFT=100.6\nLHEIGHT=4000.5\nLWIDTH=5001.5\n");
    EXPECT_EQ(rounded.state.ListTop, 100);
    EXPECT_EQ(rounded.state.ListLeft, 101);
    EXPECT_EQ(rounded.state.ListHeight, 4000); // halves go to the even neighbour
    EXPECT_EQ(rounded.state.ListWidth, 5002);

    const ReadResult r = readIni("MTOP=500\nMTOP=abc\nMLEFT=12abc\nMHEIGHT=1e300\nMWIDTH=inf\n"
                                 "LTOP=nan\nLLEFT=99999999999999999999\nLHEIGHT=10000001\n"
                                 "LWIDTH=\n");
    EXPECT_EQ(r.main.top, 500.0);
    EXPECT_FALSE(r.main.left || r.main.height || r.main.width);
    EXPECT_EQ(
        QList<int>({r.state.ListTop, r.state.ListLeft, r.state.ListHeight, r.state.ListWidth}),
        QList<int>({0, 0, 0, 0}));

    // Surrounding blanks do not make a number unusable, and the limit itself is allowed.
    const ReadResult spaced = readIni("MTOP= 1500 \nLHEIGHT=10000000\n");
    EXPECT_EQ(spaced.main.top, 1500.0);
    EXPECT_EQ(spaced.state.ListHeight, 10000000);
}

TEST(SettingsRead, BinaryJunkHugeLinesAndAnAddOnFileDoNotHarm)
{
    QByteArray content;
    for (int i = 0; i < 4096; ++i)
        content.append(static_cast<char>((i * 37) & 0xFF));
    content += "\r\nSTOWBAYDIR=/bay/\x81\x9d\xe9\r\n";
    content += "MTOP=" + QByteArray(2'000'000, '9') + "\r\n";
    content += "STAGINGDIR=" + QByteArray(1'000'000, 'x') + "\r\n";
    const ReadResult r = readIni(content);
    EXPECT_TRUE(r.found);
    // CP1252 bytes come through one character each, undefined ones included.
    EXPECT_EQ(r.state.StowbayDir, QString::fromUtf8("/bay/\u0081\u009d\u00e9"));
    EXPECT_FALSE(r.main.top);
    EXPECT_EQ(r.state.StagingDir.size(), 1'000'000);

    TreeBuilder tree;
    tree.fixture("real-cfg/757Glass/Panel/panel.cfg", "ws.ini");
    SharedState state;
    MainWindowGeometry main;
    EXPECT_TRUE(readSettingsFile(tree.path("ws.ini"), state, main));
    EXPECT_TRUE(state.StagingDir.isEmpty() && state.StowbayDir.isEmpty() &&
                state.MsfsDir.isEmpty());
    EXPECT_FALSE(main.top || main.left || main.height || main.width);
}

TEST(SettingsWrite, TooSmallListWindowIsEnlargedBeforeWriting)
{
    SharedState state = locatedState();
    state.ListHeight = 999;
    state.ListWidth = 1999;
    const QStringList lines = settingsLines(state, MainWindowGeometry{0.0, 0.0, 6000.0, 8000.0});
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[9], "LHEIGHT=4000");
    EXPECT_EQ(lines[10], "LWIDTH=5000");
    EXPECT_EQ(state.ListHeight, 4000);
    EXPECT_EQ(state.ListWidth, 5000);

    state.ListHeight = 1000;
    state.ListWidth = 2000;
    const QStringList exact = settingsLines(state, MainWindowGeometry{0.0, 0.0, 6000.0, 8000.0});
    EXPECT_EQ(exact[9], "LHEIGHT=1000");
    EXPECT_EQ(exact[10], "LWIDTH=2000");
}

TEST(SettingsWrite, MinimisedWindowWritesTheLocationsOnlyAndFailureHasAReason)
{
    TreeBuilder tree;
    SharedState state = locatedState();
    ASSERT_TRUE(writeSettingsFile(tree.path("ws.ini"), state, std::nullopt, nullptr));
    EXPECT_EQ(tree.read("ws.ini"), QByteArray("STAGINGDIR=/data/staging/\r\n"
                                              "STOWBAYDIR=/data/stowbay/\r\n"
                                              "MSFSDIR=/data/fs2000/\r\n"));
    EXPECT_EQ(state.ListHeight, 0); // not enlarged when not written

    tree.file("blocker", "a file, not a folder");
    QString error;
    EXPECT_FALSE(writeSettingsFile(tree.path("blocker/ws.ini"), state, std::nullopt, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SettingsWrite, AnEmptyLocationLeavesTheOldFileAlone)
{
    TreeBuilder tree;
    tree.file("ws.ini", "STAGINGDIR=/old/\r\n");
    for (int empty = 0; empty < 3; ++empty) {
        SharedState state = locatedState();
        QString *location[] = {&state.StagingDir, &state.StowbayDir, &state.MsfsDir};
        location[empty]->clear();
        EXPECT_TRUE(writeSettingsFile(tree.path("ws.ini"), state, MainWindowGeometry{}, nullptr));
        EXPECT_EQ(tree.read("ws.ini"), QByteArray("STAGINGDIR=/old/\r\n"));
    }
}

TEST(SettingsPath, BesideTheProgramWhenItsFolderIsWritable)
{
    TreeBuilder tree;
    SharedState state;
    state.AppDir = tree.root();
    EXPECT_EQ(settingsFilePath(state), tree.path("ws.ini"));
    tree.file("WS.INI");
    EXPECT_EQ(settingsFilePath(state), tree.path("WS.INI"));
}
