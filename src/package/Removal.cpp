#include "package/Removal.h"

#include "platform/FileSystem.h"
#include "platform/PathIdentity.h"

namespace {

bool existsAsWritten(const QString &path)
{
    bool exists = false;
    platform::attributesOf(path, &exists);
    return exists;
}

} // namespace

RemovalArea::RemovalArea(const QString &folder)
    : given_(folder), canonical_(platform::canonicalPath(folder))
{
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
                            const QString &path)
{
    if (!existsAsWritten(path))
        return {RemovalOutcome::Missing, {}};
    if (!area.holds(path)) {
        messages.inform(outsideAreaMessage(path, area.folder()));
        return {RemovalOutcome::Refused, {}};
    }
    const platform::Result removed = platform::removeTree(path);
    if (!removed.ok)
        return {RemovalOutcome::Failed, removed.error};
    return {};
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
