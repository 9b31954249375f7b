#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace bench {

// How long the event loop of this process goes without running while work runs on its thread:
// a timer ticks every 10 ms, and the longest time between two ticks (the start and the end
// count as ticks) is the longest the user would have waited for the window to react.
class StallProbe : public QObject {
public:
    StallProbe();
    void start();
    // The longest gap since start, in milliseconds.
    double stop();

private:
    void tick();

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 lastTick_ = 0; // nanoseconds since the clock started
    qint64 longestGap_ = 0;
};

} // namespace bench
