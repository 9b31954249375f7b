// The two modes of the main window, the Go dispatch and the component area's sizing.
#include "app/PackageNameCleaning.h"
#include "app/ui/StowbayWindow.h"
#include "intake/StagingActions.h"
#include "intake/Store.h"
#include "package/Files.h"
#include "package/Scan.h"
#include "platform/FileSystem.h"
#include "platform/qt/Twips.h"
#include "tools/PackageList.h"
#include "tools/ui/FileListWindow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

namespace {

const QString kStagingHeader = QStringLiteral("Staging");
const QString kStowbayHeader = QStringLiteral("Stowbay");

// The actions each mode offers; the staging and store actions dispatch on these positions.
const QStringList &stagingOptions()
{
    static const QStringList options{QStringLiteral("Copy package to Stowbay"),
                                     QStringLiteral("Remove ALL from Staging"),
                                     QStringLiteral("Remove current IMAGE"),
                                     QStringLiteral("Remove PANEL from Staging"),
                                     QStringLiteral("Remove AIRCRAFT from Staging"),
                                     QStringLiteral("Remove SOUND from Staging")};
    return options;
}

const QStringList &stowbayOptions()
{
    static const QStringList options{QStringLiteral("Copy package to MSFS"),
                                     QStringLiteral("Remove package from MSFS"),
                                     QStringLiteral("Remove package from STOWBAY"),
                                     QStringLiteral("Remove current IMAGE"),
                                     QStringLiteral("Copy package to STAGING"),
                                     QStringLiteral("Copy current image to STAGING"),
                                     QStringLiteral("Create PANEL alias"),
                                     QStringLiteral("Create SOUND alias"),
                                     QStringLiteral("Paste PANEL alias"),
                                     QStringLiteral("Paste SOUND alias"),
                                     QStringLiteral("Restore old PANEL"),
                                     QStringLiteral("Restore old SOUND")};
    return options;
}

} // namespace

void StowbayWindow::ShowStaging()
{
    SharedState &state = services_.state;
    state.InStowbayMode = false;
    ScanPackage(context_, state.StagingDir);
    fillOptions(stagingOptions());

    lblHeader_->setText(kStagingHeader);
    cmdGoToStaging_->setVisible(false);
    cmdGoToStowbay_->setVisible(true);
    cboPackageName_->setVisible(false);
    txtPackageName_->setVisible(true);
    setTabBackColour(QColor(0x40, 0x40, 0x40));
    showBackground(QStringLiteral("StowbayGrey.jpg"));

    // Offer the aircraft's title as the name, but never over a name the user typed.
    if (!state.AircraftTitle.isEmpty() && txtPackageName_->text().isEmpty() &&
        PackageHasFile(state, QStringLiteral("aircraft.cfg")))
        txtPackageName_->setText(state.AircraftTitle);

    ShowWorkControls();
}

void StowbayWindow::ShowStowbay(bool rescan)
{
    SharedState &state = services_.state;
    state.InStowbayMode = true;
    cboPackageCategory_Click();

    if (rescan) {
        const QString name = GetPackageName(cboPackageName_->currentText());
        if (name.isEmpty()) {
            // No package chosen: show an empty view rather than the category folder's
            // contents as if it were a package.
            ClearPackageView(context_);
            UpdateCaption(context_);
        } else {
            ScanPackage(context_, state.StowbayDir + cboPackageCategory_->currentText() +
                                      platform::separator() + name + platform::separator());
        }
    }
    fillOptions(stowbayOptions());

    lblHeader_->setText(kStowbayHeader);
    cmdGoToStowbay_->setVisible(false);
    cmdGoToStaging_->setVisible(true);
    txtPackageName_->setVisible(false);
    cboPackageName_->setVisible(true);
    setTabBackColour(QColor(0, 0, 0xFF));
    showBackground(QStringLiteral("stowbayblue.jpg"));

    ShowWorkControls();
}

void StowbayWindow::ShowWorkControls()
{
    cmdStaging_->setVisible(false);
    cmdStowbay_->setVisible(false);
    lblChooseOne_->setVisible(false);
    for (QWidget *shown : std::initializer_list<QWidget *>{
             lblPackageCategory_, lblPackageName_, lblOptions_, lblPanelAliasUsed1_,
             lblPanelAliasUsed2_, lblSoundAliasUsed1_, lblSoundAliasUsed2_, cboPackageCategory_,
             cboOptions_, cmdRefresh_, cmdGo_, cmdExplore_})
        shown->setVisible(true);
    FormResize();
    tabComponents_->setVisible(true);
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

void StowbayWindow::fillOptions(const QStringList &options)
{
    cboOptions_->clear();
    cboOptions_->addItems(options);
    cboOptions_->setCurrentIndex(0);
}

void StowbayWindow::setTabBackColour(const QColor &colour)
{
    for (int kind = 0; kind < kKindCount; ++kind) {
        QWidget *page = tabComponents_->widget(kind);
        QPalette palette = page->palette();
        palette.setColor(QPalette::Window, colour);
        page->setPalette(palette);
    }
}

void StowbayWindow::showBackground(const QString &fileName)
{
    const QString path = fileName.startsWith(QLatin1Char(':'))
                             ? fileName
                             : platform::resolveCase(services_.state.AppDir + fileName);
    // A missing picture leaves the background plain rather than failing.
    backdrop_ = QPixmap(path);
    paintBackdrop();
    imgStowbay_->setProperty("picturePath", backdrop_.isNull() ? QString() : path);
}

void StowbayWindow::paintBackdrop()
{
    if (backdrop_.isNull()) {
        imgStowbay_->clear();
        return;
    }
    // Fill the window without stretching the picture out of shape; the overhang is cut evenly.
    const QSize area = imgStowbay_->size();
    const QPixmap scaled =
        backdrop_.scaled(area, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    imgStowbay_->setPixmap(scaled.copy((scaled.width() - area.width()) / 2,
                                       (scaled.height() - area.height()) / 2, area.width(),
                                       area.height()));
}

void StowbayWindow::cmdStaging_Click()
{
    ShowStaging();
}

void StowbayWindow::cmdStowbay_Click()
{
    ShowStowbay(true);
}

void StowbayWindow::cmdGoToStaging_Click()
{
    ShowStaging();
    tabComponents_->setCurrentIndex(0);
}

void StowbayWindow::cmdGoToStowbay_Click()
{
    tabComponents_->setCurrentIndex(0);
    ShowStowbay(true);
}

void StowbayWindow::cmdRefresh_Click()
{
    if (lblHeader_->text() == kStowbayHeader)
        ShowStowbay(false);
    else
        ShowStaging();
}

void StowbayWindow::cmdGo_Click()
{
    if (lblHeader_->text() == kStowbayHeader) {
        DoStowbayAction();
        return;
    }
    const QString typed = txtPackageName_->text();
    if (!typed.isEmpty())
        txtPackageName_->setText(cleanPackageName(typed));
    DoStagingAction(context_, *this);
}

void StowbayWindow::DoStowbayAction()
{
    // The store actions come with a later version; say so rather than pretend.
    if (cboPackageName_->currentText().isEmpty())
        services_.messages.inform(QStringLiteral("Please select a package first."));
    else
        services_.messages.inform(
            QStringLiteral("This option is not available in this version of Wingstash."));
}

void StowbayWindow::updateCaption()
{
    UpdateCaption(context_);
}

void StowbayWindow::refreshPackageListIfShown()
{
    if (services_.fileList.isVisible())
        ShowPackageList(context_, categories());
}
