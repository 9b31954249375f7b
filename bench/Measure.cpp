#include "bench/Measure.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment, const QString &directory)
{
    std::vector<QByteArray> storage;
    storage.push_back(QFile::encodeName(program));
    for (const QString &argument : arguments)
        storage.push_back(QFile::encodeName(argument));
    const std::size_t argumentCount = storage.size();
    for (char **entry = environ; *entry; ++entry)
        storage.emplace_back(*entry);
    for (const QString &entry : environment)
        storage.push_back(entry.toLocal8Bit());
    std::vector<char *> argv;
    std::vector<char *> envp;
    for (std::size_t i = 0; i < storage.size(); ++i)
        (i < argumentCount ? argv : envp).push_back(storage[i].data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const QByteArray where = QFile::encodeName(directory);
    if (!directory.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, where.constData());

    ChildRun run;
    const Clock::time_point start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return run;
    run.milliseconds = millisecondsSince(start);
    run.peakKiB = usage.ru_maxrss;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double medianMilliseconds(int runs, const std::function<void()> &work,
                          const std::function<void()> &prepare)
{
    QList<double> times;
    for (int run = 0; run < runs; ++run) {
        if (prepare)
            prepare();
        const Clock::time_point start = Clock::now();
        work();
        times.append(millisecondsSince(start));
    }
    return median(times);
}

} // namespace bench
