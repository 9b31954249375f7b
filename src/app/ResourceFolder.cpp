#include "app/ResourceFolder.h"

#include "package/FolderLayout.h"
#include "platform/FileListing.h"
#include "platform/Path.h"

#include <QDir>

QString findResourceFolder(const QString &programDir)
{
    if (platform::entryExists(FolderLayout::readmeFileIn(programDir)))
        return programDir;
    const QString installed = platform::withTrailingSeparator(QDir::toNativeSeparators(
        QDir::cleanPath(programDir + QStringLiteral("../share/wingstash"))));
    return platform::entryExists(FolderLayout::readmeFileIn(installed)) ? installed : programDir;
}
