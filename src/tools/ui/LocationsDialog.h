#pragma once

#include "package/SharedState.h"
#include "platform/Choices.h"
#include "platform/MessageBoxes.h"

#include <QPointer>
#include <QWidget>

// Shows frmLocations modally (with its directory picker frmDirSelect behind the Browse
// buttons) to edit the three locations.
class DialogLocationsEditor : public platform::LocationsEditor {
public:
    explicit DialogLocationsEditor(platform::MessageBoxes &messages, QWidget *parent = nullptr);
    void setParent(QWidget *parent);
    void edit(platform::Locations &locations) override;

private:
    platform::MessageBoxes &messages_;
    QPointer<QWidget> parent_;
};
