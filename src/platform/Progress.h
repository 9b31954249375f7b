#pragma once

namespace platform {

// The main window's progress bar. Implementations repaint as it moves, often enough that the
// window stays painted during long work.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void show(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    virtual void hide() = 0;
    // Long work with no step to show calls this now and then, so the window stays painted.
    virtual void stillWorking() {}
};

// Shows the bar for the length of a scope and hides it however the scope is left.
class ShownProgress {
public:
    ShownProgress(Progress &progress, int minimum, int maximum) : progress_(progress)
    {
        progress_.show(minimum, maximum);
    }
    ~ShownProgress() { progress_.hide(); }
    ShownProgress(const ShownProgress &) = delete;
    ShownProgress &operator=(const ShownProgress &) = delete;

private:
    Progress &progress_;
};

} // namespace platform
