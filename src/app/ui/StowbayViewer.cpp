// The Images tab's picture, and the component lists' events handed to the viewer.
#include "app/ui/ComponentArea.h"
#include "app/ui/StowbayWindow.h"
#include "platform/FileSystem.h"

#include <QImageReader>
#include <QLabel>
#include <QListWidget>

namespace {

// Pictures above this many pixels are decoded straight to kLargestShown where the format allows
// (JPEG does), so a photograph of 8000 x 8000 shows at once; other formats are refused above
// kLargestDecodedPixels, as a forged header could otherwise ask for gigabytes.
constexpr qint64 kScaledFromPixels = 4LL * 1024 * 1024;
constexpr qint64 kLargestDecodedPixels = 64LL * 1024 * 1024;
constexpr QSize kLargestShown(2048, 2048);

// A null image when the file is not a picture Qt can decode.
QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (!full.isValid() || full.isEmpty())
        return {};
    const qint64 pixels = qint64(full.width()) * full.height();
    if (pixels > kScaledFromPixels) {
        if (reader.supportsOption(QImageIOHandler::ScaledSize))
            reader.setScaledSize(full.scaled(kLargestShown, Qt::KeepAspectRatio));
        else if (pixels > kLargestDecodedPixels)
            return {};
    }
    return reader.read();
}

} // namespace

QString StowbayWindow::placeholderPath() const
{
    return platform::resolveCase(services_.state.ResourceDir + QStringLiteral("StowbayEE.jpg"));
}

void StowbayWindow::showPlaceholderPicture()
{
    showImage(placeholderPath());
}

void StowbayWindow::showPicture(const QString &path)
{
    showImage(path);
}

void StowbayWindow::showImage(const QString &path)
{
    // A picture that is missing or cannot be decoded shows the placeholder instead; a missing
    // placeholder leaves the box empty.
    QImage picture = readPicture(path);
    QString shown = path;
    if (picture.isNull() && path != placeholderPath()) {
        shown = placeholderPath();
        picture = readPicture(shown);
    }
    imagePicture_ = QPixmap::fromImage(picture);
    componentArea().imageBox()->setProperty("picturePath", shown);
    fitImage();
}

void StowbayWindow::fitImage()
{
    QLabel *box = componentArea().imageBox();
    if (imagePicture_.isNull()) {
        box->clear();
        return;
    }
    box->setPixmap(
        imagePicture_.scaled(box->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void StowbayWindow::cmdImgNext_Click()
{
    if (const std::optional<QString> picture = viewer_.nextPicture())
        showImage(*picture);
}

void StowbayWindow::cmdImgPrevious_Click()
{
    if (const std::optional<QString> picture = viewer_.previousPicture())
        showImage(*picture);
}

void StowbayWindow::OpenComponentFile(int index)
{
    const QListWidget *list = componentArea().list(index);
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (!selected.isEmpty())
        viewer_.openRow(index, list->row(selected.first()), selected.first()->text());
}
