#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace platform {

// The aircraft configuration chooser (frmMultipleCfg). Returns the 0-based row chosen, or
// nothing when the user closed the dialog without choosing.
class ConfigChooser {
public:
    virtual ~ConfigChooser() = default;
    virtual std::optional<int> choose(const QStringList &entries) = 0;
};

// The Locations dialog, shown modally; it edits the three locations it is given and leaves
// them unchanged on Cancel.
struct Locations {
    QString staging;
    QString stowbay;
    QString msfs;
};
class LocationsEditor {
public:
    virtual ~LocationsEditor() = default;
    virtual void edit(Locations &locations) = 0;
};

} // namespace platform
