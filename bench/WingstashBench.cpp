// Times each heavy operation of Wingstash against the plainest tool doing the same disk work on
// the same generated tree, and prints the ratios (and writes them as JSON). Each operation runs
// as in the program, its windows and progress bars real (on the offscreen platform unless
// another is asked for), so the table also says how long it held the event loop, how often
// its bar moved and how much memory it took.
//   wingstash_bench --work DIR [--tiny] [--scale 1,10] [--runs N] [--json FILE]
//                   [--program WINGSTASH --bare BARE]
// DIR is emptied first. Without --program the start-up is not measured.

#include "app/Settings.h"
#include "app/Startup.h"
#include "bench/Measure.h"
#include "bench/SilentViews.h"
#include "bench/StallProbe.h"
#include "bench/TreeGenerator.h"
#include "package/Capacities.h"
#include "package/ComponentKind.h"
#include "package/PackageCopy.h"
#include "package/Scan.h"
#include "platform/qt/BarProgress.h"
#include "tools/PackageList.h"
#include "tools/UnusedGauges.h"
#include "tools/ui/FileListOnDemand.h"
#include "tools/ui/UnusedGaugesWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProgressBar>
#include <QSysInfo>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

constexpr std::uint64_t kSeed = 2000;
// The longest the event loop may wait while an operation runs, in ms.
constexpr double kStallTarget = 100;

// How an operation in this process went over its runs.
struct Measured {
    double milliseconds = 0; // median
    double stall = 0;        // the longest the event loop waited, over all runs, in ms
    int barMoves = 0;        // how often a progress bar's value changed in the last run
    double peakMiB = 0;      // this process's peak resident memory while it ran
};

struct Row {
    QString operation;
    Measured ours;
    QString baseline;
    double baselineMilliseconds = 0;
    double target = 0;    // the ratio to stay under
    QString check;        // what the operation produced, to show it did the work
    double timeLimit = 0; // ms to stay under at the largest scale, when it has one

    double ratio() const
    {
        return baselineMilliseconds > 0 ? ours.milliseconds / baselineMilliseconds : 0;
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

// The main window's share of an operation: its progress bar, shown, as the real window drives
// it; each change of its value counts as a movement.
class HostWindow : public QWidget {
public:
    HostWindow()
    {
        resize(700, 500);
        bar_->setGeometry(300, 56, 150, 17);
        bar_->setTextVisible(false);
        bar_->setVisible(false);
        progress_.setBar(bar_);
        show();
    }
    platform::Progress &progress() { return progress_; }

private:
    QProgressBar *bar_ = new QProgressBar(this); // the window owns it
    BarProgress progress_;
};

// Counts the value changes of every progress bar below a window.
class BarMoves : public QObject {
public:
    void watch(const QWidget &window)
    {
        for (const QProgressBar *bar : window.findChildren<QProgressBar *>())
            connect(bar, &QProgressBar::valueChanged, this, [this] { ++count; });
    }
    int count = 0;
};

// Waits until window has painted itself once (the package list: the moment the user sees it).
void waitUntilPainted(QWidget &window)
{
    struct Watch : QObject {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    window.installEventFilter(&watch);
    QElapsedTimer guard;
    guard.start();
    while (!watch.painted && guard.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    window.removeEventFilter(&watch);
}

// The package list window, made again on request so that each run opens it for the first time.
class FreshPackageList : public PackageListView {
public:
    explicit FreshPackageList(SharedState &state) : state_(state) {}
    void renew() { window_ = std::make_unique<FileListOnDemand>(state_); }
    FileListWindow *window() const { return window_->window(); }

    void setCaption(const QString &caption) override { window_->setCaption(caption); }
    void setRows(const QStringList &rows) override { window_->setRows(rows); }
    int rowCount() const override { return window_->rowCount(); }
    bool isShown() const override { return window_->isShown(); }
    void showAt(const WindowGeometry &geometry) override { window_->showAt(geometry); }

private:
    SharedState &state_;
    std::unique_ptr<FileListOnDemand> window_ = std::make_unique<FileListOnDemand>(state_);
};

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
        const Measured ours = measure([this] { ScanPackage(context(), staging()); });
        const double find = medianChild(runs_, QStringLiteral("find"),
                                        {staging(), QStringLiteral("-type"), QStringLiteral("f")});
        return {
            QStringLiteral("package scan"),
            ours,
            QStringLiteral("find -type f"),
            find,
            1.5,
            QStringLiteral("%1%2 of %3 files listed%4")
                .arg(state().AllFiles.size() == listable() && state().ScanOverflow == overCapacity()
                         ? ""
                         : "FAILED: ")
                .arg(state().AllFiles.size())
                .arg(addOnFiles_)
                .arg(overCapacity() ? QStringLiteral(" (a list holds %1)").arg(listable())
                                    : QString())};
    }

    Row unusedGauges()
    {
        UnusedGaugesWindow &window = UnusedGaugesWindow::instance(context(), &host_);
        const Measured ours = measure([&] { window.listUnusedGauges(); });
        const int rows = window.rowCount();
        window.close();
        return {QStringLiteral("unused gauges"),
                ours,
                QStringLiteral("cat every panel.cfg"),
                readPanels(),
                2,
                QStringLiteral("%1%2 unused")
                    .arg(rows == sizes_.simulatorGauges / 3 ? "" : "FAILED: ")
                    .arg(rows)};
    }

    Row copy()
    {
        if (overCapacity()) {
            // Wingstash refuses to store part of a package, and lists no more than a list holds.
            return {QStringLiteral("copy into the store"),
                    {},
                    QStringLiteral("cp -r"),
                    0,
                    1.2,
                    QStringLiteral("not run: the add-on holds more files than a list")};
        }
        ScanPackage(context(), staging()); // the copy takes what the scan listed
        const QString target = store() + QStringLiteral("Aircraft - Heavy Jets/Bench Copy");
        bool copied = true;
        const Measured ours = measure([&] { copied = CopyPackage(context(), target) && copied; },
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
        const Measured ours = measure([this] { ProcessGauges(context(), 2); }, restore);
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
        // A fresh window each run, as the first opening in a session, shown until painted.
        const Measured ours = measure(
            [&] {
                ShowPackageList(context(), defaultCategories());
                waitUntilPainted(*packageList_.window());
            },
            [&] { packageList_.renew(); });
        const int rows = packageList_.rowCount();
        packageList_.renew();
        const double find = medianChild(runs_, QStringLiteral("find"),
                                        {store(), QStringLiteral("-mindepth"), QStringLiteral("2"),
                                         QStringLiteral("-maxdepth"), QStringLiteral("2"),
                                         QStringLiteral("-type"), QStringLiteral("d")});
        return {QStringLiteral("package list"),
                ours,
                QStringLiteral("find -mindepth 2 -type d"),
                find,
                1.5,
                QStringLiteral("%1 rows").arg(rows),
                300};
    }

    // The program started until its main window is shown, against a bare Qt window program.
    Row startUp(const QString &program, const QString &bare)
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
        // The slowest start-up next to its bare window, for information: the target is on the
        // medians, in every run of the benchmark; single starts vary with the machine's load.
        double worstPair = 0;
        for (qsizetype i = 0; i < ourTimes.size(); ++i)
            worstPair = qMax(worstPair, ourTimes[i] / bareTimes[i]);
        barePeak_ = bench::median(barePeaks);
        const Measured ours{bench::median(ourTimes), -1, 0, bench::median(ourPeaks)};
        return {QStringLiteral("start-up to the main window"),
                ours,
                QStringLiteral("bare Qt window"),
                bench::median(bareTimes),
                1.5,
                QStringLiteral("bare window's peak %1 MiB, slowest single start's ratio %2")
                    .arg(barePeak_, 0, 'f', 1)
                    .arg(worstPair, 0, 'f', 2)};
    }

    // The bare window program's peak memory, once the start-up was measured.
    double barePeakMiB() const { return barePeak_; }

private:
    QString staging() const { return work_ + QStringLiteral("Staging/"); }
    QString simulator() const { return work_ + QStringLiteral("FS2000/"); }
    QString store() const { return work_ + QStringLiteral("Stowbay/"); }
    QString scratch() const { return work_ + QStringLiteral("scratch/"); }
    QString records() const { return work_ + QStringLiteral("state/"); }
    SharedState &state() { return state_; }
    bool overCapacity() const { return addOnFiles_ > capacity::kFilesPerList; }
    int listable() const { return qMin(addOnFiles_, capacity::kFilesPerList); }
    Context &context() { return context_; }

    // Runs work runs_ times, prepare (untimed) before each, with the event loop, the bars and
    // the memory watched.
    Measured measure(const std::function<void()> &work, const std::function<void()> &prepare = {})
    {
        Measured measured;
        QList<double> times;
        for (int run = 0; run < runs_; ++run) {
            if (prepare)
                prepare();
            QCoreApplication::processEvents(); // nothing left over from before counts
            BarMoves moves;
            moves.watch(host_);
            for (const QWidget *window : host_.findChildren<UnusedGaugesWindow *>())
                moves.watch(*window);
            bench::resetPeakMemory();
            QElapsedTimer clock;
            probe_.start();
            clock.start();
            work();
            times.append(double(clock.nsecsElapsed()) / 1e6);
            measured.stall = qMax(measured.stall, probe_.stop());
            measured.barMoves = moves.count;
            measured.peakMiB = qMax(measured.peakMiB, bench::peakMemoryMiB());
        }
        measured.milliseconds = bench::median(times);
        return measured;
    }

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
    double barePeak_ = 0;
    SharedState state_;
    bench::SilentMessages messages_;
    bench::SilentView view_;
    bench::NoChoice chooser_;
    bench::NoLauncher launcher_;
    HostWindow host_;
    FreshPackageList packageList_{state_};
    platform::ActivityLog activityLog_;
    Context context_{state_,   messages_,    view_,     host_.progress(),
                     chooser_, packageList_, launcher_, activityLog_};
    bench::StallProbe probe_;
};

void printTable(int scale, const QList<Row> &rows, double memoryLimit)
{
    std::printf("\nscale %d\n%-28s %9s   %-26s %9s %6s %6s %7s %5s %7s\n", scale, "operation", "ms",
                "baseline", "ms", "ratio", "target", "stall", "bar", "MiB");
    for (const Row &row : rows) {
        const bool overRatio = row.ratio() > row.target;
        const bool overTime =
            scale > 1 && row.timeLimit > 0 && row.ours.milliseconds > row.timeLimit;
        const bool stalled = scale > 1 && row.ours.stall > kStallTarget;
        const bool overMemory = memoryLimit > 0 && row.ours.peakMiB > memoryLimit;
        std::printf("%-28s %9.1f   %-26s %9.1f %6.2f %6.1f %7s %5d %7.1f  %s%s%s%s%s\n",
                    qPrintable(row.operation), row.ours.milliseconds, qPrintable(row.baseline),
                    row.baselineMilliseconds, row.ratio(), row.target,
                    row.ours.stall < 0 ? "-" : qPrintable(QString::number(row.ours.stall, 'f', 1)),
                    row.ours.barMoves, row.ours.peakMiB, overRatio ? "OVER  " : "",
                    overTime ? "SLOW  " : "", stalled ? "STALLS  " : "",
                    overMemory ? "MEMORY  " : "", qPrintable(row.check));
    }
    if (memoryLimit > 0)
        std::printf("memory limit: %.1f MiB\n", memoryLimit);
}

QJsonObject scaleResults(int scale, const QList<Row> &rows, double barePeak, double extraTarget)
{
    QJsonArray results;
    for (const Row &row : rows) {
        results.append(QJsonObject{{QStringLiteral("operation"), row.operation},
                                   {QStringLiteral("ms"), row.ours.milliseconds},
                                   {QStringLiteral("baseline"), row.baseline},
                                   {QStringLiteral("baseline_ms"), row.baselineMilliseconds},
                                   {QStringLiteral("ratio"), row.ratio()},
                                   {QStringLiteral("target"), row.target},
                                   {QStringLiteral("stall_ms"), row.ours.stall},
                                   {QStringLiteral("bar_moves"), row.ours.barMoves},
                                   {QStringLiteral("peak_mib"), row.ours.peakMiB},
                                   {QStringLiteral("check"), row.check}});
    }
    return {
        {QStringLiteral("scale"), scale},
        {QStringLiteral("results"), results},
        {QStringLiteral("memory"), QJsonObject{{QStringLiteral("bare_peak_mib"), barePeak},
                                               {QStringLiteral("extra_target_mib"), extraTarget}}}};
}

// The memory an operation may take above the bare window's, in MiB: a normal collection's
// start-up, and anything at ten times its size.
double extraMemoryTarget(int scale)
{
    return scale > 1 ? 150 : 30;
}

} // namespace

int main(int argc, char **argv)
{
    // The windows the operations drive are real, but nobody needs to see them.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption workOption(QStringLiteral("work"), "Folder for the trees.", "dir");
    const QCommandLineOption tinyOption(QStringLiteral("tiny"), "Small trees (a quick check).");
    const QCommandLineOption scaleOption(
        QStringLiteral("scale"), "Tree sizes times each factor, comma-separated.", "factors", "1");
    const QCommandLineOption runsOption(QStringLiteral("runs"), "Runs per median.", "n", "7");
    const QCommandLineOption jsonOption(QStringLiteral("json"), "Write the ratios here.", "file");
    const QCommandLineOption programOption(QStringLiteral("program"), "The wingstash program.",
                                           "path");
    const QCommandLineOption keepOption(QStringLiteral("keep"), "Leave the trees (to profile).");
    const QCommandLineOption bareOption(QStringLiteral("bare"), "The bare window program.", "path");
    parser.addOptions({workOption, tinyOption, scaleOption, runsOption, jsonOption, programOption,
                       bareOption, keepOption});
    parser.process(app);
    if (!parser.isSet(workOption))
        parser.showHelp(1);

    const QString work = QDir(parser.value(workOption)).absolutePath() + QLatin1Char('/');
    // A home of its own beside the trees, on their file system: what the operations delete goes
    // to its trash, and the programs started keep their state there, all removed at the end.
    const QString home = work + QStringLiteral("home");
    QDir().mkpath(home + QStringLiteral("/.local/share")); // where a user's trash is made
    qputenv("HOME", QFile::encodeName(home));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(home + QStringLiteral("/.local/state")));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home + QStringLiteral("/.config")));
    const int runs = qMax(1, parser.value(runsOption).toInt());
    QList<int> scales;
    for (const QString &factor : parser.value(scaleOption).split(QLatin1Char(',')))
        scales.append(qMax(1, factor.toInt()));

    QJsonArray allScales;
    bool failed = false;
    for (const int scale : scales) {
        const bench::TreeSizes base =
            parser.isSet(tinyOption) ? bench::tinySizes() : bench::TreeSizes{};
        const QString trees = work + QStringLiteral("x%1/").arg(scale);
        QList<Row> rows;
        double barePeak = 0;
        {
            Bench bench(trees, bench::scaledSizes(base, scale), runs);
            rows = {bench.scan(), bench.unusedGauges(), bench.copy(), bench.removal(),
                    bench.packageList()};
            if (parser.isSet(programOption)) {
                rows.append(bench.startUp(parser.value(programOption), parser.value(bareOption)));
                barePeak = bench.barePeakMiB();
            }
        }
        const double memoryLimit = barePeak > 0 ? barePeak + extraMemoryTarget(scale) : 0;
        printTable(scale, rows, memoryLimit);
        std::fflush(stdout);
        allScales.append(scaleResults(scale, rows, barePeak, extraMemoryTarget(scale)));
        if (!parser.isSet(keepOption))
            QDir(trees).removeRecursively();
        // Timings are never judged here; an operation that did not do its work is.
        for (const Row &row : rows)
            failed = failed || row.check.startsWith(QLatin1String("FAILED"));
    }

    if (parser.isSet(jsonOption)) {
        const QJsonObject document{
            {QStringLiteral("runs"), runs},
            {QStringLiteral("trees"), parser.isSet(tinyOption) ? "tiny" : "full"},
            {QStringLiteral("machine"), QSysInfo::prettyProductName() + QStringLiteral(", ") +
                                            QSysInfo::currentCpuArchitecture()},
            {QStringLiteral("scales"), allScales}};
        QFile out(parser.value(jsonOption));
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(parser.value(jsonOption)));
        out.write(QJsonDocument(document).toJson());
    }
    if (!parser.isSet(keepOption))
        QDir(home).removeRecursively();
    return failed ? 1 : 0;
}
