#include "intake/StagingReplacement.h"

#include "platform/FileListing.h"
#include "platform/FileRemoval.h"
#include "platform/FileWriting.h"
#include "platform/Folders.h"
#include "platform/Path.h"

#include <QCoreApplication>

#include <atomic>

namespace {

const QString kUnpacking = QStringLiteral("unpacking-");
const QString kUnpacked = QStringLiteral("unpacked-");
const QString kReplaced = QStringLiteral("replaced-");
const QString kPlacing = QStringLiteral("placing-");

QString ownName(const QString &role, const QString &id)
{
    return platform::kTemporaryPrefix + role + id;
}

// Short, since every unpacked path lies below the folder named with it.
QString newId()
{
    static std::atomic<unsigned> counter{0};
    return QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
           QString::number(++counter);
}

bool isOwn(const QString &name)
{
    return name.startsWith(platform::kTemporaryPrefix);
}

QStringList entryNames(const QString &folder, bool ownEntries)
{
    QStringList names;
    for (const platform::DirEntry &entry : platform::listDirectory(
             folder, nullptr, platform::ListDetail::FolderTest, platform::HiddenEntries::Include)) {
        if (isOwn(entry.name) == ownEntries)
            names.append(entry.name);
    }
    return names;
}

// Moves every entry of from into to (both ending with the separator), never over an entry of
// the same name. Entries that cannot move stay where they are.
void moveAll(const QString &from, const QString &to)
{
    for (const QString &name : entryNames(from, false))
        platform::renameEntry(from + name, to + name);
}

} // namespace

StagingReplacement::StagingReplacement(platform::MessageBoxes &messages, const QString &staging)
    : messages_(messages), staging_(platform::withTrailingSeparator(staging)), area_(staging_),
      id_(newId())
{
}

StagingReplacement::~StagingReplacement()
{
    for (const QString &folder : folders_)
        removeWithin(messages_, area_, folder);
}

QString StagingReplacement::newUnpackFolder()
{
    const QString folder =
        staging_ + ownName(kUnpacking, id_ + QLatin1Char('-') + QString::number(folders_.size()));
    const platform::Result made = platform::makeFolder(folder);
    if (!made.ok) {
        error_ = made.error;
        return {};
    }
    folders_.append(folder);
    return folder + platform::separator();
}

void StagingReplacement::dropLastFolder()
{
    if (!folders_.isEmpty())
        removeWithin(messages_, area_, folders_.takeLast());
}

bool StagingReplacement::moveEntries(const QString &from, const QString &to,
                                     const QStringList &names, QStringList *moved)
{
    for (const QString &name : names) {
        const platform::Result result = platform::renameEntry(from + name, to + name);
        if (!result.ok) {
            error_ = result.error;
            return false;
        }
        moved->append(name);
    }
    return true;
}

bool StagingReplacement::moveOldContentsAside(const QString &aside, const QStringList &names)
{
    const platform::Result made = platform::makeFolder(aside);
    if (!made.ok) {
        error_ = made.error;
        return false;
    }
    QStringList moved;
    const QString asideFolder = aside + platform::separator();
    if (moveEntries(staging_, asideFolder, names, &moved))
        return true;
    for (const QString &name : moved)
        platform::renameEntry(asideFolder + name, staging_ + name);
    platform::removeFolder(aside);
    return false;
}

void StagingReplacement::disposeOfOldContents(const QString &aside)
{
    // The user agreed to replace them: each goes to the trash as the entry of Staging it was.
    const QString asideFolder = aside + platform::separator();
    for (const QString &name : entryNames(asideFolder, false))
        removeWithin(messages_, area_, asideFolder + name, Disposal::Trash, staging_ + name);
    removeWithin(messages_, area_, aside);
}

bool StagingReplacement::place(const QStringList &replaced)
{
    if (folders_.isEmpty())
        return false;
    // Earlier levels (an archive that held only the one unpacked last) are no longer wanted.
    const QString last = folders_.takeLast();
    for (const QString &folder : folders_)
        removeWithin(messages_, area_, folder);
    folders_ = {last};

    // On the disk before it counts as whole, so a power cut cannot leave empty files in place
    // of the old ones.
    if (const platform::Result synced = platform::syncFileSystem(last); !synced.ok) {
        error_ = synced.error;
        return false;
    }
    // Whole: from here on recovery finishes the replacement rather than dropping it.
    const QString unpacked = staging_ + ownName(kUnpacked, id_);
    if (const platform::Result renamed = platform::renameEntry(last, unpacked); !renamed.ok) {
        error_ = renamed.error;
        return false;
    }
    folders_ = {unpacked};
    const QString aside = staging_ + ownName(kReplaced, id_);
    // Only what the user was shown goes; an entry gone since is passed over.
    QStringList old;
    for (const QString &name : replaced) {
        if (platform::entryExists(staging_ + name))
            old.append(name);
    }
    const bool hasOldContents = !old.isEmpty();
    if (hasOldContents && !moveOldContentsAside(aside, old))
        return false;

    const QString placing = staging_ + ownName(kPlacing, id_);
    if (const platform::Result renamed = platform::renameEntry(unpacked, placing); !renamed.ok) {
        error_ = renamed.error;
        if (hasOldContents)
            moveAll(aside + platform::separator(), staging_);
        platform::removeFolder(aside);
        return false;
    }
    folders_ = {placing};
    QStringList moved;
    const QString placingFolder = placing + platform::separator();
    if (!moveEntries(placingFolder, staging_, entryNames(placingFolder, false), &moved)) {
        for (const QString &name : moved)
            platform::renameEntry(staging_ + name, placingFolder + name);
        if (hasOldContents)
            moveAll(aside + platform::separator(), staging_);
        platform::removeFolder(aside);
        return false;
    }
    folders_.clear();
    platform::removeFolder(placing);
    if (hasOldContents)
        disposeOfOldContents(aside);
    return true;
}

void recoverStaging(platform::MessageBoxes &messages, const QString &staging)
{
    const QString folder = platform::withTrailingSeparator(staging);
    const RemovalArea area(folder);
    for (const QString &name : entryNames(folder, true)) {
        const QString path = folder + name;
        const QString id = name.section(QLatin1Char('-'), 2);
        if (name.startsWith(platform::kTemporaryPrefix + kUnpacking)) {
            removeWithin(messages, area, path);
        } else if (name.startsWith(platform::kTemporaryPrefix + kUnpacked)) {
            // The old contents had not all moved aside: they come back, the new ones go.
            const QString aside = folder + ownName(kReplaced, id);
            moveAll(aside + platform::separator(), folder);
            platform::removeFolder(aside);
            removeWithin(messages, area, path);
        } else if (name.startsWith(platform::kTemporaryPrefix + kPlacing)) {
            // The old contents are aside: the new entries still waiting take their place.
            moveAll(path + platform::separator(), folder);
            if (platform::removeFolder(path).ok)
                removeWithin(messages, area, folder + ownName(kReplaced, id));
        }
    }
    // Old contents whose replacement was placed in full go as the replacement would have.
    for (const QString &name : entryNames(folder, true)) {
        const QString id = name.section(QLatin1Char('-'), 2);
        if (name.startsWith(platform::kTemporaryPrefix + kReplaced) &&
            !platform::entryExists(folder + ownName(kUnpacked, id)) &&
            !platform::entryExists(folder + ownName(kPlacing, id)))
            removeWithin(messages, area, folder + name);
    }
}
