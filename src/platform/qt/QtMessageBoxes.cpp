#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

using platform::Answer;
using platform::Buttons;

QtMessageBoxes::QtMessageBoxes(QWidget *parent) : parent_(parent) {}

void QtMessageBoxes::setParent(QWidget *parent)
{
    parent_ = parent;
}

Answer QtMessageBoxes::show(const QString &text, Buttons buttons, const QStringList &details)
{
    QWidget *owner = parent_ ? parent_.data() : QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Wingstash"), text, QMessageBox::NoButton,
                    owner);
    // A package name holding "<" must show as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    // Qt's own "Show Details..." button unfolds them; the detailed text is always plain text.
    if (!details.isEmpty())
        box.setDetailedText(details.join(QLatin1Char('\n')));

    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    return Answer::Cancel;
}
