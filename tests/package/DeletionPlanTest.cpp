#include "package/DeletionPlan.h"

#include "FaultScenarios.h"
#include "TreeBuilder.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

using Step = std::function<void(ActionWorld &)>;

struct DetailsCase {
    const char *name;
    Step prepare;
    Step act;
    const char *location; // the folder of the tree the listed paths are relative to
    int detailed;         // questions that come with details
    QStringList kept{};   // the "kept:" lines, written with "/"
};

Step preparedAs(const char *row)
{
    return [row](ActionWorld &world) { actionRow(QLatin1String(row)).prepare(world); };
}
Step actAs(const char *row)
{
    return [row](ActionWorld &world) { actionRow(QLatin1String(row)).act(world); };
}
const Step staged = [](ActionWorld &world) {
    stageAddOn(world.tree);
    world.showStaging();
};
Step going(StagingAction action)
{
    return [action](ActionWorld &world) { world.go(action); };
}

// Every path a line of details stands for, relative to the tree: a file itself, a folder with
// everything below it, whose files it counts. Leading lines that name nothing are the notices
// that open the details; after them, every line must name what the disk held.
QSet<QString> listedPaths(const QStringList &details, const QString &location,
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
        const QString path = location + '/' + (folder.hasMatch() ? folder.captured(1) : line);
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
        {"intake, then clearing Staging", preparedAs("Intake"), actAs("Intake"), "Staging", 2},
        {"unpacking over Staging's files", preparedAs("UnpackReplacingStagingFiles"),
         actAs("UnpackReplacingStagingFiles"), "Staging", 1},
        {"removal from the simulator", preparedAs("RemoveFromSimulator"),
         actAs("RemoveFromSimulator"), "MSFS", 1, keptShared},
        {"removal from the store", preparedAs("RemoveFromStore"), actAs("RemoveFromStore"),
         "Stowbay", 1},
        {"copy to Staging, then removal from the store", preparedAs("CopyToStaging"),
         actAs("CopyToStaging"), "Stowbay", 2},
        {"store image", preparedAs("RemoveStoreImage"), actAs("RemoveStoreImage"), "Stowbay", 1},
        {"unused gauges", preparedAs("DeleteUnusedGauges"), actAs("DeleteUnusedGauges"), "MSFS", 1},
        {"Remove ALL", staged, going(StagingAction::RemoveAll), "Staging", 1},
        {"panel", staged, going(StagingAction::RemovePanel), "Staging", 1},
        {"sound", staged, going(StagingAction::RemoveSound), "Staging", 1},
        {"aircraft", staged, going(StagingAction::RemoveAircraft), "Staging", 1},
        {"Staging image", staged, going(StagingAction::RemoveImage), "Staging", 1},
        {"duplicate, found by the scan",
         [](ActionWorld &world) {
             stageAddOn(world.tree);
             world.tree.file("Staging/extra/cub_t.bmp", "another texture");
         },
         [](ActionWorld &world) { world.showStaging(); }, "Staging", 1},
    };
    for (const DetailsCase &c : cases) {
        for (const quint32 seed : {0u, 1u, 2u, 3u}) {
            SCOPED_TRACE(std::string(c.name) + ", generated tree " + std::to_string(seed));
            ActionWorld world(true);
            if (seed > 0)
                generateFiles(world, QLatin1String(c.location), seed);
            c.prepare(world);
            world.messages.shown.clear();
            world.messages.details.clear();
            const DiskSnapshot before = snapshotOf(world.tree.root());
            c.act(world);
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
                listed += listedPaths(details, c.location, before, kept);
            }
            kept.removeDuplicates();
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
    EXPECT_EQ(single.lines(), QStringList{"one/  (1 file)"});
}
