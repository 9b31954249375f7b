#pragma once

#include <QString>
#include <QStringList>

// What a scan leaves for the main window: the component lists, the tabs' availability, the
// picture, the alias captions and the window caption. Kinds are numbered 0 (Images) to 8.
class PackageView {
public:
    virtual ~PackageView() = default;
    virtual void showPlaceholderPicture() = 0;
    virtual void showPicture(const QString &path) = 0;
    virtual void setPagingEnabled(bool enabled) = 0;
    virtual void setRows(int kind, const QStringList &rows) = 0; // kinds 1 to 8
    virtual void setTabAvailable(int kind, bool available) = 0;  // kinds 0 to 8
    virtual void setPanelAliasCaptions(const QString &first, const QString &second) = 0;
    virtual void setSoundAliasCaptions(const QString &first, const QString &second) = 0;
    virtual void setCaption(const QString &caption) = 0;
};
