#pragma once

#include <archive.h>
#include <archive_entry.h>

// The libarchive calls the reader makes. libarchive is loaded with the first archive, not with
// the program: it and the compression libraries it brings would add about a millisecond to
// every start-up.
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

// The calls, loaded once; null when libarchive cannot be loaded (the reason is written to the
// terminal).
const LibArchive *libArchive();
