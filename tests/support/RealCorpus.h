#pragma once

#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

// Real add-on files are an outside corpus beside the repository, which a fresh clone lacks.
// Tests name them "real-cfg/..." to TreeBuilder::fixture and fixtureBytes, and start with
// REQUIRE_REAL_CORPUS(): without the corpus they are skipped with the reason, or fail under CI
// (CI=true), where the corpus must be present.
#define REQUIRE_REAL_CORPUS()                                                                      \
    do {                                                                                           \
        if (!QFileInfo(QStringLiteral(WINGSTASH_REAL_CORPUS)).isDir()) {                           \
            const char *why = "real add-on corpus not found at " WINGSTASH_REAL_CORPUS;            \
            if (qEnvironmentVariable("CI") == QLatin1String("true"))                               \
                FAIL() << why;                                                                     \
            GTEST_SKIP() << why;                                                                   \
        }                                                                                          \
    } while (false)
