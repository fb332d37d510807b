#include "perforation/metafile_reader.h"

#include "app/picture_file.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <cstring>

namespace MetafileReader {

namespace {

// The exit codes of velinor-metafile.
constexpr int Drawn = 0, TooLarge = 4;

// The size the renderer writes first, and whether the bytes after it are exactly its rows.
struct Output
{
    QSize size;
    bool complete = false;
};

Output measure(const QByteArray& bytes)
{
    quint32 size[2] = {0, 0};
    if (bytes.size() < qsizetype(sizeof size))
        return {};
    std::memcpy(size, bytes.constData(), sizeof size);
    if (size[0] == 0 || size[1] == 0 || size[0] > 65535 || size[1] > 65535)
        return {};
    const qsizetype rows = qsizetype(size[0]) * size[1] * 4;
    return {QSize(int(size[0]), int(size[1])), bytes.size() == qsizetype(sizeof size) + rows};
}

// The rows, blue, green, red and alpha bytes, are a QImage's ARGB32 words on a little-endian machine;
// what the drawing leaves transparent shows white.
QImage onWhite(const QByteArray& bytes, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const auto* rows = reinterpret_cast<const QRgb*>(bytes.constData() + 2 * sizeof(quint32));
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            QRgb p;
            std::memcpy(&p, rows + qsizetype(y) * size.width() + x, sizeof p);
            const int a = qAlpha(p);
            const auto mix = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
            line[x] = qRgb(mix(qRed(p)), mix(qGreen(p)), mix(qBlue(p)));
        }
    }
    return image;
}

} // namespace

QString rendererPath()
{
    const QString given = qEnvironmentVariable("VELINOR_METAFILE_RENDERER");
    return given.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/velinor-metafile") : given;
}

bool available()
{
    return QFileInfo(rendererPath()).isExecutable();
}

bool looksLikeMetafile(const QByteArray& head)
{
    if (head.startsWith(QByteArray::fromHex("d7cdc69a")))
        return true;
    // A plain metafile header: type 1 (memory) or 2 (disk), a header of nine words, version 0x0100 or 0x0300.
    return head.size() >= 6 &&
           (head.startsWith(QByteArray::fromHex("01000900")) || head.startsWith(QByteArray::fromHex("02000900"))) &&
           (head.mid(4, 2) == QByteArray::fromHex("0003") || head.mid(4, 2) == QByteArray::fromHex("0001"));
}

Result read(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    QProcess renderer;
    renderer.setProcessChannelMode(QProcess::SeparateChannels);
    renderer.setStandardErrorFile(QProcess::nullDevice());
    renderer.start(rendererPath(), {QFileInfo(path).absoluteFilePath()});
    if (!renderer.waitForStarted())
        return {QImage(), QStringLiteral("%1 is een Windows Metafile; die kan deze uitgave niet lezen.").arg(name)};
    if (!renderer.waitForFinished(TimeLimitSeconds * 1000)) {
        renderer.kill();
        renderer.waitForFinished(-1);
        return {QImage(), QStringLiteral("%1 is te ingewikkeld: het tekenen duurde langer dan %2 seconden.")
                              .arg(name)
                              .arg(TimeLimitSeconds)};
    }
    const QByteArray bytes = renderer.readAllStandardOutput();
    const Output output = measure(bytes);
    if (renderer.exitStatus() == QProcess::NormalExit && renderer.exitCode() == TooLarge && output.size.isValid())
        return {QImage(), PictureFile::tooLargeText(name, output.size)};
    if (renderer.exitStatus() != QProcess::NormalExit || renderer.exitCode() != Drawn || !output.complete)
        return {QImage(), QStringLiteral("%1 kan niet worden gelezen.").arg(name)};
    return {onWhite(bytes, output.size), QString()};
}

} // namespace MetafileReader
