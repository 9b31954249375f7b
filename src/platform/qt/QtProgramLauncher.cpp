#include "platform/qt/QtProgramLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>

namespace {

void openWith([[maybe_unused]] const QString &windowsProgram, const QString &path)
{
#ifdef Q_OS_WIN
    QProcess::startDetached(windowsProgram, {QDir::toNativeSeparators(path)});
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
}

} // namespace

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
    const QStringList candidates = {QStringLiteral("msinfo32.exe")};
#else
    // No registry to ask: try the system information tools that desktops commonly ship.
    const QStringList candidates = {
        QStringLiteral("hardinfo"),          QStringLiteral("gnome-system-monitor"),
        QStringLiteral("ksysguard"),         QStringLiteral("plasma-systemmonitor"),
        QStringLiteral("xfce4-taskmanager"),
    };
#endif
    for (const QString &name : candidates) {
        const QString program = QStandardPaths::findExecutable(name);
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return true;
    }
    return false;
}
