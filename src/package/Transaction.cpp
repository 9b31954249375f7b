#include "package/Transaction.h"

#include "platform/CaseLookup.h"
#include "platform/FileCopy.h"
#include "platform/FileListing.h"
#include "platform/FileRemoval.h"
#include "platform/Folders.h"
#include "platform/Path.h"
#include "platform/PathIdentity.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

namespace {

const QString kStaged = QStringLiteral("staged");
const QString kReplaced = QStringLiteral("replaced");
const QString kAdded = QStringLiteral("added");
const QString kRecordSuffix = QStringLiteral(".transaction");

// Longest entry name that common file systems accept, in bytes.
constexpr qsizetype kMaxNameBytes = 255;

QString hiddenName(const QString &role, const QString &id, const QString &name)
{
    return platform::kTemporaryPrefix + role + QLatin1Char('-') + id + QLatin1Char('-') + name;
}

// The hidden package folder's name: the package name is cut where the whole would be too long
// for a folder name; the record, not the name, tells recovery where the folder goes.
QString stagedFolderName(const QString &id, const QString &name)
{
    QString cut = name;
    while (!cut.isEmpty() && hiddenName(kStaged, id, cut).toUtf8().size() > kMaxNameBytes)
        cut.chop(cut.size() >= 2 && cut.back().isLowSurrogate() ? 2 : 1);
    return hiddenName(kStaged, id, cut);
}

// The folder holding an entry (given without a trailing separator), with the separator.
QString folderOf(const QString &entry)
{
    qsizetype cut = entry.size();
    while (cut > 0 && !platform::isSeparator(entry[cut - 1]))
        --cut;
    return entry.left(cut);
}

QString nameOf(const QString &entry)
{
    return entry.mid(folderOf(entry).size());
}

// Whether the path names an entry exactly as written, a link not followed.
bool present(const QString &path)
{
    bool exists = false;
    platform::attributesOf(path, &exists);
    return exists;
}

QString newId()
{
    return QString::number(QRandomGenerator::system()->generate64(), 16)
        .rightJustified(16, QLatin1Char('0'));
}

platform::Result failure(const QString &what, const QString &why)
{
    return {false, what + QStringLiteral("  ") + platform::asSentence(why)};
}

// Forces each file system that holds one of the folders onto the disk, once each.
platform::Result syncAll(const QStringList &folders)
{
    std::set<quint64> devices;
    for (const QString &folder : folders) {
        const std::optional<platform::FileId> id = platform::fileIdOf(folder);
        if (!id || !devices.insert(id->device).second)
            continue;
        if (const platform::Result synced = platform::syncFileSystem(folder); !synced.ok)
            return synced;
    }
    return {};
}

platform::Result asResult(const platform::RemoveResult &removed)
{
    return {removed.ok, removed.error};
}

// Brings one shared file to the end its transaction reached: committed, its new bytes stay in
// place; not, the folder holds again what it held before. The steps of the commit leave a
// trail that tells how far it got: the "added" folder or the "replaced" file is made before the
// new file leaves its staged name, so a staged file gone means the file under the real name is
// the new one. The staged file goes last, so running this again after a crash goes on where it
// stopped. False when something could not be done; nothing is guessed then.
bool settleFile(const QString &folder, const QString &id, const QString &name, bool committed)
{
    const QString real = folder + name;
    const QString staged = folder + hiddenName(kStaged, id, name);
    const QString replaced = folder + hiddenName(kReplaced, id, name);
    const QString added = folder + hiddenName(kAdded, id, name);
    const bool newInPlace = present(real) && !present(staged);
    if (present(added)) {
        if (!committed && newInPlace && !platform::removeFile(real).ok)
            return false;
        if (!platform::removeFolder(added).ok)
            return false;
    }
    if (present(replaced)) {
        platform::Result put{false, {}};
        if (committed && newInPlace)
            put = asResult(platform::removeFile(replaced));
        else if (newInPlace)
            put = platform::renameEntry(replaced, real, platform::Existing::Replace);
        else if (!present(real))
            put = platform::renameEntry(replaced, real, platform::Existing::Keep);
        // else: a file this transaction did not make stands there; both stay.
        if (!put.ok)
            return false;
    }
    return !present(staged) || platform::removeFile(staged).ok;
}

struct Record {
    QString id;
    QString staged;
    QString target;
    QStringList folders;
};

QByteArray recordBytes(const Record &record)
{
    QJsonObject object;
    object.insert(QStringLiteral("id"), record.id);
    object.insert(QStringLiteral("staged"), record.staged);
    object.insert(QStringLiteral("target"), record.target);
    object.insert(QStringLiteral("folders"), QJsonArray::fromStringList(record.folders));
    return QJsonDocument(object).toJson();
}

// A record as written above; nothing for anything else, which recovery then leaves alone.
std::optional<Record> parseRecord(const QByteArray &bytes)
{
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    Record record{object.value(QStringLiteral("id")).toString(),
                  object.value(QStringLiteral("staged")).toString(),
                  object.value(QStringLiteral("target")).toString(),
                  {}};
    for (const QJsonValue &folder : object.value(QStringLiteral("folders")).toArray())
        record.folders.append(folder.toString());
    const bool idIsOurs =
        record.id.size() == 16 && std::all_of(record.id.cbegin(), record.id.cend(), [](QChar c) {
            return c.isDigit() || (c >= u'a' && c <= u'f');
        });
    const bool stagedIsOurs =
        nameOf(record.staged).startsWith(hiddenName(kStaged, record.id, QString()).chopped(1));
    const bool foldersAreWhole = std::all_of(record.folders.cbegin(), record.folders.cend(),
                                             [](const QString &f) { return !f.isEmpty(); });
    if (!idIsOurs || !stagedIsOurs || !foldersAreWhole)
        return std::nullopt;
    return record;
}

// The names of the shared files a transaction has left a trail for in folder.
QStringList trailIn(const QString &folder, const Record &record, bool *listed)
{
    const QList<platform::DirEntry> entries = platform::listDirectory(
        folder, listed, platform::ListDetail::FolderTest, platform::HiddenEntries::Include);
    QStringList names;
    for (const platform::DirEntry &entry : entries) {
        if (folder + entry.name == record.staged)
            continue;
        for (const QString &role : {kStaged, kReplaced, kAdded}) {
            const QString prefix = hiddenName(role, record.id, QString());
            if (entry.name.startsWith(prefix) && !names.contains(entry.name.mid(prefix.size())))
                names.append(entry.name.mid(prefix.size()));
        }
    }
    return names;
}

bool recover(const Record &record)
{
    const bool committed = !present(record.staged);
    bool settled = true;
    for (const QString &folder : record.folders) {
        bool listed = false;
        const QStringList names = trailIn(folder, record, &listed);
        if (!listed && present(folder))
            settled = false;
        for (const QString &name : names)
            settled = settleFile(folder, record.id, name, committed) && settled;
    }
    if (settled && !committed)
        settled = platform::removeTree(record.staged).ok;
    return settled && syncAll(QStringList{folderOf(record.staged)} + record.folders).ok;
}

} // namespace

Transaction::Transaction(const QString &stateDir, const QString &target,
                         const QStringList &sharedFolders)
    : id_(newId()), target_(target)
{
    for (const QString &folder : sharedFolders)
        folders_.append(platform::withTrailingSeparator(folder));
    const QString state = platform::withTrailingSeparator(stateDir);
    staged_ = target.isEmpty() ? state + hiddenName(kStaged, id_, QStringLiteral("shared"))
                               : folderOf(target) + stagedFolderName(id_, nameOf(target));
    if (stateDir.isEmpty()) {
        error_ = QStringLiteral("Wingstash has no folder of its own to keep records in.");
    } else {
        record_ = platform::HeldFile::create(
            state + id_ + kRecordSuffix, recordBytes({id_, staged_, target_, folders_}), &error_);
    }
    ended_ = !record_.isHeld();
}

Transaction::~Transaction()
{
    if (!ended_)
        rollBack();
}

platform::Result Transaction::makeStagedFolder()
{
    return platform::makeFolder(staged_);
}

platform::Result Transaction::stageSharedFile(const QString &source, const QString &destination,
                                              platform::Existing existing)
{
    const QString folder = folderOf(destination);
    if (!folders_.contains(folder))
        return {false, QStringLiteral("The folder was not recorded for this copy.")};
    QString name = nameOf(destination);
    const std::u32string key = platform::caseKey(name);
    bool again = false;
    for (const SharedFile &file : std::as_const(files_)) {
        if (file.folder == folder && platform::caseKey(file.name) == key) {
            if (existing == platform::Existing::Keep)
                return {}; // the first file for that place stays
            name = file.name;
            again = true;
        }
    }
    const QString real = folder + name;
    bool exists = false;
    const unsigned attributes = platform::attributesOf(real, &exists);
    // Windows refuses to overwrite a read-only file or a folder.
    if (exists && existing == platform::Existing::Replace &&
        (attributes & (platform::ReadOnly | platform::Directory)))
        return {false, QStringLiteral("Access is denied.")};
    const QString staged = folder + hiddenName(kStaged, id_, name);
    // A later file for the same place wins; it is written afresh, never through a temporary
    // of the platform's own naming.
    if (again) {
        if (const platform::RemoveResult removed = platform::removeFile(staged); !removed.ok)
            return {false, removed.error};
    }
    const platform::Result copied =
        platform::copyFile(source, staged, platform::PathLookup::AsGiven);
    if (!again && present(staged))
        files_.append({folder, name, existing});
    if (!copied.ok)
        return copied;
    // A replaced file keeps its permissions, as a copy over it would.
    if (exists && !(attributes & platform::Link))
        QFile::setPermissions(staged, QFile::permissions(real));
    return {};
}

platform::Result Transaction::commit()
{
    QStringList touched{folderOf(staged_)};
    for (const SharedFile &file : std::as_const(files_))
        touched.append(file.folder);
    // A power cut after the renames must not leave names in place with empty files behind.
    if (const platform::Result synced = syncAll(touched); !synced.ok)
        return failure(QStringLiteral("Wingstash could not force the copied files onto the disk."),
                       synced.error);
    for (const SharedFile &file : std::as_const(files_)) {
        const QString real = file.folder + file.name;
        if (file.existing == platform::Existing::Replace && present(real)) {
            const QString aside = file.folder + hiddenName(kReplaced, id_, file.name);
            if (const platform::Result moved = platform::renameEntry(real, aside); !moved.ok)
                return failure(QStringLiteral("Wingstash could not move ") + real +
                                   QStringLiteral(" aside."),
                               moved.error);
        } else {
            const QString added = file.folder + hiddenName(kAdded, id_, file.name);
            if (const platform::Result made = platform::makeFolder(added); !made.ok)
                return failure(QStringLiteral("Wingstash could not create the folder ") + added +
                                   QLatin1Char('.'),
                               made.error);
        }
        const QString staged = file.folder + hiddenName(kStaged, id_, file.name);
        if (const platform::Result moved = platform::renameEntry(staged, real); !moved.ok)
            return failure(QStringLiteral("Wingstash could not move ") + staged +
                               QStringLiteral(" to ") + real + QLatin1Char('.'),
                           moved.error);
    }
    // The commit point: the package folder takes its name.
    const platform::Result placed = target_.isEmpty() ? platform::removeFolder(staged_)
                                                      : platform::renameEntry(staged_, target_);
    if (!placed.ok)
        return failure(QStringLiteral("Wingstash could not move ") + staged_ +
                           QStringLiteral(" to ") + target_ + QLatin1Char('.'),
                       placed.error);
    ended_ = true;
    bool settled = true;
    for (const SharedFile &file : std::as_const(files_))
        settled = settleFile(file.folder, id_, file.name, true) && settled;
    // What is left over stays recorded, for the next start to delete.
    if (settled && syncAll(touched).ok)
        record_.remove();
    return {};
}

bool Transaction::rollBack()
{
    if (ended_)
        return true;
    ended_ = true;
    bool undone = true;
    for (auto file = files_.crbegin(); file != files_.crend(); ++file)
        undone = settleFile(file->folder, id_, file->name, false) && undone;
    // The hidden package folder goes last: while it is there, a later start knows the
    // transaction was not committed.
    if (undone)
        undone = platform::removeTree(staged_).ok;
    if (undone && !files_.isEmpty())
        undone = syncAll(folders_).ok;
    if (undone)
        record_.remove();
    return undone;
}

QStringList recoverTransactions(const QString &stateDir)
{
    QStringList unsettled;
    if (stateDir.isEmpty())
        return unsettled;
    const QString folder = platform::withTrailingSeparator(stateDir);
    const QList<platform::DirEntry> entries = platform::listDirectory(
        folder, nullptr, platform::ListDetail::FolderTest, platform::HiddenEntries::Include);
    for (const platform::DirEntry &entry : entries) {
        if (!entry.name.endsWith(kRecordSuffix))
            continue;
        platform::HeldFile held = platform::HeldFile::take(folder + entry.name);
        if (!held.isHeld())
            continue; // a transaction still running, or just ended
        // A record never finished: its transaction had made nothing yet.
        if (entry.name.startsWith(platform::kTemporaryPrefix)) {
            held.remove();
            continue;
        }
        const std::optional<Record> record = parseRecord(held.contents());
        if (!record)
            continue;
        if (recover(*record))
            held.remove();
        else
            unsettled.append(QStringList{folderOf(record->staged)} + record->folders);
    }
    unsettled.removeDuplicates();
    return unsettled;
}
