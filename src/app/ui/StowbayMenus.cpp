// The menus of the main window and its orderly end.
#include "app/Startup.h"
#include "app/ui/StowbayWindow.h"
#include "platform/FileSystem.h"
#include "platform/qt/Twips.h"
#include "tools/PackageList.h"
#include "tools/ui/FileListWindow.h"

#include <QCloseEvent>

void StowbayWindow::mnuLocations_Click()
{
    switch (changeLocations(context_, services_.locations)) {
    case LocationsOutcome::Keep:
        break;
    case LocationsOutcome::Restart:
        close();
        break;
    case LocationsOutcome::EndNow:
        endWithoutSettings_ = true;
        close();
        break;
    }
}

void StowbayWindow::mnuExit_Click()
{
    close();
}

void StowbayWindow::mnuAllPackages_Click()
{
    ShowPackageList(context_, categories());
}

void StowbayWindow::mnuReadMe_Click()
{
    services_.launcher.openTextFile(
        platform::resolveCase(services_.state.AppDir + QStringLiteral("readme.txt")));
}

void StowbayWindow::endAfterShutDown()
{
    services_.fileList.close();
    close();
}

std::optional<MainWindowGeometry> StowbayWindow::geometryToSave() const
{
    if (isMinimized())
        return std::nullopt;
    const int d = dpi();
    const auto inTwips = [d](int pixels) { return double(twips::fromPixels(pixels, d)); };
    MainWindowGeometry geometry;
    if (isMaximized()) {
        // A maximised window is saved at the maximised position with its normal size, so it
        // comes back maximised and restores to that size.
        const QSize frame = frameGeometry().size() - size();
        geometry.top = layout::kMaximisedPosition;
        geometry.left = layout::kMaximisedPosition;
        geometry.height = inTwips(normalGeometry().height() + frame.height());
        geometry.width = inTwips(normalGeometry().width() + frame.width());
        return geometry;
    }
    const QRect outer = frameGeometry();
    geometry.top = inTwips(outer.top());
    geometry.left = inTwips(outer.left());
    geometry.height = inTwips(outer.height());
    geometry.width = inTwips(outer.width());
    return geometry;
}

void StowbayWindow::applyGeometry(const MainWindowGeometry &geometry)
{
    const int d = dpi();
    // ws.ini holds the outer size; the frame is known only once the window is shown, so the
    // geometry is applied again then.
    const QSize frame = frameGeometry().size() - size();
    QSize outer = frameGeometry().size();
    if (geometry.width)
        outer.setWidth(twips::toPixels(*geometry.width, d));
    if (geometry.height)
        outer.setHeight(twips::toPixels(*geometry.height, d));
    resize(outer - frame);

    const bool maximised = geometry.top && geometry.left &&
                           *geometry.top == layout::kMaximisedPosition &&
                           *geometry.left == layout::kMaximisedPosition;
    if (maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else if (geometry.top || geometry.left) {
        const QPoint at = frameGeometry().topLeft();
        move(geometry.left ? twips::toPixels(*geometry.left, d) : at.x(),
             geometry.top ? twips::toPixels(*geometry.top, d) : at.y());
    }
    if (!isVisible())
        pendingGeometry_ = geometry;
}

void StowbayWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!pendingGeometry_)
        return;
    const MainWindowGeometry geometry = *pendingGeometry_;
    pendingGeometry_.reset();
    if (frameGeometry().size() != size())
        applyGeometry(geometry);
}

void StowbayWindow::saveSettings()
{
    SharedState &state = services_.state;
    const QString path = settingsFilePath(state);
    QString error;
    if (!writeSettingsFile(path, state, geometryToSave(), &error))
        services_.messages.inform(QStringLiteral("Wingstash could not write its settings file ") +
                                  path + QStringLiteral(".  ") + error);
}

void StowbayWindow::closeEvent(QCloseEvent *event)
{
    // The package list window stores its place when it closes, so it closes first.
    if (services_.fileList.isVisible())
        services_.fileList.close();
    if (!endWithoutSettings_)
        saveSettings();
    event->accept();
    if (programEnd_)
        programEnd_();
}
