#include "bench/StallProbe.h"

namespace bench {

StallProbe::StallProbe()
{
    timer_.setInterval(10);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &StallProbe::tick);
}

void StallProbe::start()
{
    clock_.start();
    lastTick_ = 0;
    longestGap_ = 0;
    timer_.start();
}

double StallProbe::stop()
{
    tick();
    timer_.stop();
    return double(longestGap_) / 1e6;
}

void StallProbe::tick()
{
    const qint64 now = clock_.nsecsElapsed();
    longestGap_ = qMax(longestGap_, now - lastTick_);
    lastTick_ = now;
}

} // namespace bench
