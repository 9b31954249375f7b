#include "package/DuplicateQuestion.h"

#include "platform/FileListing.h"

#include <QLocale>
#include <QStringList>

namespace {

QString describe(const QString &shownPath, const QString &realPath)
{
    const QString date =
        QLocale::system().toString(platform::lastModified(realPath), QLocale::ShortFormat);
    return shownPath + QStringLiteral("  (Size: ") + QString::number(platform::fileSize(realPath)) +
           QStringLiteral(" Date: ") + date + QLatin1Char(')');
}

} // namespace

QString duplicateQuestion(const PackageFile &first, const PackageFile &second)
{
    const bool sameListedPath = first.path == second.path;
    const QString firstShown = sameListedPath ? first.realPath : first.path;
    const QString secondShown = sameListedPath ? second.realPath : second.path;
    const QStringList lines{QStringLiteral("A duplicate file condition has occurred."),
                            QString(),
                            QStringLiteral("Should I use this file:"),
                            QString(),
                            describe(firstShown, first.realPath),
                            QString(),
                            QStringLiteral("Instead of this file? :"),
                            QString(),
                            describe(secondShown, second.realPath)};
    return lines.join(QStringLiteral("\r\n"));
}
