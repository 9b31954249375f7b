#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The modeless tool windows beside the main window (the package list, and those to come). The
// main window's close, which every shut-down goes through, closes them here before ws.ini is
// written: a tool window stores its place as it closes.
class ToolWindows {
public:
    // Adding a window already held changes nothing, so a reused window may be added each time.
    void add(QWidget &window)
    {
        if (!windows_.contains(&window))
            windows_.append(&window);
    }

    void closeAll()
    {
        for (const QPointer<QWidget> &window : windows_) {
            if (window && window->isVisible())
                window->close();
        }
    }

private:
    QList<QPointer<QWidget>> windows_; // a window destroyed first simply drops out
};
