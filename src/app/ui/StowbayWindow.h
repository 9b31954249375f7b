#pragma once

#include "app/Settings.h"
#include "app/ui/MainWindowLayout.h"
#include "app/ui/WindowProgress.h"
#include "package/Context.h"
#include "platform/MainControls.h"
#include "platform/PackageView.h"

#include <QMainWindow>
#include <QPixmap>

#include <array>
#include <functional>

class FileListWindow;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

// frmStowbay: the main window. It is the package view of the logic and the controls the actions
// read; its progress bar is reached through a small adapter (Progress::hide would otherwise hide
// QWidget::hide). Event handlers stay thin: they read controls, call logic and
// show the result.
class StowbayWindow : public QMainWindow,
                      public platform::PackageView,
                      public platform::MainControls {
    Q_OBJECT
public:
    struct Services {
        SharedState &state;
        platform::MessageBoxes &messages;
        platform::ConfigChooser &configChooser;
        platform::ProgramLauncher &launcher;
        platform::LocationsEditor &locations;
        FileListWindow &fileList;
    };
    explicit StowbayWindow(const Services &services, QWidget *parent = nullptr);

    // Applies ws.ini's main-window geometry (twips) over the designed one.
    void applyGeometry(const MainWindowGeometry &geometry);
    // Writes ws.ini from the locations and the window's geometry, reporting a failure.
    void saveSettings();
    // Fills the category box from the store and selects its first entry.
    void FillCategoryBox();
    // The logic's context, built from this window and the services.
    Context &context();

    // platform::PackageView
    void showPlaceholderPicture() override;
    void showPicture(const QString &path) override;
    void setPagingEnabled(bool enabled) override;
    void setRows(int kind, const QStringList &rows) override;
    void setTabAvailable(int kind, bool available) override;
    void setPanelAliasCaptions(const QString &first, const QString &second) override;
    void setSoundAliasCaptions(const QString &first, const QString &second) override;
    void setCaption(const QString &caption) override;

    // platform::MainControls
    QString headerCaption() const override;
    int optionIndex() const override;
    void setOptionIndex(int index) override;
    QString packageNameText() const override;
    void setPackageNameText(const QString &text) override;
    QString categoryText() const override;
    QStringList categories() const override;
    QString packageText() const override;
    void showStaging() override;
    void showStowbay(bool rescan) override;
    void updateCaption() override;
    void refreshPackageListIfShown() override;

    // Ends the program once its windows are closed (the application's event loop by default).
    // Tests observe the end here instead of stopping every later event loop of the process.
    void setProgramEnd(std::function<void()> end) { programEnd_ = std::move(end); }

    // The component area's current sizes in twips (the sizing rule's last result).
    const layout::ComponentAreaSizes &componentAreaSizes() const { return areaSizes_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Construction (StowbayWindow.cpp).
    void createControls();
    void createTabs();
    void createMenus();
    void connectHandlers();
    void placeDesigned();
    void place(QWidget *widget, const layout::Twips &rect);
    void placeOnTab(QWidget *widget, const layout::Twips &rect);
    int dpi() const;
    void showWelcomeState();

    // Runs an event handler's logic; a ShutDown request inside it ends the program in order.
    template <typename Handler> void guarded(Handler handler);
    void endAfterShutDown();

    // Modes and dispatch (StowbayModes.cpp).
    void ShowStaging();
    void ShowStowbay(bool rescan);
    void ShowWorkControls();
    void FormResize();
    void fillOptions(const QStringList &options);
    void setTabBackColour(const QColor &colour);
    void showBackground(const QString &fileName);
    void paintBackdrop();
    void cmdStaging_Click();
    void cmdStowbay_Click();
    void cmdGoToStaging_Click();
    void cmdGoToStowbay_Click();
    void cmdRefresh_Click();
    void cmdGo_Click();
    void DoStowbayAction();

    // Category and package boxes (StowbayBoxes.cpp).
    void cboPackageCategory_Click();
    void cboPackageName_Click();
    void selectCategory(int index);
    void selectPackage(int index);
    void scanSelectedPackage();
    void fileListRowClicked(const QString &rowText);

    // Menus and exit (StowbayMenus.cpp).
    void mnuLocations_Click();
    void mnuExit_Click();
    void mnuAllPackages_Click();
    void mnuReadMe_Click();
    std::optional<MainWindowGeometry> geometryToSave() const;

    // Component viewer (StowbayViewer.cpp).
    void cmdImgNext_Click();
    void cmdImgPrevious_Click();
    void OpenComponentFile(int index);
    void cmdExplore_Click();
    void showImage(const QString &path);
    void fitImage();

    Services services_;
    WindowProgress progress_;
    Context context_;
    layout::ComponentAreaSizes areaSizes_;
    QPixmap imagePicture_; // the picture of imgImageBox at its own size, scaled on show
    std::optional<MainWindowGeometry> pendingGeometry_;
    bool endWithoutSettings_ = false;
    std::function<void()> programEnd_;

    QWidget *central_ = nullptr;
    QLabel *imgStowbay_ = nullptr;
    QPixmap backdrop_; // the background picture as loaded, before it is fitted to the window
    QLabel *lblHeader_ = nullptr;
    QLabel *lblChooseOne_ = nullptr;
    QLabel *lblPackageName_ = nullptr;
    QLabel *lblPackageCategory_ = nullptr;
    QLabel *lblOptions_ = nullptr;
    QPushButton *cmdStaging_ = nullptr;
    QPushButton *cmdStowbay_ = nullptr;
    QPushButton *cmdGoToStaging_ = nullptr;
    QPushButton *cmdGoToStowbay_ = nullptr;
    QPushButton *cmdGo_ = nullptr;
    QPushButton *cmdRefresh_ = nullptr;
    QPushButton *cmdExplore_ = nullptr;
    QComboBox *cboOptions_ = nullptr;
    QComboBox *cboPackageCategory_ = nullptr;
    QComboBox *cboPackageName_ = nullptr;
    QLineEdit *txtPackageName_ = nullptr;
    QProgressBar *prbProgress_ = nullptr;
    QTabWidget *tabComponents_ = nullptr;
    QLabel *imgImageBox_ = nullptr;
    QPushButton *cmdImgNext_ = nullptr;
    QPushButton *cmdImgPrevious_ = nullptr;
    std::array<QListWidget *, 9> lstComponents_{}; // 1 to 8; 0 is the Images tab
    QLabel *lblPanelAliasUsed1_ = nullptr;
    QLabel *lblPanelAliasUsed2_ = nullptr;
    QLabel *lblSoundAliasUsed1_ = nullptr;
    QLabel *lblSoundAliasUsed2_ = nullptr;
    QAction *mnuLocations_ = nullptr;
    QAction *mnuExit_ = nullptr;
    QAction *mnuAllPackages_ = nullptr;
    QAction *mnuUnusedGauges_ = nullptr;
    QAction *mnuAbout_ = nullptr;
    QAction *mnuReadMe_ = nullptr;
};
