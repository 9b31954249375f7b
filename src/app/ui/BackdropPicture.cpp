#include "app/ui/BackdropPicture.h"

#include <QPainter>

BackdropPicture::BackdropPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("imgStowbay"));
}

void BackdropPicture::setPicture(QImage picture)
{
    // One format the painter draws without converting the whole picture on every paint.
    if (!picture.isNull())
        picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                    : QImage::Format_RGB32);
    picture_ = std::move(picture);
    update();
}

void BackdropPicture::paintEvent(QPaintEvent *)
{
    if (picture_.isNull() || width() <= 0 || height() <= 0)
        return;
    const QSize kept = size().scaled(picture_.size(), Qt::KeepAspectRatio);
    const QRect cut(
        QPoint((picture_.width() - kept.width()) / 2, (picture_.height() - kept.height()) / 2),
        kept);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Qt's raster engine hands a tall scaled fill to threads of its own, started on first use:
    // on the window's first paint their start costs more than the fill. Bands this low are
    // filled on this thread; each is clipped from the one whole picture, so the pixels are
    // those of a single fill.
    constexpr int kBandRows = 64;
    for (int top = 0; top < height(); top += kBandRows) {
        painter.setClipRect(QRect(0, top, width(), kBandRows));
        painter.drawImage(rect(), picture_, cut);
    }
}
