#pragma once

#include "TreeBuilder.h"
#include "package/SharedState.h"

#include <QDateTime>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// A file of the tree as the scan lists it: lower-case path, real path as on disk.
inline PackageFile listedFile(const TreeBuilder &tree, const QString &relative)
{
    return {tree.path(relative).toLower(), tree.path(relative)};
}

// Sets a file's modified time, so texts that show it can be written out in full.
inline void setModified(const QString &path, const QDateTime &stamp)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(stamp, QFileDevice::FileModificationTime));
}

// What the user is told when a file cannot be deleted.
inline QString readOnlyFileMessage(const QString &path)
{
    return "There was a problem removing file " + path +
           " - It may be set to READ-ONLY mode (i.e. it is on a CD).  Check the file "
           "properties.";
}

inline const QString kSecondAircraftCfgMessage =
    "More than one aircraft.cfg file was detected in the Staging Directory.  This may indicate "
    "that components for more than one aircraft are residing in that directory.  Please remove "
    "the unwanted aircraft.cfg file(s) from the Staging directory or one of its subdirectories "
    "so that only one is left.  Once this is done, restart Wingstash.";
