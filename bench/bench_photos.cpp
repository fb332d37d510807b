// A camera photo of 6000 x 4000 pixels placed as `velinor-cli photos sheet groot`
// places it: read (decoded only as large as the largest frame needs) and put
// into the five frames of a sheetlet, stretched, cropped or fitted whole; and,
// for comparison, the same photo decoded whole. And one step of dragging a
// pasted 4000 x 3000 picture that floats over the canvas: moved, and resized,
// each of which the views show at once.

#include "canvas/canvas_document.h"
#include "perforation/photo_frames.h"
#include "perforation/photo_loader.h"

#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

// Smooth colour gradients with grain, so the JPEG is as large and as costly to decode as a
// camera's (about 8 MB at quality 90).
const QString& cameraPhoto()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        QImage photo(6000, 4000, QImage::Format_RGB32);
        std::uint32_t grain = 12345;
        for (int y = 0; y < photo.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
            for (int x = 0; x < photo.width(); ++x) {
                grain = grain * 1664525u + 1013904223u;
                const int g = int(grain >> 28) - 8;
                line[x] = qRgb(std::clamp(x / 24 + g, 0, 255), std::clamp(y / 16 + g, 0, 255),
                               std::clamp((x + y) / 40 + g, 0, 255));
            }
        }
        const QString file = dir.filePath(QStringLiteral("camera.jpg"));
        photo.save(file, "JPEG", 90);
        return file;
    }();
    return path;
}

void placeIntoFiveFrames(benchmark::State& state, QSize decodeTarget, PhotoFit fit = PhotoFit::Uitrekken)
{
    const QString& path = cameraPhoto();
    QImage sheet(500, 260, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (auto _ : state) {
        const PhotoFile photo = PhotoLoader::load(path, decodeTarget);
        PhotoFrames::placeInFrames(sheet, photo.image, PhotoLayout::Velletje, PhotoSize::Groot, fit);
        benchmark::DoNotOptimize(sheet.constBits());
    }
    state.counters["file_MB"] = double(QFileInfo(path).size()) / 1e6;
}

// The argument is the fit: 0 Uitrekken (as the program always placed photos), 1 Bijsnijden, 2 Passen.
void CameraPhotoIntoFiveFrames(benchmark::State& state)
{
    placeIntoFiveFrames(state, PhotoFrames::photoRect({}, PhotoSize::Groot).size(), PhotoFit(state.range(0)));
}
BENCHMARK(CameraPhotoIntoFiveFrames)->DenseRange(0, 2)->ArgName("fit")->Unit(benchmark::kMillisecond);

void CameraPhotoDecodedWholeIntoFiveFrames(benchmark::State& state)
{
    placeIntoFiveFrames(state, QSize());
}
BENCHMARK(CameraPhotoDecodedWholeIntoFiveFrames)->Unit(benchmark::kMillisecond);

// The argument is 0 for a move, 1 for a resize: what one mouse move while dragging costs.
void PastedPictureDraggedWhileFloating(benchmark::State& state)
{
    QImage pasted(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < pasted.height(); ++y)
        for (int x = 0; x < pasted.width(); ++x)
            pasted.setPixel(x, y, qRgb(x / 16, y / 12, (x + y) / 28));
    CanvasDocument document;
    document.setFloating(
        PhotoFrames::placement(QStringLiteral("Plakken"), pasted, QRect(0, 0, 500, 260), PhotoFit::Uitrekken));
    const bool resize = state.range(0) == 1;
    int step = 0;
    for (auto _ : state) {
        ++step;
        document.moveFloating(resize ? QRect(0, 0, 300 + step % 2, 160) : QRect(step % 2, 0, 500, 260));
        benchmark::DoNotOptimize(document.shown().constBits());
    }
}
BENCHMARK(PastedPictureDraggedWhileFloating)->DenseRange(0, 1)->ArgName("resize")->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
