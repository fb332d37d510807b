#pragma once

// Pictures of the whole screen at the stages of a window test. They are taken
// only when VELINOR_SCREENSHOTS names a folder and the windows are real (an X
// display, not the offscreen platform); otherwise take() does nothing.

#include <QString>

class Screenshots
{
public:
    Screenshots();

    bool enabled() const { return !m_folder.isEmpty(); }
    // Saves the screen as "NN-name.png", NN counting up from 01.
    void take(const QString& name);
    // Keeps a copy of a file made on the way (a printed PDF) next to the pictures.
    void keep(const QString& path, const QString& name) const;

private:
    QString m_folder;
    int m_count = 0;
};
