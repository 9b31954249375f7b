#include "intake/LibArchive.h"

#include <QLibrary>
#include <QtDebug>

#include <optional>
#include <type_traits>

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

} // namespace

const LibArchive *libArchive()
{
    static const std::optional<LibArchive> loaded = loadLibArchive();
    return loaded ? &*loaded : nullptr;
}
