#include "platform/TextFile.h"

#include "support/TreeBuilder.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextFile, EveryCodePageByteSurvivesAndOtherCharactersBecomeQuestionMarks)
{
    QByteArray all;
    for (int value = 0; value < 256; ++value)
        all.append(static_cast<char>(value));
    const QString text = decodeCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encodeCp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC)); // euro sign
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x0081)); // undefined in the code page, kept as is
    EXPECT_EQ(text[0xE9], QChar(0x00E9));
    EXPECT_EQ(encodeCp1252(QString::fromUtf8("a\u0100b\u20AC\U0001F600")), "a?b\x80?");
    EXPECT_EQ(encodeCp1252(QString(QChar(0x0080))), "?");
}

TEST(TextFile, SplitsOnEveryKindOfLineEnd)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb\n\n"), QStringList({"a", "", "b", ""}));
    EXPECT_EQ(splitLines("a\n\rb"), QStringList({"a", "", "b"}));
    EXPECT_EQ(splitLines("\r"), QStringList{""});
    EXPECT_TRUE(splitLines("").isEmpty());
}

TEST(TextFile, ReadsCodePageLinesAndWritesCrLfAfterEveryLine)
{
    TreeBuilder tree;
    // Code-page files are read as aircraft.cfg is (see ChooseConfiguration's tests).
    tree.file("ws.ini", "old contents that are longer");
    bool ok = true;
    readTextLines(tree.path("missing.cfg"), &ok);
    EXPECT_FALSE(ok);

    const QStringList lines = {"StagingDir=c:\\staging\\", "",
                               QString::fromUtf8("caf\u00e9 \u20AC")};
    QString error;
    ASSERT_TRUE(writeTextLines(tree.path("ws.ini"), lines, &error)) << error.toStdString();
    EXPECT_EQ(tree.read("ws.ini"), "StagingDir=c:\\staging\\\r\n\r\ncaf\xE9 \x80\r\n");
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
