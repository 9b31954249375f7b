#pragma once

#include "package/PackageListView.h"
#include "package/SharedState.h"
#include "platform/qt/OuterSize.h"

#include <QRect>
#include <QSize>
#include <QWidget>

#include <optional>

class QListWidget;
class QLabel;
class QPushButton;

// frmFileList: the package list window, not modal. Its rows come from the logic; a click on a
// row is handed to the main window through rowClicked. It is placed by its outer geometry,
// frame included, and closing it stores that outer geometry into ListTop, ListLeft, ListHeight
// and ListWidth, so that it opens where it was closed.
class FileListWindow : public QWidget, public PackageListView {
    Q_OBJECT
public:
    explicit FileListWindow(SharedState &state, QWidget *parent = nullptr);

    void setCaption(const QString &caption) override;
    void setRows(const QStringList &rows) override;
    int rowCount() const override;
    bool isShown() const override;
    void showAt(const WindowGeometry &geometry) override;

signals:
    void rowClicked(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyResizeRule();
    void fitFrame();
    void storeGeometry();

    SharedState &state_;
    QPushButton *cmdOk_;
    QLabel *lblFileList_;
    QListWidget *lstFileList_;
    // Where showAt last placed the window: the twips asked for and the outer pixels they gave.
    std::optional<WindowGeometry> placed_;
    platform::OuterPlacement placement_;
};
