#include "tools/ui/AboutBox.h"

#include "platform/qt/Twips.h"

#include <QApplication>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

const QString kTitle = QStringLiteral("Wingstash");

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *created = new QLabel(parent); // the box owns it
    created->setObjectName(QString::fromLatin1(name));
    created->setTextFormat(Qt::PlainText);
    created->setWordWrap(true);
    created->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    created->setText(text);
    return created;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *created = new QPushButton(text, parent); // the box owns it
    created->setObjectName(QString::fromLatin1(name));
    return created;
}

} // namespace

AboutBox::AboutBox(platform::MessageBoxes &messages, platform::ProgramLauncher &launcher,
                   QWidget *parent)
    : QDialog(parent), messages_(messages), launcher_(launcher)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About ") + kTitle);

    auto *picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    const QIcon icon = QApplication::windowIcon().isNull()
                           ? style()->standardIcon(QStyle::SP_ComputerIcon)
                           : QApplication::windowIcon();
    picIcon->setPixmap(icon.pixmap(twips::size(this, 540, 540)));
    twips::place(picIcon, 240, 240, 540, 540);

    QLabel *lblTitle = label(this, "lblTitle", kTitle);
    QFont titleFont(QStringLiteral("Comic Sans MS"));
    titleFont.setPointSize(16);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    twips::place(lblTitle, 1050, 240, 5310, 480);

    twips::place(label(this, "lblVersion", QStringLiteral("Version ") + versionNumber()), 1050, 780,
                 5310, 225);
    twips::place(
        label(this, "lblDescription",
              QStringLiteral(
                  "Description:  Wingstash is a utility that makes the job of collecting and "
                  "organizing the many aircraft and aircraft related components available on the "
                  "internet for Microsoft Flight Simulator 2000 easy (I have only used and tested "
                  "it for FS2000).  It also lets you quickly and intelligently install and "
                  "uninstall these components to and from the Flight Simulator directory.")),
        1050, 1125, 5310, 1965);

    auto *line1 = new QFrame(this);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);
    twips::place(line1, 240, 3180, 6120, 30);

    twips::place(label(this, "Label1",
                       QStringLiteral("Wingstash copies and deletes files only in the three "
                                      "folders you name, and only when you ask it to.  Keep a "
                                      "backup of your simulator and your collection all the "
                                      "same: Wingstash comes with no warranty of any kind.")),
                 240, 3330, 4470, 1170);

    QPushButton *cmdOK = button(this, "cmdOK", QStringLiteral("OK"));
    cmdOK->setDefault(true);
    twips::place(cmdOK, 4980, 3330, 1380, 375);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    QPushButton *cmdSysInfo = button(this, "cmdSysInfo", QStringLiteral("&System Info..."));
    twips::place(cmdSysInfo, 4980, 3810, 1380, 375);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutBox::startSysInfo);

    // Esc closes the box through QDialog's reject, as a cancel button would.
    setFixedSize(twips::size(this, 6600, 4500));
}

AboutBox &AboutBox::showOnce(platform::MessageBoxes &messages, platform::ProgramLauncher &launcher,
                             QWidget *parent)
{
    auto *box = parent->findChild<AboutBox *>(QString(), Qt::FindDirectChildrenOnly);
    if (!box)
        box = new AboutBox(messages, launcher, parent); // parent owns it
    if (box->isVisible()) {
        box->raise();
        box->activateWindow();
    }
    box->show();
    return *box;
}

QString AboutBox::versionNumber()
{
    return QStringLiteral("%1.%2.%3")
        .arg(WINGSTASH_VERSION_MAJOR)
        .arg(WINGSTASH_VERSION_MINOR)
        .arg(WINGSTASH_VERSION_PATCH);
}

void AboutBox::startSysInfo()
{
    if (!launcher_.startSystemInformation())
        messages_.inform(QStringLiteral("System Information Is Unavailable At This Time"));
}
