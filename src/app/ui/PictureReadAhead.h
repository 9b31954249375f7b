#pragma once

#include <QImage>
#include <QString>

#include <future>

// Reads a picture on a worker thread ahead of its need: the welcome picture decodes while the
// main window builds its controls, on a second core where there is one.
class PictureReadAhead {
public:
    void start(const QString &path);
    // The picture at path: the one read ahead when it is that path (waiting for it to be
    // read), else read now. A missing or unreadable picture is a null image.
    QImage take(const QString &path);

private:
    QString path_;
    std::future<QImage> pending_;
};
