#include "package/RemovalNotices.h"

#include "platform/ActivityLog.h"

QStringList removalNotices(const QList<RemovalArea> &areas)
{
    QStringList notices;
    QStringList named;
    for (const RemovalArea &area : areas) {
        if (area.hasTrash() || named.contains(area.location()))
            continue;
        named.append(area.location());
        notices.append(QStringLiteral("These files cannot be restored: ") + area.location() +
                       QStringLiteral(" has no trash."));
    }
    if (const std::optional<QString> failed = platform::takeUnreportedLogFailure())
        notices.append(QStringLiteral("Wingstash could not write its activity log ") + *failed +
                       QLatin1Char('.'));
    return notices;
}
