#include "intake/ArchiveReader.h"

#include "intake/LibArchive.h"

#include <QFile>

#include <archive.h>
#include <archive_entry.h>

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
