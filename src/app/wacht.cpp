#include "app/wacht.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <atomic>

namespace {

// One per process, like the event loop it belongs to.
std::atomic<bool> ended{false};

} // namespace

bool Wacht(float seconds)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 wanted = qint64(double(seconds) * 1e9);
    while (!ended && clock.nsecsElapsed() < wanted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const qint64 left = wanted - clock.nsecsElapsed();
        if (left > 0 && !ended)
            QThread::usleep(std::min<qint64>(left / 1000, 1000)); // yield the processor, at most 1 ms at a time
    }
    return !ended;
}

void endWaiting(bool ending)
{
    ended = ending;
}

bool waitingEnded()
{
    return ended;
}
