#include "intake/ArchiveReader.h"

#include <QFile>
#include <QLibrary>
#include <QtDebug>

#include <archive.h>
#include <archive_entry.h>
#include <optional>
#include <type_traits>

// libarchive is loaded with the first archive, not with the program: it and the compression
// libraries it brings would add about a millisecond to every start-up.
struct LibArchive {
    decltype(&archive_read_new) readNew;
    decltype(&archive_read_support_format_all) supportFormatAll;
    decltype(&archive_read_support_filter_all) supportFilterAll;
    decltype(&archive_read_set_options) setOptions;
#if defined(_WIN32)
    decltype(&archive_read_open_filename_w) openFilename;
#else
    decltype(&archive_read_open_filename) openFilename;
#endif
    decltype(&archive_read_next_header) nextHeader;
    decltype(&archive_read_data) readData;
    decltype(&archive_read_has_encrypted_entries) hasEncryptedEntries;
    decltype(&archive_read_free) readFree;
    decltype(&archive_entry_pathname_utf8) pathnameUtf8;
    decltype(&archive_entry_pathname) pathname;
    decltype(&archive_entry_hardlink) hardlink;
    decltype(&archive_entry_filetype) filetype;
    decltype(&archive_entry_size_is_set) sizeIsSet;
    decltype(&archive_entry_size) size;
    decltype(&archive_entry_is_encrypted) isEncrypted;
};

namespace {

std::optional<LibArchive> loadLibArchive()
{
    QLibrary library(QStringLiteral("archive"), 13); // libarchive.so.13; archive.dll on Windows
    LibArchive table{};
    bool complete = library.load();
    const auto resolve = [&](auto &function, const char *name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
            complete ? library.resolve(name) : nullptr);
        complete = function != nullptr;
    };
    resolve(table.readNew, "archive_read_new");
    resolve(table.supportFormatAll, "archive_read_support_format_all");
    resolve(table.supportFilterAll, "archive_read_support_filter_all");
    resolve(table.setOptions, "archive_read_set_options");
#if defined(_WIN32)
    resolve(table.openFilename, "archive_read_open_filename_w");
#else
    resolve(table.openFilename, "archive_read_open_filename");
#endif
    resolve(table.nextHeader, "archive_read_next_header");
    resolve(table.readData, "archive_read_data");
    resolve(table.hasEncryptedEntries, "archive_read_has_encrypted_entries");
    resolve(table.readFree, "archive_read_free");
    resolve(table.pathnameUtf8, "archive_entry_pathname_utf8");
    resolve(table.pathname, "archive_entry_pathname");
    resolve(table.hardlink, "archive_entry_hardlink");
    resolve(table.filetype, "archive_entry_filetype");
    resolve(table.sizeIsSet, "archive_entry_size_is_set");
    resolve(table.size, "archive_entry_size");
    resolve(table.isEncrypted, "archive_entry_is_encrypted");
    if (complete)
        return table;
    // Every archive then reads as one Wingstash cannot open; the terminal says why.
    qWarning("Wingstash cannot use libarchive: %s", qPrintable(library.errorString()));
    return std::nullopt;
}

const LibArchive *libArchive()
{
    static const std::optional<LibArchive> loaded = loadLibArchive();
    return loaded ? &*loaded : nullptr;
}

} // namespace

ArchiveReader::ArchiveReader(const QString &path) : lib_(libArchive())
{
    if (!lib_)
        return;
    archive_ = lib_->readNew();
    lib_->supportFormatAll(archive_);
    lib_->supportFilterAll(archive_);
    // Zips written without the UTF-8 flag hold DOS names; entries that have the flag stay UTF-8.
    lib_->setOptions(archive_, "zip:hdrcharset=CP437");
    constexpr size_t blockSize = 64 * 1024;
#if defined(_WIN32)
    const int status =
        lib_->openFilename(archive_, reinterpret_cast<const wchar_t *>(path.utf16()), blockSize);
#else
    const int status = lib_->openFilename(archive_, QFile::encodeName(path).constData(), blockSize);
#endif
    open_ = status == ARCHIVE_OK;
}

ArchiveReader::~ArchiveReader()
{
    if (lib_)
        lib_->readFree(archive_);
}

ArchiveReader::Step ArchiveReader::next()
{
    if (!open_)
        return Step::Failed;
    // A warning (a name that could not be converted) still gives an entry; name() shows it.
    const int status = lib_->nextHeader(archive_, &entry_);
    if (status == ARCHIVE_EOF)
        return Step::End;
    return status >= ARCHIVE_WARN ? Step::Entry : Step::Failed;
}

QString ArchiveReader::name() const
{
    if (const char *utf8 = lib_->pathnameUtf8(entry_))
        return QString::fromUtf8(utf8);
    // Undecodable bytes become U+FFFD, which marks the name as one that cannot be written.
    const char *raw = lib_->pathname(entry_);
    return raw ? QString::fromUtf8(raw) + QChar::ReplacementCharacter : QString();
}

ArchiveReader::EntryType ArchiveReader::type() const
{
    if (lib_->hardlink(entry_) != nullptr)
        return EntryType::Other;
    switch (lib_->filetype(entry_)) {
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
    if (!lib_->sizeIsSet(entry_))
        return std::nullopt;
    return lib_->size(entry_);
}

bool ArchiveReader::isEncrypted() const
{
    return lib_->isEncrypted(entry_) != 0;
}

bool ArchiveReader::hasEncryptedEntries() const
{
    // Negative: not known, or a format without encryption.
    return lib_->hasEncryptedEntries(archive_) > 0;
}

qint64 ArchiveReader::read(char *buffer, qint64 size)
{
    const la_ssize_t count = lib_->readData(archive_, buffer, static_cast<size_t>(size));
    return count < 0 ? -1 : static_cast<qint64>(count);
}
