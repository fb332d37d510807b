#pragma once

// Keeps two copies of the program (two windows, or a window and the command-line
// tool) from replacing or tidying the pairs of one supplements folder at the same
// moment, which could leave one copy's text beside the other's picture. The lock
// is a file in the folder, held for the few milliseconds a save or an open takes;
// the second copy waits for it. Taking it again on the thread that holds it is
// allowed, so an open can hold it across the text and the bitmap it reads.

#include <QString>

class SupplementLock
{
public:
    static constexpr int WaitMilliseconds = 5000;
    static constexpr auto FileName = ".velinor-lock";

    explicit SupplementLock(const QString& folder);
    ~SupplementLock();
    SupplementLock(const SupplementLock&) = delete;
    SupplementLock& operator=(const SupplementLock&) = delete;

    // False when another copy kept the folder for longer than the wait. A folder the lock cannot be
    // made in (missing, read-only) counts as held: no copy can write there either.
    bool held() const { return m_held; }

private:
    QString m_path;
    bool m_held = false;
};
