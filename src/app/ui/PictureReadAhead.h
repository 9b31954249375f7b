#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <future>
#include <thread>
#include <vector>

// Reads pictures on a worker thread ahead of their need: at start-up the window icon and the
// welcome picture decode while the main window builds its controls, on a second core where
// there is one. Without paths given it reads nothing ahead.
class PictureReadAhead {
public:
    PictureReadAhead() = default;
    // Starts reading these pictures, in this order.
    explicit PictureReadAhead(const QStringList &paths);
    PictureReadAhead(const PictureReadAhead &) = delete;
    PictureReadAhead &operator=(const PictureReadAhead &) = delete;

    // The picture at path: the one read ahead when it is one of the paths (waiting for it to be
    // read), else read now. A missing or unreadable picture is a null image.
    QImage take(const QString &path);

private:
    struct Pending {
        QString path;
        std::promise<QImage> read;
        std::future<QImage> taken;
    };
    std::vector<Pending> pending_;
    std::jthread worker_; // declared last: joined before the pictures it fills go
};
