#include "app/ui/StowbayWindow.h"

#include "app/ui/BackdropPicture.h"
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
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

const std::array<const char *, 9> kTabCaptions{"&Images", "&Aircraft",      "&Panel",
                                               "&Gauge",  "&Model",         "Te&xture",
                                               "S&ound",  "&Documentation", "&&Unrecognized Files"};

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(QLatin1String(name));
    return created;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption = {})
{
    auto *created = new QLabel(caption, parent);
    created->setObjectName(QLatin1String(name));
    // Names and paths from disk must show as written, never as markup.
    created->setTextFormat(Qt::PlainText);
    // Captions sit at the top of their designed boxes, as the boxes overlap the controls below.
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Every label of this window lies on a dark picture or a dark tab page.
    QPalette palette = created->palette();
    palette.setColor(QPalette::WindowText, QColor(0xf2, 0xf2, 0xf2));
    created->setPalette(palette);
    return created;
}

QComboBox *comboBox(QWidget *parent, const char *name)
{
    auto *created = new QComboBox(parent);
    created->setObjectName(QLatin1String(name));
    created->setEditable(false);
    return created;
}

} // namespace

template <typename Handler> void StowbayWindow::guarded(Handler handler)
{
    try {
        handler();
    } catch (const ShutDownRequest &) {
        endAfterShutDown();
    }
}

StowbayWindow::StowbayWindow(const Services &services, QWidget *parent)
    : QMainWindow(parent),
      services_(services), context_{services.state,   services.messages,      *this,
                                    progress_,        services.configChooser, services.fileList,
                                    services.launcher},
      controller_(context_, *this)
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
    createTabs();
    createMenus();
    connectHandlers();
    progress_.setBar(prbProgress_);

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

    lblPackageName_ = label(central_, "lblPackageName", QStringLiteral("Package Name"));
    txtPackageName_ = new QLineEdit(central_);
    txtPackageName_->setObjectName(QStringLiteral("txtPackageName"));
    cboPackageName_ = comboBox(central_, "cboPackageName");
    cmdGo_ = button(central_, "cmdGo", QStringLiteral("&Go!"));
    lblPackageCategory_ = label(central_, "lblPackageCategory", QStringLiteral("Package Category"));
    lblOptions_ = label(central_, "lblOptions", QStringLiteral("Options"));
    prbProgress_ = new QProgressBar(central_);
    prbProgress_->setObjectName(QStringLiteral("prbProgress"));
    prbProgress_->setTextVisible(false);
    cboPackageCategory_ = comboBox(central_, "cboPackageCategory");
    cboOptions_ = comboBox(central_, "cboOptions");

    lblHeader_ = label(central_, "lblHeader");
    QFont headerFont(QStringLiteral("Arial"));
    headerFont.setBold(true);
    headerFont.setPointSizeF(21.75);
    lblHeader_->setFont(headerFont);

    cmdGoToStowbay_ = button(central_, "cmdGoToStowbay", QStringLiteral("Go To &Stowbay"));
    cmdGoToStaging_ = button(central_, "cmdGoToStaging", QStringLiteral("Go To &Staging"));
    cmdRefresh_ = button(central_, "cmdRefresh", QStringLiteral("&Refresh"));
    cmdExplore_ = button(central_, "cmdExplore", QStringLiteral("&Explore"));
    lblChooseOne_ = label(central_, "lblChooseOne");
    cmdStaging_ = button(central_, "cmdStaging", QStringLiteral("Staging"));
    cmdStowbay_ = button(central_, "cmdStowbay", QStringLiteral("Stowbay"));
    lblChooseOne_->setText(QStringLiteral("Please choose one of the following to get started:"));
}

void StowbayWindow::createTabs()
{
    tabComponents_ = new QTabWidget(central_);
    tabComponents_->setObjectName(QStringLiteral("tabComponents"));
    for (int kind = 0; kind < kKindCount; ++kind) {
        auto *page = new QWidget;
        page->setObjectName(QStringLiteral("tabComponentsPage%1").arg(kind));
        page->setAutoFillBackground(true);
        tabComponents_->addTab(page, QLatin1String(kTabCaptions.at(kind)));
        if (kind == Images) {
            imgImageBox_ = label(page, "imgImageBox");
            cmdImgNext_ = button(page, "cmdImgNext", QStringLiteral("-->"));
            cmdImgPrevious_ = button(page, "cmdImgPrevious", QStringLiteral("<--"));
            continue;
        }
        auto *list = new QListWidget(page);
        list->setObjectName(QStringLiteral("lstComponents%1").arg(kind));
        list->setSortingEnabled(false); // row r pairs with entry r + 1 of the kind's files
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->installEventFilter(this);
        lstComponents_.at(kind) = list;
        if (kind == Panel) {
            lblPanelAliasUsed1_ = label(page, "lblPanelAliasUsed1");
            lblPanelAliasUsed2_ = label(page, "lblPanelAliasUsed2");
        } else if (kind == Sound) {
            lblSoundAliasUsed1_ = label(page, "lblSoundAliasUsed1");
            lblSoundAliasUsed2_ = label(page, "lblSoundAliasUsed2");
        }
    }
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
                [this, handler] { guarded([this, handler] { (controller_.*handler)(); }); });
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

    const auto onClick = [this](QPushButton *source, void (StowbayWindow::*handler)()) {
        connect(source, &QPushButton::clicked, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    onClick(cmdImgNext_, &StowbayWindow::cmdImgNext_Click);
    onClick(cmdImgPrevious_, &StowbayWindow::cmdImgPrevious_Click);

    const auto onTrigger = [this](QAction *source, void (StowbayWindow::*handler)()) {
        connect(source, &QAction::triggered, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    onTrigger(mnuLocations_, &StowbayWindow::mnuLocations_Click);
    onTrigger(mnuExit_, &StowbayWindow::mnuExit_Click);
    onTrigger(mnuReadMe_, &StowbayWindow::mnuReadMe_Click);
    onTrigger(mnuUnusedGauges_, &StowbayWindow::mnuUnusedGauges_Click);
    onTrigger(mnuAbout_, &StowbayWindow::mnuAbout_Click);

    for (int kind = Aircraft; kind < kKindCount; ++kind) {
        connect(lstComponents_.at(kind), &QListWidget::itemDoubleClicked, this,
                [this, kind] { guarded([this, kind] { OpenComponentFile(kind); }); });
    }

    services_.fileList.whenMade([this](FileListWindow &list) {
        tools_.add(list);
        connect(&list, &FileListWindow::rowClicked, this, [this](const QString &text) {
            guarded([this, &text] { controller_.packageListRowClicked(text); });
        });
    });
}

bool StowbayWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        for (int kind = Aircraft; kind < kKindCount; ++kind) {
            if (watched != lstComponents_.at(kind))
                continue;
            // Any key that types a character (Enter included) opens the file; arrows do not.
            if (!static_cast<QKeyEvent *>(event)->text().isEmpty())
                guarded([this, kind] { OpenComponentFile(kind); });
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
    if (controller_.canUnpack() && droppedFile(event->mimeData()))
        event->acceptProposedAction();
}

void StowbayWindow::dropEvent(QDropEvent *event)
{
    const std::optional<QString> file = droppedFile(event->mimeData());
    if (!file)
        return;
    event->acceptProposedAction();
    guarded([this, &file] { controller_.unpackArchive(*file); });
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
    place(tabComponents_, kTabs);
    place(cmdStaging_, kStaging);
    place(cmdStowbay_, kStowbay);
    placeOnTab(cmdImgNext_, kImgNext);
    placeOnTab(cmdImgPrevious_, kImgPrevious);
    placeOnTab(imgImageBox_, kImageBox);
    for (int kind = Aircraft; kind < kKindCount; ++kind)
        placeOnTab(lstComponents_.at(kind), kList);
    placeOnTab(lblPanelAliasUsed1_, kAliasCaption);
    placeOnTab(lblPanelAliasUsed2_, kAliasValue);
    placeOnTab(lblSoundAliasUsed1_, kAliasCaption);
    placeOnTab(lblSoundAliasUsed2_, kAliasValue);
    imgStowbay_->setGeometry(0, 0, width(), height());
}

void StowbayWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    fitFrame();
    guarded([this] { FormResize(); });
}

// platform::PackageView

void StowbayWindow::setRows(int kind, const QStringList &rows)
{
    if (kind < Aircraft || kind >= kKindCount)
        return;
    QListWidget *list = lstComponents_.at(kind);
    list->clear();
    list->addItems(rows);
}

void StowbayWindow::setTabAvailable(int kind, bool available)
{
    if (kind >= 0 && kind < kKindCount)
        tabComponents_->setTabEnabled(kind, available);
}

void StowbayWindow::setPagingEnabled(bool enabled)
{
    cmdImgNext_->setEnabled(enabled);
    cmdImgPrevious_->setEnabled(enabled);
}

void StowbayWindow::setPanelAliasCaptions(const QString &first, const QString &second)
{
    lblPanelAliasUsed1_->setText(first);
    lblPanelAliasUsed2_->setText(second);
}

void StowbayWindow::setSoundAliasCaptions(const QString &first, const QString &second)
{
    lblSoundAliasUsed1_->setText(first);
    lblSoundAliasUsed2_->setText(second);
}

void StowbayWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}
