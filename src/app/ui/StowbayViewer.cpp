// The component viewer: the Images tab's paging and opening documents.
#include "app/ui/ComponentViewer.h"
#include "app/ui/StowbayWindow.h"
#include "platform/FileSystem.h"

#include <QLabel>
#include <QListWidget>

void StowbayWindow::showPlaceholderPicture()
{
    showImage(platform::resolveCase(services_.state.AppDir + QStringLiteral("StowbayEE.jpg")));
}

void StowbayWindow::showPicture(const QString &path)
{
    showImage(path);
}

void StowbayWindow::showImage(const QString &path)
{
    // A picture that is missing or cannot be decoded leaves the box empty.
    imagePicture_ = QPixmap(path);
    imgImageBox_->setProperty("picturePath", path);
    fitImage();
}

void StowbayWindow::fitImage()
{
    if (imagePicture_.isNull()) {
        imgImageBox_->clear();
        return;
    }
    imgImageBox_->setPixmap(
        imagePicture_.scaled(imgImageBox_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
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
    const QListWidget *list = lstComponents_.at(index);
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
