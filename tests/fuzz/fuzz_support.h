#pragma once

// Shared by the fuzz targets: a GUI application on the offscreen platform
// (picture readers and fonts need one) and a scratch program folder into
// which each input is written as the file under test.

#include "app/program_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace Fuzz {

inline void startApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static auto app = std::make_unique<QGuiApplication>(argc, argv);
}

// A program folder of its own, with Data, Images and Supplementen.
inline const ProgramFolder& folder()
{
    static QTemporaryDir dir;
    static const ProgramFolder program = [] {
        for (const char* sub : {"Data", "Images", "Supplementen"})
            QDir(dir.path()).mkpath(QString::fromLatin1(sub));
        return ProgramFolder(dir.path());
    }();
    return program;
}

// Writes the input as the file at the relative path and returns its full path.
inline QString put(const QString& relative, const uint8_t* data, size_t size)
{
    const QString path = folder().path(relative);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace Fuzz
