#include "package/AircraftCfgRewrite.h"

#include "package/ConfigurationTable.h"

namespace {

// A section header of another kind ends a dropped configuration section.
bool isOtherSectionHeader(const QString &lowerLine)
{
    const qsizetype open = lowerLine.indexOf(QLatin1Char('['));
    return open >= 0 && lowerLine.indexOf(QLatin1Char(']'), open) > open &&
           !lowerLine.contains(QLatin1String("fltsim"));
}

QString keptLine(const QString &line, const QString &lowerLine)
{
    if (lowerLine.contains(QLatin1String("[fltsim.")))
        return QStringLiteral("[fltsim.0]");
    for (const FolderKey key : kFolderKeys) {
        const QString bareKey = folderKeyName(key) + QLatin1Char('=');
        if (lowerLine.contains(bareKey))
            return bareKey;
    }
    return line;
}

} // namespace

QStringList rewriteForConfiguration(const QStringList &lines, const QString &chosenName)
{
    QStringList kept;
    kept.reserve(lines.size());
    bool writing = true;
    for (const QString &line : lines) {
        const QString lower = lowerKeepingPositions(line);
        if (isConfigurationHeader(lower))
            writing = configurationName(line, lower) == chosenName;
        if (!writing && isOtherSectionHeader(lower))
            writing = true;
        if (writing)
            kept.append(keptLine(line, lower));
    }
    return kept;
}
