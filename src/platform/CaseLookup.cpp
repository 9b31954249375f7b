#include "platform/CaseLookup.h"

#include "platform/FileListing.h"
#include "platform/Path.h"

#include <QFileInfo>

namespace platform {

namespace {

bool entryPresent(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The name of a listed entry that matches ignoring case, or an empty string. Matching names
// share their sort key, so the first one a sorted listing would give is the least by code unit:
// found in one unsorted pass over the names, with no status call.
QString caseVariantIn(const QString &dir, const QString &name)
{
    QString first;
    for (const QString &entryName : entryNames(dir.isEmpty() ? QStringLiteral(".") : dir)) {
        if (entryName.compare(name, Qt::CaseInsensitive) == 0 &&
            (first.isEmpty() || entryName < first))
            first = entryName;
    }
    return first;
}

} // namespace

// Each UTF-16 unit case-folded on its own, except that the second half of a surrogate pair
// stands for the whole folded code point: what QString::compare compares ignoring case.
std::u32string caseKey(const QString &name)
{
    std::u32string key;
    key.reserve(std::size_t(name.size()));
    char16_t previous = 0;
    for (const QChar c : name) {
        char32_t unit = c.unicode();
        if (QChar::isLowSurrogate(unit) && QChar::isHighSurrogate(previous))
            unit = QChar::surrogateToUcs4(previous, char16_t(unit));
        previous = c.unicode();
        key.push_back(QChar::toCaseFolded(unit));
    }
    return key;
}

QString resolveCase(const QString &path)
{
    if (path.isEmpty() || entryPresent(withoutTrailingSeparator(path)))
        return path;

    QString resolved;
    qsizetype start = 0;
    while (start < path.size()) {
        qsizetype end = start;
        while (end < path.size() && !isSeparator(path[end]))
            ++end;
        const QString name = path.mid(start, end - start);
        if (!name.isEmpty()) {
            const QString exact = resolved + name;
            if (entryPresent(exact)) {
                resolved = exact;
            } else {
                const QString variant = caseVariantIn(resolved, name);
                if (variant.isEmpty())
                    return resolved + path.mid(start); // the rest does not exist yet
                resolved += variant;
            }
        }
        if (end < path.size())
            resolved += path[end];
        start = end + 1;
    }
    return resolved;
}

} // namespace platform
