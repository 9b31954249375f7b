#pragma once

#include "package/Removal.h"
#include "platform/MessageBoxes.h"

#include <QList>
#include <QString>
#include <QStringList>

// Deletes several entries as one (a package's folder, and the gauges it leaves unused): each is
// first moved aside to a hidden name beside it, and only when all have moved does anything go (to
// the trash under its own name, where the area has one), so a failure part-way leaves everything
// as it was. A record in the program's state folder, on disk before the first move, lets the
// next start finish the deletion (all had moved) or move everything back (not all had) after a
// crash.
class WholeRemoval {
public:
    WholeRemoval(platform::MessageBoxes &messages, const QString &stateDir);

    void add(const RemovalArea &area, const QString &path);

    enum class Outcome {
        Removed,        // everything is gone
        NothingChanged, // a move failed; everything is back in place (error() says why)
        LeftHidden,     // all moved, but some could not be deleted yet; the next start retries
    };
    Outcome run();
    const QString &error() const { return error_; }

private:
    struct Entry {
        RemovalArea area;
        QString path;
        QString hidden;
    };
    bool writeRecord(bool committed);
    void moveBack(qsizetype count);

    platform::MessageBoxes &messages_;
    QString record_;
    QList<Entry> entries_;
    QString error_;
};

// Ends the removals a crash interrupted, as their records in stateDir tell. Returns the entries
// that could not be put right (their records stay for the next start).
QStringList recoverRemovals(platform::MessageBoxes &messages, const QString &stateDir);
