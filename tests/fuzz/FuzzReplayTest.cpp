#include "FuzzTarget.h"

#include <QDir>
#include <QDirIterator>
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

// The outside corpus of real add-on files, when present, runs through the readers' targets.
TEST(FuzzCorpus, RealAddOnFilesRunCleanThroughTheReaders)
{
    const QString corpus = QStringLiteral(WINGSTASH_REAL_CORPUS);
    if (!QFileInfo(corpus).isDir()) {
        const std::string why = "real add-on corpus not found at " + corpus.toStdString();
        if (qEnvironmentVariable("CI") == QLatin1String("true"))
            FAIL() << why;
        GTEST_SKIP() << why;
    }
    const std::map<QString, std::string> targetOf{{"aircraft.cfg", "aircraft_cfg"},
                                                  {"panel.cfg", "config_readers"},
                                                  {"sound.cfg", "config_readers"}};
    int read = 0;
    for (QDirIterator it(corpus, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const auto target = targetOf.find(QFileInfo(it.next()).fileName().toLower());
        if (target != targetOf.end()) {
            expectRunsClean(fuzzTargets().at(target->second), it.filePath());
            ++read;
        }
    }
    EXPECT_GT(read, 0);
}
