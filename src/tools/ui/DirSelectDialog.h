#pragma once

#include "platform/MessageBoxes.h"

#include <QDialog>
#include <QString>

#include <optional>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// frmDirSelect: picks one directory from a volume list (Drive1, standing in for drives) and a
// directory list (Dir1) showing the open directory with its ancestors and sub-directories.
// Opens at the start path it is given (or, when that cannot be opened, at the fallback).
class DirSelectDialog : public QDialog {
    Q_OBJECT
public:
    DirSelectDialog(const QString &start, platform::MessageBoxes &messages,
                    QWidget *parent = nullptr);

    // The opened directory as Qt writes it ("/" separators), without a trailing separator
    // unless it is a root.
    QString currentPath() const { return currentPath_; }

    // The answer: the opened directory in the system's own form ("C:\FS2000" on Windows) after
    // OK; nothing after Cancel, Esc or the close box.
    std::optional<QString> chosenPath() const { return chosenPath_; }

    // Where the picker opens when the start path cannot be opened.
    static QString fallbackPath();

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

    const QString start_;
    platform::MessageBoxes &messages_;
    QString currentPath_;
    std::optional<QString> chosenPath_;
    int driveIndex_ = -1; // the drive of currentPath_ in Drive1

    QComboBox *Drive1_;
    QListWidget *Dir1_;
    QLabel *lblDirSelectComment_;
    QPushButton *cmdOk_;
    QPushButton *cmdCancel_;
};

// Shows the picker modally at the start path and returns the directory chosen, or nothing
// when the user cancelled.
std::optional<QString> BrowseForDirectory(platform::MessageBoxes &messages, const QString &start,
                                          QWidget *parent = nullptr);
