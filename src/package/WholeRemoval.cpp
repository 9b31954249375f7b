#include "package/WholeRemoval.h"

#include "platform/FileListing.h"
#include "platform/FileRemoval.h"
#include "platform/FileWriting.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <atomic>

namespace {

const QString kRecordSuffix = QStringLiteral(".removal");
const QString kCommitted = QStringLiteral("committed");
const QChar kTab = QLatin1Char('\t');

QString newRecordName()
{
    static std::atomic<unsigned> counter{0};
    return QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
           QString::number(++counter) + kRecordSuffix;
}

bool present(const QString &path)
{
    bool exists = false;
    platform::attributesOf(path, &exists);
    return exists;
}

} // namespace

WholeRemoval::WholeRemoval(platform::MessageBoxes &messages, const QString &stateDir)
    : messages_(messages),
      record_(stateDir.isEmpty() ? QString()
                                 : platform::withTrailingSeparator(stateDir) + newRecordName())
{
}

void WholeRemoval::add(const RemovalArea &area, const QString &path)
{
    entries_.append(
        {area, path,
         platform::temporaryNameBeside(path, QStringLiteral("removed"), platform::WithName::No)});
}

bool WholeRemoval::writeRecord(bool committed)
{
    if (record_.isEmpty())
        return true; // no state folder: the moves still make the removal whole while it runs
    QStringList lines;
    for (const Entry &entry : entries_)
        lines.append(entry.path + kTab + entry.hidden);
    if (committed)
        lines.append(kCommitted);
    QString error;
    if (platform::writeUtf8TextLines(record_, lines, &error))
        return true;
    error_ = QStringLiteral("Wingstash could not keep a record of the removal in ") +
             QFileInfo(record_).path() + QStringLiteral(".  ") + platform::asSentence(error);
    return false;
}

void WholeRemoval::moveBack(qsizetype count)
{
    for (qsizetype i = count - 1; i >= 0; --i)
        platform::renameEntry(entries_[i].hidden, entries_[i].path);
}

WholeRemoval::Outcome WholeRemoval::run()
{
    // An entry gone already (a gauge someone deleted meanwhile) is removed as it is.
    entries_.removeIf([](const Entry &entry) { return !present(entry.path); });
    if (entries_.isEmpty())
        return Outcome::Removed;
    if (!writeRecord(false))
        return Outcome::NothingChanged;
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const platform::Result moved = platform::renameEntry(entries_[i].path, entries_[i].hidden);
        if (!moved.ok) {
            error_ = QStringLiteral("Wingstash could not remove ") + entries_[i].path +
                     QStringLiteral(".  ") + platform::asSentence(moved.error) +
                     QStringLiteral("  Nothing was removed.");
            moveBack(i);
            platform::removeFile(record_);
            return Outcome::NothingChanged;
        }
    }
    // Every entry has moved: from here on the removal is finished, even after a crash.
    if (!writeRecord(true)) {
        moveBack(entries_.size());
        platform::removeFile(record_);
        return Outcome::NothingChanged;
    }
    bool complete = true;
    for (const Entry &entry : entries_) {
        // The user chose to remove it: it goes to the trash, under its own name, where there is
        // one.
        const RemovalOutcome removed =
            removeWithin(messages_, entry.area, entry.hidden, Disposal::Trash, entry.path);
        if (!removed.done()) {
            complete = false;
            error_ = removed.error;
        }
    }
    if (!complete)
        return Outcome::LeftHidden;
    if (!record_.isEmpty())
        platform::removeFile(record_);
    return Outcome::Removed;
}

QStringList recoverRemovals(platform::MessageBoxes &messages, const QString &stateDir)
{
    QStringList unsettled;
    if (stateDir.isEmpty())
        return unsettled;
    const QString folder = platform::withTrailingSeparator(stateDir);
    for (const platform::DirEntry &found :
         platform::listDirectory(folder, nullptr, platform::ListDetail::FolderTest)) {
        if (!found.name.endsWith(kRecordSuffix))
            continue;
        const QString record = folder + found.name;
        bool ok = false;
        QStringList lines = platform::readUtf8TextLines(record, &ok);
        if (!ok)
            continue;
        const bool committed = !lines.isEmpty() && lines.last() == kCommitted;
        if (committed)
            lines.removeLast();
        bool settled = true;
        for (const QString &line : lines) {
            const QString original = line.section(kTab, 0, 0);
            const QString hidden = line.section(kTab, 1);
            // Only an entry this program moved aside is ever acted on.
            if (!QFileInfo(hidden).fileName().startsWith(platform::kTemporaryPrefix +
                                                         QStringLiteral("removed-")) ||
                !present(hidden))
                continue;
            if (committed) {
                // Deleted only inside the folder it was moved aside in, as any deletion is.
                const RemovalArea area(QFileInfo(hidden).path());
                settled = removeWithin(messages, area, hidden, Disposal::Delete, original).done() &&
                          settled;
            } else if (!present(original)) {
                settled = platform::renameEntry(hidden, original).ok && settled;
            } else {
                settled = false;
            }
            if (!settled)
                unsettled.append(original);
        }
        if (settled)
            platform::removeFile(record);
    }
    return unsettled;
}
