// The open dialog on a folder of 2,000 sheetlet pictures: listing the names
// alone, and building the whole dialog with its list and instruction text,
// without and with a collection that marks every one of them. No picture is
// decoded to list it.

#include "documents/open_list.h"
#include "documents/ui/laadvel.h"

#include "silent_interaction.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

constexpr int PictureCount = 2000;

// A program folder with 2,000 real 500 x 260 JPEG files in Images.
class PictureFolder
{
public:
    PictureFolder()
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("Images"));
        QImage picture(500, 260, QImage::Format_RGB32);
        picture.fill(QColor(120, 150, 200));
        const QString first = m_dir.path() + QStringLiteral("/Images/0000-Plaats.jpg");
        picture.save(first, "JPEG", 85);
        for (int i = 1; i < PictureCount; ++i)
            QFile::copy(first, m_dir.path() + QStringLiteral("/Images/%1-Plaats %2.jpg").arg(2005 + i % 10).arg(i));
    }
    ProgramFolder folder() const { return ProgramFolder(m_dir.path()); }

private:
    QTemporaryDir m_dir;
};

void BM_ListSheetletNames(benchmark::State& state)
{
    const PictureFolder pictures;
    for (auto _ : state) {
        const QStringList names = LaadVelNamen(pictures.folder(), LaadVelModus::Velletjes);
        if (names.size() != PictureCount)
            state.SkipWithError("not every picture was listed");
        benchmark::DoNotOptimize(LaadVelTekst(LaadVelModus::Velletjes, names.size()));
    }
}
BENCHMARK(BM_ListSheetletNames)->Unit(benchmark::kMillisecond);

void BM_OpenDialogWithList(benchmark::State& state)
{
    const PictureFolder pictures;
    SilentInteraction interaction;
    for (auto _ : state) {
        LaadVel dialog(pictures.folder(), LaadVelModus::Velletjes, interaction);
        benchmark::DoNotOptimize(dialog.List1);
    }
}
BENCHMARK(BM_OpenDialogWithList)->Unit(benchmark::kMillisecond);

void BM_OpenDialogWithMarks(benchmark::State& state)
{
    const PictureFolder pictures;
    SilentInteraction interaction;
    Marks marks;
    for (const QString& name : LaadVelNamen(pictures.folder(), LaadVelModus::Velletjes))
        marks.insert(name,
                     Mark{marks.size() % 2 ? Ownership::Postfris : Ownership::None, 1, 250, QStringLiteral("ruil")});
    for (auto _ : state) {
        LaadVel dialog(pictures.folder(), LaadVelModus::Velletjes, interaction, marks);
        benchmark::DoNotOptimize(dialog.List1);
    }
}
BENCHMARK(BM_OpenDialogWithMarks)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
