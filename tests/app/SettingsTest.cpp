#include "app/Settings.h"

#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

// Reads a ws.ini of the given bytes into a fresh state.
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

const QByteArray kFullIni = "STAGINGDIR=/data/staging/\r\n"
                            "STOWBAYDIR=/data/stowbay/\r\n"
                            "MSFSDIR=/data/fs2000/\r\n"
                            "MTOP=1200\r\n"
                            "MLEFT=-60\r\n"
                            "MHEIGHT=8000\r\n"
                            "MWIDTH=9600.5\r\n"
                            "LTOP=300\r\n"
                            "LLEFT=450\r\n"
                            "LHEIGHT=5000\r\n"
                            "LWIDTH=6000\r\n";

} // namespace

TEST(SettingsRead, FullFileSetsEveryValue)
{
    const ReadResult r = readIni(kFullIni);
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.state.StagingDir, "/data/staging/");
    EXPECT_EQ(r.state.StowbayDir, "/data/stowbay/");
    EXPECT_EQ(r.state.MsfsDir, "/data/fs2000/");
    EXPECT_EQ(r.main.top, 1200.0);
    EXPECT_EQ(r.main.left, -60.0);
    EXPECT_EQ(r.main.height, 8000.0);
    EXPECT_EQ(r.main.width, 9600.5);
    EXPECT_EQ(r.state.ListTop, 300);
    EXPECT_EQ(r.state.ListLeft, 450);
    EXPECT_EQ(r.state.ListHeight, 5000);
    EXPECT_EQ(r.state.ListWidth, 6000);
}

TEST(SettingsRead, MissingFileIsFirstRunButEmptyOrUnreadableIsNot)
{
    TreeBuilder tree;
    SharedState state;
    MainWindowGeometry main;
    EXPECT_FALSE(readSettingsFile(tree.path("ws.ini"), state, main));

    EXPECT_TRUE(readIni("").found);

    // A folder where ws.ini should be cannot be read: it holds nothing, yet it is there.
    tree.folder("ws.ini");
    EXPECT_TRUE(readSettingsFile(tree.path("ws.ini"), state, main));
    EXPECT_TRUE(state.StagingDir.isEmpty());
    EXPECT_FALSE(main.top);
}

TEST(SettingsRead, FileNameIsFoundWhateverItsCase)
{
    TreeBuilder tree;
    tree.file("WS.INI", "MSFSDIR=/fs/\r\n");
    SharedState state;
    MainWindowGeometry main;
    EXPECT_TRUE(readSettingsFile(tree.path("ws.ini"), state, main));
    EXPECT_EQ(state.MsfsDir, "/fs/");
}

TEST(SettingsRead, OnlyTheThreeLocationsLeaveGeometryAlone)
{
    const ReadResult r = readIni("STAGINGDIR=/a/staging/\r\nSTOWBAYDIR=/a/bay/\r\nMSFSDIR=/a/fs/");
    EXPECT_EQ(r.state.MsfsDir, "/a/fs/");
    EXPECT_FALSE(r.main.top || r.main.left || r.main.height || r.main.width);
    EXPECT_EQ(r.state.ListTop, 0);
    EXPECT_EQ(r.state.ListHeight, 0);
}

TEST(SettingsRead, PositionsFarOffScreenBecomeMinusSixty)
{
    const ReadResult r = readIni("MTOP=-480000\nMLEFT=-71\nLTOP=-48000\nLLEFT=-70\n");
    EXPECT_EQ(r.main.top, -60.0);
    EXPECT_EQ(r.main.left, -60.0);
    EXPECT_EQ(r.state.ListTop, -60);
    EXPECT_EQ(r.state.ListLeft, -70); // -70 itself is not below -70
}

TEST(SettingsRead, SizesMustBePositive)
{
    const ReadResult r = readIni("MHEIGHT=0\nMWIDTH=-5\nLHEIGHT=0\nLWIDTH=-4000\nMHEIGHT=-1\n");
    EXPECT_FALSE(r.main.height);
    EXPECT_FALSE(r.main.width);
    EXPECT_EQ(r.state.ListHeight, 0);
    EXPECT_EQ(r.state.ListWidth, 0);

    // A rejected later line does not undo an accepted earlier one.
    const ReadResult kept = readIni("MHEIGHT=7000\nMHEIGHT=0\n");
    EXPECT_EQ(kept.main.height, 7000.0);
}

TEST(SettingsRead, ListValuesAreRoundedToWholeTwips)
{
    const ReadResult r = readIni("LTOP=100.4\nLLEFT=100.6\nLHEIGHT=4000.5\nLWIDTH=5001.5\n");
    EXPECT_EQ(r.state.ListTop, 100);
    EXPECT_EQ(r.state.ListLeft, 101);
    EXPECT_EQ(r.state.ListHeight, 4000); // halves go to the even neighbour
    EXPECT_EQ(r.state.ListWidth, 5002);
}

TEST(SettingsRead, SplitIsAtTheFirstEqualsSign)
{
    const ReadResult r = readIni("STAGINGDIR=/data/a=b/staging=x/\r\n");
    EXPECT_EQ(r.state.StagingDir, "/data/a=b/staging=x/");
}

TEST(SettingsRead, KeysAreExactAndCaseSensitive)
{
    const ReadResult r = readIni("stagingdir=/lower/\r\n"
                                 "StowbayDir=/mixed/\r\n"
                                 "MSFSDIR =/spaced/\r\n"
                                 "mtop=500\r\n"
                                 "MSFSDIR\r\n"
                                 "UNKNOWN=1\r\n"
                                 "=/nokey/\r\n");
    EXPECT_TRUE(r.state.StagingDir.isEmpty());
    EXPECT_TRUE(r.state.StowbayDir.isEmpty());
    EXPECT_TRUE(r.state.MsfsDir.isEmpty());
    EXPECT_FALSE(r.main.top);
}

TEST(SettingsRead, LaterLineWins)
{
    const ReadResult r = readIni("MSFSDIR=/first/\r\nMTOP=100\r\nMSFSDIR=/second/\r\nMTOP=200\r\n");
    EXPECT_EQ(r.state.MsfsDir, "/second/");
    EXPECT_EQ(r.main.top, 200.0);

    // An empty value is still a value: it clears the earlier one.
    EXPECT_TRUE(readIni("STAGINGDIR=/x/\nSTAGINGDIR=\n").state.StagingDir.isEmpty());
}

TEST(SettingsRead, UnusableNumbersAreIgnored)
{
    const ReadResult r = readIni("MTOP=500\n"
                                 "MTOP=abc\n"
                                 "MLEFT=12abc\n"
                                 "MHEIGHT=1e300\n"
                                 "MWIDTH=inf\n"
                                 "LTOP=nan\n"
                                 "LLEFT=99999999999999999999\n"
                                 "LHEIGHT=10000001\n"
                                 "LWIDTH=\n");
    EXPECT_EQ(r.main.top, 500.0);
    EXPECT_FALSE(r.main.left);
    EXPECT_FALSE(r.main.height);
    EXPECT_FALSE(r.main.width);
    EXPECT_EQ(r.state.ListTop, 0);
    EXPECT_EQ(r.state.ListLeft, 0);
    EXPECT_EQ(r.state.ListHeight, 0);
    EXPECT_EQ(r.state.ListWidth, 0);

    // Surrounding blanks do not make a number unusable, and the limit itself is allowed.
    const ReadResult spaced = readIni("MTOP= 1500 \nLHEIGHT=10000000\n");
    EXPECT_EQ(spaced.main.top, 1500.0);
    EXPECT_EQ(spaced.state.ListHeight, 10000000);
}

TEST(SettingsRead, BinaryJunkAndHugeLinesDoNotHarm)
{
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(static_cast<char>((i * 37) & 0xFF));
    QByteArray content = junk + "\r\nSTOWBAYDIR=/bay/\x81\x9d\xe9\r\n";
    content += "MTOP=" + QByteArray(2'000'000, '9') + "\r\n";
    content += "STAGINGDIR=" + QByteArray(1'000'000, 'x') + "\r\n";
    const ReadResult r = readIni(content);
    EXPECT_TRUE(r.found);
    // CP1252 bytes come through one character each, undefined ones included.
    EXPECT_EQ(r.state.StowbayDir, QString::fromUtf8("/bay/\u0081\u009d\u00e9"));
    EXPECT_FALSE(r.main.top);
    EXPECT_EQ(r.state.StagingDir.size(), 1'000'000);
}

TEST(SettingsRead, AnAddOnFileInPlaceOfWsIniChangesNothing)
{
    TreeBuilder tree;
    tree.fixture("real-cfg/757Glass/Panel/panel.cfg", "ws.ini");
    SharedState state;
    MainWindowGeometry main;
    EXPECT_TRUE(readSettingsFile(tree.path("ws.ini"), state, main));
    EXPECT_TRUE(state.StagingDir.isEmpty() && state.StowbayDir.isEmpty() &&
                state.MsfsDir.isEmpty());
    EXPECT_FALSE(main.top || main.left || main.height || main.width);
}

namespace {

SharedState locatedState()
{
    SharedState state;
    state.StagingDir = "/data/staging/";
    state.StowbayDir = "/data/stowbay/";
    state.MsfsDir = "/data/fs2000/";
    return state;
}

} // namespace

TEST(SettingsWrite, ElevenLinesInOrderWithCrLf)
{
    TreeBuilder tree;
    SharedState state = locatedState();
    state.ListTop = -60;
    state.ListLeft = 450;
    state.ListHeight = 5000;
    state.ListWidth = 6000;
    const MainWindowGeometry main{1200.0, -60.0, 8000.0, 9600.5};
    QString error;
    ASSERT_TRUE(writeSettingsFile(tree.path("ws.ini"), state, main, &error)) << error.toStdString();
    EXPECT_EQ(tree.read("ws.ini"), QByteArray("STAGINGDIR=/data/staging/\r\n"
                                              "STOWBAYDIR=/data/stowbay/\r\n"
                                              "MSFSDIR=/data/fs2000/\r\n"
                                              "MTOP=1200\r\n"
                                              "MLEFT=-60\r\n"
                                              "MHEIGHT=8000\r\n"
                                              "MWIDTH=9600.5\r\n"
                                              "LTOP=-60\r\n"
                                              "LLEFT=450\r\n"
                                              "LHEIGHT=5000\r\n"
                                              "LWIDTH=6000\r\n"));
}

TEST(SettingsWrite, WhatIsWrittenReadsBackTheSame)
{
    TreeBuilder tree;
    SharedState state = locatedState();
    state.StagingDir = QString::fromUtf8("/data/st\u00e9ging=1/");
    state.ListHeight = 4500;
    state.ListWidth = 7000;
    const MainWindowGeometry main{-60.0, 300.0, 7200.0, 10800.0};
    ASSERT_TRUE(writeSettingsFile(tree.path("ws.ini"), state, main, nullptr));

    SharedState back;
    MainWindowGeometry backMain;
    ASSERT_TRUE(readSettingsFile(tree.path("ws.ini"), back, backMain));
    EXPECT_EQ(back.StagingDir, state.StagingDir);
    EXPECT_EQ(back.StowbayDir, state.StowbayDir);
    EXPECT_EQ(back.MsfsDir, state.MsfsDir);
    EXPECT_EQ(backMain.top, -60.0);
    EXPECT_EQ(backMain.width, 10800.0);
    EXPECT_EQ(back.ListHeight, 4500);
    EXPECT_EQ(back.ListWidth, 7000);
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

TEST(SettingsWrite, MinimisedWindowWritesTheLocationsOnly)
{
    TreeBuilder tree;
    SharedState state = locatedState();
    ASSERT_TRUE(writeSettingsFile(tree.path("ws.ini"), state, std::nullopt, nullptr));
    EXPECT_EQ(tree.read("ws.ini"), QByteArray("STAGINGDIR=/data/staging/\r\n"
                                              "STOWBAYDIR=/data/stowbay/\r\n"
                                              "MSFSDIR=/data/fs2000/\r\n"));
    // The list geometry is not touched when it is not written.
    EXPECT_EQ(state.ListHeight, 0);
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

TEST(SettingsWrite, FailureIsReportedWithAReason)
{
    TreeBuilder tree;
    tree.file("blocker", "a file, not a folder");
    SharedState state = locatedState();
    QString error;
    EXPECT_FALSE(writeSettingsFile(tree.path("blocker/ws.ini"), state, std::nullopt, &error));
    EXPECT_FALSE(error.isEmpty());
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
