#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// An entry of the options box: its caption, and the action it stands for (the mode's action as
// a number), which the box holds as the item's data.
struct OptionEntry {
    QString caption;
    int action;
};

// The three states of the main window: the welcome before a mode is chosen, then Staging or
// Stowbay.
enum class MainMode { Welcome, Staging, Stowbay };

// The main window as its controller drives it (frmStowbay): what it shows and the boxes it holds.
// Setting a box's contents or selection never raises the box's click handler.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    virtual void setHeader(const QString &text) = 0;   // lblHeader
    virtual void showControlsFor(MainMode mode) = 0;   // which controls the mode shows
    virtual void setBackdrop(const QString &path) = 0; // imgStowbay; a missing picture: none
    virtual void setTabColour(unsigned rgb) = 0;       // the tab pages' colour, 0xRRGGBB
    virtual void showFirstTab() = 0;                   // tabComponents on Images

    virtual void setOptions(const QList<OptionEntry> &options) = 0; // cboOptions, first selected
    virtual std::optional<int> selectedAction() const = 0;          // none when none is selected
    virtual void selectAction(int action) = 0;

    virtual QString packageNameText() const = 0; // txtPackageName
    virtual void setPackageNameText(const QString &text) = 0;

    virtual void setCategories(const QStringList &entries) = 0; // cboPackageCategory
    virtual QStringList categories() const = 0;
    virtual int categoryIndex() const = 0;
    virtual void setCategoryIndex(int index) = 0;

    virtual void setPackages(const QStringList &entries) = 0; // cboPackageName, none selected
    virtual QStringList packages() const = 0;
    virtual int packageIndex() const = 0;
    virtual void setPackageIndex(int index) = 0;

    // Asks the user for an add-on archive to unpack; nothing after Cancel. A view without a file
    // picker never has a pick.
    virtual std::optional<QString> chooseArchiveFile() { return std::nullopt; }
};
