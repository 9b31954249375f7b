// The category and package boxes of the main window, and the package list window's selection.
#include "app/ui/StowbayWindow.h"
#include "intake/Store.h"
#include "package/Scan.h"
#include "platform/FileSystem.h"
#include "tools/PackageList.h"

#include <QComboBox>
#include <QLabel>

void StowbayWindow::FillCategoryBox()
{
    cboPackageCategory_->clear();
    cboPackageCategory_->addItems(listCategories(services_.state.StowbayDir));
    selectCategory(cboPackageCategory_->count() > 0 ? 0 : -1);
}

void StowbayWindow::selectCategory(int index)
{
    cboPackageCategory_->setCurrentIndex(index);
    if (index >= 0)
        cboPackageCategory_Click();
}

void StowbayWindow::selectPackage(int index)
{
    cboPackageName_->setCurrentIndex(index);
    if (index >= 0)
        cboPackageName_Click();
}

void StowbayWindow::cboPackageCategory_Click()
{
    SharedState &state = services_.state;
    const int remembered = cboPackageName_->currentIndex();
    cboPackageName_->clear();
    const QString category = cboPackageCategory_->currentText();
    // Without a category the store root itself would be listed as packages.
    if (!category.isEmpty())
        cboPackageName_->addItems(packageBoxEntries(state, category));
    // Filling an empty box selects its first entry by itself; the selection is ours to make.
    cboPackageName_->setCurrentIndex(-1);

    const int count = cboPackageName_->count();
    if (count == 0 && lblHeader_->text() != QLatin1String("Staging"))
        ClearPackageView(context_);
    if (count == 0 || state.FileListSelecting)
        return;
    selectPackage(remembered >= 0 && remembered < count ? remembered : 0);
}

void StowbayWindow::cboPackageName_Click()
{
    if (lblHeader_->text() == QLatin1String("Stowbay") && !services_.state.FileListSelecting)
        scanSelectedPackage();
}

void StowbayWindow::scanSelectedPackage()
{
    const SharedState &state = services_.state;
    ScanPackage(context_,
                state.StowbayDir + cboPackageCategory_->currentText() + platform::separator() +
                    GetPackageName(cboPackageName_->currentText()) + platform::separator());
}

void StowbayWindow::fileListRowClicked(const QString &rowText)
{
    SharedState &state = services_.state;
    const std::optional<PackageSelection> selection = selectionForRow(state, categories(), rowText);
    if (!selection)
        return;

    // The category change fills the package box without choosing or scanning; the package
    // itself is chosen next, which scans it once in Stowbay mode.
    state.FileListSelecting = true;
    const int category =
        selection->category.isEmpty()
            ? -1
            : cboPackageCategory_->findText(selection->category, Qt::MatchFixedString);
    if (category >= 0) {
        selectCategory(category);
    } else {
        cboPackageCategory_->setCurrentIndex(-1);
        cboPackageName_->clear();
    }
    state.FileListSelecting = false;

    const int package = cboPackageName_->findText(selection->packageText, Qt::MatchFixedString);
    if (package >= 0)
        selectPackage(package);
    else
        cboPackageName_->setCurrentIndex(-1);
}
