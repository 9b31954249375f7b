#include "intake/EntryPaths.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

const QRegularExpression &separators()
{
    static const QRegularExpression pattern(QStringLiteral("[/\\\\]"));
    return pattern;
}

bool isForbidden(QChar c)
{
    // U+FFFD stands for bytes that could not be decoded: the real name is unknown.
    return c.unicode() < 0x20 || QStringLiteral("<>:\"|?*").contains(c) ||
           c == QChar::ReplacementCharacter;
}

bool isDeviceName(const QString &component)
{
    static const QRegularExpression device(
        QStringLiteral("^(con|prn|aux|nul|com\\d|lpt\\d)(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(component).hasMatch();
}

// ".." ends with a dot, as every name Windows would cut short does.
bool isValidComponent(const QString &component)
{
    return !component.endsWith(QLatin1Char('.')) && !component.endsWith(QLatin1Char(' ')) &&
           !isDeviceName(component) && component.toUtf8().size() <= kMaxNameBytes &&
           std::none_of(component.begin(), component.end(), isForbidden);
}

} // namespace

QStringList entryPathComponents(const QString &entryName)
{
    if (entryName.startsWith(QLatin1Char('/')) || entryName.startsWith(QLatin1Char('\\')))
        return {};
    QStringList components = entryName.split(separators(), Qt::SkipEmptyParts);
    components.removeAll(QStringLiteral("."));
    if (!std::all_of(components.cbegin(), components.cend(), isValidComponent))
        return {};
    return components;
}

bool isMacMetadata(const QString &entryName)
{
    const QStringList components = entryName.split(separators(), Qt::SkipEmptyParts);
    return std::any_of(components.cbegin(), components.cend(), [](const QString &component) {
        return component.compare(QLatin1String("__MACOSX"), Qt::CaseInsensitive) == 0 ||
               component.compare(QLatin1String(".DS_Store"), Qt::CaseInsensitive) == 0;
    });
}

bool isArchiveName(const QString &fileName)
{
    static const QStringList endings{".zip", ".7z",     ".rar",     ".cab",   ".tar",
                                     ".tgz", ".tar.gz", ".tar.bz2", ".tar.xz"};
    const QString lower = fileName.toLower();
    return std::any_of(endings.cbegin(), endings.cend(),
                       [&lower](const QString &ending) { return lower.endsWith(ending); });
}
