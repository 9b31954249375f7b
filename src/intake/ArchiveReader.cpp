#include "intake/ArchiveReader.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

ArchiveReader::ArchiveReader(const QString &path) : archive_(archive_read_new())
{
    archive_read_support_format_all(archive_);
    archive_read_support_filter_all(archive_);
    // Zips written without the UTF-8 flag hold DOS names; entries that have the flag stay UTF-8.
    archive_read_set_options(archive_, "zip:hdrcharset=CP437");
    constexpr size_t blockSize = 64 * 1024;
#if defined(_WIN32)
    const int status = archive_read_open_filename_w(
        archive_, reinterpret_cast<const wchar_t *>(path.utf16()), blockSize);
#else
    const int status =
        archive_read_open_filename(archive_, QFile::encodeName(path).constData(), blockSize);
#endif
    open_ = status == ARCHIVE_OK;
}

ArchiveReader::~ArchiveReader()
{
    archive_read_free(archive_);
}

ArchiveReader::Step ArchiveReader::next()
{
    if (!open_)
        return Step::Failed;
    // A warning (a name that could not be converted) still gives an entry; name() shows it.
    const int status = archive_read_next_header(archive_, &entry_);
    if (status == ARCHIVE_EOF)
        return Step::End;
    return status >= ARCHIVE_WARN ? Step::Entry : Step::Failed;
}

QString ArchiveReader::name() const
{
    if (const char *utf8 = archive_entry_pathname_utf8(entry_))
        return QString::fromUtf8(utf8);
    // Undecodable bytes become U+FFFD, which marks the name as one that cannot be written.
    const char *raw = archive_entry_pathname(entry_);
    return raw ? QString::fromUtf8(raw) + QChar::ReplacementCharacter : QString();
}

ArchiveReader::EntryType ArchiveReader::type() const
{
    if (archive_entry_hardlink(entry_) != nullptr)
        return EntryType::Other;
    switch (archive_entry_filetype(entry_)) {
    case AE_IFREG:
        return EntryType::File;
    case AE_IFDIR:
        return EntryType::Folder;
    default:
        return EntryType::Other;
    }
}

std::optional<qint64> ArchiveReader::declaredSize() const
{
    if (!archive_entry_size_is_set(entry_))
        return std::nullopt;
    return archive_entry_size(entry_);
}

bool ArchiveReader::isEncrypted() const
{
    return archive_entry_is_encrypted(entry_) != 0;
}

bool ArchiveReader::hasEncryptedEntries() const
{
    // Negative: not known, or a format without encryption.
    return archive_read_has_encrypted_entries(archive_) > 0;
}

qint64 ArchiveReader::read(char *buffer, qint64 size)
{
    const la_ssize_t count = archive_read_data(archive_, buffer, static_cast<size_t>(size));
    return count < 0 ? -1 : static_cast<qint64>(count);
}
