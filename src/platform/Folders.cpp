#include "platform/Folders.h"

#include "platform/ActivityLog.h"
#include "platform/CaseLookup.h"
#include "platform/FaultInjection.h"
#include "platform/FileListing.h"
#include "platform/Path.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

Result makeFolder(const QString &path)
{
    const QString real = resolveCase(withoutTrailingSeparator(path));
    bool exists = false;
    attributesOf(real, &exists);
    if (exists)
        return {false, QStringLiteral("Cannot create a file when that file already exists.")};
    if (!QFileInfo(QFileInfo(real).path()).isDir())
        return {false, kPathNotFound};
    if (const int error = faults::inject(faults::Call::MakeFolder))
        return {false, qt_error_string(error), error};
    if (!QDir().mkdir(real))
        return {false, qt_error_string()};
    noteChange(Change::Created, real);
    return {};
}

Result removeFolder(const QString &path)
{
    const QString real = resolveCase(withoutTrailingSeparator(path));
    bool exists = false;
    const unsigned attributes = attributesOf(real, &exists);
    if (!exists)
        return {false, kPathNotFound};
    if ((attributes & Link) || !(attributes & Directory))
        return {false, QStringLiteral("The directory name is invalid.")};
    if (attributes & ReadOnly)
        return {false, kAccessDenied};
    if (const int error = faults::inject(faults::Call::Remove))
        return {false, qt_error_string(error), error};
    if (!QDir().rmdir(real))
        return {false, qt_error_string()};
    noteChange(Change::Deleted, real);
    return {};
}

} // namespace platform
