#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Wall-clock timing for the benchmark: medians of several runs, of work in this process or of
// a child program (its start included, as a user starting it would see).
namespace bench {

struct ChildRun {
    double milliseconds = 0;
    long peakKiB = 0; // the child's peak resident memory
    bool ok = false;  // it ran and ended with status 0
};

// Runs program with arguments, output thrown away, extra environment entries added.
ChildRun runChild(const QString &program, const QStringList &arguments,
                  const QStringList &environment = {}, const QString &directory = {});

double median(QList<double> values);

// The median time of work over runs, with prepare (untimed) before each run.
double medianMilliseconds(int runs, const std::function<void()> &work,
                          const std::function<void()> &prepare = {});

} // namespace bench
