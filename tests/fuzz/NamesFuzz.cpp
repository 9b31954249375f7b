#include "FuzzTarget.h"
#include "app/PackageNameCleaning.h"
#include "app/Startup.h"
#include "package/Files.h"
#include "package/FolderClearing.h"

#include <algorithm>

namespace {

bool isSeparator(QChar c, QChar separator)
{
    return c == separator || c == QLatin1Char('/');
}

void checkPathForms(const QString &path, const QString &cleanedName, QChar separator)
{
    const qsizetype root = rootLength(path, separator);
    FUZZ_CHECK(root >= 0 && root <= path.size());
    FUZZ_CHECK(root == 0 || root == path.size() || isSeparator(path[root - 1], separator));

    if (hasSafeFolderForm(path, separator)) {
        FUZZ_CHECK(root > 0 && path.endsWith(separator));
        const QStringList components =
            QString(path).replace(QLatin1Char('/'), separator).split(separator);
        FUZZ_CHECK(!components.contains(QLatin1String(".")) &&
                   !components.contains(QLatin1String("..")));
        // A folder below a safe folder is safe too.
        FUZZ_CHECK(hasSafeFolderForm(path + QStringLiteral("sub") + separator, separator));
    }
    // A location is written to ws.ini as one line.
    if (hasLocationForm(path, separator))
        FUZZ_CHECK(root > 0 && std::none_of(path.cbegin(), path.cend(),
                                            [](QChar c) { return c.unicode() < 0x20; }));

    // A cleaned package name is one folder of the store, never a way out of it.
    const QString store = separator == QLatin1Char('/') ? QStringLiteral("/home/me/Stowbay/")
                                                        : QStringLiteral("C:\\Stowbay\\");
    FUZZ_CHECK(hasSafeFolderForm(store + cleanedName + separator, separator) ==
               (cleanedName != QLatin1String(".") && cleanedName != QLatin1String("..")));
}

} // namespace

FUZZ_TARGET(names)
{
    const QString text = QString::fromUtf8(fuzzBytes(data, size));
    const QString unsafe = QStringLiteral("\\/:?<>|*\"");
    const QString cleaned = cleanPackageName(text);
    FUZZ_CHECK(cleaned.size() == text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        FUZZ_CHECK(!unsafe.contains(cleaned[i]) &&
                   (unsafe.contains(text[i]) || cleaned[i] == text[i]));

    for (const QChar separator : {QLatin1Char('\\'), QLatin1Char('/')})
        checkPathForms(text, cleaned, separator);
}
