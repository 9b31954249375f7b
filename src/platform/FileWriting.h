#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QString>

#include <memory>

// Writing that never leaves a half-made file under its real name: new files are written under a
// hidden temporary name beside their place and renamed when whole. Every call passes the fault
// seam (FaultInjection.h).
namespace platform {

// What a rename does when the destination exists already.
enum class Existing { Keep, Replace };

// Renames one entry (file, folder or link) within its file system. With Existing::Keep it fails,
// changing nothing, when the destination exists.
Result renameEntry(const QString &from, const QString &to, Existing existing = Existing::Keep);

// Creates one folder at exactly the path given, without looking its name up ignoring case: for a
// folder whose parent the program has just made and whose names it knows.
Result makeFolderAsGiven(const QString &path);

// Forces what was written to the file system that holds path onto the disk, so that a copy
// survives a power cut before its source is deleted.
Result syncFileSystem(const QString &path);

// Replaces (or creates) a file with the bytes given: written beside it under a hidden name,
// forced to disk and renamed over it, so the old file stays whole until the new one is.
Result writeFileReplacing(const QString &path, const QByteArray &bytes);

// A new file written under a hidden temporary name beside path; finish() renames it into place,
// never over an existing entry. Destroyed unfinished, it removes the temporary file.
class NewFile {
public:
    explicit NewFile(const QString &path);
    ~NewFile();
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // False (with error() saying why) when the temporary file could not be made.
    bool isOpen() const;
    bool write(const char *data, qint64 size);
    Result finish();
    const QString &error() const { return error_; }
    int errorCode() const { return errorCode_; }

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
    QString path_;
    QString temporary_;
    QString error_;
    int errorCode_ = 0;
    bool finished_ = false;
};

// The hidden name beside path that Wingstash's own temporary entries carry: a dot, "wingstash-",
// the tag, this process's number and a counter (and, with withName, the entry's own name).
// Leftovers of an interrupted run are known by the prefix.
enum class WithName { No, Yes };
QString temporaryNameBeside(const QString &path, const QString &tag,
                            WithName withName = WithName::Yes);
inline const QString kTemporaryPrefix = QStringLiteral(".wingstash-");

} // namespace platform
