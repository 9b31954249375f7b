#include "package/Removal.h"

#include "platform/ActivityLog.h"
#include "platform/FileListing.h"
#include "platform/PathIdentity.h"
#include "platform/Result.h"
#include "platform/Trash.h"

namespace {

bool existsAsWritten(const QString &path)
{
    bool exists = false;
    platform::attributesOf(path, &exists);
    return exists;
}

} // namespace

RemovalArea::RemovalArea(const QString &folder, const QString &location)
    : given_(folder), location_(location.isEmpty() ? folder : location),
      canonical_(platform::canonicalPath(folder))
{
}

bool RemovalArea::hasTrash() const
{
    if (!trash_)
        trash_ = platform::hasUsableTrash(given_, location_);
    return *trash_;
}

bool RemovalArea::holds(const QString &path) const
{
    const QString location = platform::entryLocation(path);
    return !canonical_.isEmpty() && location != canonical_ &&
           platform::isSameOrInside(location, canonical_);
}

std::optional<platform::RemovalObstacle> removalObstacleIn(const RemovalArea &area,
                                                           const QString &path)
{
    if (!existsAsWritten(path))
        return std::nullopt;
    if (!area.holds(path))
        return platform::RemovalObstacle{path,
                                         QStringLiteral("it does not lie inside ") + area.folder() +
                                             QStringLiteral(", the folder this action works on")};
    return platform::removalObstacle(path);
}

RemovalOutcome removeWithin(platform::MessageBoxes &messages, const RemovalArea &area,
                            const QString &path, Disposal disposal, const QString &shownAs)
{
    if (!existsAsWritten(path))
        return {RemovalOutcome::Missing, {}};
    if (!area.holds(path)) {
        messages.inform(outsideAreaMessage(path, area.folder()));
        return {RemovalOutcome::Refused, {}};
    }
    if (disposal == Disposal::Trash && area.hasTrash()) {
        // A move to the trash would take what a delete refuses (a read-only file, as Windows
        // refuses it); it is refused alike.
        if (platform::removalObstacle(path))
            return {RemovalOutcome::Failed, platform::kAccessDenied};
        const platform::Result trashed = platform::moveToTrash(path, shownAs);
        if (!trashed.ok)
            return {RemovalOutcome::Failed, trashed.error};
        return {};
    }
    // Its hidden name means nothing to the user; the log names what it was.
    if (!shownAs.isEmpty())
        platform::noteTree(platform::Change::Deleted, shownAs, path);
    const platform::Result removed = platform::removeTree(path);
    if (!removed.ok)
        return {RemovalOutcome::Failed, removed.error};
    return {};
}

std::optional<platform::RemovalObstacle>
firstObstacle(const QList<std::pair<RemovalArea, QString>> &entries)
{
    for (const auto &[area, path] : entries) {
        if (std::optional<platform::RemovalObstacle> obstacle = removalObstacleIn(area, path))
            return obstacle;
    }
    return std::nullopt;
}

bool removeFilesAllOrNothing(platform::MessageBoxes &messages, const RemovalArea &area,
                             const QStringList &paths)
{
    QList<std::pair<RemovalArea, QString>> entries;
    std::optional<platform::RemovalObstacle> obstacle;
    for (const QString &path : paths) {
        // A listed file that has become a folder meanwhile is not the file the user chose.
        bool exists = false;
        const unsigned attributes = platform::attributesOf(path, &exists);
        if (exists && (attributes & (platform::Directory | platform::Link)) == platform::Directory)
            obstacle = platform::RemovalObstacle{path, QStringLiteral("it is a folder now")};
        entries.append({area, path});
    }
    if (!obstacle)
        obstacle = firstObstacle(entries);
    if (obstacle) {
        messages.inform(nothingRemovedMessage(*obstacle));
        return false;
    }
    bool complete = true;
    for (const QString &path : paths) {
        // Checked above: only a change meanwhile can make one fail now.
        const RemovalOutcome removed = removeWithin(messages, area, path, Disposal::Trash);
        if (!removed.done()) {
            complete = false;
            messages.inform(QStringLiteral("There was a problem removing file ") + path +
                            QStringLiteral(" - It may be set to READ-ONLY mode (i.e. it is on "
                                           "a CD).  Check the file properties."));
        }
    }
    return complete;
}

QString outsideAreaMessage(const QString &path, const QString &folder)
{
    return QStringLiteral("Wingstash did not delete ") + path +
           QStringLiteral(" because it does not lie inside ") + folder +
           QStringLiteral(", the folder this action works on.  Nothing was deleted.");
}

QString cannotDeleteReason(const platform::RemovalObstacle &obstacle)
{
    return QStringLiteral("it cannot delete ") + obstacle.path + QStringLiteral(": ") +
           obstacle.reason;
}

QString nothingRemovedMessage(const platform::RemovalObstacle &obstacle)
{
    return QStringLiteral("Nothing was removed, because Wingstash ") +
           cannotDeleteReason(obstacle).mid(3) + QLatin1Char('.');
}
