#pragma once

// Waiting while the user interface stays responsive.

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
