#pragma once

#include "platform/Progress.h"
#include "platform/qt/EventPump.h"

class QProgressBar;

// A window's progress bar (prbProgress) as the logic drives it. Showing and hiding are painted
// at once, changes every few tens of milliseconds, with user input held back, so the window
// stays painted while the work holds the thread. Without a bar it shows nothing.
class BarProgress : public platform::Progress {
public:
    explicit BarProgress(QProgressBar *bar = nullptr) : bar_(bar) {}
    void setBar(QProgressBar *bar) { bar_ = bar; }
    void show(int minimum, int maximum) override;
    void setValue(int value) override;
    void hide() override;
    void stillWorking() override;

private:
    void repaintNow();
    QProgressBar *bar_;
    EventPump pump_;
};
