#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One entry of an archive written for a test: a file with its bytes, a folder, or a symbolic
// link to target.
struct ArchiveEntry {
    enum Kind { File, Folder, Link };
    QString name;
    QByteArray content = {};
    Kind kind = File;
    QString target = {};
};

// Writes a real archive with libarchive, its kind taken from the path's ending (.zip,
// .tar.bz2, ...); names are stored in UTF-8 (with the zip UTF-8 flag when not ASCII). Options
// are libarchive writer options, such as "zip:compression=store".
void writeArchive(const QString &path, const QList<ArchiveEntry> &entries,
                  const char *options = nullptr);

// Bytes that do not compress.
QByteArray noise(int size);
