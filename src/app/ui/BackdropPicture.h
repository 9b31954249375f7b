#pragma once

#include <QImage>
#include <QWidget>

// imgStowbay: the picture behind the main window's controls. It fills the widget without being
// stretched out of shape; the overhang is cut evenly. The picture is drawn straight from the
// image as loaded, scaled while painting, so no fitted copy is ever made: fresh memory is dear
// when the window first appears and on every resize.
class BackdropPicture : public QWidget {
public:
    explicit BackdropPicture(QWidget *parent);

    // A null picture leaves the background plain.
    void setPicture(QImage picture);
    const QImage &picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage picture_;
};
