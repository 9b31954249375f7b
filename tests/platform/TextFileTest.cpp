#include "platform/TextFile.h"

#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextFileEncoding, EveryByteSurvivesAndOtherCharactersBecomeQuestionMarks)
{
    QByteArray all;
    for (int value = 0; value < 256; ++value)
        all.append(static_cast<char>(value));

    const QString text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encodeCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x92], QChar(0x2019)); // right single quotation mark
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081)); // undefined in the code page, kept as is
    EXPECT_EQ(text[0xE9], QChar(0x00E9));

    EXPECT_EQ(encodeCp1252(QString::fromUtf8("a\u0100b\u20ACc")), QByteArray("a?b\x80"
                                                                             "c"));
    EXPECT_EQ(encodeCp1252(QString::fromUtf8("x\U0001F600y")), QByteArray("x?y"));
    EXPECT_EQ(encodeCp1252(QString(QChar(0x0080))), QByteArray("?"));
}

TEST(TextFileLines, SplitsOnEveryKindOfLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), QStringList{"a"});
    EXPECT_EQ(splitLines("a\r\n\r\nb\n\n"), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(splitLines("a\n\rb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(splitLines("\r"), QStringList{""});
    EXPECT_TRUE(splitLines("").isEmpty());
}

TEST(TextFileLines, ReadsACodePageConfigurationFile)
{
    TreeBuilder tree;
    tree.fixture("synthetic-cfg/upper-case-headers/aircraft.cfg", "plane/Aircraft.cfg");
    bool ok = false;
    const QStringList lines = readTextLines(tree.path("plane/aircraft.cfg"), &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(lines.size(), 29); // 28 line ends, the last line unended
    EXPECT_EQ(lines[3], QString::fromUtf8("title\t\t= Ridgeway A3 \u2013 Launch Customer "));
    EXPECT_TRUE(lines[0].contains(QChar(0x00A9)));
    EXPECT_EQ(lines.last(), "white_arc_start=60");

    readTextLines(tree.path("plane/missing.cfg"), &ok);
    EXPECT_FALSE(ok);
}

TEST(TextFileLines, WritesCrLfAfterEveryLineAndReadsItBack)
{
    TreeBuilder tree;
    tree.file("ws.ini", "old contents that are longer");
    const QStringList lines = {"StagingDir=c:\\staging\\", "",
                               QString::fromUtf8("caf\u00e9 \u20AC")};

    QString error;
    ASSERT_TRUE(writeTextLines(tree.path("ws.ini"), lines, &error)) << error.toStdString();
    EXPECT_EQ(tree.read("ws.ini"), QByteArray("StagingDir=c:\\staging\\\r\n\r\ncaf\xE9 \x80\r\n"));
    EXPECT_EQ(readTextLines(tree.path("ws.ini")), lines);

    int seen = 0;
    EXPECT_TRUE(forEachLine(tree.path("ws.ini"), [&](const QString &) { return ++seen < 2; }));
    EXPECT_EQ(seen, 2);

    EXPECT_FALSE(writeTextLines(tree.path("no/folder/ws.ini"), lines, &error));
    EXPECT_FALSE(error.isEmpty());

    tree.readOnly("ws.ini");
    EXPECT_FALSE(writeTextLines(tree.path("WS.INI"), {"x"}, &error));
    EXPECT_EQ(error, "Access is denied.");
    EXPECT_EQ(readTextLines(tree.path("ws.ini")), lines);
}
