#include "tools/ui/LocationsDialog.h"

#include "tools/ui/LocationsForm.h"

DialogLocationsEditor::DialogLocationsEditor(platform::MessageBoxes &messages, QWidget *parent)
    : messages_(messages), parent_(parent)
{
}

void DialogLocationsEditor::setParent(QWidget *parent)
{
    parent_ = parent;
}

void DialogLocationsEditor::edit(platform::Locations &locations)
{
    // A fresh form for every showing, so it always loads the values as they stand now.
    LocationsForm form(locations, messages_, parent_.data());
    form.exec();
}
