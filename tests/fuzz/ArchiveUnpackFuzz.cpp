#include "FuzzTarget.h"
#include "intake/ArchiveExtract.h"
#include "intake/ArchiveUnpack.h"
#include "support/PackageTestHelpers.h"
#include "support/RawTree.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QByteArray kSentinel = QByteArrayLiteral("left alone");

// Yes or OK to every question (fuzz programs link no test support, so no scripted boxes).
struct AgreeingBoxes : platform::MessageBoxes {
    platform::Answer show(const QString &, platform::Buttons buttons, const QStringList &) override
    {
        return buttons == platform::Buttons::YesNo ? platform::Answer::Yes : platform::Answer::Ok;
    }
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The bytes as an archive beside a fresh Staging folder, with a file of the user's elsewhere.
FUZZ_TARGET(archive_unpack)
{
    const QTemporaryDir root;
    FUZZ_CHECK(root.isValid());
    const QString archive = root.filePath(QStringLiteral("addon.zip"));
    const QString sentinel = root.filePath(QStringLiteral("mine.txt"));
    const QString staging = root.filePath(QStringLiteral("Staging"));
    const QByteArray bytes = fuzzBytes(data, size);
    FUZZ_CHECK(rawtree::writeFile(QFile::encodeName(archive), bytes));
    FUZZ_CHECK(rawtree::writeFile(QFile::encodeName(sentinel), kSentinel));
    FUZZ_CHECK(QDir().mkdir(staging));

    FakeContext<AgreeingBoxes, FirstConfigChooser> silent;
    silent.state.StagingDir = staging + QLatin1Char('/');
    UnpackIntoStaging(silent.context, archive);

    // Nothing outside Staging changed.
    QStringList outside = entriesBelow(root.path());
    outside.removeIf([](const QString &entry) {
        return entry.startsWith(QLatin1String("Staging/")) && entry != QLatin1String("Staging/");
    });
    FUZZ_CHECK(outside == QStringList({QStringLiteral("Staging/"), QStringLiteral("addon.zip"),
                                       QStringLiteral("mine.txt")}));
    FUZZ_CHECK(contents(archive) == bytes && contents(sentinel) == kSentinel);

    // Only files and folders were made, holding (each entry counted as a disk block) at most the
    // thousandfold of the archive's size, archives inside it included.
    const QStringList written = entriesBelow(staging);
    qint64 writtenBytes = kEntryCost * written.size();
    for (const QString &entry : written) {
        const QFileInfo info(staging + QLatin1Char('/') + entry);
        FUZZ_CHECK(!info.isSymLink() && (info.isFile() || info.isDir()));
        writtenBytes += info.isFile() ? info.size() : 0;
    }
    FUZZ_CHECK(writtenBytes <= kMaxExpansion * std::max<qint64>(1, bytes.size()));
}
