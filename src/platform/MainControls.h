#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The main window's controls as the actions read and change them, and the mode changes they
// ask for (frmStowbay).
class MainControls {
public:
    virtual ~MainControls() = default;

    virtual int optionIndex() const = 0; // cboOptions, -1 when none is selected
    virtual void setOptionIndex(int index) = 0;
    virtual QString packageNameText() const = 0; // txtPackageName
    virtual void setPackageNameText(const QString &text) = 0;
    virtual QString categoryText() const = 0;   // cboPackageCategory
    virtual QStringList categories() const = 0; // cboPackageCategory's entries in box order
    virtual QString packageText() const = 0;    // cboPackageName, with any installed marker

    virtual void showStaging() = 0;
    virtual void showStowbay(bool rescan) = 0;
    virtual void updateCaption() = 0;
    // Rebuilds the package list window when it is shown (after a package was added or removed).
    virtual void refreshPackageListIfShown() = 0;
};

} // namespace platform
