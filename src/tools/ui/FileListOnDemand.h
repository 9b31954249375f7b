#pragma once

#include "package/PackageListView.h"
#include "tools/ui/FileListWindow.h"

#include <functional>
#include <memory>

// The package list window, made the first time the logic uses it: a window the user may never
// open costs start-up nothing. Whoever must hear its row clicks, or close it with the main
// window, is handed it as it is made.
class FileListOnDemand : public PackageListView {
public:
    using MadeHandler = std::function<void(FileListWindow &)>;
    explicit FileListOnDemand(SharedState &state) : state_(state) {}

    void whenMade(MadeHandler handler) { whenMade_ = std::move(handler); }
    FileListWindow *window() const { return window_.get(); } // null until first used

    void setCaption(const QString &caption) override { made().setCaption(caption); }
    void setRows(const QStringList &rows) override { made().setRows(rows); }
    int rowCount() const override { return window_ ? window_->rowCount() : 0; }
    bool isShown() const override { return window_ && window_->isShown(); }
    void showAt(const WindowGeometry &geometry) override { made().showAt(geometry); }

private:
    FileListWindow &made()
    {
        if (!window_) {
            window_ = std::make_unique<FileListWindow>(state_);
            if (whenMade_)
                whenMade_(*window_);
        }
        return *window_;
    }

    SharedState &state_;
    MadeHandler whenMade_;
    std::unique_ptr<FileListWindow> window_;
};
