#include "platform/qt/BarProgress.h"

#include <QProgressBar>

void BarProgress::show(int minimum, int maximum)
{
    if (!bar_)
        return;
    bar_->setRange(minimum, maximum);
    bar_->setValue(minimum);
    bar_->setVisible(true);
    repaintNow();
}

void BarProgress::setValue(int value)
{
    if (!bar_)
        return;
    bar_->setValue(value);
    stillWorking();
}

void BarProgress::hide()
{
    if (!bar_)
        return;
    bar_->setVisible(false);
    repaintNow();
}

void BarProgress::stillWorking()
{
    // Painting each of thousands of steps would cost more than the work itself.
    pump_.runIfDue();
}

void BarProgress::repaintNow()
{
    if (bar_ && bar_->isVisible())
        bar_->repaint();
    pump_.run();
}
