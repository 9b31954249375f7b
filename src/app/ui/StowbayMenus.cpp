// The menus of the main window and its orderly end.
#include "app/ui/StowbayWindow.h"
#include "package/FolderLayout.h"
#include "tools/ui/AboutBox.h"
#include "tools/ui/UnusedGaugesWindow.h"

#include <QCloseEvent>
#include <QFileDialog>

void StowbayWindow::mnuLocations_Click()
{
    if (run_.locationsEndTheRun())
        close();
}

void StowbayWindow::mnuExit_Click()
{
    close();
}

void StowbayWindow::mnuReadMe_Click()
{
    services_.launcher.openTextFile(FolderLayout(services_.state).readmeFile());
}

void StowbayWindow::endAfterShutDown()
{
    close();
}

void StowbayWindow::closeEvent(QCloseEvent *event)
{
    if (busy_) {
        closeWaiting_ = true;
        event->ignore();
        return;
    }
    // A tool window stores its place as it closes, so the tool windows close first.
    tools_.closeAll();
    run_.saveSettings(place_.toSave());
    event->accept();
    if (programEnd_)
        programEnd_();
}

void StowbayWindow::mnuUnusedGauges_Click()
{
    UnusedGaugesWindow &window = UnusedGaugesWindow::instance(context_, this);
    tools_.add(window);
    window.listUnusedGauges();
}

void StowbayWindow::mnuAbout_Click()
{
    tools_.add(AboutBox::showOnce(services_.messages, services_.launcher, this));
}

std::optional<QString> StowbayWindow::chooseArchiveFile()
{
    const QString file = QFileDialog::getOpenFileName(
        this, QStringLiteral("Unpack Add-on into Staging"), QString(),
        // Names from old DOS archives are often in capitals; the second filter shows every file.
        QStringLiteral(
            "Add-on archives (*.zip *.7z *.rar *.tar *.tar.gz *.tgz *.tar.bz2 *.tar.xz *.cab);;"
            "All files (*)"));
    return file.isEmpty() ? std::nullopt : std::optional<QString>(file);
}
