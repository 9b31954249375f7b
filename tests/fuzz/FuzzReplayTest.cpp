#include "FuzzTarget.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

void expectRunsClean(FuzzFunction target, const QString &path)
{
    QFile input(path);
    ASSERT_TRUE(input.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = input.readAll();
    try {
        target(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
               static_cast<std::size_t>(bytes.size()));
    } catch (const FuzzCheckFailure &failure) {
        ADD_FAILURE() << path.toStdString() << ": " << failure.what();
    }
}

} // namespace

// Every seed of tests/fuzz/corpus/<name>/ runs through the fuzz target of that name, so each
// test run replays the corpora, the inputs that once found a fault among them.
TEST(FuzzCorpus, EverySeedRunsCleanThroughItsTarget)
{
    const QDir corpus(QStringLiteral(WINGSTASH_FUZZ_CORPUS));
    QStringList targetNames;
    for (const auto &[name, target] : fuzzTargets())
        targetNames.append(QString::fromStdString(name));
    targetNames.sort();
    QStringList folders = corpus.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    folders.sort();
    EXPECT_EQ(folders, targetNames);

    for (const auto &[name, target] : fuzzTargets()) {
        const QDir seeds(corpus.filePath(QString::fromStdString(name)));
        const QStringList files = seeds.entryList(QDir::Files);
        EXPECT_FALSE(files.isEmpty()) << name;
        for (const QString &file : files)
            expectRunsClean(target, seeds.filePath(file));
    }
}
