#include "app/MainController.h"

#include "app/PackageNameCleaning.h"
#include "install/StoreActions.h"
#include "intake/ArchiveUnpack.h"
#include "intake/StagingActions.h"
#include "package/Files.h"
#include "package/FolderLayout.h"
#include "package/Scan.h"
#include "package/Store.h"
#include "tools/PackageList.h"

namespace {

const QString kStagingHeader = QStringLiteral("Staging");
const QString kStowbayHeader = QStringLiteral("Stowbay");

int findIgnoringCase(const QStringList &entries, const QString &text)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (QString::compare(entries.at(i), text, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString entryAt(const QStringList &entries, int index)
{
    return index >= 0 && index < entries.size() ? entries.at(index) : QString();
}

} // namespace

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

MainController::MainController(Context &context, MainWindowView &view)
    : context_(context), view_(view)
{
}

QString welcomePicture()
{
    return QStringLiteral(":/welcome.jpg");
}

void MainController::showWelcome()
{
    mode_ = MainMode::Welcome;
    view_.setHeader(QStringLiteral("Welcome to Wingstash"));
    view_.showControlsFor(MainMode::Welcome);
    view_.setBackdrop(welcomePicture());
}

void MainController::fillCategoryBox()
{
    view_.setCategories(listCategories(context_.state.StowbayDir));
    selectCategory(view_.categories().isEmpty() ? -1 : 0);
}

void MainController::showStaging()
{
    SharedState &state = context_.state;
    state.InStowbayMode = false;
    ScanPackage(context_, state.StagingDir);
    view_.setOptions(stagingOptions());
    showWorkMode(MainMode::Staging);

    // Offer the aircraft's title as the name, but never over a name the user typed.
    if (!state.AircraftTitle.isEmpty() && view_.packageNameText().isEmpty() &&
        PackageHasFile(state, QStringLiteral("aircraft.cfg")))
        view_.setPackageNameText(state.AircraftTitle);
}

void MainController::showStowbay(bool rescan)
{
    context_.state.InStowbayMode = true;
    // The boxes are refilled under the mode being left: a package pick scans only when Stowbay
    // was shown already, so entering Stowbay with a rescan scans once.
    categoryPicked();
    if (rescan) {
        if (GetPackageName(packageText()).isEmpty()) {
            // No package chosen: an empty view rather than the category folder's contents as
            // if it were a package.
            ClearPackageView(context_);
            UpdateCaption(context_);
        } else {
            ScanPackage(context_, chosenPackageFolder());
        }
    }
    view_.setOptions(stowbayOptions());
    showWorkMode(MainMode::Stowbay);
}

void MainController::showWorkMode(MainMode mode)
{
    mode_ = mode;
    const bool stowbay = mode == MainMode::Stowbay;
    view_.setHeader(stowbay ? kStowbayHeader : kStagingHeader);
    view_.setTabColour(stowbay ? 0x0000FFu : 0x404040u);
    view_.setBackdrop(
        FolderLayout(context_.state)
            .picture(stowbay ? ProgramPicture::StowbayMode : ProgramPicture::StagingMode));
    view_.showControlsFor(mode);
}

void MainController::stagingClicked()
{
    showStaging();
}

void MainController::stowbayClicked()
{
    showStowbay(true);
}

void MainController::goToStagingClicked()
{
    showStaging();
    view_.showFirstTab();
}

void MainController::goToStowbayClicked()
{
    view_.showFirstTab();
    showStowbay(true);
}

void MainController::refreshClicked()
{
    if (mode_ == MainMode::Stowbay)
        showStowbay(false);
    else
        showStaging();
}

void MainController::goClicked()
{
    if (mode_ == MainMode::Stowbay) {
        DoStowbayAction(context_, *this);
        return;
    }
    const QString typed = view_.packageNameText();
    if (!typed.isEmpty())
        view_.setPackageNameText(cleanPackageName(typed));
    DoStagingAction(context_, *this);
}

void MainController::selectCategory(int index)
{
    view_.setCategoryIndex(index);
    if (index >= 0)
        categoryPicked();
}

void MainController::selectPackage(int index)
{
    view_.setPackageIndex(index);
    if (index >= 0)
        packagePicked();
}

void MainController::categoryPicked()
{
    const SharedState &state = context_.state;
    const int remembered = view_.packageIndex();
    const QString category = categoryText();
    // Without a category the store root itself would be listed as packages.
    view_.setPackages(category.isEmpty() ? QStringList() : packageBoxEntries(state, category));

    const qsizetype count = view_.packages().size();
    if (count == 0 && mode_ != MainMode::Staging)
        ClearPackageView(context_);
    if (count == 0 || state.FileListSelecting)
        return;
    selectPackage(remembered >= 0 && remembered < count ? remembered : 0);
}

void MainController::packagePicked()
{
    if (mode_ == MainMode::Stowbay && !context_.state.FileListSelecting)
        ScanPackage(context_, chosenPackageFolder());
}

QString MainController::chosenPackageFolder() const
{
    return FolderLayout(context_.state)
        .packageFolder(categoryText(), GetPackageName(packageText()));
}

void MainController::exploreClicked()
{
    const SharedState &state = context_.state;
    const QString name = GetPackageName(packageText());
    if (mode_ == MainMode::Stowbay && !name.isEmpty() &&
        FolderLayout(state).isInstalled(name, InstalledAs::Directory))
        context_.messages.inform(QStringLiteral(
            "WARNING:  This package is currently installed in MSFS.  Any manual changes to this "
            "package in the Stowbay directory may prevent unused gauges from being removed when "
            "you choose to remove the package from MSFS."));
    context_.launcher.openFolder(mode_ == MainMode::Staging ? FolderLayout(state).stagingFolder()
                                                            : chosenPackageFolder());
}

void MainController::allPackagesClicked()
{
    ShowPackageList(context_, categories());
}

void MainController::unpackClicked()
{
    if (!canUnpack())
        return;
    if (const std::optional<QString> archive = view_.chooseArchiveFile())
        unpackArchive(*archive);
}

void MainController::unpackArchive(const QString &archivePath)
{
    if (canUnpack() && UnpackIntoStaging(context_, archivePath))
        showStaging();
}

void MainController::packageListRowClicked(const QString &rowText)
{
    SharedState &state = context_.state;
    const std::optional<PackageSelection> selection = selectionForRow(state, categories(), rowText);
    if (!selection)
        return;

    // The category change fills the package box without choosing or scanning; the package
    // itself is chosen next, which scans it once in Stowbay mode.
    state.FileListSelecting = true;
    const int category =
        selection->category.isEmpty() ? -1 : findIgnoringCase(categories(), selection->category);
    if (category >= 0) {
        selectCategory(category);
    } else {
        view_.setCategoryIndex(-1);
        view_.setPackages({});
    }
    state.FileListSelecting = false;

    const int package = findIgnoringCase(view_.packages(), selection->packageText);
    if (package >= 0)
        selectPackage(package);
    else
        view_.setPackageIndex(-1);
}

// platform::MainControls

int MainController::optionIndex() const
{
    return view_.optionIndex();
}

void MainController::setOptionIndex(int index)
{
    view_.setOptionIndex(index);
}

QString MainController::packageNameText() const
{
    return view_.packageNameText();
}

void MainController::setPackageNameText(const QString &text)
{
    view_.setPackageNameText(text);
}

QString MainController::categoryText() const
{
    return entryAt(view_.categories(), view_.categoryIndex());
}

QStringList MainController::categories() const
{
    return view_.categories();
}

QString MainController::packageText() const
{
    return entryAt(view_.packages(), view_.packageIndex());
}

void MainController::updateCaption()
{
    UpdateCaption(context_);
}

void MainController::refreshPackageListIfShown()
{
    if (context_.packageList.isShown())
        ShowPackageList(context_, categories());
}
