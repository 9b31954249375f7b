#include "bench/Measure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace bench {

ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment, const QString &directory)
{
    const QString result =
        QDir::tempPath() + QStringLiteral("/wingstash-bench-child-%1").arg(getpid());
    std::vector<QByteArray> storage;
    storage.push_back(
        QFile::encodeName(QCoreApplication::applicationDirPath() + "/wingstash_child_runner"));
    storage.push_back(QFile::encodeName(result));
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
    const QByteArray where = QFile::encodeName(directory);
    if (!directory.isEmpty())
        posix_spawn_file_actions_addchdir_np(&actions, where.constData());

    ChildRun run;
    pid_t runner = 0;
    const int spawned = posix_spawn(&runner, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(runner, &status, 0) != runner || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return run;
    QFile file(result);
    if (!file.open(QIODevice::ReadOnly))
        return run;
    const QList<QByteArray> fields = file.readAll().trimmed().split(' ');
    file.remove();
    if (fields.size() != 3)
        return run;
    run.milliseconds = fields[0].toDouble();
    run.peakKiB = fields[1].toLong();
    run.ok = fields[2].toInt() == 0;
    return run;
}

void resetPeakMemory()
{
    // Writing 5 to clear_refs sets the peak to what is resident now.
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

double peakMemoryMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    }
    return 0;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return 0;
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace bench
