#pragma once

#include <QString>
#include <QStringList>

// The package list window (frmFileList) as logic sees it: a caption, rows, and a place on the
// screen in twips.
struct WindowGeometry {
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
};

class PackageListView {
public:
    virtual ~PackageListView() = default;
    virtual void setCaption(const QString &caption) = 0;
    virtual void setRows(const QStringList &rows) = 0;
    virtual int rowCount() const = 0;
    virtual bool isShown() const = 0;
    // Places the window (outer geometry) and shows it, not modally; an open window is reused.
    virtual void showAt(const WindowGeometry &geometry) = 0;
};
