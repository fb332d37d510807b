#pragma once

// Waiting while the user interface stays responsive.

// Returns after at least the given number of seconds, processing pending
// events meanwhile. Measured on a monotonic clock, so a wait across midnight
// or a clock change still ends on time.
void Wacht(float seconds);
