#include "app/Settings.h"

#include "package/FolderLayout.h"
#include "package/ListWindowPlace.h"
#include "platform/FileListing.h"
#include "platform/Path.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include <cmath>

namespace {

// Beyond this a value cannot be a window position or size (about 7000 inches); taking it would
// place the window nowhere or overflow the whole-twips list geometry.
constexpr double kLargestTwips = 10'000'000.0;

// A minimised window reports a position far off screen; -60 is where a maximised one sits.
double clampPosition(double value)
{
    return value < -70.0 ? -60.0 : value;
}

// The value of an M or L key, or nothing when it is not a usable number.
std::optional<double> twipsValue(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > kLargestTwips)
        return std::nullopt;
    return value;
}

// Whole twips, halves to even as the original whole-number conversion does.
int wholeTwips(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

void applyLine(const QString &line, SharedState &state, MainWindowGeometry &mainWindow)
{
    const qsizetype split = line.indexOf(QLatin1Char('='));
    if (split < 0)
        return;
    const QString key = line.left(split + 1);
    const QString value = line.mid(split + 1);

    if (key == QLatin1String("STAGINGDIR=")) {
        state.StagingDir = value;
        return;
    }
    if (key == QLatin1String("STOWBAYDIR=")) {
        state.StowbayDir = value;
        return;
    }
    if (key == QLatin1String("MSFSDIR=")) {
        state.MsfsDir = value;
        return;
    }

    const bool isPosition = key == QLatin1String("MTOP=") || key == QLatin1String("MLEFT=") ||
                            key == QLatin1String("LTOP=") || key == QLatin1String("LLEFT=");
    const bool isSize = key == QLatin1String("MHEIGHT=") || key == QLatin1String("MWIDTH=") ||
                        key == QLatin1String("LHEIGHT=") || key == QLatin1String("LWIDTH=");
    if (!isPosition && !isSize)
        return;
    const std::optional<double> number = twipsValue(value);
    if (!number)
        return;
    if (isSize && *number <= 0.0)
        return;
    const double twips = isPosition ? clampPosition(*number) : *number;

    if (key == QLatin1String("MTOP="))
        mainWindow.top = twips;
    else if (key == QLatin1String("MLEFT="))
        mainWindow.left = twips;
    else if (key == QLatin1String("MHEIGHT="))
        mainWindow.height = twips;
    else if (key == QLatin1String("MWIDTH="))
        mainWindow.width = twips;
    else if (key == QLatin1String("LTOP="))
        state.ListTop = wholeTwips(twips);
    else if (key == QLatin1String("LLEFT="))
        state.ListLeft = wholeTwips(twips);
    else if (key == QLatin1String("LHEIGHT="))
        state.ListHeight = wholeTwips(twips);
    else
        state.ListWidth = wholeTwips(twips);
}

// Whole numbers without a fraction ("1200"), others as short as they go.
QString twipsText(double value)
{
    if (value == std::trunc(value))
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

} // namespace

QString settingsFolder(const QString &programFolder)
{
    if (QFileInfo::exists(QDir(programFolder).filePath(QLatin1String(kBuildTreeMarker))))
        return platform::withTrailingSeparator(programFolder);
    return platform::withTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

QString settingsFilePath(const SharedState &state)
{
    const QFileInfo appDir(state.AppDir.isEmpty() ? QStringLiteral(".") : state.AppDir);
    if (appDir.isDir() && appDir.isWritable())
        return FolderLayout(state).settingsFile();

    // A system-wide install cannot keep the user's settings beside the program.
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(configDir);
    return FolderLayout::settingsFileIn(configDir);
}

void applySettingsLines(const QStringList &lines, SharedState &state,
                        MainWindowGeometry &mainWindow)
{
    for (const QString &line : lines)
        applyLine(line, state, mainWindow);
}

bool readSettingsFile(const QString &path, SharedState &state, MainWindowGeometry &mainWindow)
{
    if (!platform::entryExists(path))
        return false;
    // A ws.ini that exists but cannot be read holds nothing usable; it is still no first run.
    bool ok = false;
    const QStringList lines = platform::readUtf8TextLines(path, &ok);
    if (!ok)
        return true;
    applySettingsLines(lines, state, mainWindow);
    return true;
}

QStringList settingsLines(SharedState &state, const std::optional<MainWindowGeometry> &mainWindow)
{
    QStringList lines{QStringLiteral("STAGINGDIR=") + state.StagingDir,
                      QStringLiteral("STOWBAYDIR=") + state.StowbayDir,
                      QStringLiteral("MSFSDIR=") + state.MsfsDir};
    if (!mainWindow)
        return lines;

    const auto addMain = [&lines](const char *key, const std::optional<double> &value) {
        if (value)
            lines.append(QLatin1String(key) + twipsText(*value));
    };
    addMain("MTOP=", mainWindow->top);
    addMain("MLEFT=", mainWindow->left);
    addMain("MHEIGHT=", mainWindow->height);
    addMain("MWIDTH=", mainWindow->width);

    // A list window too small to use opens at a usable size next time.
    const WindowGeometry list = rememberedListWindowPlace(state);
    state.ListHeight = list.height;
    state.ListWidth = list.width;
    lines.append(QStringLiteral("LTOP=") + QString::number(state.ListTop));
    lines.append(QStringLiteral("LLEFT=") + QString::number(state.ListLeft));
    lines.append(QStringLiteral("LHEIGHT=") + QString::number(state.ListHeight));
    lines.append(QStringLiteral("LWIDTH=") + QString::number(state.ListWidth));
    return lines;
}

bool writeSettingsFile(const QString &path, SharedState &state,
                       const std::optional<MainWindowGeometry> &mainWindow, QString *error)
{
    // Writing empty locations would turn the next start into a confusing half-configured run;
    // the file as it stands is kept instead.
    if (state.StagingDir.isEmpty() || state.StowbayDir.isEmpty() || state.MsfsDir.isEmpty())
        return true;
    return platform::writeUtf8TextLines(path, settingsLines(state, mainWindow), error);
}
