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
