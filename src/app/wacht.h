#pragma once

// Waiting while the user interface stays responsive.

#include <QCoreApplication>

#include <chrono>
#include <future>

// Returns after at least the given number of seconds, processing pending
// events meanwhile. Measured on a monotonic clock, so a wait across midnight
// or a clock change still ends on time. Returns false, at once, once the
// program is ending: a command that waits between its steps (the holes of a
// perforation, the print sweep, the map) then stops instead of running on
// after its window has closed.
bool Wacht(float seconds);

// The program is ending (or, with false, a test starts afresh): every wait returns false from now on.
void endWaiting(bool ending = true);
bool waitingEnded();

// Runs work on a thread of its own and returns its result, processing pending events meanwhile: a large
// photo takes seconds to decode, and the window answers all the while. Once the program is ending no
// events are processed; the work is still waited for, since the caller needs what it gives.
template <typename Work> auto runWhileWaiting(Work work) -> decltype(work())
{
    auto result = std::async(std::launch::async, std::move(work));
    while (result.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready) {
        if (!waitingEnded())
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return result.get();
}
