#include "ArchiveWriter.h"

#include "intake/Utf8Locale.h"

#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <archive.h>
#include <archive_entry.h>
#include <memory>

void writeArchive(const QString &path, const QList<ArchiveEntry> &entries, const char *options)
{
    const Utf8Locale utf8; // lets the zip writer store non-ASCII names with the UTF-8 flag
    const std::unique_ptr<archive, decltype(&archive_write_free)> writer(archive_write_new(),
                                                                         archive_write_free);
    ASSERT_EQ(archive_write_set_format_filter_by_ext(writer.get(), QFile::encodeName(path)),
              ARCHIVE_OK);
    if (options) {
        ASSERT_EQ(archive_write_set_options(writer.get(), options), ARCHIVE_OK);
    }
    ASSERT_EQ(archive_write_open_filename(writer.get(), QFile::encodeName(path)), ARCHIVE_OK);
    for (const ArchiveEntry &item : entries) {
        const std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(
            archive_entry_new(), archive_entry_free);
        archive_entry_set_pathname_utf8(entry.get(), item.name.toUtf8());
        archive_entry_set_perm(entry.get(), 0755);
        archive_entry_set_filetype(entry.get(), item.kind == ArchiveEntry::File     ? AE_IFREG
                                                : item.kind == ArchiveEntry::Folder ? AE_IFDIR
                                                                                    : AE_IFLNK);
        if (item.kind == ArchiveEntry::Link)
            archive_entry_set_symlink_utf8(entry.get(), item.target.toUtf8());
        archive_entry_set_size(entry.get(), item.content.size());
        ASSERT_EQ(archive_write_header(writer.get(), entry.get()), ARCHIVE_OK)
            << item.name.toStdString();
        ASSERT_EQ(archive_write_data(writer.get(), item.content.constData(),
                                     static_cast<size_t>(item.content.size())),
                  item.content.size());
    }
    ASSERT_EQ(archive_write_close(writer.get()), ARCHIVE_OK);
}

QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator generator(size);
    for (char &byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}
