#include "package/ConfigurationTable.h"

#include "platform/Path.h"

namespace {

QString keyWithEquals(FolderKey key)
{
    return folderKeyName(key) + QLatin1Char('=');
}

// The trimmed text after key, or a null string when the line does not hold the key.
QString valueAfter(const QString &line, const QString &lowerLine, const QString &key)
{
    const qsizetype at = lowerLine.indexOf(key);
    if (at < 0)
        return {};
    return line.mid(at + key.size()).trimmed();
}

} // namespace

QString folderKeyName(FolderKey key)
{
    switch (key) {
    case FolderKey::Model:
        return QStringLiteral("model");
    case FolderKey::Panel:
        return QStringLiteral("panel");
    case FolderKey::Sound:
        return QStringLiteral("sound");
    case FolderKey::Texture:
        return QStringLiteral("texture");
    }
    return {};
}

QString lowerKeepingPositions(const QString &line)
{
    QString lower = line;
    for (QChar &c : lower)
        c = c.toLower();
    return lower;
}

bool isConfigurationHeader(const QString &lowerLine)
{
    return lowerLine.contains(QLatin1String("[fltsim.")) && lowerLine.contains(QLatin1Char(']'));
}

QString configurationName(const QString &line, const QString &lowerLine)
{
    const qsizetype open = lowerLine.indexOf(QLatin1String("[fltsim."));
    const qsizetype close = lowerLine.indexOf(QLatin1Char(']'), open);
    if (close < 0)
        return line.mid(open + 1);
    return line.mid(open + 1, close - open - 1);
}

QList<Configuration> buildConfigurationTable(const QStringList &lines)
{
    // A row given back by an untitled section is reused by the next header, which keeps any
    // field it does not set itself.
    QList<Configuration> rows;
    qsizetype count = 0;
    const QString titleKey = QStringLiteral("title=");
    for (const QString &line : lines) {
        const QString lower = lowerKeepingPositions(line);
        if (isConfigurationHeader(lower)) {
            ++count;
            if (rows.size() < count)
                rows.append(Configuration{});
            rows[count - 1].Name = configurationName(line, lower);
        }
        if (count > 0 && lower.contains(titleKey)) {
            const QString title = valueAfter(line, lower, titleKey);
            if (!title.isEmpty()) {
                rows[count - 1].Title = title;
            } else {
                rows[count - 1].Name.clear();
                --count;
            }
        }
        if (count > 0) {
            for (const FolderKey key : kFolderKeys) {
                const QString keyText = keyWithEquals(key);
                if (lower.contains(keyText))
                    rows[count - 1].folders.at(static_cast<size_t>(key)) =
                        valueAfter(line, lower, keyText);
            }
        }
    }
    return rows.first(count);
}

QString configurationEntry(const Configuration &configuration)
{
    return configuration.Title + QStringLiteral("  (") + configuration.Name + QLatin1Char(')');
}

QString configurationFolderName(FolderKey key, const QString &value)
{
    const QString plain = folderKeyName(key);
    if (value.isEmpty())
        return plain;
    if (value.startsWith(QLatin1Char('\\')) || value.startsWith(QLatin1Char('/'))) {
        QString path = value;
        path.replace(QLatin1Char('\\'), platform::separator());
        path.replace(QLatin1Char('/'), platform::separator());
        return plain + path;
    }
    return plain + QLatin1Char('.') + value;
}
