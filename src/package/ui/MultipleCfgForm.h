#pragma once

#include "platform/MessageBoxes.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// frmMultipleCfg: lists an aircraft.cfg's configurations and lets the user take one, by OK or
// by double-clicking it. Closing it without choosing leaves chosenRow() empty.
class MultipleCfgForm : public QDialog {
    Q_OBJECT
public:
    MultipleCfgForm(platform::MessageBoxes &messages, const QStringList &entries,
                    QWidget *parent = nullptr);

    // The 0-based row chosen, once the form was closed by a choice.
    std::optional<int> chosenRow() const { return chosenRow_; }

private:
    void cmdOK_Click();
    void lstConfigs_DblClick(QListWidgetItem *item);
    void choose(int row);

    platform::MessageBoxes &messages_;
    QLabel *Label1_;
    QLabel *Label2_;
    QListWidget *lstConfigs_;
    QPushButton *cmdOK_;
    std::optional<int> chosenRow_;
};
