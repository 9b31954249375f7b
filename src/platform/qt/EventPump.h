#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

// Lets the event loop run now and then while long work holds the thread, so the windows stay
// painted, at most once every interval: often enough that the program never looks frozen,
// rarely enough that it costs the work nothing measurable. User input waits until the work is
// done, so no click or key can start a second action meanwhile.
class EventPump {
public:
    // Runs the pending events when the interval has passed since the last time.
    void runIfDue()
    {
        if (!last_.isValid() || last_.hasExpired(kIntervalMs))
            run();
    }
    void run()
    {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        last_.start();
    }

private:
    static constexpr qint64 kIntervalMs = 25;
    QElapsedTimer last_;
};
