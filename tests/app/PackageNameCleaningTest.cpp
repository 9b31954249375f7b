#include "app/PackageNameCleaning.h"

#include <gtest/gtest.h>

TEST(PackageNameCleaning, UnsafeCharactersAreReplacedOneForOne)
{
    const QString typed = QStringLiteral("\"Spirit\": C/152*");
    const QString cleaned = cleanPackageName(typed);
    EXPECT_EQ(cleaned, QStringLiteral("'Spirit'  C 152 "));
    EXPECT_EQ(cleaned.size(), typed.size());
    EXPECT_EQ(cleanPackageName(QStringLiteral("a\\b/c:d?e<f>g|h*i")),
              QStringLiteral("a b c d e f g h i"));
}

TEST(PackageNameCleaning, EverythingElseStaysAsTyped)
{
    EXPECT_EQ(cleanPackageName(QString()), QString());
    const QString kept = QString::fromUtf8("  Cessna 152 \u2013 ©'s  [v1.0] & co.  ");
    EXPECT_EQ(cleanPackageName(kept), kept);
}
