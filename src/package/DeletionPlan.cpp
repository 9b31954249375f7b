#include "package/DeletionPlan.h"

#include "package/RemovalNotices.h"
#include "platform/CaseLookup.h"
#include "platform/FileListing.h"
#include "platform/Path.h"

#include <QDir>
#include <QLocale>

#include <algorithm>

namespace {

bool isRealFolder(unsigned attributes)
{
    return (attributes & (platform::Directory | platform::Link)) == platform::Directory;
}

// The files below a folder, hidden ones and links included (a link is not followed), as
// deleting the folder whole would remove them.
qsizetype filesBelow(const QString &folder)
{
    qsizetype files = 0;
    QStringList pending{platform::withTrailingSeparator(folder)};
    while (!pending.isEmpty()) {
        const QString current = pending.takeLast();
        for (const platform::DirEntry &entry :
             platform::listDirectory(current, nullptr, platform::ListDetail::FolderTest,
                                     platform::HiddenEntries::Include)) {
            if (isRealFolder(entry.attributes))
                pending.append(current + entry.name + platform::separator());
            else
                ++files;
        }
    }
    return files;
}

// Counts as the program's other messages write them: "1,234".
QString counted(qsizetype count)
{
    return QLocale(QLocale::English).toString(qlonglong(count));
}

} // namespace

DeletionPlan::DeletionPlan(const QString &location)
    : location_(platform::resolveCase(platform::withTrailingSeparator(location)))
{
}

void DeletionPlan::add(const RemovalArea &area, const QString &path)
{
    bool exists = false;
    const unsigned attributes = platform::attributesOf(path, &exists);
    if (exists)
        entries_.append({area, path, isRealFolder(attributes) ? filesBelow(path) : -1});
}

void DeletionPlan::keep(const QString &path, const QString &reason)
{
    if (platform::entryExists(path))
        kept_.append(relative(path) + QStringLiteral("  kept: ") + reason);
}

QStringList DeletionPlan::paths() const
{
    QStringList paths;
    for (const Entry &entry : entries_)
        paths.append(entry.path);
    return paths;
}

QList<std::pair<RemovalArea, QString>> DeletionPlan::areaEntries() const
{
    QList<std::pair<RemovalArea, QString>> pairs;
    for (const Entry &entry : entries_)
        pairs.append({entry.area, entry.path});
    return pairs;
}

QList<RemovalArea> DeletionPlan::areas() const
{
    QList<RemovalArea> areas;
    for (const Entry &entry : entries_) {
        const bool known = std::any_of(areas.cbegin(), areas.cend(), [&](const RemovalArea &area) {
            return area.folder() == entry.area.folder();
        });
        if (!known)
            areas.append(entry.area);
    }
    return areas;
}

QString DeletionPlan::relative(const QString &path) const
{
    const QString below =
        path.startsWith(location_, Qt::CaseInsensitive) ? path.mid(location_.size()) : path;
    return QDir::toNativeSeparators(below);
}

QStringList DeletionPlan::lines() const
{
    QStringList lines;
    for (const Entry &entry : entries_) {
        if (entry.files < 0)
            lines.append(relative(entry.path));
        else
            lines.append(relative(platform::withTrailingSeparator(entry.path)) +
                         QStringLiteral("  (") + counted(entry.files) +
                         (entry.files == 1 ? QStringLiteral(" file)") : QStringLiteral(" files)")));
    }
    return lines + kept_;
}

QStringList deletionDetails(const QList<DeletionPlan> &plans)
{
    QList<RemovalArea> areas;
    QStringList lines;
    for (const DeletionPlan &plan : plans) {
        areas += plan.areas();
        lines += plan.lines();
    }
    if (lines.size() > kMaxDetailLines) {
        const qsizetype shown = kMaxDetailLines - 1;
        const qsizetype rest = lines.size() - shown;
        lines.resize(shown);
        lines.append(QStringLiteral("... and ") + counted(rest) + QStringLiteral(" more"));
    }
    return lines.isEmpty() ? lines : removalNotices(areas) + lines;
}
