// What the controller shows in the main window: the mode's controls, pictures and colours, the
// option list and the boxes; and the component area's sizing.
#include "app/ui/StowbayWindow.h"
#include "platform/qt/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace {

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

void fill(QComboBox *box, const QStringList &texts)
{
    box->clear();
    box->addItems(texts);
}

} // namespace

void StowbayWindow::setHeader(const QString &text)
{
    lblHeader_->setText(text);
}

void StowbayWindow::showControlsFor(platform::MainMode mode)
{
    using platform::MainMode;
    const bool welcome = mode == MainMode::Welcome;
    const bool staging = mode == MainMode::Staging;
    for (QWidget *choice :
         std::initializer_list<QWidget *>{cmdStaging_, cmdStowbay_, lblChooseOne_})
        choice->setVisible(welcome);
    cmdGoToStowbay_->setVisible(staging);
    txtPackageName_->setVisible(staging);
    cmdGoToStaging_->setVisible(mode == MainMode::Stowbay);
    cboPackageName_->setVisible(mode == MainMode::Stowbay);
    if (welcome) {
        for (QWidget *hidden : std::initializer_list<QWidget *>{
                 prbProgress_, cboPackageCategory_, cboOptions_, lblPackageCategory_,
                 lblPackageName_, lblOptions_, cmdGo_, cmdRefresh_, cmdExplore_, tabComponents_})
            hidden->setVisible(false);
        return;
    }
    for (QWidget *shown : std::initializer_list<QWidget *>{
             lblPackageCategory_, lblPackageName_, lblOptions_, lblPanelAliasUsed1_,
             lblPanelAliasUsed2_, lblSoundAliasUsed1_, lblSoundAliasUsed2_, cboPackageCategory_,
             cboOptions_, cmdRefresh_, cmdGo_, cmdExplore_})
        shown->setVisible(true);
    FormResize();
    tabComponents_->setVisible(true);
}

void StowbayWindow::setBackdrop(const QString &path)
{
    // A missing picture leaves the background plain rather than failing.
    backdrop_ = QImage(path);
    // One pixel format that a cut can share without a colour table.
    backdrop_.convertTo(backdrop_.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                    : QImage::Format_RGB32);
    paintBackdrop();
    imgStowbay_->setProperty("picturePath", backdrop_.isNull() ? QString() : path);
}

void StowbayWindow::setTabColour(unsigned rgb)
{
    for (int kind = 0; kind < kKindCount; ++kind) {
        QWidget *page = tabComponents_->widget(kind);
        QPalette palette = page->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(rgb));
        page->setPalette(palette);
    }
}

void StowbayWindow::showFirstTab()
{
    tabComponents_->setCurrentIndex(0);
}

void StowbayWindow::setOptions(const QStringList &options)
{
    fill(cboOptions_, options);
    cboOptions_->setCurrentIndex(0);
}

int StowbayWindow::optionIndex() const
{
    return cboOptions_->currentIndex();
}

void StowbayWindow::setOptionIndex(int index)
{
    cboOptions_->setCurrentIndex(index);
}

QString StowbayWindow::packageNameText() const
{
    return txtPackageName_->text();
}

void StowbayWindow::setPackageNameText(const QString &text)
{
    txtPackageName_->setText(text);
}

void StowbayWindow::setCategories(const QStringList &texts)
{
    fill(cboPackageCategory_, texts);
    cboPackageCategory_->setCurrentIndex(-1);
}

QStringList StowbayWindow::categories() const
{
    return entries(cboPackageCategory_);
}

int StowbayWindow::categoryIndex() const
{
    return cboPackageCategory_->currentIndex();
}

void StowbayWindow::setCategoryIndex(int index)
{
    cboPackageCategory_->setCurrentIndex(index);
}

void StowbayWindow::setPackages(const QStringList &texts)
{
    // Filling an empty box selects its first entry by itself; the selection is the controller's.
    fill(cboPackageName_, texts);
    cboPackageName_->setCurrentIndex(-1);
}

QStringList StowbayWindow::packages() const
{
    return entries(cboPackageName_);
}

int StowbayWindow::packageIndex() const
{
    return cboPackageName_->currentIndex();
}

void StowbayWindow::setPackageIndex(int index)
{
    cboPackageName_->setCurrentIndex(index);
}

void StowbayWindow::FormResize()
{
    // The rule compares with the window's outer size, frame and menu included.
    const QRect outer = frameGeometry();
    const int twipsPerDpi = dpi();
    areaSizes_ =
        layout::sizeComponentArea(areaSizes_, twips::fromPixels(outer.height(), twipsPerDpi),
                                  twips::fromPixels(outer.width(), twipsPerDpi));

    imgStowbay_->setGeometry(0, 0, width(), height());
    paintBackdrop();
    const auto pixels = [twipsPerDpi](int value) { return twips::toPixels(value, twipsPerDpi); };
    tabComponents_->resize(pixels(areaSizes_.tabWidth), pixels(areaSizes_.tabHeight));
    imgImageBox_->resize(pixels(areaSizes_.imageWidth), pixels(areaSizes_.imageHeight));
    for (int kind = Aircraft; kind < kKindCount; ++kind)
        lstComponents_.at(kind)->resize(pixels(areaSizes_.listWidth),
                                        pixels(areaSizes_.listHeight));
    fitImage();
}

void StowbayWindow::paintBackdrop()
{
    if (backdrop_.isNull()) {
        imgStowbay_->clear();
        fittedBackdropKey_ = 0;
        return;
    }
    // Smooth scaling is the dear part of every layout pass; a picture already fitted to this
    // size is left as it is.
    const QSize area = imgStowbay_->size();
    if (fittedBackdropKey_ == backdrop_.cacheKey() && fittedBackdropArea_ == area)
        return;
    fittedBackdropKey_ = backdrop_.cacheKey();
    fittedBackdropArea_ = area;
    // Fill the window without stretching the picture out of shape; the overhang is cut evenly.
    // The cut is taken from the picture as loaded, without copying it, and only that part is
    // scaled: fresh memory is dear when the window first appears.
    const QSize kept = area.scaled(backdrop_.size(), Qt::KeepAspectRatio);
    const int left = (backdrop_.width() - kept.width()) / 2;
    const int top = (backdrop_.height() - kept.height()) / 2;
    const QImage cut(backdrop_.constScanLine(top) + left * 4, kept.width(), kept.height(),
                     backdrop_.bytesPerLine(), backdrop_.format());
    imgStowbay_->setPixmap(
        QPixmap::fromImage(cut.scaled(area, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}
