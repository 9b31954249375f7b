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

// "locations | main window (- when not given) | list window", for one-line expectations.
QString summary(const ReadResult &r)
{
    QStringList main;
    for (const auto &value : {r.main.top, r.main.left, r.main.height, r.main.width})
        main.append(value ? QString::number(*value, 'g', 10) : QStringLiteral("-"));
    return QStringList{r.state.StagingDir, r.state.StowbayDir, r.state.MsfsDir}.join(',') + " | " +
           main.join(' ') +
           QString(" | %1 %2 %3 %4")
               .arg(r.state.ListTop)
               .arg(r.state.ListLeft)
               .arg(r.state.ListHeight)
               .arg(r.state.ListWidth);
}

const QByteArray kFullIni = "STAGINGDIR=/data/staging/\r\nSTOWBAYDIR=/data/stowbay/\r\n"
                            "MSFSDIR=/data/fs2000/\r\nMTOP=1200\r\nMLEFT=-60\r\nMHEIGHT=8000\r\n"
                            "MWIDTH=9600.5\r\nLTOP=300\r\nLLEFT=450\r\nLHEIGHT=5000\r\n"
                            "LWIDTH=6000\r\n";

} // namespace

TEST(SettingsRead, KeysAreExactTheSplitIsAtTheFirstEqualsNumbersAreClampedOrIgnored)
{
    const struct {
        QByteArray ini;
        const char *expected;
    } cases[] = {
        {kFullIni, "/data/staging/,/data/stowbay/,/data/fs2000/ | 1200 -60 8000 9600.5 | 300 450 "
                   "5000 6000"},
        {"stagingdir=/lower/\r\nStowbayDir=/mixed/\r\nMSFSDIR =/spaced/\r\nmtop=500\r\nMSFSDIR\r\n"
         "UNKNOWN=1\r\n=/nokey/\r\nSTOWBAYDIR=/data/a=b/bay=x/\r\nMTOP=100\r\nMTOP=200\r\n",
         ",/data/a=b/bay=x/, | 200 - - - | 0 0 0 0"},
        // An empty value is still a value: it clears the earlier one.
        {"STAGINGDIR=/x/\nSTAGINGDIR=\n", ",, | - - - - | 0 0 0 0"},
        // Minimised positions become -60 (-70 itself is not below -70).
        {"MTOP=-480000\nMLEFT=-71\nLTOP=-48000\nLLEFT=-70\n", ",, | -60 -60 - - | -60 -70 0 0"},
        // Sizes must be positive; a rejected later line does not undo an accepted earlier one.
        {"MHEIGHT=7000\nMHEIGHT=0\nMWIDTH=-5\nLHEIGHT=0\nLWIDTH=-4\n", ",, | - - 7000 - | 0 0 0 0"},
        // Halves go to the even neighbour.
        {"LTOP=100.4\nLLEFT=100.6\nLHEIGHT=4000.5\nLWIDTH=5001.5\n",
         ",, | - - - - | 100 101 4000 5002"},
        {"MTOP=500\nMTOP=abc\nMLEFT=12abc\nMHEIGHT=1e300\nMWIDTH=inf\nLTOP=nan\n"
         "LLEFT=99999999999999999999\nLHEIGHT=10000001\nLWIDTH=\n",
         ",, | 500 - - - | 0 0 0 0"},
        // Surrounding blanks do not make a number unusable, and the limit itself is allowed.
        {"MTOP= 1500 \nLHEIGHT=10000000\n", ",, | 1500 - - - | 0 0 10000000 0"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(summary(readIni(c.ini)), c.expected) << c.ini.constData();

    // What is read is written back as the same bytes.
    TreeBuilder tree;
    ReadResult r = readIni(kFullIni);
    QString error;
    ASSERT_TRUE(writeSettingsFile(tree.path("ws.ini"), r.state, r.main, &error))
        << error.toStdString();
    EXPECT_EQ(tree.read("ws.ini"), kFullIni);
}
