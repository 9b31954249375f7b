// What the controller shows in the main window: the mode's controls, pictures and colours, the
// option list and the boxes; and the component area's sizing.
#include "app/ui/BackdropPicture.h"
#include "app/ui/BakedPicture.h"
#include "app/ui/ComponentArea.h"
#include "app/ui/StowbayWindow.h"
#include "package/FolderLayout.h"
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

void StowbayWindow::showControlsFor(MainMode mode)
{
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
                 lblPackageName_, lblOptions_, cmdGo_, cmdRefresh_, cmdExplore_})
            hidden->setVisible(false);
        if (tabComponents_)
            tabComponents_->setVisible(false);
        return;
    }
    for (QWidget *shown : std::initializer_list<QWidget *>{
             lblPackageCategory_, lblPackageName_, lblOptions_, cboPackageCategory_, cboOptions_,
             cmdRefresh_, cmdGo_, cmdExplore_})
        shown->setVisible(true);
    FormResize();
    componentArea().setVisible(true);
}

void StowbayWindow::setBackdrop(const QString &path)
{
    // A missing picture leaves the background plain rather than failing.
    imgStowbay_->setPicture(readPicture(path));
    imgStowbay_->setProperty("picturePath", imgStowbay_->picture().isNull() ? QString() : path);
}

void StowbayWindow::setTabColour(unsigned rgb)
{
    for (int kind = 0; kind < kKindCount; ++kind) {
        QWidget *page = componentArea().widget(kind);
        QPalette palette = page->palette();
        palette.setColor(QPalette::Window, QColor::fromRgb(rgb));
        page->setPalette(palette);
    }
}

void StowbayWindow::showFirstTab()
{
    componentArea().setCurrentIndex(0);
}

void StowbayWindow::setOptions(const QList<OptionEntry> &options)
{
    cboOptions_->clear();
    for (const OptionEntry &option : options)
        cboOptions_->addItem(option.caption, option.action);
    cboOptions_->setCurrentIndex(0);
}

std::optional<int> StowbayWindow::selectedAction() const
{
    const QVariant action = cboOptions_->currentData();
    return action.isValid() ? std::optional<int>(action.toInt()) : std::nullopt;
}

void StowbayWindow::selectAction(int action)
{
    cboOptions_->setCurrentIndex(cboOptions_->findData(action));
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
    if (tabComponents_)
        sizeComponentArea();
}

void StowbayWindow::sizeComponentArea()
{
    const int twipsPerDpi = dpi();
    const auto pixels = [twipsPerDpi](int value) { return twips::toPixels(value, twipsPerDpi); };
    tabComponents_->resize(pixels(areaSizes_.tabWidth), pixels(areaSizes_.tabHeight));
    tabComponents_->imageBox()->resize(pixels(areaSizes_.imageWidth),
                                       pixels(areaSizes_.imageHeight));
    for (int kind = Aircraft; kind < kKindCount; ++kind)
        tabComponents_->list(kind)->resize(pixels(areaSizes_.listWidth),
                                           pixels(areaSizes_.listHeight));
    tabComponents_->fitPicture();
}

// The Images tab and the component lists, their events handed to the viewer.
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
    componentArea().showPicture(path, placeholderPath());
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
