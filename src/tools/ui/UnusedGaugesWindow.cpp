#include "tools/ui/UnusedGaugesWindow.h"

#include "platform/qt/OuterSize.h"
#include "platform/qt/Twips.h"
#include "tools/UnusedGauges.h"
#include "tools/ui/ListWindowRules.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMoveEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShowEvent>

UnusedGaugesWindow::UnusedGaugesWindow(const Context &context, QWidget *parent)
    : QWidget(parent, Qt::Window), context_(context), cmdOk_(new QPushButton(this)),
      cmdDelete_(new QPushButton(this)), prbProgress_(new QProgressBar(this)),
      label1_(new QLabel(this)), lstFileList_(new QListWidget(this)), progress_(prbProgress_)
{
    setObjectName(QStringLiteral("frmUnusedGauges"));
    setWindowTitle(QStringLiteral("Unused gauges in MSFS gauge directory"));

    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setText(QStringLiteral("OK"));
    cmdOk_->setDefault(true);
    twips::place(cmdOk_, 120, 120, 1095, 375);
    connect(cmdOk_, &QPushButton::clicked, this, &QWidget::close);

    cmdDelete_->setObjectName(QStringLiteral("cmdDelete"));
    cmdDelete_->setText(QStringLiteral("Delete"));
    twips::place(cmdDelete_, 1440, 120, 1095, 375);
    connect(cmdDelete_, &QPushButton::clicked, this,
            [this] { DeleteSelectedGauges(context_, *this); });

    prbProgress_->setObjectName(QStringLiteral("prbProgress"));
    prbProgress_->setTextVisible(false);
    prbProgress_->setVisible(false);
    twips::place(prbProgress_, 2760, 240, 2775, 255);

    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setTextFormat(Qt::PlainText);
    label1_->setText(QStringLiteral("Select gauges to remove from MSFS gauge directory."));
    twips::place(label1_, 120, 720, 5175, 255);

    lstFileList_->setObjectName(QStringLiteral("lstFileList"));
    lstFileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFileList_->setSortingEnabled(true);
    lstFileList_->setUniformItemSizes(true); // thousands of gauges list quickly
    twips::place(lstFileList_, 120, 960, 2535, 1260);

    resize(twips::size(this, 5670, 3780));
}

UnusedGaugesWindow &UnusedGaugesWindow::instance(const Context &context, QWidget *parent)
{
    auto *open = parent->findChild<UnusedGaugesWindow *>(QString(), Qt::FindDirectChildrenOnly);
    return open ? *open : *new UnusedGaugesWindow(context, parent); // parent owns it
}

void UnusedGaugesWindow::listUnusedGauges()
{
    ListUnusedGauges(context_, *this);
}

void UnusedGaugesWindow::open()
{
    lstFileList_->clear();
    if (!corner_)
        placeOverParent();
    if (isVisible()) {
        raise();
        activateWindow();
    }
    show();
    // Painted before the search holds the thread.
    repaint();
}

void UnusedGaugesWindow::addRow(const QString &text, const QString &path)
{
    auto *item = new QListWidgetItem(text);
    item->setData(Qt::UserRole, path);
    lstFileList_->addItem(item); // the list owns it
}

int UnusedGaugesWindow::rowCount() const
{
    return lstFileList_->count();
}

QString UnusedGaugesWindow::rowPath(int row) const
{
    return lstFileList_->item(row)->data(Qt::UserRole).toString();
}

bool UnusedGaugesWindow::isSelected(int row) const
{
    return lstFileList_->item(row)->isSelected();
}

void UnusedGaugesWindow::removeRow(int row)
{
    delete lstFileList_->takeItem(row);
}

void UnusedGaugesWindow::placeOverParent()
{
    const QWidget *over = parentWidget() ? parentWidget() : this;
    placedSize_ = size();
    frameExtra_ = frameGeometry().size() - size();
    corner_ = platform::outerCornerOver(frameGeometry().size(), over->frameGeometry(),
                                        over->screen()->availableGeometry());
    move(*corner_);
}

void UnusedGaugesWindow::fitFrame()
{
    if (!corner_ || !isVisible())
        return;
    // The frame, unknown before the first showing, makes the window larger: it is placed again
    // to stay wholly on the screen, unless the user has resized it meanwhile.
    if (frameGeometry().size() - size() != frameExtra_ && size() == placedSize_)
        placeOverParent();
    platform::keepOuterCorner(*this, *corner_);
}

void UnusedGaugesWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitFrame();
}

void UnusedGaugesWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window manager may add the frame only after showing.
    fitFrame();
}

void UnusedGaugesWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyResizeRule();
}

void UnusedGaugesWindow::keyPressEvent(QKeyEvent *event)
{
    if (list_window::closesWindow(*event))
        close();
    else
        QWidget::keyPressEvent(event);
}

void UnusedGaugesWindow::applyResizeRule()
{
    list_window::fitList(*this, *lstFileList_);
}
