// The component viewer: the Images tab's paging and opening documents.
#include "app/ui/ComponentArea.h"
#include "app/ui/ComponentViewer.h"
#include "app/ui/StowbayWindow.h"
#include "package/FolderLayout.h"

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
    return FolderLayout(services_.state).picture(ProgramPicture::Placeholder);
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
    SharedState &state = services_.state;
    const FileList &pictures = state.ComponentFiles.at(Images);
    const int next = viewer::nextImageIndex(state.CurrentImage, int(pictures.size()));
    if (next == 0)
        return;
    state.CurrentImage = next;
    showImage(pictures.at(next - 1).realPath);
}

void StowbayWindow::cmdImgPrevious_Click()
{
    SharedState &state = services_.state;
    const FileList &pictures = state.ComponentFiles.at(Images);
    const int previous = viewer::previousImageIndex(state.CurrentImage, int(pictures.size()));
    if (previous == 0)
        return;
    state.CurrentImage = previous;
    showImage(pictures.at(previous - 1).realPath);
}

void StowbayWindow::OpenComponentFile(int index)
{
    const QListWidget *list = componentArea().list(index);
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = list->row(selected.first());
    const FileList &files = services_.state.ComponentFiles.at(index);
    if (row < 0 || row >= files.size())
        return;
    if (viewer::opensInTextEditor(selected.first()->text()))
        services_.launcher.openTextFile(files.at(row).realPath);
}
