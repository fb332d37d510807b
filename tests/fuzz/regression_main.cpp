// Runs a fuzz target once over each file it is given, as libFuzzer does with
// files on its command line: the regression test of what the fuzzers have found.

#include <QFile>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
    }
    return argc > 1 ? 0 : 1; // an empty corpus is a mistake
}
