#pragma once

// Hands a web or mail address to the desktop, which opens the user's browser or mail program.

#include <QString>

// Returns whether the desktop accepted the address.
bool OpenWebAdres(const QString& address);
