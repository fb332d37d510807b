#pragma once

// Shared by the fuzz targets: a GUI application on the offscreen platform
// (picture readers and fonts need one) and a scratch program folder into
// which each input is written as the file under test.

#include "app/program_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>

namespace Fuzz {

// A program folder of its own.
inline const ProgramFolder& folder()
{
    static QTemporaryDir dir;
    static const ProgramFolder program(dir.path());
    return program;
}

// Starts the application once, writes the input as the file at the relative path and returns its full path.
inline QString put(const QString& relative, const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("fuzz"), nullptr};
    [[maybe_unused]] static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
    static const QGuiApplication application(argc, argv);
    const QString path = folder().path(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace Fuzz
