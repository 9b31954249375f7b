#include "package/DeletionPlan.h"

#include "FaultScenarios.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct DetailsCase {
    const char *name;
    const char *row; // an action row of the fault suite; none: the add-on staged loose
    std::optional<StagingAction> cleanUp; // of the staged add-on; none: a scan finding a duplicate
    const char *location;   // the folders of the tree the listed paths are relative to, "+" between
    int detailed;           // questions that come with details
    QStringList kept{};     // the "kept:" lines, written with "/"
    bool installed = false; // the stored add-on is in the simulator as well; the first question,
                            // handing it over, lists all the later ones delete
};

// Every path a line of details stands for, relative to the tree: a file itself, a folder with
// everything below it, whose files it counts. Leading lines that name nothing are the notices
// that open the details; after them, every line must name what the disk held.
QSet<QString> listedPaths(const QStringList &details, const QStringList &locations,
                          const DiskSnapshot &before, QStringList &kept)
{
    static const QRegularExpression folderLine(QStringLiteral("^(.*)/  \\(([0-9,]+) files?\\)$"));
    QSet<QString> listed;
    for (const QString &nativeLine : details) {
        const QString line = QDir::fromNativeSeparators(nativeLine);
        if (line.contains(QStringLiteral("  kept: "))) {
            kept.append(line);
            continue;
        }
        const QRegularExpressionMatch folder = folderLine.match(line);
        QString path;
        for (const QString &location : locations) {
            path = location + '/' + (folder.hasMatch() ? folder.captured(1) : line);
            if (before.contains(path))
                break;
        }
        if (!before.contains(path)) {
            EXPECT_TRUE(listed.isEmpty()) << "names nothing on disk: " << line.toStdString();
            continue;
        }
        listed.insert(path);
        if (!folder.hasMatch())
            continue;
        int files = 0;
        for (auto it = before.lowerBound(path + '/');
             it != before.cend() && it.key().startsWith(path + '/'); ++it) {
            listed.insert(it.key());
            files += it.value() != QStringLiteral("dir");
        }
        EXPECT_EQ(folder.captured(2).remove(',').toInt(), files) << line.toStdString();
    }
    return listed;
}

// Files of every kind, each name once, in folders of their own below the location the case works
// on, made before the case builds its world: the generated part of each tree.
void generateFiles(ActionWorld &world, const QString &location, quint32 seed)
{
    const QString below = location == QLatin1String("Stowbay")
                              ? QStringLiteral("Stowbay/Props/Cub/")
                          : location == QLatin1String("MSFS") ? QStringLiteral("MSFS/Aircraft/Cub/")
                                                              : QStringLiteral("Staging/");
    const QStringList folders{"", "sub/", "Sub Two/", "deep/er/"};
    const QStringList endings{".gau", ".wav", ".BMP", ".txt", ".jpg", ".mdl", ".air", ".xyz"};
    QRandomGenerator random(seed);
    for (int i = random.bounded(12); i >= 0; --i) {
        const QString name = QStringLiteral("gen%1_%2").arg(seed).arg(i) +
                             endings.at(random.bounded(int(endings.size())));
        world.tree.file(below + folders.at(random.bounded(int(folders.size()))) + name, "g");
        if (location == QLatin1String("MSFS") && random.bounded(2) == 0)
            world.tree.file("MSFS/Gauges/" + name + ".gau", "unused");
    }
}

} // namespace

// A Yes deletes exactly what its question listed, and a question that deletes nothing lists
// nothing: the details of every question of the action, against what is gone from the disk.
TEST(DeletionDetails, ListExactlyWhatAYesDeletes)
{
    const QStringList keptShared{
        "Gauges/common.gau  kept: named by Aircraft/Other/Panel/panel.cfg"};
    const std::vector<DetailsCase> cases{
        {"intake, then clearing Staging", "Intake", {}, "Staging", 2},
        {"unpacking over Staging's files", "UnpackReplacingStagingFiles", {}, "Staging", 1},
        {"removal from the simulator", "RemoveFromSimulator", {}, "MSFS", 1, keptShared},
        {"removal from the store", "RemoveFromStore", {}, "Stowbay", 1},
        {"copy to Staging, then removal from the store", "CopyToStaging", {}, "Stowbay", 2},
        {"installed, copied to Staging, then removed",
         "CopyToStaging",
         {},
         "MSFS+Stowbay",
         3,
         {},
         true},
        {"store image", "RemoveStoreImage", {}, "Stowbay", 1},
        {"unused gauges", "DeleteUnusedGauges", {}, "MSFS", 1},
        {"Remove ALL", nullptr, StagingAction::RemoveAll, "Staging", 1},
        {"panel", nullptr, StagingAction::RemovePanel, "Staging", 1},
        {"sound", nullptr, StagingAction::RemoveSound, "Staging", 1},
        {"aircraft", nullptr, StagingAction::RemoveAircraft, "Staging", 1},
        {"Staging image", nullptr, StagingAction::RemoveImage, "Staging", 1},
        {"duplicate, found by the scan", nullptr, {}, "Staging", 1},
    };
    for (const DetailsCase &c : cases) {
        for (const quint32 seed : {0u, 1u, 2u, 3u}) {
            SCOPED_TRACE(std::string(c.name) + ", generated tree " + std::to_string(seed));
            ActionWorld world(true);
            const QStringList locations = QString::fromLatin1(c.location).split('+');
            if (seed > 0)
                generateFiles(world, locations.constLast(), seed);
            if (c.installed)
                installAddOn(world.tree, QStringLiteral("Cub"));
            if (c.row != nullptr) {
                prepareAction(actionRow(c.row), world);
            } else {
                stageAddOn(world.tree);
                if (!c.cleanUp)
                    world.tree.file("Staging/extra/cub_t.bmp", "another texture");
            }
            const DiskSnapshot before = snapshotOf(world.tree.root());
            if (c.row != nullptr)
                runAction(actionRow(c.row), world);
            else if (c.cleanUp)
                world.go(*c.cleanUp);
            else
                world.showStaging();
            const DiskSnapshot after = snapshotOf(world.tree.root());

            QSet<QString> gone;
            for (auto it = before.cbegin(); it != before.cend(); ++it) {
                if (!after.contains(it.key()))
                    gone.insert(it.key());
            }
            QSet<QString> listed;
            QStringList kept;
            int detailed = 0;
            for (const QStringList &details : world.messages.details) {
                detailed += !details.isEmpty();
                listed += listedPaths(details, locations, before, kept);
            }
            kept.removeDuplicates();
            if (c.installed) {
                QStringList firstKept;
                EXPECT_EQ(
                    listedPaths(world.messages.details.value(0), locations, before, firstKept),
                    gone);
            }
            EXPECT_FALSE(gone.isEmpty()) << world.messages.shown.join(" | ").toStdString();
            EXPECT_EQ(listed, gone);
            EXPECT_EQ(detailed, c.detailed);
            EXPECT_EQ(kept, c.kept);
        }
    }
}

TEST(DeletionDetails, AreCutAtFiveHundredLinesWithTheCountOfTheRest)
{
    TreeBuilder tree;
    DeletionPlan plan(tree.root());
    for (int i = 0; i < 1600; ++i) {
        const QString name = QStringLiteral("f%1.gau").arg(i, 4, 10, QLatin1Char('0'));
        tree.file(name);
        plan.add(RemovalArea(tree.root()), tree.path(name));
    }
    const QStringList details = deletionDetails({plan});
    ASSERT_GE(details.size(), kMaxDetailLines);
    EXPECT_EQ(details.mid(details.size() - kMaxDetailLines),
              plan.lines().mid(0, kMaxDetailLines - 1) + QStringList{"... and 1,101 more"});
    DeletionPlan single(tree.root());
    single.add(RemovalArea(tree.root()), tree.file("one/only.gau").path("one"));
    single.add(RemovalArea(tree.root()), tree.folder("none").path("none"));
    EXPECT_EQ(single.lines(), QStringList({"one/  (1 file)", "none/  (0 files)"}));
}
