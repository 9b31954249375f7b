#include "intake/ArchiveExtract.h"

#include "intake/ArchiveReader.h"
#include "intake/EntryPaths.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

namespace {

using EntryType = ArchiveReader::EntryType;
using Step = ArchiveReader::Step;

struct Survey {
    bool readable = true;
    qint64 declaredBytes = 0;
};

// Walks the entries once without writing, adding up the sizes they declare.
std::optional<Survey> survey(const QString &archivePath)
{
    ArchiveReader reader(archivePath);
    if (!reader.isOpen())
        return std::nullopt;
    Survey result;
    Step step;
    while ((step = reader.next()) == Step::Entry) {
        if (reader.type() == EntryType::File)
            result.declaredBytes += std::max<qint64>(0, reader.declaredSize().value_or(0));
    }
    result.readable = step == Step::End;
    return result;
}

// Undoes an extraction that failed: the files it wrote, then the folders it made, innermost
// first. Nothing else in the folder is touched.
class Written {
public:
    ~Written()
    {
        if (kept_)
            return;
        for (auto file = files_.crbegin(); file != files_.crend(); ++file)
            QFile::remove(*file);
        for (auto folder = folders_.crbegin(); folder != folders_.crend(); ++folder)
            QDir().rmdir(*folder);
    }
    void addFile(const QString &path) { files_.append(path); }
    void addFolder(const QString &path) { folders_.append(path); }
    const QStringList &files() const { return files_; }
    void keep() { kept_ = true; }

private:
    QStringList files_;
    QStringList folders_;
    bool kept_ = false;
};

class Extractor {
public:
    Extractor(const QString &folder, qint64 limit, qint64 declared, platform::Progress &progress)
        : folder_(platform::withTrailingSeparator(folder)), limit_(limit), declared_(declared),
          progress_(progress)
    {
    }

    Extraction run(ArchiveReader &reader)
    {
        Extraction result;
        Step step;
        while ((step = reader.next()) == Step::Entry) {
            const QString name = reader.name();
            const QStringList components = entryPathComponents(name);
            ExtractOutcome outcome = ExtractOutcome::Done;
            if (components.isEmpty() || reader.type() == EntryType::Other)
                leftOut_.append(name);
            else if (reader.type() == EntryType::Folder)
                outcome = makeFolders(components, components.size()) ? ExtractOutcome::Done
                                                                     : blockedOrFailed(name);
            else
                outcome = writeFile(reader, name, components);
            if (outcome != ExtractOutcome::Done)
                return {outcome, {}, {}, failedPath_};
        }
        if (step == Step::Failed)
            return {ExtractOutcome::Damaged, {}, {}, {}};
        written_.keep();
        return {ExtractOutcome::Done, written_.files(), leftOut_, {}};
    }

private:
    // Makes the first count components as folders below the target and gives the innermost,
    // ending with "/"; nothing when an entry of another kind (a link too) stands in the way, or
    // when a folder cannot be made (failedPath_ says which). Names are matched without regard to
    // case, as on the Windows disk the add-on was made for.
    std::optional<QString> makeFolders(const QStringList &components, qsizetype count)
    {
        QString path = folder_;
        for (qsizetype i = 0; i < count; ++i) {
            path = platform::resolveCase(path + components.at(i));
            const QFileInfo info(path);
            if (info.isSymLink() || (info.exists() && !info.isDir()))
                return std::nullopt;
            if (!info.exists()) {
                if (!platform::makeFolder(path).ok) {
                    fail(path);
                    return std::nullopt;
                }
                written_.addFolder(path);
            }
            path += QLatin1Char('/');
        }
        return path;
    }

    // An entry whose place is taken (by a link, by a file where a folder goes, by an earlier
    // entry of the same name as old archivers appended updates) is left out; a folder that
    // could not be made stops the extraction.
    ExtractOutcome blockedOrFailed(const QString &name)
    {
        if (!failedPath_.isEmpty())
            return ExtractOutcome::WriteFailed;
        leftOut_.append(name);
        return ExtractOutcome::Done;
    }

    ExtractOutcome writeFile(ArchiveReader &reader, const QString &name,
                             const QStringList &components)
    {
        const std::optional<QString> parent = makeFolders(components, components.size() - 1);
        if (!parent)
            return blockedOrFailed(name);
        const QString path = platform::resolveCase(*parent + components.last());
        if (QFileInfo(path).isSymLink() || QFileInfo::exists(path))
            return blockedOrFailed(name);
        QFile file(path);
        // NewOnly: never replaces a file, and never opens through a link.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return fail(path);
        written_.addFile(path);
        std::array<char, 64 * 1024> buffer{};
        qint64 count;
        while ((count = reader.read(buffer.data(), buffer.size())) > 0) {
            total_ += count;
            if (total_ > limit_)
                return ExtractOutcome::Bomb;
            if (file.write(buffer.data(), count) != count)
                return fail(path);
            showProgress();
        }
        if (count < 0)
            return ExtractOutcome::Damaged;
        return file.flush() ? ExtractOutcome::Done : fail(path);
    }

    ExtractOutcome fail(const QString &path)
    {
        failedPath_ = QDir::toNativeSeparators(path);
        return ExtractOutcome::WriteFailed;
    }

    void showProgress()
    {
        const int value =
            declared_ > 0 ? static_cast<int>(std::min<qint64>(100, total_ * 100 / declared_)) : 0;
        if (value != shown_)
            progress_.setValue(shown_ = value);
    }

    const QString folder_;
    const qint64 limit_;
    const qint64 declared_;
    platform::Progress &progress_;
    Written written_;
    qint64 total_ = 0;
    int shown_ = 0;
    QStringList leftOut_;
    QString failedPath_;
};

} // namespace

Extraction extractArchive(const QString &archivePath, const QString &folder,
                          platform::Progress &progress)
{
    const std::optional<Survey> surveyed = survey(archivePath);
    if (!surveyed)
        return {ExtractOutcome::Unreadable, {}, {}, {}};
    if (!surveyed->readable)
        return {ExtractOutcome::Damaged, {}, {}, {}};

    const qint64 archiveSize = std::max<qint64>(1, QFileInfo(archivePath).size());
    const qint64 expansionLimit = archiveSize > std::numeric_limits<qint64>::max() / kMaxExpansion
                                      ? std::numeric_limits<qint64>::max()
                                      : archiveSize * kMaxExpansion;
    const qint64 available = QStorageInfo(folder).bytesAvailable();
    if (surveyed->declaredBytes > expansionLimit)
        return {ExtractOutcome::Bomb, {}, {}, {}};
    if (available >= 0 && surveyed->declaredBytes > available)
        return {ExtractOutcome::TooLarge, {}, {}, {}};

    const platform::ShownProgress shown(progress, 0, 100);
    ArchiveReader reader(archivePath);
    Extractor extractor(folder, expansionLimit, surveyed->declaredBytes, progress);
    return extractor.run(reader);
}
