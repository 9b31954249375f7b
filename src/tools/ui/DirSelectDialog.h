#pragma once

#include "package/SharedState.h"
#include "platform/MessageBoxes.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// frmDirSelect: picks one directory from a volume list (Drive1, standing in for drives) and a
// directory list (Dir1) showing the open directory with its ancestors and sub-directories.
// Whatever way it closes, it leaves its answer in DirSelectPath: the opened directory after
// OK, DirSelectStart otherwise.
class DirSelectDialog : public QDialog {
    Q_OBJECT
public:
    DirSelectDialog(SharedState &state, platform::MessageBoxes &messages,
                    QWidget *parent = nullptr);

    // The opened directory, without a trailing separator unless it is a root.
    QString currentPath() const { return currentPath_; }

    // Where the picker opens when the start path cannot be opened.
    static QString fallbackPath();

    void reject() override;

private:
    void Form_Load();
    void Drive1_Change(int index);
    void Dir1_DblClick(QListWidgetItem *item);
    void cmdOk_Click();

    void buildControls();
    void fillDriveList(const QString &mustInclude);
    void selectDriveOf(const QString &path);
    // Opens a directory in Dir1; on failure returns the system's description and leaves Dir1
    // as it was.
    bool openDirectory(const QString &path, QString *error = nullptr);
    void showUnavailable(const QString &error);

    SharedState &state_;
    platform::MessageBoxes &messages_;
    QString currentPath_;
    int driveIndex_ = -1; // the drive of currentPath_ in Drive1

    QComboBox *Drive1_;
    QListWidget *Dir1_;
    QLabel *lblDirSelectComment_;
    QPushButton *cmdOk_;
    QPushButton *cmdCancel_;
};

// Shows the picker modally at the start path; the caller reads DirSelectPath afterwards.
void BrowseForDirectory(SharedState &state, platform::MessageBoxes &messages, const QString &start,
                        QWidget *parent = nullptr);
