#pragma once

#include "platform/FileRemoval.h"
#include "platform/MessageBoxes.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The one way Wingstash deletes anything. Every deletion names the folder its action works on
// (Staging, a stored package, the simulator's gauges folder...), and nothing outside that folder
// is ever deleted, however a path was built or a link placed.

// The folder an action may delete in, resolved once (letter case and links), and the location
// (Staging, the store, the simulator's folder) that holds it; the folder itself when that is not
// given.
class RemovalArea {
public:
    explicit RemovalArea(const QString &folder, const QString &location = {});

    // True when path itself (a link is not followed) lies below the folder; the folder itself
    // does not count.
    bool holds(const QString &path) const;
    const QString &folder() const { return given_; }
    const QString &location() const { return location_; }
    // True when what goes from the folder can go to the desktop's trash: one that lies outside
    // the location and can be made. Asked of the disk once, on first use.
    bool hasTrash() const;

private:
    QString given_;
    QString location_;
    QString canonical_;
    mutable std::optional<bool> trash_;
};

// What becomes of what a removal takes: the user's own files go to the trash where the location
// has one (deleted where it has none); Wingstash's own temporaries are deleted.
enum class Disposal { Trash, Delete };

// What stops deleting path whole, looked for without changing anything: a path outside the area
// as well as what platform::removalObstacle finds. Nothing when path can go or is gone already.
std::optional<platform::RemovalObstacle> removalObstacleIn(const RemovalArea &area,
                                                           const QString &path);

struct RemovalOutcome {
    enum Kind { Deleted, Missing, Refused, Failed };
    Kind kind = Deleted;
    QString error; // the system's description when Failed

    bool done() const { return kind == Deleted || kind == Missing; }
};

// Deletes path (a file, a link but never what it points to, or a folder with everything below
// it, hidden entries included) when it lies inside area; with Disposal::Trash it goes whole to
// the trash instead where the area has one. A path that is not on disk exactly as written is
// Missing. A path outside the area is Refused: nothing is deleted and the user is told. shownAs
// names an entry moved aside under a hidden name by the name the user knew it by.
RemovalOutcome removeWithin(platform::MessageBoxes &messages, const RemovalArea &area,
                            const QString &path, Disposal disposal = Disposal::Delete,
                            const QString &shownAs = {});

// The first thing that stops deleting every one of the entries (each path inside its area), looked
// for before anything is deleted; nothing when all can go.
std::optional<platform::RemovalObstacle>
firstObstacle(const QList<std::pair<RemovalArea, QString>> &entries);

// Deletes listed files (the user's choice: to the trash where the area has one) as one: when any
// of them cannot go, none goes and the user is told which stands in the way ("Nothing was
// removed, because ..."). Files already gone are passed over.
// True when every file was deleted.
bool removeFilesAllOrNothing(platform::MessageBoxes &messages, const RemovalArea &area,
                             const QStringList &paths);

// What the user is told when a deletion outside the action's folder was refused.
QString outsideAreaMessage(const QString &path, const QString &folder);

// "it cannot delete PATH: REASON", the end of a sentence whose subject is Wingstash.
QString cannotDeleteReason(const platform::RemovalObstacle &obstacle);
// "Nothing was removed, because Wingstash cannot delete PATH: REASON."
QString nothingRemovedMessage(const platform::RemovalObstacle &obstacle);
