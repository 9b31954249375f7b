#pragma once

#include "platform/MessageBoxes.h"

#include <QPointer>
#include <QWidget>

// Message boxes titled "Wingstash", no icon, plain text, modal over the active window.
class QtMessageBoxes : public platform::MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget *parent = nullptr);
    void setParent(QWidget *parent);
    platform::Answer show(const QString &text, platform::Buttons buttons,
                          const QStringList &details) override;

private:
    QPointer<QWidget> parent_;
};
