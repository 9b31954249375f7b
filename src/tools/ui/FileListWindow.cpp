#include "tools/ui/FileListWindow.h"

#include "platform/qt/OuterSize.h"
#include "platform/qt/Twips.h"
#include "tools/ui/ListWindowRules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>

#include <cmath>

FileListWindow::FileListWindow(SharedState &state, QWidget *parent)
    : QWidget(parent, Qt::Window), state_(state), cmdOk_(new QPushButton(this)),
      lblFileList_(new QLabel(this)), lstFileList_(new QListWidget(this))
{
    setObjectName(QStringLiteral("frmFileList"));

    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setText(QStringLiteral("OK"));
    cmdOk_->setDefault(true);
    cmdOk_->setGeometry(twips::rect(this, 120, 120, 1575, 375));
    connect(cmdOk_, &QPushButton::clicked, this, &QWidget::close);

    lblFileList_->setObjectName(QStringLiteral("lblFileList"));
    lblFileList_->setText(QStringLiteral("Select a package to pull it up in the Stowbay"));
    lblFileList_->setTextFormat(Qt::PlainText);
    lblFileList_->setGeometry(twips::rect(this, 120, 720, 5415, 255));

    lstFileList_->setObjectName(QStringLiteral("lstFileList"));
    lstFileList_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstFileList_->setSortingEnabled(false);
    lstFileList_->setUniformItemSizes(true); // a large collection lists quickly
    lstFileList_->setGeometry(twips::rect(this, 120, 960, 2535, 780));
    connect(lstFileList_, &QListWidget::itemClicked, this,
            [this](const QListWidgetItem *item) { emit rowClicked(item->text()); });
    // Moving through the list with the keys picks rows as clicks do; a mouse press changes
    // the row too, but its click follows and is the one that counts.
    connect(lstFileList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && lstFileList_->hasFocus() && QApplication::mouseButtons() == Qt::NoButton)
            emit rowClicked(lstFileList_->item(row)->text());
    });

    resize(twips::toPixels(this, 5670), twips::toPixels(this, 3780));
}

void FileListWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void FileListWindow::setRows(const QStringList &rows)
{
    lstFileList_->clear();
    lstFileList_->addItems(rows);
}

int FileListWindow::rowCount() const
{
    return lstFileList_->count();
}

bool FileListWindow::isShown() const
{
    return QWidget::isVisible();
}

void FileListWindow::showAt(const WindowGeometry &geometry)
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    const QRect outer =
        twips::rect(this, geometry.left, geometry.top, geometry.width, geometry.height);
    // Placed as the main window places itself; showEvent and moveEvent correct the place and
    // size when the frame appears, as a window manager may add it well after the showing.
    placement_.place(*this, outer);
    placed_ = geometry;
    show();
}

void FileListWindow::closeEvent(QCloseEvent *event)
{
    storeGeometry();
    event->accept();
}

void FileListWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    fitFrame();
}

void FileListWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    applyResizeRule();
}

void FileListWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window manager may add the frame only after showing; keep the outer size asked for.
    fitFrame();
}

void FileListWindow::keyPressEvent(QKeyEvent *event)
{
    if (list_window::closesWindow(*event))
        close();
    else
        QWidget::keyPressEvent(event);
}

void FileListWindow::applyResizeRule()
{
    list_window::fitList(*this, *lstFileList_);
}

void FileListWindow::fitFrame()
{
    placement_.fit(*this);
}

void FileListWindow::storeGeometry()
{
    const QRect outer = frameGeometry();
    if (placed_ && outer == placement_.outer()) {
        // Unmoved since it was placed: give back exactly what was asked for, so that opening
        // and closing never drifts by a pixel's rounding.
        state_.ListTop = placed_->top;
        state_.ListLeft = placed_->left;
        state_.ListHeight = placed_->height;
        state_.ListWidth = placed_->width;
        return;
    }
    state_.ListTop = twips::fromPixels(this, outer.top());
    state_.ListLeft = twips::fromPixels(this, outer.left());
    state_.ListHeight = twips::fromPixels(this, outer.height());
    state_.ListWidth = twips::fromPixels(this, outer.width());
}
