#pragma once

#include "intake/Utf8Locale.h"

#include <QString>

#include <optional>

struct archive;
struct archive_entry;
struct LibArchive;

// Reads one archive of any kind libarchive knows (zip, 7z, rar, tar with its compressions, cab),
// entry by entry. Names come out in Unicode: zip names stored without the UTF-8 flag, as DOS
// archivers wrote them, are read in code page 437.
class ArchiveReader {
public:
    enum class EntryType { File, Folder, Other }; // Other: links, devices, pipes
    enum class Step { Entry, End, Failed };

    explicit ArchiveReader(const QString &path);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader &) = delete;
    ArchiveReader &operator=(const ArchiveReader &) = delete;

    // False when the file could not be opened or is no archive libarchive knows.
    bool isOpen() const { return open_; }
    Step next();

    // The current entry.
    QString name() const;
    EntryType type() const;
    std::optional<qint64> declaredSize() const;
    // Whether the current entry's data or name is encrypted, as in a zip or 7z with a password.
    bool isEncrypted() const;
    // Whether the archive is known to hold encrypted entries. After a failed step this tells an
    // archive whose very names are encrypted (a 7z or rar with a password) from a damaged one.
    bool hasEncryptedEntries() const;
    // Reads the next bytes of the current entry's data: 0 at its end, -1 when damaged.
    qint64 read(char *buffer, qint64 size);

private:
    Utf8Locale locale_;     // libarchive converts names to the thread's character set
    const LibArchive *lib_; // null when libarchive could not be loaded
    archive *archive_ = nullptr;
    archive_entry *entry_ = nullptr;
    bool open_ = false;
};
