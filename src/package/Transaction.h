#pragma once

#include "platform/FileWriting.h"
#include "platform/HeldFile.h"
#include "platform/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

// A copy that must end complete or not at all, even across a crash or a power cut: a package
// folder built under a hidden name beside its place, and new files for folders other packages
// share (the simulator's gauges and sounds) written to hidden temporaries beside theirs. Nothing
// takes effect before commit(); until the package folder is renamed into place the old state can
// always be brought back.
//
// Every entry a transaction makes is hidden (no list shows it) and named by its role and the
// transaction's id:
//   .wingstash-staged-<id>-<name>    the package folder being built; a shared file's new bytes
//   .wingstash-replaced-<id>-<name>  a shared file moved aside for its replacement
//   .wingstash-added-<id>-<name>     an empty folder standing for "<name> is new"
// A record "<id>.transaction" in the program's state folder names the hidden package folder,
// the entry it becomes and the shared folders; it is on disk before anything else is made, held
// while the transaction runs, and deleted when the transaction has ended.
class Transaction {
public:
    // Writes the record of a transaction that will put target (an entry that does not exist)
    // in place and change files in sharedFolders. An empty target: only shared files, the
    // commit is then marked by an empty hidden folder in the state folder. started() is false,
    // with error() saying why, when the record could not be written.
    Transaction(const QString &stateDir, const QString &target, const QStringList &sharedFolders);
    // Rolls back what was neither committed nor rolled back.
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool started() const { return record_.isHeld(); }
    const QString &error() const { return error_; }
    // The hidden folder beside the target where the package is built (no separator).
    const QString &stagedFolder() const { return staged_; }

    platform::Result makeStagedFolder();

    // Copies source to a hidden temporary beside destination (an entry of a shared folder,
    // its spelling as on disk when it exists), to be put in place at commit(). With
    // Existing::Keep the commit fails if an entry of that name appears meanwhile, and a second
    // file for the same place is skipped; with Replace an existing file is replaced (a read-only
    // one is refused, as Windows refuses it) and a second file for the same place wins.
    platform::Result stageSharedFile(const QString &source, const QString &destination,
                                     platform::Existing existing);

    // Forces everything to disk, puts the shared files and then the package folder in place
    // (the commit point), then deletes what was moved aside. On failure nothing has taken
    // effect: the caller rolls back. The error is a whole sentence.
    platform::Result commit();

    // Brings every shared file back as it was and deletes the hidden entries. False when
    // something could not be undone: the record stays, so the next start tries again.
    bool rollBack();

private:
    struct SharedFile {
        QString folder; // with separator
        QString name;   // as on disk, or as it will be
        platform::Existing existing;
    };

    QString id_;
    QString target_;
    QString staged_;
    QStringList folders_;
    QList<SharedFile> files_;
    platform::HeldFile record_;
    QString error_;
    bool ended_ = false;
};

// Ends every transaction that a crash left unfinished, as the record in stateDir tells: a
// hidden package folder still there means it was not committed, and it is rolled back; gone
// means committed, and what was moved aside is deleted. Only entries named for that
// transaction are touched. A record another running Wingstash holds is left alone. Returns the
// folders where something could not be put right (their records stay for the next start).
QStringList recoverTransactions(const QString &stateDir);
