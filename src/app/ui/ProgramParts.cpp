#include "app/ui/ProgramParts.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace {

// Window icons are small; the desktop's menus take the larger sizes from the icon theme.
const QStringList kWindowIcons{QStringLiteral(":/icon-64.png"), QStringLiteral(":/icon-32.png")};

} // namespace

ProgramParts::ProgramParts(SharedState &state, platform::MessageBoxes &messages,
                           FontConfigReadAhead &fontConfig)
    // In the order they are needed: the welcome picture as the window is built, the icons after.
    : pictures(QStringList{welcomePicture()} + kWindowIcons), fontConfigRead(fontConfig),
      launcher(messages), configChooser(messages), locations(messages), fileList(state),
      window(StowbayWindow::Services{state, messages, configChooser, launcher, locations, fileList,
                                     pictures})
{
    configChooser.setParent(&window);
    locations.setParent(&window);
    QIcon icon;
    for (const QString &size : kWindowIcons)
        icon.addPixmap(QPixmap::fromImage(pictures.take(size)));
    QApplication::setWindowIcon(icon);
}

void useProgramType()
{
    QFont smallType(QStringLiteral("Sans Serif"));
    smallType.setPointSizeF(8.0);
    QApplication::setFont(smallType);
}
