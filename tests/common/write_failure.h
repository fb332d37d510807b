#pragma once

// Two ways to make writing fail, for the tests of every writer:
// FileSizeLimit lowers the largest file this process (and the programs it
// starts) may write, so every write past it fails at the system call as on a
// full disk; it needs no privileges and runs everywhere. FullDisk mounts a
// tiny file system and fills it, where the machine allows mounting (root).

#include <QString>

#include <sys/resource.h>

class FileSizeLimit
{
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
};

class FullDisk
{
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Empty when mounted; otherwise why not, for QSKIP.
    const QString& unavailable() const { return m_unavailable; }
    const QString& root() const { return m_root; }

    // Takes the remaining space, so the next write fails with "no space left".
    void fill() const;

private:
    QString m_root;
    QString m_unavailable;
};
