#include "FuzzTarget.h"
#include "intake/ArchiveExtract.h"
#include "intake/ArchiveUnpack.h"
#include "support/TestContext.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QByteArray kSentinel = QByteArrayLiteral("left alone");
// An archive unpacks to at most a thousand times its own size.

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::NewOnly));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Everything below folder, links not followed, as paths relative to root.
QStringList entriesBelow(const QString &root, const QString &folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries.append(QDir(root).relativeFilePath(it.next()));
    return entries;
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
    writeFile(archive, bytes);
    writeFile(sentinel, kSentinel);
    FUZZ_CHECK(QDir().mkdir(staging));

    // The user answers every question with Yes or OK.
    FakeContext<ScriptedMessageBoxes, FirstConfigChooser> silent{true};
    silent.state.StagingDir = staging + QLatin1Char('/');
    UnpackIntoStaging(silent.context, archive);

    // Nothing outside Staging changed.
    QStringList outside = entriesBelow(root.path(), root.path());
    outside.removeIf(
        [](const QString &entry) { return entry.startsWith(QLatin1String("Staging/")); });
    outside.sort();
    FUZZ_CHECK(outside == QStringList({QStringLiteral("Staging"), QStringLiteral("addon.zip"),
                                       QStringLiteral("mine.txt")}));
    FUZZ_CHECK(contents(archive) == bytes && contents(sentinel) == kSentinel);

    // Only files and folders were made, holding (each entry counted as a disk block) at most the
    // thousandfold of the archive's size, archives inside it included.
    const QStringList written = entriesBelow(root.path(), staging);
    qint64 writtenBytes = kEntryCost * written.size();
    for (const QString &entry : written) {
        const QFileInfo info(root.filePath(entry));
        FUZZ_CHECK(!info.isSymLink() && (info.isFile() || info.isDir()));
        writtenBytes += info.isFile() ? info.size() : 0;
    }
    FUZZ_CHECK(writtenBytes <= kMaxExpansion * std::max<qint64>(1, bytes.size()));
}
