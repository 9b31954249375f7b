#pragma once

#include "platform/Progress.h"

#include <QList>
#include <QString>

// The unused-gauges window (frmUnusedGauges) as logic sees it: a sorted list whose rows each
// stand for one gauge file, its selection, and its own progress bar.
class UnusedGaugesView {
public:
    virtual ~UnusedGaugesView() = default;

    // Shows the window, not modally (an open one is reused), with an empty list.
    virtual void open() = 0;
    // Adds a row showing text for the file at path; the list keeps its rows sorted.
    virtual void addRow(const QString &text, const QString &path) = 0;
    virtual int rowCount() const = 0;
    virtual QString rowPath(int row) const = 0;
    virtual bool isSelected(int row) const = 0;
    virtual void removeRow(int row) = 0;
    // The window's progress bar; it repaints on every change.
    virtual platform::Progress &progress() = 0;
};
