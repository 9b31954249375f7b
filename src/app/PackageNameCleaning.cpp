#include "app/PackageNameCleaning.h"

QString cleanPackageName(const QString &name)
{
    // The name becomes a folder name; characters no folder name may hold are replaced one for
    // one, so what the user typed stays recognisable.
    static const QString unsafe = QStringLiteral("\\/:?<>|*");
    QString cleaned = name;
    for (QChar &c : cleaned) {
        if (c == QLatin1Char('"'))
            c = QLatin1Char('\'');
        else if (unsafe.contains(c))
            c = QLatin1Char(' ');
    }
    return cleaned;
}
