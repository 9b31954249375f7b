#pragma once

#include "platform/FileListing.h"
#include "platform/Result.h"

#include <QFileInfo>
#include <QString>

// What the Unix files (*Unix.cpp) and the Qt files for other systems (*Qt.cpp) each provide to
// the rest of platform/; the build compiles one set.
namespace platform::system {

// The directory's entries in the order the system gives them, with the attribute bits the
// detail asks for.
QList<DirEntry> readDirectory(const QString &dir, bool *ok, ListDetail detail,
                              HiddenEntries hidden);

// The owner write bit of the entry itself, never of a link's target.
bool ownerWritable(const QFileInfo &info);

// Copies source to target, both as found on disk already (see copyFile).
Result copyFound(const QString &source, const QString &target);

} // namespace platform::system
