#include "package/AircraftConfig.h"

#include "package/AircraftCfgRewrite.h"
#include "package/Capacities.h"
#include "package/ConfigurationTable.h"
#include "package/FolderClearing.h"
#include "package/ShutDown.h"
#include "package/Walk.h"
#include "platform/FileListing.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

#include <optional>

namespace {

const QString kMultiple = QStringLiteral("MULTI");

QString secondCfgMessage()
{
    return QStringLiteral(
        "More than one aircraft.cfg file was detected in the Staging Directory.  This may "
        "indicate that components for more than one aircraft are residing in that directory.  "
        "Please remove the unwanted aircraft.cfg file(s) from the Staging directory or one of "
        "its subdirectories so that only one is left.  Once this is done, restart Wingstash.");
}

// Why a file cannot be rewritten safely, or empty when it can. A rewrite from a truncated or
// garbled copy would lose the user's lines, so such files are left alone.
QString refusalFor(const QStringList &lines, qsizetype rows, const QString &path)
{
    const QString nothingChanged = QStringLiteral("  Nothing was changed.");
    if (lines.size() > capacity::kAircraftCfgLines)
        return QStringLiteral("The aircraft.cfg file ") + path +
               QStringLiteral(" has more than %1 lines, so Wingstash cannot choose one of its "
                              "configurations.")
                   .arg(capacity::kAircraftCfgLines) +
               nothingChanged;
    if (rows > capacity::kConfigurations)
        return QStringLiteral("The aircraft.cfg file ") + path +
               QStringLiteral(" has more than %1 configurations, so Wingstash cannot choose one "
                              "of them.")
                   .arg(capacity::kConfigurations) +
               nothingChanged;
    for (const QString &line : lines) {
        if (line.contains(QChar(u'\0')))
            return QStringLiteral("The aircraft.cfg file ") + path +
                   QStringLiteral(" is not a text file, so Wingstash cannot choose one of its "
                                  "configurations.") +
                   nothingChanged;
    }
    return {};
}

// The 0-based row the user takes, or nothing when the choice was cancelled.
std::optional<qsizetype> askForConfiguration(Context &context,
                                             const QList<Configuration> &configurations)
{
    if (configurations.size() == 1)
        return 0;
    QStringList entries;
    for (const Configuration &configuration : configurations)
        entries.append(configurationEntry(configuration));
    const std::optional<int> chosen = context.configChooser.choose(entries);
    if (!chosen || *chosen < 0 || *chosen >= configurations.size())
        return std::nullopt;
    return *chosen;
}

// The Staging folders (with the separator) that only the configurations not chosen use.
QStringList foldersOfOtherConfigurations(const SharedState &state,
                                         const QList<Configuration> &configurations,
                                         qsizetype chosen)
{
    // The folder list is taken once, before any clearing, so every look-up sees the same tree.
    const QStringList stagingFolders = ListSubDirs(state.StagingDir);
    const Configuration &kept = configurations.at(chosen);
    QStringList folders;
    const auto add = [&folders](const QString &folder) {
        if (!folder.isEmpty())
            folders.append(folder + platform::separator());
    };
    for (qsizetype row = 0; row < configurations.size(); ++row) {
        if (row == chosen)
            continue;
        for (const FolderKey key : kFolderKeys) {
            const QString &value = configurations.at(row).folder(key);
            const QString &keptValue = kept.folder(key);
            if (value.isEmpty()) {
                // The plain folder only goes when the chosen configuration does not use it.
                if (!keptValue.trimmed().isEmpty())
                    add(FindStagingFolder(stagingFolders, folderKeyName(key)));
                continue;
            }
            const QString folder =
                FindStagingFolder(stagingFolders, configurationFolderName(key, value));
            const QString keptFolder =
                FindStagingFolder(stagingFolders, configurationFolderName(key, keptValue));
            if (folder != keptFolder)
                add(folder);
        }
    }
    return folders;
}

} // namespace

void CheckAircraftCfg(Context &context, const PackageFile &file)
{
    SharedState &state = context.state;
    if (state.AircraftCfgLineCount > -1) {
        context.messages.inform(secondCfgMessage());
        ShutDown();
    }
    state.AircraftTitle.clear();
    // An unreadable file still counts as the scan's aircraft.cfg: it has no lines and no title.
    state.AircraftCfgLines = platform::readTextLines(file.realPath);
    state.AircraftCfgLineCount = int(state.AircraftCfgLines.size());
    const QString titleKey = QStringLiteral("title=");
    for (const QString &line : std::as_const(state.AircraftCfgLines)) {
        const QString lower = lowerKeepingPositions(line);
        if (state.AircraftTitle != kMultiple) {
            const qsizetype at = lower.indexOf(titleKey);
            if (at >= 0)
                state.AircraftTitle = line.mid(at + titleKey.size()).trimmed();
        }
        if (lower.contains(QLatin1String("[fltsim.1")))
            state.AircraftTitle = kMultiple;
    }
}

bool ChooseConfiguration(Context &context, const PackageFile &file)
{
    SharedState &state = context.state;
    const QStringList lines = state.AircraftCfgLines.first(
        qBound(0, state.AircraftCfgLineCount, int(state.AircraftCfgLines.size())));
    const QList<Configuration> configurations = buildConfigurationTable(lines);

    const QString refusal = refusalFor(lines, configurations.size(), file.realPath);
    if (!refusal.isEmpty()) {
        context.messages.inform(refusal);
        return false;
    }
    // With no titled configuration there is nothing to choose; rewriting would drop every
    // configuration section and leave the aircraft unusable.
    if (configurations.isEmpty()) {
        state.AircraftTitle.clear();
        return false;
    }
    const std::optional<qsizetype> chosen = askForConfiguration(context, configurations);
    if (!chosen)
        return false;
    const Configuration &configuration = configurations.at(*chosen);

    // Every folder is checked before anything changes: a refusal halfway would leave
    // aircraft.cfg naming one configuration beside the files of the others.
    const QStringList others = foldersOfOtherConfigurations(state, configurations, *chosen);
    for (const QString &folder : others) {
        if (!mayClearFolder(context, folder))
            return false;
    }
    // aircraft.cfg is rewritten before any folder is emptied: if the write fails, the user
    // still has every configuration and all of its files.
    QString error;
    if (!platform::writeTextLines(file.realPath, rewriteForConfiguration(lines, configuration.Name),
                                  &error)) {
        context.messages.inform(QStringLiteral("The aircraft.cfg file ") + file.realPath +
                                QStringLiteral(" could not be rewritten (") + error +
                                QStringLiteral(").  Nothing was changed."));
        return false;
    }
    state.AircraftTitle = configuration.Title.trimmed();
    for (const QString &folder : others)
        ClearFolder(context, folder);
    return true;
}

QString FindStagingFolder(const QStringList &stagingFolders, const QString &name)
{
    const QString lowerName = name.toLower();
    for (const QString &folder : stagingFolders) {
        const QString last = folder.mid(folder.lastIndexOf(platform::separator()) + 1);
        if (last.toLower().endsWith(lowerName))
            return folder;
    }
    return {};
}
