#pragma once

#include "platform/Choices.h"
#include "platform/MessageBoxes.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// frmLocations: edits the three locations. Load shows them exactly as held; Accept writes the
// three texts back verbatim and closes; Cancel, Esc or the close box leave them untouched.
class LocationsForm : public QDialog {
    Q_OBJECT
public:
    LocationsForm(platform::Locations &locations, platform::MessageBoxes &messages,
                  QWidget *parent = nullptr);

private:
    void Form_Load();
    void cmdAccept_Click();
    // Each Browse button runs the picker on its own text box, opening at the box's text; a
    // cancelled picker leaves the text as it was.
    void browseInto(QLineEdit *box);

    void buildControls();
    QLabel *addLabel(const char *name, const QString &caption, int left, int top, int width);
    QLineEdit *addTextBox(const char *name, int top, int height);
    QPushButton *addButton(const char *name, const QString &caption, int left, int top, int width,
                           int height);

    platform::Locations &locations_;
    platform::MessageBoxes &messages_;

    QLineEdit *txtStagingDir_;
    QLineEdit *txtStowbayDir_;
    QLineEdit *txtMSFSDir_;
    QPushButton *cmdStagingDir_;
    QPushButton *cmdStowbayDir_;
    QPushButton *cmdMSFSDir_;
    QPushButton *cmdAccept_;
    QPushButton *cmdCancel_;
};
