// Times each heavy operation of Wingstash against the plainest tool doing the same disk work on
// the same generated tree, and prints the ratios (and writes them as JSON).
//   wingstash_bench --work DIR [--tiny] [--runs N] [--json FILE] [--program WINGSTASH --bare BARE]
// DIR is emptied first. Without --program the start-up is not measured.

#include "app/Settings.h"
#include "app/Startup.h"
#include "bench/Measure.h"
#include "bench/SilentViews.h"
#include "bench/TreeGenerator.h"
#include "package/ComponentKind.h"
#include "package/PackageCopy.h"
#include "package/Scan.h"
#include "tools/PackageList.h"
#include "tools/UnusedGauges.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSysInfo>

#include <cstdio>
#include <optional>

namespace {

constexpr std::uint64_t kSeed = 2000;

struct Row {
    QString operation;
    double milliseconds = 0;
    QString baseline;
    double baselineMilliseconds = 0;
    double target = 0; // the ratio to stay under
    QString check;     // what the operation produced, to show it did the work

    double ratio() const
    {
        return baselineMilliseconds > 0 ? milliseconds / baselineMilliseconds : 0;
    }
};

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

double medianChild(int runs, const QString &program, const QStringList &arguments,
                   const std::function<void()> &prepare = {})
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare();
        const bench::ChildRun child = bench::runChild(program, arguments);
        if (!child.ok)
            qFatal("%s failed", qPrintable(program));
        times.append(child.milliseconds);
    }
    return bench::median(times);
}

class Bench {
public:
    Bench(const QString &work, const bench::TreeSizes &sizes, int runs)
        : work_(work), sizes_(sizes), runs_(runs)
    {
        QDir(work_).removeRecursively();
        for (const QString &folder : {staging(), simulator(), store(), scratch(), records()})
            QDir().mkpath(folder);
        addOnFiles_ = bench::generateAddOn(staging(), sizes_, kSeed);
        bench::generateSimulator(simulator(), sizes_, kSeed + 1);
        bench::generateStore(store(), sizes_, kSeed + 2);
        state().StagingDir = staging();
        state().StowbayDir = store();
        state().MsfsDir = simulator();
        state().StateDir = records();
    }

    Row scan()
    {
        const double ours =
            bench::medianMilliseconds(runs_, [this] { ScanPackage(silent_.context, staging()); });
        const double find = medianChild(runs_, QStringLiteral("find"),
                                        {staging(), QStringLiteral("-type"), QStringLiteral("f")});
        return {QStringLiteral("package scan"),
                ours,
                QStringLiteral("find -type f"),
                find,
                1.5,
                QStringLiteral("%1%2 of %3 files listed")
                    .arg(state().AllFiles.size() == addOnFiles_ ? "" : "FAILED: ")
                    .arg(state().AllFiles.size())
                    .arg(addOnFiles_)};
    }

    Row unusedGauges()
    {
        bench::CountingGaugesView view;
        const double ours =
            bench::medianMilliseconds(runs_, [&] { ListUnusedGauges(silent_.context, view); });
        return {QStringLiteral("unused gauges"),
                ours,
                QStringLiteral("cat every panel.cfg"),
                readPanels(),
                2,
                QStringLiteral("%1 unused").arg(view.rows)};
    }

    Row copy()
    {
        ScanPackage(silent_.context, staging()); // the copy takes what the scan listed
        const QString target = store() + QStringLiteral("Aircraft - Heavy Jets/Bench Copy");
        bool copied = true;
        const double ours = bench::medianMilliseconds(
            runs_, [&] { copied = CopyPackage(silent_.context, target) && copied; },
            [&] { QDir(target).removeRecursively(); });
        int files = 0;
        for (const FileList &kind : state().ComponentFiles)
            files += int(kind.size());
        const QString copyTarget = scratch() + QStringLiteral("copy");
        const double cp =
            medianChild(runs_, QStringLiteral("cp"), {QStringLiteral("-r"), staging(), copyTarget},
                        [&] { QDir(copyTarget).removeRecursively(); });
        QDir(target).removeRecursively();
        QDir(copyTarget).removeRecursively();
        return {QStringLiteral("copy into the store"),
                ours,
                QStringLiteral("cp -r"),
                cp,
                1.2,
                copied ? QStringLiteral("%1 files copied").arg(files) : QStringLiteral("FAILED")};
    }

    Row removal()
    {
        // An installed package with gaugesPerPanel gauges: half also used by other aircraft,
        // half its own, which the removal deletes from the simulator's Gauges folder.
        FileList &gauges = state().ComponentFiles[Gauges];
        gauges.clear();
        QStringList own;
        for (int g = 0; g < sizes_.gaugesPerPanel; ++g) {
            const QString name =
                g % 2 ? bench::simulatorGaugeName(g) : QStringLiteral("own_gauge_%1.gau").arg(g);
            if (g % 2 == 0)
                own << simulator() + QStringLiteral("Gauges/") + name;
            const QString path = staging() + QStringLiteral("panel/") + name;
            gauges.append({path.toLower(), path});
        }
        const auto restore = [&] {
            for (const QString &path : own)
                writeFile(path, "MZ own gauge");
        };
        const double ours = bench::medianMilliseconds(
            runs_, [this] { ProcessGauges(silent_.context, 2); }, restore);
        int left = 0;
        for (const QString &path : own)
            left += QFile::exists(path) ? 1 : 0;
        for (const QString &path : own)
            QFile::remove(path);
        return {QStringLiteral("gauge removal"),
                ours,
                QStringLiteral("cat every panel.cfg"),
                readPanels(),
                2,
                QStringLiteral("%1%2 of %3 own gauges deleted")
                    .arg(left == 0 ? "" : "FAILED: ")
                    .arg(own.size() - left)
                    .arg(own.size())};
    }

    Row packageList()
    {
        const QStringList &categories = defaultCategories();
        QStringList rows;
        const double ours =
            bench::medianMilliseconds(runs_, [&] { rows = packageListRows(state(), categories); });
        const double find = medianChild(runs_, QStringLiteral("find"),
                                        {store(), QStringLiteral("-mindepth"), QStringLiteral("2"),
                                         QStringLiteral("-maxdepth"), QStringLiteral("2"),
                                         QStringLiteral("-type"), QStringLiteral("d")});
        return {QStringLiteral("package list"),
                ours,
                QStringLiteral("find -mindepth 2 -type d"),
                find,
                1.5,
                QStringLiteral("%1 rows").arg(rows.size())};
    }

    // The program started until its main window is shown, against a bare Qt window program.
    std::pair<Row, QJsonObject> startUp(const QString &program, const QString &bare)
    {
        // A program in a build folder keeps ws.ini beside itself: give it a folder of its own,
        // marked as a build folder.
        const QString appDir = work_ + QStringLiteral("app/");
        QDir().mkpath(appDir);
        const QString copy = appDir + QStringLiteral("wingstash");
        QFile::remove(copy);
        if (!QFile::copy(program, copy))
            qFatal("cannot copy %s", qPrintable(program));
        writeFile(appDir + QLatin1String(kBuildTreeMarker), {});
        const QString settings = QStringLiteral("STAGINGDIR=%1\r\nSTOWBAYDIR=%2\r\nMSFSDIR=%3\r\n")
                                     .arg(staging(), store(), simulator());
        const QStringList offscreen{QStringLiteral("QT_QPA_PLATFORM=offscreen")};
        QList<double> ourTimes, bareTimes, ourPeaks, barePeaks;
        // Start-ups are short and vary the most: three times the runs steady their medians, and
        // a first pair, not counted, brings both programs into the page cache. A single run (the
        // tests' quick check) is just that.
        const bool warmUp = runs_ > 1;
        const int runs = warmUp ? runs_ * 3 + 1 : 1;
        for (int run = 0; run < runs; ++run) {
            writeFile(appDir + QStringLiteral("ws.ini"), settings.toUtf8());
            const bench::ChildRun ours = bench::runChild(
                copy, {}, offscreen + QStringList{QStringLiteral("WINGSTASH_QUIT_WHEN_SHOWN=1")},
                appDir);
            const bench::ChildRun plain = bench::runChild(bare, {}, offscreen);
            if (!ours.ok || !plain.ok)
                qFatal("a start-up run failed");
            if (warmUp && run == 0)
                continue;
            ourTimes << ours.milliseconds;
            bareTimes << plain.milliseconds;
            ourPeaks << double(ours.peakKiB) / 1024;
            barePeaks << double(plain.peakKiB) / 1024;
        }
        const double ourPeak = bench::median(ourPeaks);
        const double barePeak = bench::median(barePeaks);
        const Row row{QStringLiteral("start-up to the main window"),
                      bench::median(ourTimes),
                      QStringLiteral("bare Qt window"),
                      bench::median(bareTimes),
                      1.5,
                      QStringLiteral("peak %1 MiB, bare %2 MiB")
                          .arg(ourPeak, 0, 'f', 1)
                          .arg(barePeak, 0, 'f', 1)};
        const QJsonObject memory{{QStringLiteral("peak_mib"), ourPeak},
                                 {QStringLiteral("bare_peak_mib"), barePeak},
                                 {QStringLiteral("extra_mib"), ourPeak - barePeak},
                                 {QStringLiteral("extra_target_mib"), 30}};
        return {row, memory};
    }

private:
    QString staging() const { return work_ + QStringLiteral("Staging/"); }
    QString simulator() const { return work_ + QStringLiteral("FS2000/"); }
    QString store() const { return work_ + QStringLiteral("Stowbay/"); }
    QString scratch() const { return work_ + QStringLiteral("scratch/"); }
    QString records() const { return work_ + QStringLiteral("state/"); }
    SharedState &state() { return silent_.state; }

    double readPanels() const
    {
        return medianChild(runs_, QStringLiteral("find"),
                           {simulator() + QStringLiteral("Aircraft"), QStringLiteral("-iname"),
                            QStringLiteral("panel.cfg"), QStringLiteral("-exec"),
                            QStringLiteral("cat"), QStringLiteral("{}"), QStringLiteral("+")});
    }

    QString work_;
    bench::TreeSizes sizes_;
    int runs_;
    int addOnFiles_ = 0;
    bench::SilentContext silent_;
};

void printTable(const QList<Row> &rows)
{
    std::printf("%-28s %10s   %-26s %10s %7s %7s\n", "operation", "ms", "baseline", "ms", "ratio",
                "target");
    for (const Row &row : rows) {
        std::printf("%-28s %10.2f   %-26s %10.2f %7.2f %7.1f  %s%s\n", qPrintable(row.operation),
                    row.milliseconds, qPrintable(row.baseline), row.baselineMilliseconds,
                    row.ratio(), row.target, row.ratio() <= row.target ? "" : "OVER  ",
                    qPrintable(row.check));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption workOption(QStringLiteral("work"), "Folder for the trees.", "dir");
    const QCommandLineOption tinyOption(QStringLiteral("tiny"), "Small trees (a quick check).");
    const QCommandLineOption runsOption(QStringLiteral("runs"), "Runs per median.", "n", "7");
    const QCommandLineOption jsonOption(QStringLiteral("json"), "Write the ratios here.", "file");
    const QCommandLineOption programOption(QStringLiteral("program"), "The wingstash program.",
                                           "path");
    const QCommandLineOption keepOption(QStringLiteral("keep"), "Leave the trees (to profile).");
    const QCommandLineOption bareOption(QStringLiteral("bare"), "The bare window program.", "path");
    parser.addOptions(
        {workOption, tinyOption, runsOption, jsonOption, programOption, bareOption, keepOption});
    parser.process(app);
    if (!parser.isSet(workOption))
        parser.showHelp(1);

    const QString work = QDir(parser.value(workOption)).absolutePath() + QLatin1Char('/');
    const bench::TreeSizes sizes =
        parser.isSet(tinyOption) ? bench::tinySizes() : bench::TreeSizes{};
    const int runs = qMax(1, parser.value(runsOption).toInt());
    Bench bench(work, sizes, runs);

    QList<Row> rows{bench.scan(), bench.unusedGauges(), bench.copy(), bench.removal(),
                    bench.packageList()};
    QJsonObject memory;
    if (parser.isSet(programOption)) {
        auto [row, peaks] = bench.startUp(parser.value(programOption), parser.value(bareOption));
        rows.append(row);
        memory = peaks;
    }
    printTable(rows);
    if (!parser.isSet(keepOption))
        QDir(work).removeRecursively();

    if (parser.isSet(jsonOption)) {
        QJsonArray results;
        for (const Row &row : rows) {
            results.append(QJsonObject{{QStringLiteral("operation"), row.operation},
                                       {QStringLiteral("ms"), row.milliseconds},
                                       {QStringLiteral("baseline"), row.baseline},
                                       {QStringLiteral("baseline_ms"), row.baselineMilliseconds},
                                       {QStringLiteral("ratio"), row.ratio()},
                                       {QStringLiteral("target"), row.target},
                                       {QStringLiteral("check"), row.check}});
        }
        const QJsonObject document{
            {QStringLiteral("runs"), runs},
            {QStringLiteral("trees"), parser.isSet(tinyOption) ? "tiny" : "full"},
            {QStringLiteral("machine"), QSysInfo::prettyProductName() + QStringLiteral(", ") +
                                            QSysInfo::currentCpuArchitecture()},
            {QStringLiteral("results"), results},
            {QStringLiteral("memory"), memory}};
        QFile out(parser.value(jsonOption));
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(parser.value(jsonOption)));
        out.write(QJsonDocument(document).toJson());
    }
    // Timings are never judged here; an operation that did not do its work is.
    for (const Row &row : rows) {
        if (row.check.startsWith(QLatin1String("FAILED")))
            return 1;
    }
    return 0;
}
