#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// A plain-text record of what Wingstash changed on disk: one line a file or folder, with the
// time and the action that did it. Writing it never makes an action fail and never asks the
// user anything; a write that failed is remembered, to be said once where the user looks next.
namespace platform {

enum class Change { Created, Replaced, MovedAway, Trashed, Deleted };

// The log file and what befell its writing. Lines are appended; when a write would take the
// file past the limit, it becomes NAME.1 (replacing an older one) and a new file begins.
class ActivityLog {
public:
    static constexpr qint64 kDefaultLimit = 5 * 1024 * 1024;

    explicit ActivityLog(qint64 limit = kDefaultLimit) : limit_(limit) {}

    // Appends the lines to the file at path; a failure is only remembered.
    void append(const QString &path, const QStringList &lines);
    // The path of a log that could not be written, once after each failure.
    std::optional<QString> takeUnreportedFailure();

private:
    qint64 limit_;
    QString unreportedFailure_;
};

// Records, for as long as it lives, the changes the disk calls below make inside the given
// locations, under the action's name, into the log at path; they are written when it ends.
// The disk calls have no parameter through which an action could reach them (they are the
// system's calls, called from everywhere), so the one scope alive is known process-wide, as the
// fault seam is; a scope opened inside another takes over until it ends.
class ActivityScope {
public:
    ActivityScope(ActivityLog &log, const QString &path, const QString &action,
                  const QStringList &locations);
    ~ActivityScope();
    ActivityScope(const ActivityScope &) = delete;
    ActivityScope &operator=(const ActivityScope &) = delete;

    void note(Change change, const QString &path);
    void flush();
    ActivityLog &log() { return log_; }

private:
    bool isRecorded(const QString &path) const;

    ActivityLog &log_;
    QString path_;
    QString action_;
    QStringList locations_;
    QStringList pending_;
    ActivityScope *outer_;
};

// True while a scope records: callers may then list what they are about to change.
bool recordingChanges();
// Notes a change of one entry to the scope alive, if any. Only entries inside its locations
// count, and none of Wingstash's own hidden temporaries.
void noteChange(Change change, const QString &path);
// Notes a change of an entry and of everything below it, listed now at actual and named as at
// shown (a folder about to go under another name, or gone under a hidden one already).
void noteTree(Change change, const QString &shown, const QString &actual);
// The path of the active scope's log that could not be written, once after each failure.
std::optional<QString> takeUnreportedLogFailure();

} // namespace platform
