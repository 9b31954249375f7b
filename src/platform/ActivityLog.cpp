#include "platform/ActivityLog.h"

#include "platform/FileListing.h"
#include "platform/FileWriting.h"
#include "platform/Path.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace platform {

namespace {

// Lines waiting in a scope are written in batches, so a large copy does not open the file for
// every entry.
constexpr qsizetype kBatch = 1000;

ActivityScope *&activeScope()
{
    static ActivityScope *scope = nullptr;
    return scope;
}

QString verbOf(Change change)
{
    switch (change) {
    case Change::Created:
        return QStringLiteral("created");
    case Change::Replaced:
        return QStringLiteral("replaced");
    case Change::MovedAway:
        return QStringLiteral("moved away");
    case Change::Trashed:
        return QStringLiteral("moved to the trash");
    case Change::Deleted:
        return QStringLiteral("deleted");
    }
    return {};
}

bool isOwnTemporary(const QString &path)
{
    return path.contains(QLatin1Char('/') + kTemporaryPrefix) ||
           path.contains(separator() + kTemporaryPrefix);
}

} // namespace

void ActivityLog::append(const QString &path, const QStringList &lines)
{
    if (lines.isEmpty() || path.isEmpty())
        return;
    const QByteArray bytes = lines.join(QLatin1Char('\n')).toUtf8() + '\n';
    QDir().mkpath(QFileInfo(path).path());
    const QFileInfo existing(path);
    // Only the log file itself turns over: anything else standing at its path is not ours to move.
    if (existing.isFile() && existing.size() > 0 && existing.size() + bytes.size() > limit_) {
        const QString older = path + QStringLiteral(".1");
        QFile::remove(older);
        QFile::rename(path, older);
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size())
        unreportedFailure_ = QDir::toNativeSeparators(path);
}

std::optional<QString> ActivityLog::takeUnreportedFailure()
{
    if (unreportedFailure_.isEmpty())
        return std::nullopt;
    return std::exchange(unreportedFailure_, QString());
}

ActivityScope::ActivityScope(ActivityLog &log, const QString &path, const QString &action,
                             const QStringList &locations)
    : log_(log), path_(path), action_(action), outer_(activeScope())
{
    for (const QString &location : locations) {
        if (!location.isEmpty())
            locations_.append(withTrailingSeparator(location));
    }
    activeScope() = this;
}

ActivityScope::~ActivityScope()
{
    flush();
    activeScope() = outer_;
}

bool ActivityScope::isRecorded(const QString &path) const
{
    if (isOwnTemporary(path))
        return false;
    for (const QString &location : locations_) {
        if (path.startsWith(location))
            return true;
    }
    return false;
}

void ActivityScope::note(Change change, const QString &path)
{
    if (!isRecorded(path))
        return;
    // Local time with its offset from UTC, so lines stay in order across a change of the clocks.
    const QDateTime now = QDateTime::currentDateTime();
    pending_.append(now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate) +
                    QLatin1Char('\t') + action_ + QLatin1Char('\t') + verbOf(change) +
                    QLatin1Char('\t') + QDir::toNativeSeparators(path));
    if (pending_.size() >= kBatch)
        flush();
}

void ActivityScope::flush()
{
    log_.append(path_, std::exchange(pending_, {}));
}

bool recordingChanges()
{
    return activeScope() != nullptr;
}

void noteChange(Change change, const QString &path)
{
    if (ActivityScope *scope = activeScope())
        scope->note(change, withoutTrailingSeparator(path));
}

void noteTree(Change change, const QString &shown, const QString &actual)
{
    ActivityScope *scope = activeScope();
    if (!scope)
        return;
    // Each folder before what it holds; links are not entered.
    QList<std::pair<QString, QString>> entries{
        {withoutTrailingSeparator(shown), withoutTrailingSeparator(actual)}};
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const auto [named, real] = entries[i];
        scope->note(change, named);
        bool exists = false;
        if ((attributesOf(real, &exists) & (Directory | Link)) != Directory)
            continue;
        for (const DirEntry &entry : listDirectory(real + separator(), nullptr,
                                                   ListDetail::FolderTest, HiddenEntries::Include))
            entries.append({named + separator() + entry.name, real + separator() + entry.name});
    }
}

std::optional<QString> takeUnreportedLogFailure()
{
    if (ActivityScope *scope = activeScope())
        return scope->log().takeUnreportedFailure();
    return std::nullopt;
}

} // namespace platform
