#include "app/ResourceFolder.h"

#include "platform/FileSystem.h"

#include <QDir>

QString findResourceFolder(const QString &programDir)
{
    const QString readme = QStringLiteral("readme.txt");
    if (platform::entryExists(programDir + readme))
        return programDir;
    const QString installed = platform::withTrailingSeparator(QDir::toNativeSeparators(
        QDir::cleanPath(programDir + QStringLiteral("../share/wingstash"))));
    return platform::entryExists(installed + readme) ? installed : programDir;
}
