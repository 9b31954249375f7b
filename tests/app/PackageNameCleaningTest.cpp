#include "app/PackageNameCleaning.h"

#include <gtest/gtest.h>

TEST(PackageNameCleaning, UnsafeCharactersAreReplacedOneForOneAndTheRestKept)
{
    EXPECT_EQ(cleanPackageName(QStringLiteral("\"Spirit\": C/152*")),
              QStringLiteral("'Spirit'  C 152 "));
    EXPECT_EQ(cleanPackageName(QStringLiteral("a\\b/c:d?e<f>g|h*i")),
              QStringLiteral("a b c d e f g h i"));
    const QString kept = QString::fromUtf8("  Cessna 152 \u2013 ©'s  [v1.0] & co.  ");
    EXPECT_EQ(cleanPackageName(kept), kept);
}
