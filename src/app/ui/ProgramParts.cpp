#include "app/ui/ProgramParts.h"

#include <QApplication>
#include <QFont>

ProgramParts::ProgramParts(SharedState &state, platform::MessageBoxes &messages)
    : configChooser(messages), locations(messages), fileList(state),
      window(StowbayWindow::Services{state, messages, configChooser, launcher, locations, fileList})
{
    configChooser.setParent(&window);
    locations.setParent(&window);
}

void useProgramType()
{
    QFont smallType(QStringLiteral("Sans Serif"));
    smallType.setPointSizeF(8.0);
    QApplication::setFont(smallType);
}
