#include "intake/ArchiveExtract.h"

#include "intake/ArchiveReader.h"
#include "intake/EntryPaths.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/FileWriting.h"
#include "platform/Path.h"
#include "platform/Result.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace {

using EntryType = ArchiveReader::EntryType;
using Step = ArchiveReader::Step;

// The longest path the system takes, in bytes with the closing NUL.
#if defined(PATH_MAX)
constexpr qsizetype kMaxPathBytes = PATH_MAX;
#else
constexpr qsizetype kMaxPathBytes = 32767; // Windows with long paths
#endif

struct Survey {
    bool readable = true;
    bool encrypted = false;
    QString encryptedEntry; // empty when the names themselves are encrypted
    qint64 declaredBytes = 0;
};

// Walks the entries once without writing, adding up the sizes they declare; stops at the first
// encrypted entry, since a password-protected archive is refused whole.
std::optional<Survey> survey(const QString &archivePath)
{
    ArchiveReader reader(archivePath);
    if (!reader.isOpen())
        return std::nullopt;
    Survey result;
    // The folders the entries' paths make, each once (keyed by its path, ignoring case).
    std::unordered_set<quint64> folders;
    Step step;
    while ((step = reader.next()) == Step::Entry) {
        const QString name = reader.name();
        if (isMacMetadata(name))
            continue;
        if (reader.isEncrypted()) {
            result.encrypted = true;
            result.encryptedEntry = name;
            return result;
        }
        if (reader.type() == EntryType::Other)
            continue;
        const QStringList components = entryPathComponents(name);
        const qsizetype folderCount =
            reader.type() == EntryType::Folder ? components.size() : components.size() - 1;
        quint64 key = 14695981039346656037ULL;
        qint64 pathBytes = 0;
        for (qsizetype i = 0; i < folderCount; ++i) {
            key = (key ^ qHash(components.at(i).toCaseFolded())) * 1099511628211ULL;
            pathBytes += components.at(i).size() + 1;
            if (folders.insert(key).second)
                result.declaredBytes += entryCost(pathBytes);
        }
        if (reader.type() == EntryType::File)
            result.declaredBytes += entryCost(pathBytes + components.value(folderCount).size()) +
                                    std::max<qint64>(0, reader.declaredSize().value_or(0));
    }
    result.readable = step == Step::End;
    result.encrypted = !result.readable && reader.hasEncryptedEntries();
    return result;
}

// Whether the path an entry stands for, spelt as the archive spells it, is longer than the system
// takes.
bool isTooLongAPath(const QString &folder, const QStringList &components)
{
    qsizetype bytes = QFile::encodeName(folder).size() + components.size(); // separators, NUL
    for (const QString &component : components)
        bytes += QFile::encodeName(component).size();
    return bytes > kMaxPathBytes;
}

// A folder the extraction writes into, and what each name in it stands for. Names are keyed
// without regard to case, as on the Windows disk the add-on was made for, so "PANEL/" and
// "Panel/" meet in one folder. A folder the extraction made holds only what it wrote, so nothing
// is looked up on disk there; a folder that was there before is listed once, when first entered.
// Each entry thus costs a step per folder of its path, however deep.
struct Folder {
    struct Name {
        QString onDisk;
        std::unique_ptr<Folder> folder; // null: a file, a link, or a listed name not examined yet
        bool examined = true;
    };
    QString path; // ending with "/"
    bool listed = true;
    std::unordered_map<std::u32string, Name> names;
};

enum class Place { Ready, Taken, TooLong, Failed, OverAllowance };

Extraction ended(ExtractOutcome outcome)
{
    Extraction extraction;
    extraction.outcome = outcome;
    return extraction;
}

class Extractor {
public:
    Extractor(const QString &folder, const QStringList &takenNames, qint64 limit, qint64 declared,
              platform::Progress &progress)
        : limit_(limit), declared_(declared), progress_(progress)
    {
        root_.path = platform::withTrailingSeparator(folder);
        root_.listed = false;
        for (const QString &name : takenNames)
            root_.names.emplace(platform::caseKey(name), Folder::Name{name, nullptr});
    }

    Extraction run(ArchiveReader &reader)
    {
        Step step;
        while ((step = reader.next()) == Step::Entry) {
            const QString name = reader.name();
            if (isMacMetadata(name))
                continue;
            const QStringList components = entryPathComponents(name);
            ExtractOutcome outcome = ExtractOutcome::Done;
            if (components.isEmpty() || reader.type() == EntryType::Other ||
                isTooLongAPath(root_.path, components))
                leftOut_.append(name);
            else if (reader.type() == EntryType::Folder)
                outcome = settle(folderAt(components, components.size()).first, name);
            else
                outcome = writeFile(reader, name, components);
            if (outcome != ExtractOutcome::Done) {
                Extraction failed = ended(outcome);
                failed.failedPath = failedPath_;
                return failed;
            }
        }
        if (step == Step::Failed)
            return ended(ExtractOutcome::Damaged);
        Extraction done;
        done.files = written_;
        done.leftOut = leftOut_;
        done.bytesWritten = total_;
        return done;
    }

private:
    // The folder that the first count components name, made where missing.
    std::pair<Place, Folder *> folderAt(const QStringList &components, qsizetype count)
    {
        Folder *folder = &root_;
        for (qsizetype i = 0; i < count; ++i) {
            const auto [place, inner] = folderIn(*folder, components.at(i));
            if (place != Place::Ready)
                return {place, nullptr};
            folder = inner;
        }
        return {Place::Ready, folder};
    }

    // The folder a name stands for in another, made when missing; Taken when something that is
    // not a folder (a link too) holds the name.
    std::pair<Place, Folder *> folderIn(Folder &parent, const QString &name)
    {
        if (Folder::Name *found = find(parent, name)) {
            if (!found->examined) {
                found->examined = true;
                const QFileInfo info(parent.path + found->onDisk);
                if (info.isDir() && !info.isSymLink())
                    found->folder = std::make_unique<Folder>(
                        Folder{info.filePath() + QLatin1Char('/'), false, {}});
            }
            return {found->folder ? Place::Ready : Place::Taken, found->folder.get()};
        }
        const QString path = parent.path + name;
        if (!charge(entryCost(path.size())))
            return {Place::OverAllowance, nullptr};
        if (const platform::Result made = platform::makeFolderAsGiven(path); !made.ok) {
            // A file system whose limits are below the ones checked beforehand refuses so.
            if (made.code == ENAMETOOLONG)
                return {Place::TooLong, nullptr};
            fail(path);
            return {Place::Failed, nullptr};
        }
        auto made = std::make_unique<Folder>(Folder{path + QLatin1Char('/'), true, {}});
        Folder *const folder = made.get();
        parent.names.emplace(platform::caseKey(name), Folder::Name{name, std::move(made)});
        return {Place::Ready, folder};
    }

    // What a name stands for in a folder, nothing when it is free. A folder that was there before
    // is listed the first time, hidden entries included, as a Windows look-up sees them; of names
    // that differ only in case the first in order stands for them all.
    static Folder::Name *find(Folder &folder, const QString &name)
    {
        if (!folder.listed) {
            folder.listed = true;
            const QStringList entries = QDir(folder.path)
                                            .entryList(QDir::AllEntries | QDir::Hidden |
                                                           QDir::System | QDir::NoDotAndDotDot,
                                                       QDir::Unsorted);
            for (const QString &entry : entries) {
                Folder::Name &known = folder.names[platform::caseKey(entry)];
                if (known.onDisk.isEmpty() || entry < known.onDisk)
                    known = {entry, nullptr, false};
            }
        }
        const auto found = folder.names.find(platform::caseKey(name));
        return found == folder.names.end() ? nullptr : &found->second;
    }

    // An entry whose place is taken (by a link, by a file where a folder goes, by an earlier
    // entry of the same name as old archivers appended updates) or whose name is longer than the
    // system takes is left out; a folder that could not be made stops the extraction.
    ExtractOutcome settle(Place place, const QString &name)
    {
        if (place == Place::Failed)
            return ExtractOutcome::WriteFailed;
        if (place == Place::OverAllowance)
            return ExtractOutcome::Bomb;
        if (place != Place::Ready)
            leftOut_.append(name);
        return ExtractOutcome::Done;
    }

    ExtractOutcome writeFile(ArchiveReader &reader, const QString &name,
                             const QStringList &components)
    {
        const auto [place, parent] = folderAt(components, components.size() - 1);
        if (place != Place::Ready)
            return settle(place, name);
        const QString &fileName = components.last();
        if (find(*parent, fileName))
            return settle(Place::Taken, name);
        const QString path = parent->path + fileName;
        // Written under a temporary name and renamed when whole; never over an entry, never
        // through a link.
        if (!charge(entryCost(path.size())))
            return ExtractOutcome::Bomb;
        platform::NewFile file(path);
        if (!file.isOpen())
            return file.errorCode() == ENAMETOOLONG ? settle(Place::TooLong, name) : fail(path);
        parent->names.emplace(platform::caseKey(fileName), Folder::Name{fileName, nullptr});
        std::array<char, 64 * 1024> buffer{};
        qint64 count;
        while ((count = reader.read(buffer.data(), buffer.size())) > 0) {
            if (!charge(count))
                return ExtractOutcome::Bomb;
            if (!file.write(buffer.data(), count))
                return fail(path);
            showProgress();
        }
        if (count < 0)
            return ExtractOutcome::Damaged;
        if (const platform::Result finished = file.finish(); !finished.ok)
            return finished.code == ENAMETOOLONG ? settle(Place::TooLong, name) : fail(path);
        written_.append(path);
        return ExtractOutcome::Done;
    }

    // Takes bytes from the allowance; false once it is spent.
    bool charge(qint64 bytes)
    {
        total_ += bytes;
        return total_ <= limit_;
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

    const qint64 limit_;
    const qint64 declared_;
    platform::Progress &progress_;
    Folder root_;
    QStringList written_; // the files written, in archive order
    qint64 total_ = 0;
    int shown_ = 0;
    QStringList leftOut_;
    QString failedPath_;
};

} // namespace

qint64 expansionAllowance(qint64 archiveSize)
{
    const qint64 size = std::max<qint64>(1, archiveSize);
    return size > std::numeric_limits<qint64>::max() / kMaxExpansion
               ? std::numeric_limits<qint64>::max()
               : size * kMaxExpansion;
}

Extraction extractArchive(const QString &archivePath, const QString &folder,
                          const QStringList &takenNames, qint64 allowance,
                          platform::Progress &progress)
{
    const std::optional<Survey> surveyed = survey(archivePath);
    if (!surveyed)
        return ended(ExtractOutcome::Unreadable);
    if (surveyed->encrypted) {
        Extraction refused = ended(ExtractOutcome::Encrypted);
        refused.encryptedEntry = surveyed->encryptedEntry;
        return refused;
    }
    if (!surveyed->readable)
        return ended(ExtractOutcome::Damaged);

    const qint64 available = QStorageInfo(folder).bytesAvailable();
    if (surveyed->declaredBytes > allowance)
        return ended(ExtractOutcome::Bomb);
    if (available >= 0 && surveyed->declaredBytes > available)
        return ended(ExtractOutcome::TooLarge);

    const platform::ShownProgress shown(progress, 0, 100);
    ArchiveReader reader(archivePath);
    Extractor extractor(folder, takenNames, allowance, surveyed->declaredBytes, progress);
    return extractor.run(reader);
}
