#include "tools/ui/LocationsForm.h"

#include "platform/qt/Twips.h"
#include "tools/ui/DirSelectDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr int kTextBoxLeft = 120;
constexpr int kTextBoxWidth = 4692;
constexpr int kBrowseLeft = 4920;
constexpr int kBrowseWidth = 852;
constexpr int kBrowseHeight = 252;
} // namespace

LocationsForm::LocationsForm(platform::Locations &locations, platform::MessageBoxes &messages,
                             QWidget *parent)
    : QDialog(parent), locations_(locations), messages_(messages)
{
    buildControls();
    Form_Load();
}

QLabel *LocationsForm::addLabel(const char *name, const QString &caption, int left, int top,
                                int width)
{
    auto *label = new QLabel(caption, this);
    label->setObjectName(QString::fromLatin1(name));
    twips::place(label, left, top, width, 252);
    return label;
}

QLineEdit *LocationsForm::addTextBox(const char *name, int top, int height)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    twips::place(box, kTextBoxLeft, top, kTextBoxWidth, height);
    return box;
}

QPushButton *LocationsForm::addButton(const char *name, const QString &caption, int left, int top,
                                      int width, int height)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    twips::place(button, left, top, width, height);
    return button;
}

void LocationsForm::buildControls()
{
    setObjectName(QStringLiteral("frmLocations"));
    setWindowTitle(QStringLiteral("Locations"));
    // An ordinary window: it may be resized, the controls keep their places.
    resize(twips::size(this, 5940, 2820));

    addLabel("lblStagingDir", QStringLiteral("Staging Directory"), 120, 120, 1452);
    txtStagingDir_ = addTextBox("txtStagingDir", 360, 315);
    cmdStagingDir_ = addButton("cmdStagingDir", QStringLiteral("Browse"), kBrowseLeft, 360,
                               kBrowseWidth, kBrowseHeight);

    addLabel("lblStowbayDir", QStringLiteral("Stowbay Directory"), 120, 840, 1572);
    txtStowbayDir_ = addTextBox("txtStowbayDir", 1080, 288);
    cmdStowbayDir_ = addButton("cmdStowbayDir", QStringLiteral("Browse"), kBrowseLeft, 1080,
                               kBrowseWidth, kBrowseHeight);

    addLabel("Label2", QStringLiteral("MS Flight Sim Directory"), 120, 1560, 2052);
    txtMSFSDir_ = addTextBox("txtMSFSDir", 1800, 288);
    cmdMSFSDir_ = addButton("cmdMSFSDir", QStringLiteral("Browse"), kBrowseLeft, 1800, kBrowseWidth,
                            kBrowseHeight);

    cmdAccept_ = addButton("cmdAccept", QStringLiteral("&Accept"), 1200, 2280, 1212, 372);
    cmdAccept_->setDefault(true);
    cmdCancel_ = addButton("cmdCancel", QStringLiteral("&Cancel"), 2880, 2280, 1215, 375);

    setTabOrder(txtStagingDir_, txtStowbayDir_);
    setTabOrder(txtStowbayDir_, txtMSFSDir_);
    setTabOrder(txtMSFSDir_, cmdStagingDir_);
    setTabOrder(cmdStagingDir_, cmdStowbayDir_);
    setTabOrder(cmdStowbayDir_, cmdMSFSDir_);
    setTabOrder(cmdMSFSDir_, cmdAccept_);
    setTabOrder(cmdAccept_, cmdCancel_);
    // Only Accept answers Enter; the Browse buttons act on a click or the space bar.
    for (QPushButton *button : {cmdStagingDir_, cmdStowbayDir_, cmdMSFSDir_, cmdCancel_})
        button->setAutoDefault(false);

    connect(cmdStagingDir_, &QPushButton::clicked, this, [this] { browseInto(txtStagingDir_); });
    connect(cmdStowbayDir_, &QPushButton::clicked, this, [this] { browseInto(txtStowbayDir_); });
    connect(cmdMSFSDir_, &QPushButton::clicked, this, [this] { browseInto(txtMSFSDir_); });
    connect(cmdAccept_, &QPushButton::clicked, this, &LocationsForm::cmdAccept_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &LocationsForm::reject);
}

void LocationsForm::Form_Load()
{
    txtStagingDir_->setText(locations_.staging);
    txtStowbayDir_->setText(locations_.stowbay);
    txtMSFSDir_->setText(locations_.msfs);
}

void LocationsForm::browseInto(QLineEdit *box)
{
    if (const std::optional<QString> chosen = BrowseForDirectory(messages_, box->text(), this))
        box->setText(*chosen);
}

void LocationsForm::cmdAccept_Click()
{
    const QString staging = txtStagingDir_->text();
    const QString stowbay = txtStowbayDir_->text();
    const QString msfs = txtMSFSDir_->text();
    // Only a truly empty box is refused; whether a path is usable is judged after closing.
    if (staging.isEmpty() || stowbay.isEmpty() || msfs.isEmpty()) {
        messages_.inform(QStringLiteral("Please enter all of the location directories please."));
        return;
    }
    locations_.staging = staging;
    locations_.stowbay = stowbay;
    locations_.msfs = msfs;
    accept();
}
