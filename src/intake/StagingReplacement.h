#pragma once

#include "package/Removal.h"
#include "platform/MessageBoxes.h"

#include <QString>
#include <QStringList>

// Unpacking never shows half an add-on in Staging: each archive is unpacked into a hidden folder
// inside Staging, and only when it is whole do Staging's old contents (if the user agreed to
// replace them) make way for the new ones. A crash at any point leaves hidden entries that
// recoverStaging() at the next start takes back to a whole state: the old contents, or the new.
//
// Names, each in Staging: ".wingstash-unpacking-ID" while an archive is unpacked (incomplete);
// ".wingstash-unpacked-ID" once whole, while the old contents move aside into
// ".wingstash-replaced-ID"; ".wingstash-placing-ID" while the new entries move up.
class StagingReplacement {
public:
    // Deletes (its own folders, and old contents the user agreed to replace, which go to the
    // trash where Staging has one) only inside Staging, through removeWithin.
    StagingReplacement(platform::MessageBoxes &messages, const QString &staging);
    ~StagingReplacement();
    StagingReplacement(const StagingReplacement &) = delete;
    StagingReplacement &operator=(const StagingReplacement &) = delete;

    // A new hidden folder to unpack one archive into (ending with the separator); empty, with
    // error() saying why, when it cannot be made. Unpacking an archive found inside the last one
    // asks for another; only the last folder made is placed, the others are dropped.
    QString newUnpackFolder();
    // Drops the last folder made (its unpacking failed); the one before becomes the last again.
    void dropLastFolder();

    // Puts the last folder's entries in Staging. The entries of Staging named in replaced (the
    // old contents the user agreed to replace, hidden ones too) move aside first and are deleted
    // once the new ones are in place; every other entry stays, and a new entry is never put over
    // one. False (with error()) leaves Staging as it was; the unpacked files are dropped.
    bool place(const QStringList &replaced);
    const QString &error() const { return error_; }

private:
    bool moveOldContentsAside(const QString &aside, const QStringList &names);
    void disposeOfOldContents(const QString &aside);
    bool moveEntries(const QString &from, const QString &to, const QStringList &names,
                     QStringList *moved);

    platform::MessageBoxes &messages_;
    QString staging_;
    RemovalArea area_;
    QString id_;
    QStringList folders_;
    QString error_;
};

// Takes every interrupted replacement left in Staging back to a whole state: an unpack that was
// not whole is dropped, old contents that had not all moved aside come back, new entries still
// waiting are placed, and old contents that were replaced are deleted. Touches nothing else.
void recoverStaging(platform::MessageBoxes &messages, const QString &staging);
