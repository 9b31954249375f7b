#pragma once

#include "package/PackageListView.h"
#include "package/PackageView.h"
#include "platform/Choices.h"
#include "platform/ProgramLauncher.h"
#include "platform/Progress.h"
#include "tools/UnusedGaugesView.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <utility>

// Records what the scan leaves for the main window.
class RecordingPackageView : public PackageView {
public:
    std::array<QStringList, 9> rows;
    std::array<bool, 9> tabAvailable{};
    QString picture; // "" for the placeholder
    bool pagingEnabled = false;
    QString panelAlias1, panelAlias2, soundAlias1, soundAlias2;
    QString caption;
    int pictureShows = 0; // once per scan or clearing

    void showPlaceholderPicture() override
    {
        picture.clear();
        ++pictureShows;
    }
    void showPicture(const QString &path) override
    {
        picture = path;
        ++pictureShows;
    }
    void setPagingEnabled(bool enabled) override { pagingEnabled = enabled; }
    void setRows(int kind, const QStringList &list) override { rows.at(kind) = list; }
    void setTabAvailable(int kind, bool available) override { tabAvailable.at(kind) = available; }
    void setPanelAliasCaptions(const QString &first, const QString &second) override
    {
        panelAlias1 = first;
        panelAlias2 = second;
    }
    void setSoundAliasCaptions(const QString &first, const QString &second) override
    {
        soundAlias1 = first;
        soundAlias2 = second;
    }
    void setCaption(const QString &text) override { caption = text; }
};

class RecordingProgress : public platform::Progress {
public:
    bool visible = false;
    int minimum = 0, maximum = 0, value = 0, stillWorkingCalls = 0;
    void stillWorking() override { ++stillWorkingCalls; }
    void show(int min, int max) override
    {
        visible = true;
        minimum = min;
        maximum = max;
    }
    void setValue(int v) override { value = v; }
    void hide() override { visible = false; }
};

// Answers the configuration choice from a script; a choice nobody scripted fails the test.
class ScriptedConfigChooser : public platform::ConfigChooser {
public:
    QList<QStringList> offered;
    QList<std::optional<int>> answers;
    std::optional<int> choose(const QStringList &entries) override;
};

// Takes the first configuration offered.
class FirstConfigChooser : public platform::ConfigChooser {
public:
    std::optional<int> choose(const QStringList &) override { return 0; }
};

class RecordingPackageListView : public PackageListView {
public:
    QString caption;
    QStringList rows;
    bool visible = false;
    WindowGeometry geometry;
    void setCaption(const QString &text) override { caption = text; }
    void setRows(const QStringList &list) override { rows = list; }
    int rowCount() const override { return int(rows.size()); }
    bool isShown() const override { return visible; }
    void showAt(const WindowGeometry &where) override
    {
        geometry = where;
        visible = true;
    }
};

// The Locations dialog as the user would fill it: each showing applies the next scripted edit
// (none: left unchanged). A showing nobody scripted fails the test; so does one never reached.
struct ScriptedLocationsEditor : platform::LocationsEditor {
    QList<std::function<void(platform::Locations &)>> edits;
    void edit(platform::Locations &locations) override
    {
        if (edits.isEmpty())
            ADD_FAILURE() << "Locations dialog shown unexpectedly";
        else
            edits.takeFirst()(locations);
    }
    ~ScriptedLocationsEditor() override { EXPECT_TRUE(edits.isEmpty()) << "dialog not shown"; }
};

class RecordingLauncher : public platform::ProgramLauncher {
public:
    QStringList textFiles, folders;
    bool systemInformationAvailable = false;
    void openTextFile(const QString &path) override { textFiles.append(path); }
    void openFolder(const QString &path) override { folders.append(path); }
    bool startSystemInformation() override { return systemInformationAvailable; }
};

// The unused-gauges window, its rows sorted as the list shows them; a row is selected when its
// text is in selected, or always with selectAll.
class RecordingGaugesView : public UnusedGaugesView {
public:
    QList<std::pair<QString, QString>> rows; // text, path
    QStringList selected;
    bool selectAll = false;
    int opened = 0;
    RecordingProgress bar;

    void open() override
    {
        ++opened;
        rows.clear();
    }
    void addRow(const QString &text, const QString &path) override
    {
        rows.append({text, path});
        std::sort(rows.begin(), rows.end());
    }
    int rowCount() const override { return int(rows.size()); }
    QString rowPath(int row) const override { return rows.at(row).second; }
    bool isSelected(int row) const override
    {
        return selectAll || selected.contains(rows.at(row).first);
    }
    void removeRow(int row) override { rows.removeAt(row); }
    platform::Progress &progress() override { return bar; }
    QStringList texts() const
    {
        QStringList list;
        for (const auto &row : rows)
            list.append(row.first);
        return list;
    }
};
