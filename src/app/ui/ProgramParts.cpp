#include "app/ui/ProgramParts.h"

#include "app/ui/BakedPicture.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QPixmap>

namespace {

// Window icons are small; the desktop's menus take the larger sizes from the icon theme.
const QStringList kWindowIcons{QStringLiteral(":/icon-64"), QStringLiteral(":/icon-32")};

} // namespace

ProgramParts::ProgramParts(SharedState &state, platform::MessageBoxes &messages,
                           FontConfigReadAhead &fontConfig)
    : fontConfigRead(fontConfig), launcher(messages), configChooser(messages), locations(messages),
      fileList(state),
      window(StowbayWindow::Services{state, messages, configChooser, launcher, locations, fileList})
{
    configChooser.setParent(&window);
    locations.setParent(&window);
    QIcon icon;
    for (const QString &size : kWindowIcons)
        icon.addPixmap(QPixmap::fromImage(readPicture(size)));
    QApplication::setWindowIcon(icon);
}

void useProgramType()
{
    QFont smallType(QStringLiteral("Sans Serif"));
    smallType.setPointSizeF(8.0);
    QApplication::setFont(smallType);
}
