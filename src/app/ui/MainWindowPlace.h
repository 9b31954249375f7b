#pragma once

#include "app/Settings.h"
#include "platform/qt/OuterSize.h"

#include <QWidget>

#include <optional>

// Where the main window stands, as ws.ini keeps it: the outer geometry in twips (frame
// included), a maximised window at the maximised position with its normal size.
class MainWindowPlace {
public:
    explicit MainWindowPlace(QWidget &window) : window_(window) {}

    // Applies ws.ini's geometry over the window's present one.
    void apply(const MainWindowGeometry &geometry);
    // After a showing or a move: the frame that has appeared is kept out of the place given.
    void fit() { placement_.fit(window_); }
    void shown()
    {
        everShown_ = true;
        fit();
    }
    // The geometry ws.ini keeps: a window never shown gives back what ws.ini gave it, a
    // minimised one keeps none, and what still stands as ws.ini placed it goes back as read.
    std::optional<MainWindowGeometry> toSave() const;

private:
    int dpi() const;

    QWidget &window_;
    std::optional<MainWindowGeometry> read_;
    platform::OuterPlacement placement_;
    bool everShown_ = false;
};
