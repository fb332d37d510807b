#pragma once

// Where a window of fixed size stood when the program ended, kept in the
// user's settings file of the desktop (beside the recent supplements), so that
// it opens there again. A place no screen shows any more (a screen taken away)
// is not used: the window system places the window then.

class QString;
class QWidget;

// Moves the window to where it was, before it is shown.
void restorePlacement(QWidget& window, const QString& settingsPath);
void storePlacement(const QWidget& window, const QString& settingsPath);
