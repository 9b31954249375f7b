#pragma once

#include "platform/Progress.h"

class QProgressBar;

// The main window's progress bar (prbProgress) as the logic drives it. Every change is painted
// at once, with user input held back, so the window stays painted while an action runs on.
class WindowProgress : public platform::Progress {
public:
    void setBar(QProgressBar *bar) { bar_ = bar; }
    void show(int minimum, int maximum) override;
    void setValue(int value) override;
    void hide() override;

private:
    void repaintNow();
    QProgressBar *bar_ = nullptr;
};
