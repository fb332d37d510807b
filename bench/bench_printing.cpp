// Printing to PDF: the album page of a supplement with a full description,
// and the contact sheet of 1,000 sheetlet pictures (pictures read one at a time).

#include "printing/album_page.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

SupplementPage albumPage()
{
    QImage canvas(500, 260, QImage::Format_RGB32);
    canvas.fill(QColor(230, 180, 60));
    SupplementPage page{
        QStringLiteral("Alkmaar"), QStringLiteral("2301"), QStringLiteral("2005"), {}, QStringLiteral("1"), canvas};
    for (int i = 0; i < 25; ++i)
        page.lines.append(
            QStringLiteral("Alkmaar ligt in Noord-Holland en kreeg in 1254 stadsrechten, regel %1.").arg(i));
    return page;
}

void AlbumPageToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    const SupplementPage page = albumPage();
    for (auto _ : state) {
        PdfPrintSurface surface(dir.filePath(QStringLiteral("pagina.pdf")));
        benchmark::DoNotOptimize(PrintSupplement(surface, page, 1));
    }
}
BENCHMARK(AlbumPageToPdf)->Unit(benchmark::kMillisecond);

void ContactSheetOf1000ToPdf(benchmark::State& state)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Images"));
    QImage picture(500, 260, QImage::Format_RGB32);
    for (int i = 0; i < 1000; ++i) {
        picture.fill(QColor::fromHsv(i % 360, 150, 220));
        picture.save(dir.path() + QStringLiteral("/Images/%1-Plaats %2.jpg").arg(2005 + i % 10).arg(i), "JPEG", 85);
    }
    const QStringList files = sheetletFiles(ProgramFolder(dir.path()));
    for (auto _ : state) {
        PdfPrintSurface surface(dir.filePath(QStringLiteral("blad.pdf")));
        benchmark::DoNotOptimize(PrintVelletjes(surface, files, 1));
    }
}
BENCHMARK(ContactSheetOf1000ToPdf)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen"); // fonts need a GUI application, never a display
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
