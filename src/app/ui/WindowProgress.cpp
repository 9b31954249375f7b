#include "app/ui/WindowProgress.h"

#include <QCoreApplication>
#include <QProgressBar>

void WindowProgress::show(int minimum, int maximum)
{
    if (!bar_)
        return;
    bar_->setRange(minimum, maximum);
    bar_->setValue(minimum);
    bar_->setVisible(true);
    repaintNow();
}

void WindowProgress::setValue(int value)
{
    if (!bar_)
        return;
    bar_->setValue(value);
    repaintNow();
}

void WindowProgress::hide()
{
    if (!bar_)
        return;
    bar_->setVisible(false);
    repaintNow();
}

void WindowProgress::repaintNow()
{
    if (bar_->isVisible())
        bar_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
