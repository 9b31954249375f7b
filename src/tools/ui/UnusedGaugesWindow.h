#pragma once

#include "package/Context.h"
#include "platform/qt/BarProgress.h"
#include "tools/UnusedGaugesView.h"

#include <QPoint>
#include <QSize>
#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

// frmUnusedGauges: the gauges no installed panel uses, in a sorted list with multiple
// selection, and Delete. Not modal; one window is kept and reused by every run of the tool. It
// first opens centred over the main window, wholly on the screen, and stays where the user
// puts it.
class UnusedGaugesWindow : public QWidget, public UnusedGaugesView {
    Q_OBJECT
public:
    // The one window below parent, created on first use.
    static UnusedGaugesWindow &instance(const Context &context, QWidget *parent);

    explicit UnusedGaugesWindow(const Context &context, QWidget *parent = nullptr);

    // What the menu item runs: the warning question, the search, and this window with the
    // gauges found (nothing opens when the user cancels the question).
    void listUnusedGauges();

    void open() override;
    void addRow(const QString &text, const QString &path) override;
    int rowCount() const override;
    QString rowPath(int row) const override;
    bool isSelected(int row) const override;
    void removeRow(int row) override;
    platform::Progress &progress() override { return progress_; }

protected:
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyResizeRule();
    void placeOverParent();
    void fitFrame();

    Context context_;
    QPushButton *cmdOk_;
    QPushButton *cmdDelete_;
    QProgressBar *prbProgress_;
    QLabel *label1_;
    QListWidget *lstFileList_;
    BarProgress progress_;
    // Where the first opening put the outer corner, and the sizes it reckoned with.
    std::optional<QPoint> corner_;
    QSize placedSize_;
    QSize frameExtra_;
};
