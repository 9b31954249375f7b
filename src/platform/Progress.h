#pragma once

namespace platform {

// The main window's progress bar. Implementations repaint on every change so the window stays
// painted during long work.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void show(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void hide() = 0;
};

} // namespace platform
