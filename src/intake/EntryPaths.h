#pragma once

#include <QString>
#include <QStringList>

// The folder names and file name an archive entry's name stands for, when it can be a path
// inside the folder unpacked into on a Windows disk; empty when it cannot: ".." components,
// absolute or drive paths, characters Windows forbids (< > : " | ? * and control characters),
// names a Windows disk cannot hold (trailing dot or space, device names such as CON), names longer
// than a file system holds (kMaxNameBytes), names that could not be decoded, or nothing left once
// "." components are dropped. "\" separates as "/" does, as old DOS archivers wrote it.
QStringList entryPathComponents(const QString &entryName);

// The longest name of one file or folder, in bytes of UTF-8, that Linux file systems hold.
inline constexpr qsizetype kMaxNameBytes = 255;

// Whether an entry is the Finder's bookkeeping that archives made on a Mac carry: anything below
// a "__MACOSX" folder, and ".DS_Store" files. Such entries are no part of the add-on.
bool isMacMetadata(const QString &entryName);

// Whether a file name is one of the archive kinds Wingstash unpacks.
bool isArchiveName(const QString &fileName);
