#include "app/ui/StowbayWindow.h"

#include "app/ui/BackdropPicture.h"
#include "app/ui/ComponentArea.h"
#include "app/ui/ConfiguredFamily.h"
#include "app/ui/Controls.h"
#include "package/ShutDown.h"
#include "platform/qt/Twips.h"
#include "tools/ui/FileListOnDemand.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <utility>

template <typename Handler> void StowbayWindow::guarded(Handler handler)
{
    {
        const QScopedValueRollback<bool> busy(busy_, true);
        try {
            handler();
        } catch (const ShutDownRequest &) {
            closeWaiting_ = true;
        }
    }
    if (closeWaiting_ && !busy_) {
        closeWaiting_ = false;
        endAfterShutDown();
    }
}

template <typename Handler> void StowbayWindow::handle(Handler handler)
{
    guarded([this, &handler] {
        fillPendingBoxes();
        handler();
    });
}

StowbayWindow::StowbayWindow(const Services &services, QWidget *parent)
    : QMainWindow(parent), services_(services),
      context_{services.state,    services.messages, *this,       progress_, services.configChooser,
               services.fileList, services.launcher, activityLog_},
      controller_(context_, *this), viewer_(services.state, services.launcher),
      run_(context_, services.locations)
{
    setObjectName(QStringLiteral("frmStowbay"));
    programEnd_ = [] { QCoreApplication::quit(); };
    setWindowTitle(QStringLiteral("Wingstash"));
    setAcceptDrops(true);
    // The controls use a small sans-serif type; only the header is large.
    QFont small(QStringLiteral("Sans Serif"));
    small.setPointSizeF(8.0);
    setFont(small);

    createControls();
    createMenus();
    connectHandlers();
    progress_.setBar(prbProgress_);
    boxesTimer_.setSingleShot(true);
    boxesTimer_.setInterval(0);
    connect(&boxesTimer_, &QTimer::timeout, this, &StowbayWindow::fillPendingBoxes);

    resize(twips::toPixels(layout::kDesignedWidth, dpi()),
           twips::toPixels(layout::kDesignedHeight, dpi()));
    placeDesigned();
    controller_.showWelcome();
}

int StowbayWindow::dpi() const
{
    const int value = logicalDpiX();
    return value > 0 ? value : 96;
}

void StowbayWindow::createControls()
{
    central_ = new QWidget(this);
    central_->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central_);

    // Created first so that every other control lies above it.
    imgStowbay_ = new BackdropPicture(central_);

    lblPackageName_ = makeLabel(central_, "lblPackageName", QStringLiteral("Package Name"));
    txtPackageName_ = new QLineEdit(central_);
    txtPackageName_->setObjectName(QStringLiteral("txtPackageName"));
    cboPackageName_ = makeComboBox(central_, "cboPackageName");
    cmdGo_ = makeButton(central_, "cmdGo", QStringLiteral("&Go!"));
    lblPackageCategory_ =
        makeLabel(central_, "lblPackageCategory", QStringLiteral("Package Category"));
    lblOptions_ = makeLabel(central_, "lblOptions", QStringLiteral("Options"));
    prbProgress_ = new QProgressBar(central_);
    prbProgress_->setObjectName(QStringLiteral("prbProgress"));
    prbProgress_->setTextVisible(false);
    cboPackageCategory_ = makeComboBox(central_, "cboPackageCategory");
    cboOptions_ = makeComboBox(central_, "cboOptions");

    lblHeader_ = makeLabel(central_, "lblHeader");
    QFont headerFont(configuredBoldFamily(QStringLiteral("Arial")));
    headerFont.setBold(true);
    headerFont.setPointSizeF(21.75);
    // The header only ever shows the program's own plain Latin captions: unshaped and fully
    // hinted, its large bold type looks the same and costs the first paint less.
    headerFont.setStyleStrategy(QFont::PreferNoShaping);
    headerFont.setHintingPreference(QFont::PreferFullHinting);
    lblHeader_->setFont(headerFont);

    cmdGoToStowbay_ = makeButton(central_, "cmdGoToStowbay", QStringLiteral("Go To &Stowbay"));
    cmdGoToStaging_ = makeButton(central_, "cmdGoToStaging", QStringLiteral("Go To &Staging"));
    cmdRefresh_ = makeButton(central_, "cmdRefresh", QStringLiteral("&Refresh"));
    cmdExplore_ = makeButton(central_, "cmdExplore", QStringLiteral("&Explore"));
    lblChooseOne_ = makeLabel(central_, "lblChooseOne");
    cmdStaging_ = makeButton(central_, "cmdStaging", QStringLiteral("Staging"));
    cmdStowbay_ = makeButton(central_, "cmdStowbay", QStringLiteral("Stowbay"));
    lblChooseOne_->setText(QStringLiteral("Please choose one of the following to get started:"));
}

ComponentArea &StowbayWindow::componentArea()
{
    if (tabComponents_)
        return *tabComponents_;
    tabComponents_ = new ComponentArea(central_);
    // Hidden until a work mode shows it, as the welcome state would have it.
    tabComponents_->hide();
    using namespace layout;
    place(tabComponents_, kTabs);
    placeOnTab(tabComponents_->nextImage(), kImgNext);
    placeOnTab(tabComponents_->previousImage(), kImgPrevious);
    placeOnTab(tabComponents_->imageBox(), kImageBox);
    for (int kind = Aircraft; kind < kKindCount; ++kind)
        placeOnTab(tabComponents_->list(kind), kList);
    for (const int kind : {Panel, Sound}) {
        placeOnTab(tabComponents_->aliasCaptions(kind)[0], kAliasCaption);
        placeOnTab(tabComponents_->aliasCaptions(kind)[1], kAliasValue);
    }
    sizeComponentArea();

    const auto onClick = [this](QPushButton *source, void (StowbayWindow::*handler)()) {
        connect(source, &QPushButton::clicked, this,
                [this, handler] { handle([this, handler] { (this->*handler)(); }); });
    };
    onClick(tabComponents_->nextImage(), &StowbayWindow::cmdImgNext_Click);
    onClick(tabComponents_->previousImage(), &StowbayWindow::cmdImgPrevious_Click);
    for (int kind = Aircraft; kind < kKindCount; ++kind) {
        QListWidget *list = tabComponents_->list(kind);
        list->installEventFilter(this);
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, kind] { handle([this, kind] { OpenComponentFile(kind); }); });
    }
    return *tabComponents_;
}

void StowbayWindow::createMenus()
{
    const auto action = [this](QMenu *menu, const char *name, const QString &caption) {
        QAction *created = menu->addAction(caption);
        created->setObjectName(QLatin1String(name));
        return created;
    };
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuUnpack_ = action(file, "mnuUnpack", QStringLiteral("&Unpack Add-on into Staging..."));
    connect(file, &QMenu::aboutToShow, this,
            [this] { mnuUnpack_->setEnabled(controller_.canUnpack()); });
    mnuLocations_ = action(file, "mnuLocations", QStringLiteral("&Locations"));
    mnuExit_ = action(file, "mnuExit", QStringLiteral("&Exit"));

    QMenu *tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    mnuAllPackages_ =
        action(tools, "mnuAllPackages", QStringLiteral("List &all packages in Stowbay"));
    mnuUnusedGauges_ = action(tools, "mnuUnusedGauges",
                              QStringLiteral("List &unused gauges in MSFS Gauges directory"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("He&lp"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuAbout_ = action(help, "mnuAbout", QStringLiteral("&About"));
    mnuReadMe_ = action(help, "mnuReadMe", QStringLiteral("&Read me"));
}

void StowbayWindow::connectHandlers()
{
    const auto forward = [this](auto *source, auto signal, void (MainController::*handler)()) {
        connect(source, signal, this,
                [this, handler] { handle([this, handler] { (controller_.*handler)(); }); });
    };
    forward(cmdStaging_, &QPushButton::clicked, &MainController::stagingClicked);
    forward(cmdStowbay_, &QPushButton::clicked, &MainController::stowbayClicked);
    forward(cmdGoToStaging_, &QPushButton::clicked, &MainController::goToStagingClicked);
    forward(cmdGoToStowbay_, &QPushButton::clicked, &MainController::goToStowbayClicked);
    forward(cmdRefresh_, &QPushButton::clicked, &MainController::refreshClicked);
    forward(cmdGo_, &QPushButton::clicked, &MainController::goClicked);
    forward(cmdExplore_, &QPushButton::clicked, &MainController::exploreClicked);
    forward(mnuAllPackages_, &QAction::triggered, &MainController::allPackagesClicked);
    forward(mnuUnpack_, &QAction::triggered, &MainController::unpackClicked);
    // A user's pick raises the box's click handler, even when it picks the entry already chosen;
    // the controller's own selections never raise it, so no handler runs twice.
    forward(cboPackageCategory_, &QComboBox::activated, &MainController::categoryPicked);
    forward(cboPackageName_, &QComboBox::activated, &MainController::packagePicked);

    const auto onTrigger = [this](QAction *source, void (StowbayWindow::*handler)()) {
        connect(source, &QAction::triggered, this,
                [this, handler] { handle([this, handler] { (this->*handler)(); }); });
    };
    onTrigger(mnuLocations_, &StowbayWindow::mnuLocations_Click);
    onTrigger(mnuExit_, &StowbayWindow::mnuExit_Click);
    onTrigger(mnuReadMe_, &StowbayWindow::mnuReadMe_Click);
    onTrigger(mnuUnusedGauges_, &StowbayWindow::mnuUnusedGauges_Click);
    onTrigger(mnuAbout_, &StowbayWindow::mnuAbout_Click);

    services_.fileList.whenMade([this](FileListWindow &list) {
        tools_.add(list);
        connect(&list, &FileListWindow::rowClicked, this, [this](const QString &text) {
            handle([this, &text] { controller_.packageListRowClicked(text); });
        });
    });
}

bool StowbayWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && tabComponents_) {
        for (int kind = Aircraft; kind < kKindCount; ++kind) {
            if (watched != tabComponents_->list(kind))
                continue;
            // Any key that types a character (Enter included) opens the file; arrows do not.
            if (!static_cast<QKeyEvent *>(event)->text().isEmpty())
                handle([this, kind] { OpenComponentFile(kind); });
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

namespace {

// The one local file a drag carries, or nothing.
std::optional<QString> droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().first().isLocalFile())
        return std::nullopt;
    return data->urls().first().toLocalFile();
}

} // namespace

void StowbayWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!busy_ && controller_.canUnpack() && droppedFile(event->mimeData()))
        event->acceptProposedAction();
}

void StowbayWindow::dropEvent(QDropEvent *event)
{
    const std::optional<QString> file = droppedFile(event->mimeData());
    if (busy_ || !file)
        return;
    event->acceptProposedAction();
    handle([this, &file] { controller_.unpackArchive(*file); });
}

void StowbayWindow::place(QWidget *widget, const layout::Twips &rect)
{
    widget->setGeometry(layout::toPixels(rect, dpi()));
}

void StowbayWindow::placeOnTab(QWidget *widget, const layout::Twips &rect)
{
    // Designed places count from the tab control's corner; a page starts below the tab strip.
    const int strip = tabComponents_->tabBar()->sizeHint().height() + 2;
    QRect pixels = layout::toPixels(rect, dpi());
    pixels.moveTop(std::max(0, pixels.top() - strip));
    widget->setGeometry(pixels);
}

void StowbayWindow::placeDesigned()
{
    using namespace layout;
    place(lblPackageName_, kPackageName);
    place(txtPackageName_, kNameText);
    place(cboPackageName_, kNameBox);
    place(cmdGo_, kGo);
    place(lblPackageCategory_, kCategoryLabel);
    place(lblOptions_, kOptionsLabel);
    place(prbProgress_, kProgress);
    place(cboPackageCategory_, kCategoryBox);
    place(cboOptions_, kOptionsBox);
    place(lblHeader_, kHeader);
    place(cmdGoToStowbay_, kGoTo);
    place(cmdGoToStaging_, kGoTo);
    place(cmdRefresh_, kRefresh);
    place(cmdExplore_, kExplore);
    place(lblChooseOne_, kChooseOne);
    place(cmdStaging_, kStaging);
    place(cmdStowbay_, kStowbay);
    imgStowbay_->setGeometry(0, 0, width(), height());
}

bool StowbayWindow::start()
{
    const std::optional<MainWindowGeometry> geometry = run_.start();
    if (!geometry)
        return false;
    place_.apply(*geometry);
    // The welcome state shows neither box, and filling them lists the store and the simulator's
    // aircraft: the window paints first, and the boxes fill right after (paintEvent).
    boxesPending_ = true;
    show();
    return true;
}

void StowbayWindow::fillPendingBoxes()
{
    if (!std::exchange(boxesPending_, false))
        return;
    controller_.fillCategoryBox();
}

void StowbayWindow::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    // The controls paint in the same pass, after the window itself; the boxes fill once that
    // pass and whatever it queued have run, when the zero timer times out.
    if (boxesPending_)
        QMetaObject::invokeMethod(&boxesTimer_, "start", Qt::QueuedConnection);
}

void StowbayWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    place_.shown();
}

void StowbayWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // A window manager may add the frame only after showing, moving the client area down.
    place_.fit();
}

void StowbayWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    place_.fit();
    guarded([this] { FormResize(); });
}

// PackageView

void StowbayWindow::setRows(int kind, const QStringList &rows)
{
    if (kind < Aircraft || kind >= kKindCount)
        return;
    QListWidget *list = componentArea().list(kind);
    list->clear();
    list->addItems(rows);
}

void StowbayWindow::setTabAvailable(int kind, bool available)
{
    if (kind >= 0 && kind < kKindCount)
        componentArea().setTabEnabled(kind, available);
}

void StowbayWindow::setPagingEnabled(bool enabled)
{
    componentArea().nextImage()->setEnabled(enabled);
    componentArea().previousImage()->setEnabled(enabled);
}

void StowbayWindow::setAliasCaptions(int kind, const QString &first, const QString &second)
{
    const std::array<QLabel *, 2> captions = componentArea().aliasCaptions(kind);
    captions[0]->setText(first);
    captions[1]->setText(second);
}

void StowbayWindow::setPanelAliasCaptions(const QString &first, const QString &second)
{
    setAliasCaptions(Panel, first, second);
}

void StowbayWindow::setSoundAliasCaptions(const QString &first, const QString &second)
{
    setAliasCaptions(Sound, first, second);
}

void StowbayWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}
