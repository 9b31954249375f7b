#pragma once

#include "app/Settings.h"
#include "package/Context.h"
#include "platform/MainControls.h"
#include "platform/PackageView.h"
#include "platform/Progress.h"

#include <QMainWindow>

class FileListWindow;

// frmStowbay: the main window. It is the package view and the progress bar of the logic, and
// the controls the actions read. Event handlers stay thin: they read controls, call logic and
// show the result.
class StowbayWindow : public QMainWindow,
                      public platform::PackageView,
                      public platform::Progress,
                      public platform::MainControls {
    Q_OBJECT
public:
    struct Services {
        SharedState &state;
        platform::MessageBoxes &messages;
        platform::ConfigChooser &configChooser;
        platform::ProgramLauncher &launcher;
        platform::LocationsEditor &locations;
        FileListWindow &fileList;
    };
    explicit StowbayWindow(const Services &services, QWidget *parent = nullptr);

    // Applies ws.ini's main-window geometry (twips) over the designed one.
    void applyGeometry(const MainWindowGeometry &geometry);
    // Fills the category box from the store and selects its first entry.
    void FillCategoryBox();
    // The logic's context, built from this window and the services.
    Context &context();
};
