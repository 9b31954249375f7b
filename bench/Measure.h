#pragma once

#include <QString>
#include <QStringList>

// Timing and memory for the benchmark: child programs (their start included, as a user starting
// one would see), medians, and this process's peak memory.
namespace bench {

struct ChildRun {
    double milliseconds = 0;
    long peakKiB = 0; // the child's peak resident memory
    bool ok = false;  // it ran and ended with status 0
};

// Runs program with arguments, output thrown away, extra environment entries added, through
// the child runner beside this program (see ChildRunner.cpp).
ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment = {}, const QString &directory = {});

double median(QList<double> values);

// This process's peak resident memory in MiB since the last reset (Linux; 0 elsewhere), so
// that an operation's peak can be told from what came before it.
void resetPeakMemory();
double peakMemoryMiB();

} // namespace bench
