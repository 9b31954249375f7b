#include "app/StateFolder.h"

#include "platform/Path.h"

#include <QDir>
#include <QStandardPaths>

QString stateFolder()
{
#ifdef Q_OS_LINUX
    // A relative XDG_STATE_HOME is ignored, as the XDG base directory rules say.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    const QString folder = base + QStringLiteral("/Wingstash");
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
    QDir().mkpath(folder);
    return platform::withTrailingSeparator(QDir::toNativeSeparators(folder));
}
