#include "platform/CaseLookup.h"

#include "platform/FileListing.h"
#include "platform/Path.h"

#include <QFileInfo>

#include <algorithm>

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

// Each UTF-16 unit case-folded on its own, except that the second half of a surrogate pair
// stands for the whole folded code point: what QString::compare compares ignoring case.
char32_t foldedUnit(QStringView name, qsizetype at)
{
    char32_t unit = name[at].unicode();
    if (unit < 0x80) // most names: ASCII, where folding is lower-casing
        return unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit;
    if (QChar::isLowSurrogate(unit) && at > 0 && name[at - 1].isHighSurrogate())
        unit = QChar::surrogateToUcs4(name[at - 1].unicode(), char16_t(unit));
    return QChar::toCaseFolded(unit);
}

} // namespace

std::u32string caseKey(const QString &name)
{
    std::u32string key;
    key.reserve(std::size_t(name.size()));
    for (qsizetype at = 0; at < name.size(); ++at)
        key.push_back(foldedUnit(name, at));
    return key;
}

int compareCaseKeys(QStringView first, QStringView second)
{
    const qsizetype common = std::min(first.size(), second.size());
    for (qsizetype at = 0; at < common; ++at) {
        const char32_t a = foldedUnit(first, at);
        const char32_t b = foldedUnit(second, at);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return first.size() == second.size() ? 0 : first.size() < second.size() ? -1 : 1;
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
