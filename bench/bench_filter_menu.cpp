// The whole menu command on the canvas of the real main window: from the
// handler to the refreshed canvas, with the progress handling (Voortgang set
// and pending events processed after every row, the bar timer, the progress
// bar control) and the undo step. Runs on the offscreen platform.

#include "app/application_state.h"
#include "app/ui/main_form.h"
#include "canvas/ui/pic_edit.h"
#include "collection/collection_model.h"
#include "documents/recent_supplements.h"
#include "documents/supplement_model.h"
#include "filters/ui/filter_menu.h"

#include "silent_interaction.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

namespace {

struct Window
{
    QTemporaryDir folder;
    SilentInteraction interaction;
    ApplicationState state;
    SupplementModel model;
    RecentSupplements recent{QString()};
    CollectionModel collection{ProgramFolder(folder.path())};
    Main main{state, model, ProgramFolder(folder.path()), interaction, recent, collection};
    FilterMenu* menu = main.findChild<FilterMenu*>();

    Window()
    {
        QImage picture(500, 260, QImage::Format_RGB32);
        for (int y = 0; y < 260; ++y)
            for (int x = 0; x < 500; ++x)
                picture.setPixel(x, y,
                                 qRgb((x * 37 + y * 11) & 255, (x * 5 + y * 71) & 255, ((x * 13) ^ (y * 29)) & 255));
        model.canvas().reset(picture);
        main.show();
    }
};

Window& window()
{
    static Window w;
    return w;
}

void MenuCommand(benchmark::State& state)
{
    Window& w = window();
    const int index = int(state.range(0));
    for (auto _ : state) {
        w.menu->EditConvert_Click(index);
        QApplication::processEvents(); // the repaint of the canvas
    }
    state.SetLabel(w.main.menus().EditConvert[index]->text().toStdString());
}
BENCHMARK(MenuCommand)->DenseRange(0, 17)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
