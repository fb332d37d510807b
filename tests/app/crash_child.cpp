// Saves the supplement "Delft" as version A (with a picture) and version B
// (without one) in turn, for the crash-safety test that kills it mid-save.
//
//   crash_child FOLDER [COUNT]   saves COUNT times, or until it is killed

#include "documents/supplement_file.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    const QCoreApplication app(argc, argv);
    const ProgramFolder folder(QString::fromLocal8Bit(argv[1]));
    QImage a(500, 260, QImage::Format_RGB32); // the picture of version A
    a.fill(qRgb(200, 30, 90));
    std::puts("ready");
    std::fflush(stdout);
    for (int i = 0; argc < 3 || i < QByteArray(argv[2]).toInt(); ++i) {
        const char* version = i % 2 ? "B" : "A";
        SchrijfSupplement(folder, {"Delft", version, "2009", version, {version}, i % 2 ? QImage() : a});
    }
}
