#pragma once

#include "platform/Choices.h"
#include "platform/MessageBoxes.h"

#include <QPointer>
#include <QWidget>

// Shows frmMultipleCfg modally to choose one aircraft configuration.
class DialogConfigChooser : public platform::ConfigChooser {
public:
    explicit DialogConfigChooser(platform::MessageBoxes &messages, QWidget *parent = nullptr);
    void setParent(QWidget *parent);
    std::optional<int> choose(const QStringList &entries) override;

private:
    platform::MessageBoxes &messages_;
    QPointer<QWidget> parent_;
};
