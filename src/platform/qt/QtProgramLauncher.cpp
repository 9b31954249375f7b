#include "platform/qt/QtProgramLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

void QtProgramLauncher::openWith([[maybe_unused]] const QString &windowsProgram,
                                 const QString &path)
{
#ifdef Q_OS_WIN
    const bool opened = QProcess::startDetached(windowsProgram, {QDir::toNativeSeparators(path)});
#else
    // False when the desktop has no opener (no xdg-open) or could not start it.
    const bool opened = QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
    if (!opened)
        messages_.inform(QStringLiteral("Wingstash could not open ") +
                         QDir::toNativeSeparators(path) +
                         QStringLiteral(": the desktop has no program set to open it."));
}

void QtProgramLauncher::openTextFile(const QString &path)
{
    openWith(QStringLiteral("notepad.exe"), path);
}

void QtProgramLauncher::openFolder(const QString &path)
{
    openWith(QStringLiteral("explorer.exe"), path);
}

bool QtProgramLauncher::startSystemInformation()
{
#ifdef Q_OS_WIN
    // Where Windows records the system information program, in the order it is looked up.
    const QSettings microsoft(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft"),
                              QSettings::NativeFormat);
    const QString direct = microsoft.value(QStringLiteral("Shared Tools/MSINFO/PATH")).toString();
    if (!direct.isEmpty() && QProcess::startDetached(direct, {}))
        return true;
    const QString folder =
        microsoft.value(QStringLiteral("Shared Tools Location/MSINFO")).toString();
    const QString inFolder = QDir(folder).filePath(QStringLiteral("MSINFO32.EXE"));
    return !folder.isEmpty() && QFileInfo::exists(inFolder) &&
           QProcess::startDetached(inFolder, {});
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("/usr/bin/open"),
                                   {QStringLiteral("-a"), QStringLiteral("System Information")});
#else
    // No registry to ask: try the system information tools that desktops commonly ship.
    const QStringList candidates = {
        QStringLiteral("hardinfo2"),         QStringLiteral("kinfocenter"),
        QStringLiteral("hardinfo"),          QStringLiteral("gnome-system-monitor"),
        QStringLiteral("ksysguard"),         QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("xfce4-taskmanager"),
    };
    for (const QString &name : candidates) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return true;
    }
    return false;
#endif
}
