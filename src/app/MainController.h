#pragma once

#include "app/MainWindowView.h"
#include "install/StowbayAction.h"
#include "intake/StagingAction.h"
#include "package/ActionOutcome.h"
#include "package/Context.h"

#include <QString>

// The welcome state's background picture.
QString welcomePicture();

// The main window's behaviour: the welcome state, the Staging and Stowbay modes with their
// option lists, Go, Refresh, the category and package boxes, Explore and the package list
// window's row picks. It drives the window through MainWindowView, runs the option chosen and
// shows what the option's outcome asks for. The window only forwards its events here.
class MainController {
public:
    MainController(Context &context, MainWindowView &view);

    // The mode the window shows; the one record of it. (SharedState::InStowbayMode only tells the
    // scan which mode it scans for, and is set as a mode is entered.)
    MainMode mode() const { return mode_; }

    void showWelcome();
    // Fills the category box from the store and selects its first entry.
    void fillCategoryBox();

    // Events of the window.
    void stagingClicked();     // cmdStaging
    void stowbayClicked();     // cmdStowbay
    void goToStagingClicked(); // cmdGoToStaging
    void goToStowbayClicked(); // cmdGoToStowbay
    void refreshClicked();     // cmdRefresh
    void goClicked();          // cmdGo
    void categoryPicked();     // cboPackageCategory
    void packagePicked();      // cboPackageName
    void exploreClicked();     // cmdExplore
    void allPackagesClicked(); // File > List all packages
    void unpackClicked();      // File > Unpack Add-on into Staging...
    // An archive dropped on the window or picked from the menu: unpacked into Staging, which is
    // then shown, whichever mode the window was in.
    void unpackArchive(const QString &archivePath);
    // Unpacking needs the Staging folder, known once the locations are checked at start-up.
    bool canUnpack() const { return !context_.state.StagingDir.isEmpty(); }
    void packageListRowClicked(const QString &rowText);

    QString categoryText() const; // cboPackageCategory's entry
    QString packageText() const;  // cboPackageName's entry, with any installed marker

private:
    void selectCategory(int index);
    void selectPackage(int index);
    void showStaging();
    void showStowbay(bool rescan);
    void showWorkMode(MainMode mode);
    MainSelection selection() const;
    // Runs the option and what it hands Go on to, showing each outcome.
    template <typename Action, typename Run> void go(Action action, Run run);
    void refreshPackageListIfShown();
    QString chosenPackageFolder() const;

    Context &context_;
    MainWindowView &view_;
    MainMode mode_ = MainMode::Welcome;
};
