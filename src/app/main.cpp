#include "app/Startup.h"
#include "app/ui/StowbayWindow.h"
#include "package/SharedState.h"
#include "package/ui/MultipleCfgDialog.h"
#include "platform/qt/QtMessageBoxes.h"
#include "platform/qt/QtProgramLauncher.h"
#include "tools/ui/FileListWindow.h"
#include "tools/ui/LocationsDialog.h"

#include <QApplication>
#include <QFont>
#include <QTimer>

int main(int argc, char **argv)
{
    // The forms library is static: its built-in pictures must be pulled in by name.
    Q_INIT_RESOURCE(wingstash);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wingstash"));
    // The windows are laid out in twips for a small sans-serif type; a larger default type
    // would not fit their captions.
    QFont smallType(QStringLiteral("Sans Serif"));
    smallType.setPointSizeF(8.0);
    QApplication::setFont(smallType);

    SharedState state;
    state.AppDir = AddBackslash(QCoreApplication::applicationDirPath());

    QtMessageBoxes messages;
    QtProgramLauncher launcher;
    DialogConfigChooser configChooser(messages);
    DialogLocationsEditor locations(messages);
    FileListWindow fileList(state);
    StowbayWindow window(
        StowbayWindow::Services{state, messages, configChooser, launcher, locations, fileList});
    messages.setParent(&window);
    configChooser.setParent(&window);
    locations.setParent(&window);

    if (!window.start())
        return 0;
    // scripts/bench.sh times the start-up: leave as soon as the window is up.
    if (qEnvironmentVariableIsSet("WINGSTASH_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
