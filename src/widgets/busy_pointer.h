#pragma once

// The wait pointer for as long as a command runs: shown when made, restored when
// it goes out of scope, however the command ends.

#include <QCursor>
#include <QGuiApplication>

class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};
