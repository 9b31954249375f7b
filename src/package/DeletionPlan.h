#pragma once

#include "package/Removal.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// What a deletion will remove, worked out before the question that asks for it: the question
// lists it as its details, and a Yes deletes exactly these entries, through removeWithin or
// removeFilesAllOrNothing, so what the user was shown and what goes cannot differ. An entry
// that appears after the plan was made is not in it and stays.
class DeletionPlan {
public:
    // The location (Staging, the store, the simulator folder) the entries are shown relative to.
    explicit DeletionPlan(const QString &location);

    struct Entry {
        RemovalArea area;
        QString path;
        qsizetype files = -1; // for a folder, the files below it; -1 for a file or a link
    };

    // Adds an entry to delete, when it is on disk exactly as written; a folder's files are
    // counted now, for the details.
    void add(const RemovalArea &area, const QString &path);
    // A file that stays although the user might expect it to go, and why; shown when it is there.
    void keep(const QString &path, const QString &reason);
    // False when what was to be listed could not be read whole: carrying it out is refused.
    void markIncomplete() { complete_ = false; }

    const QList<Entry> &entries() const { return entries_; }
    bool isEmpty() const { return entries_.isEmpty(); }
    bool isComplete() const { return complete_; }
    QStringList paths() const;
    QList<std::pair<RemovalArea, QString>> areaEntries() const;
    QList<RemovalArea> areas() const;

    // path relative to the location, written with the system's separator.
    QString relative(const QString &path) const;
    // One line an entry ("Aircraft\Cub\  (12 files)", "Panel\panel.cfg") and each kept file.
    QStringList lines() const;

private:
    QString location_;
    QList<Entry> entries_;
    QStringList kept_;
    bool complete_ = true;
};

// The details of a question before the plans are carried out: the removal notices of their
// areas, then their lines, cut at kMaxDetailLines with the count of the rest on the last line.
// Nothing when the plans list nothing: a question that deletes nothing has no details.
QStringList deletionDetails(const QList<DeletionPlan> &plans);
inline constexpr qsizetype kMaxDetailLines = 500;
