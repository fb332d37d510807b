#include "app/wacht.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

void Wacht(float seconds)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 wanted = qint64(double(seconds) * 1e9);
    while (clock.nsecsElapsed() < wanted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        const qint64 left = wanted - clock.nsecsElapsed();
        if (left > 0)
            QThread::usleep(std::min<qint64>(left / 1000, 1000)); // yield the processor, at most 1 ms at a time
    }
}
