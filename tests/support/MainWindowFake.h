#pragma once

#include "StoreFixture.h"
#include "app/MainController.h"
#include "package/FolderLayout.h"

// The main window as plain data, driven by its real controller.
struct FakeMainWindow : MainWindowView {
    QString name, header;
    MainMode controls = MainMode::Welcome;
    int firstTabShown = 0, category = -1, package = -1;
    std::optional<int> option;
    QList<int> options, selected; // the box's entries; the actions selected in it by the logic
    QStringList categoryList, packageList;

    void setHeader(const QString &text) override { header = text; }
    void showControlsFor(MainMode mode) override { controls = mode; }
    void setBackdrop(const QString &) override {}
    void setTabColour(unsigned) override {}
    void showFirstTab() override { ++firstTabShown; }
    void setOptions(const QList<OptionEntry> &list) override
    {
        options.clear();
        for (const OptionEntry &entry : list)
            options.append(entry.action);
        option = options.first();
    }
    std::optional<int> selectedAction() const override { return option; }
    void selectAction(int action) override
    {
        option = action;
        selected.append(action);
    }
    QString packageNameText() const override { return name; }
    void setPackageNameText(const QString &text) override { name = text; }
    void setCategories(const QStringList &list) override { categoryList = list, category = -1; }
    QStringList categories() const override { return categoryList; }
    int categoryIndex() const override { return category; }
    void setCategoryIndex(int index) override { category = index; }
    void setPackages(const QStringList &list) override { packageList = list, package = -1; }
    QStringList packages() const override { return packageList; }
    int packageIndex() const override { return package; }
    void setPackageIndex(int index) override { package = index; }
};

// Picks a package of the category by its name (none for an empty name), as the user does.
inline void pickPackage(FakeMainWindow &window, MainController &controller, const QString &category,
                        const QString &name)
{
    window.category = int(window.categoryList.indexOf(category));
    controller.categoryPicked();
    int index = -1;
    for (int i = 0; i < window.packageList.size(); ++i)
        index = GetPackageName(window.packageList.at(i)) == name ? i : index;
    window.package = index;
    if (index >= 0)
        controller.packagePicked();
}

// The option chosen in the box, then Go.
template <typename Action>
void pressGo(FakeMainWindow &window, MainController &controller, Action action)
{
    window.option = int(action);
    controller.goClicked();
}

// Staging beside a store and a simulator folder, and the main window with its controller. The
// test builds its tree, then starts the window as the program does (welcome, category box).
struct MainWindowScenario : StoreFixture {
    FakeMainWindow window;
    MainController controller{test.context, window};

    MainWindowScenario()
    {
        test.state.StagingDir = tree.folder("Staging").path("Staging/");
        test.state.ResourceDir = tree.path("");
    }
    void start()
    {
        controller.showWelcome();
        controller.fillCategoryBox();
    }
    void pick(const QString &category, const QString &name)
    {
        pickPackage(window, controller, category, name);
    }
    template <typename Action> void go(Action action) { pressGo(window, controller, action); }
};
