#pragma once

#include "TreeBuilder.h"
#include "package/SharedState.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// A file of the tree as the scan lists it: lower-case path, real path as on disk.
inline PackageFile listedFile(const TreeBuilder &tree, const QString &relative)
{
    return {tree.path(relative).toLower(), tree.path(relative)};
}

// Every entry below dir, hidden ones included, relative and sorted; folders (not links to
// them) end with "/". Links are never entered.
inline QStringList entriesBelow(const QString &dir)
{
    QStringList entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = QDir(dir).relativeFilePath(it.next());
        entries.append(path + (it.fileInfo().isDir() && !it.fileInfo().isSymLink() ? "/" : ""));
    }
    entries.sort();
    return entries;
}

// Sets a file's modified time, so texts that show it can be written out in full.
inline void setModified(const QString &path, const QDateTime &stamp)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
}
