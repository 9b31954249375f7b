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
    stillWorking();
}

void WindowProgress::hide()
{
    if (!bar_)
        return;
    bar_->setVisible(false);
    repaintNow();
}

void WindowProgress::stillWorking()
{
    // Painting each of thousands of steps would cost more than the work itself.
    pump_.runIfDue();
}

void WindowProgress::repaintNow()
{
    if (bar_ && bar_->isVisible())
        bar_->repaint();
    pump_.run();
}
