// Times the package scan on a large synthetic add-on. With WINGSTASH_BENCH_TREE set, the tree
// is generated there and left in place (compare.sh times `find` on it); otherwise it lives in a
// temporary folder.

#include "package/Context.h"
#include "package/Scan.h"
#include "package/Walk.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

constexpr int kFolders = 200;
constexpr int kFilesPerFolder = 15; // 3000 files in all

// Every name is unique, so no duplicate question is asked and the tree stays the same.
constexpr std::array<const char *, kFilesPerFolder> kEndings{
    ".jpg", ".gif", ".AIR",       ".mdl",  ".bmp", "_panel.bmp", ".wav", ".oaf",
    ".gau", ".txt", "_check.txt", ".html", ".dat", ".MPI",       ".doc"};

class SilentMessages : public platform::MessageBoxes {
public:
    platform::Answer show(const QString &, platform::Buttons) override
    {
        return platform::Answer::Ok;
    }
};

class SilentView : public platform::PackageView {
public:
    void showPlaceholderPicture() override {}
    void showPicture(const QString &) override {}
    void setPagingEnabled(bool) override {}
    void setRows(int, const QStringList &) override {}
    void setTabAvailable(int, bool) override {}
    void setPanelAliasCaptions(const QString &, const QString &) override {}
    void setSoundAliasCaptions(const QString &, const QString &) override {}
    void setCaption(const QString &) override {}
};

class SilentProgress : public platform::Progress {
public:
    void show(int, int) override {}
    void setValue(int) override {}
    void hide() override {}
};

class NoChoice : public platform::ConfigChooser {
public:
    std::optional<int> choose(const QStringList &) override { return std::nullopt; }
};

class SilentPackageList : public platform::PackageListView {
public:
    void setCaption(const QString &) override {}
    void setRows(const QStringList &) override {}
    int rowCount() const override { return 0; }
    bool isVisible() const override { return false; }
    void showAt(const platform::Geometry &) override {}
};

class NoLauncher : public platform::ProgramLauncher {
public:
    void openTextFile(const QString &) override {}
    void openFolder(const QString &) override {}
    bool startSystemInformation() override { return false; }
};

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// 200 folders, ten of them at the top and the rest spread below them, with a panel.cfg that
// names half the bitmaps.
void generateAddOn(const QString &root)
{
    QByteArray panelCfg = "[Window00]\r\n";
    for (int folder = 0; folder < kFolders; ++folder) {
        const QString dir =
            folder < 10 ? QStringLiteral("%1top%2/").arg(root).arg(folder)
                        : QStringLiteral("%1top%2/Sub%3/").arg(root).arg(folder % 10).arg(folder);
        QDir().mkpath(dir);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const QString name = QStringLiteral("f%1_%2%3").arg(folder).arg(i).arg(kEndings[i]);
            writeFile(dir + name, "x");
            if (name.endsWith(QLatin1String("_panel.bmp")))
                panelCfg += "file=" + name.toLatin1() + "\r\n";
        }
    }
    writeFile(root + QStringLiteral("top0/panel.cfg"), panelCfg);
    writeFile(root + QStringLiteral("top0/sound.cfg"), "[fltsim]\r\n");
}

struct Tree {
    std::unique_ptr<QTemporaryDir> temporary;
    QString root;
};

const Tree &benchTree()
{
    static const Tree tree = [] {
        Tree made;
        const QString wanted = qEnvironmentVariable("WINGSTASH_BENCH_TREE");
        if (wanted.isEmpty()) {
            made.temporary = std::make_unique<QTemporaryDir>();
            made.root = made.temporary->path() + QLatin1Char('/');
        } else {
            made.root = QDir(wanted).absolutePath() + QLatin1Char('/');
            QDir().mkpath(made.root);
        }
        if (QDir(made.root).isEmpty())
            generateAddOn(made.root);
        return made;
    }();
    return tree;
}

void BM_WalkFiles(benchmark::State &state)
{
    const QString root = benchTree().root;
    for (auto _ : state)
        benchmark::DoNotOptimize(walkFiles(root));
}
BENCHMARK(BM_WalkFiles)->Unit(benchmark::kMillisecond);

void BM_ScanPackage(benchmark::State &state)
{
    const QString root = benchTree().root;
    SharedState shared;
    shared.StagingDir = root;
    SilentMessages messages;
    SilentView view;
    SilentProgress progress;
    NoChoice chooser;
    SilentPackageList packageList;
    NoLauncher launcher;
    Context context{shared, messages, view, progress, chooser, packageList, launcher};
    for (auto _ : state)
        ScanPackage(context, root);
    state.counters["files"] = static_cast<double>(shared.AllFiles.size());
}
BENCHMARK(BM_ScanPackage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
