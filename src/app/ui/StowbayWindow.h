#pragma once

#include "app/ComponentViewer.h"
#include "app/MainController.h"
#include "app/MainWindowView.h"
#include "app/ProgramRun.h"
#include "app/Settings.h"
#include "app/ui/MainWindowLayout.h"
#include "app/ui/MainWindowPlace.h"
#include "app/ui/ToolWindows.h"
#include "package/Context.h"
#include "package/PackageView.h"
#include "platform/qt/BarProgress.h"

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <array>
#include <functional>

class BackdropPicture;
class ComponentArea;
class FileListOnDemand;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTabWidget;

// frmStowbay: the main window. It builds and reads its controls and forwards their events to its
// MainController, which holds the modes and the dispatch; it is the package view of the logic and
// the view its controller drives. Its progress bar is reached through a small adapter
// (Progress::hide would otherwise hide QWidget::hide).
class StowbayWindow : public QMainWindow, public PackageView, public MainWindowView {
    Q_OBJECT
public:
    struct Services {
        SharedState &state;
        platform::MessageBoxes &messages;
        platform::ConfigChooser &configChooser;
        platform::ProgramLauncher &launcher;
        platform::LocationsEditor &locations;
        FileListOnDemand &fileList;
    };
    explicit StowbayWindow(const Services &services, QWidget *parent = nullptr);

    // Applies ws.ini's main-window geometry (twips, outer size) over the designed one.
    void applyGeometry(const MainWindowGeometry &geometry) { place_.apply(geometry); }
    // The start-up sequence (ws.ini, the location checks), then the window shown at its saved
    // place; its category and package boxes fill once it has painted (fillPendingBoxes). False:
    // the program ends now; a shut-down asked for during start-up has written ws.ini, keeping
    // the geometry read from it.
    bool start();
    // Fills the category and package boxes when start-up left them to be filled. The welcome
    // state shows neither box, so the window paints without them first; every handler runs
    // this before its logic, so none ever sees them empty.
    void fillPendingBoxes();
    // The logic's context, built from this window and the services.
    Context &context() { return context_; }
    MainController &controller() { return controller_; }
    // The modeless tool windows that close with this window.
    ToolWindows &toolWindows() { return tools_; }

    // PackageView
    void showPlaceholderPicture() override;
    void showPicture(const QString &path) override;
    void setPagingEnabled(bool enabled) override;
    void setRows(int kind, const QStringList &rows) override;
    void setTabAvailable(int kind, bool available) override;
    void setPanelAliasCaptions(const QString &first, const QString &second) override;
    void setSoundAliasCaptions(const QString &first, const QString &second) override;
    void setCaption(const QString &caption) override;

    // MainWindowView
    void setHeader(const QString &text) override;
    void showControlsFor(MainMode mode) override;
    void setBackdrop(const QString &path) override;
    void setTabColour(unsigned rgb) override;
    void showFirstTab() override;
    void setOptions(const QList<OptionEntry> &options) override;
    std::optional<int> selectedAction() const override;
    void selectAction(int action) override;
    QString packageNameText() const override;
    void setPackageNameText(const QString &text) override;
    void setCategories(const QStringList &entries) override;
    QStringList categories() const override;
    int categoryIndex() const override;
    void setCategoryIndex(int index) override;
    void setPackages(const QStringList &entries) override;
    QStringList packages() const override;
    int packageIndex() const override;
    void setPackageIndex(int index) override;
    std::optional<QString> chooseArchiveFile() override;

    // Ends the program once its windows are closed (the application's event loop by default).
    // Tests observe the end here instead of stopping every later event loop of the process.
    void setProgramEnd(std::function<void()> end) { programEnd_ = std::move(end); }

    // The component area's current sizes in twips (the sizing rule's last result).
    const layout::ComponentAreaSizes &componentAreaSizes() const { return areaSizes_; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // One archive dropped on the window is unpacked into Staging.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Construction (StowbayWindow.cpp).
    void createControls();
    // tabComponents, made, placed, sized and connected the first time anything needs it.
    ComponentArea &componentArea();
    void sizeComponentArea();
    void setAliasCaptions(int kind, const QString &first, const QString &second);
    void createMenus();
    void connectHandlers();
    void placeDesigned();
    void place(QWidget *widget, const layout::Twips &rect);
    void placeOnTab(QWidget *widget, const layout::Twips &rect);
    int dpi() const;

    // Runs an event handler's logic; a ShutDown request inside it ends the program in order.
    template <typename Handler> void guarded(Handler handler);
    // Runs a user's or the desktop's event: the boxes filled first when start-up left them to
    // fill, then the handler, guarded.
    template <typename Handler> void handle(Handler handler);
    // True while a handler runs: the window lets its events run now and then meanwhile (user
    // input held back), and a drop or the window manager's close, which are not user input, must
    // not start a second action or end the program under the running one: a close waits.
    bool busy_ = false;
    bool closeWaiting_ = false;
    bool boxesPending_ = false;
    QTimer boxesTimer_;
    void endAfterShutDown();

    // Sizing (StowbayView.cpp).
    void FormResize();

    // Menus and exit (StowbayMenus.cpp).
    void mnuLocations_Click();
    void mnuExit_Click();
    void mnuReadMe_Click();
    void mnuUnusedGauges_Click();
    void mnuAbout_Click();

    // The Images tab and the component lists (StowbayView.cpp).
    void cmdImgNext_Click();
    void cmdImgPrevious_Click();
    void OpenComponentFile(int index);
    void showImage(const QString &path);
    QString placeholderPath() const;

    Services services_;
    BarProgress progress_;
    platform::ActivityLog activityLog_;
    Context context_;
    MainController controller_;
    ComponentViewer viewer_;
    ProgramRun run_;
    ToolWindows tools_;
    layout::ComponentAreaSizes areaSizes_;
    MainWindowPlace place_{*this};
    std::function<void()> programEnd_;

    QWidget *central_ = nullptr;
    BackdropPicture *imgStowbay_ = nullptr;
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
    ComponentArea *tabComponents_ = nullptr; // made by componentArea() when first needed
    QAction *mnuUnpack_ = nullptr;
    QAction *mnuLocations_ = nullptr;
    QAction *mnuExit_ = nullptr;
    QAction *mnuAllPackages_ = nullptr;
    QAction *mnuUnusedGauges_ = nullptr;
    QAction *mnuAbout_ = nullptr;
    QAction *mnuReadMe_ = nullptr;
};
