#pragma once

#include "platform/Progress.h"

#include <QString>
#include <QStringList>

// How an extraction ended. After any outcome but Done the folder holds whatever was written
// before the failure: unpack into a folder of your own and drop it then.
enum class ExtractOutcome {
    Done,
    Unreadable,  // not an archive libarchive knows, or the file cannot be opened
    Damaged,     // broken or truncated data
    Encrypted,   // an entry needs a password; refused before anything is written
    TooLarge,    // the declared contents do not fit in the disk's free space
    Bomb,        // more than the expansion allowance
    WriteFailed, // a file or folder could not be written
};

struct Extraction {
    ExtractOutcome outcome = ExtractOutcome::Done;
    QStringList files;   // the files written, full paths, in archive order
    QStringList leftOut; // entry names not written: links, devices, impossible or unsafe names
    QString failedPath;  // WriteFailed: what could not be written
    // Encrypted: the first encrypted entry; empty when the names themselves are encrypted.
    QString encryptedEntry;
    qint64 bytesWritten = 0; // Done: the bytes of all files written
};

// Each file and folder made counts as this many bytes against the allowance: a disk gives every
// entry at least a block, and a tiny archive of a million empty folders harms as a large one.
inline constexpr qint64 kEntryCost = 512;

// An archive may unpack to at most this many times its own size.
inline constexpr qint64 kMaxExpansion = 1000;

// The most bytes an archive of this size may unpack to. An archive unpacked from it draws on the
// same allowance, so a chain of archives is held to the outermost one's size.
qint64 expansionAllowance(qint64 archiveSize);

// Unpacks an archive into an existing folder, writing regular files and folders only, each
// below the folder and each file under a temporary name until whole; an existing file is never
// replaced, and a Mac's Finder files are skipped.
// The declared sizes are checked against the free space and the allowance (in bytes) before
// anything is written, and the bytes written are held to the same limits, since declared sizes
// can lie. Entries whose first name is one of takenNames are left out: those names stand for
// entries already in the place the unpacked files are going to.
Extraction extractArchive(const QString &archivePath, const QString &folder,
                          const QStringList &takenNames, qint64 allowance,
                          platform::Progress &progress);
