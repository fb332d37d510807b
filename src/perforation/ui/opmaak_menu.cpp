#include "perforation/ui/opmaak_menu.h"

#include "app/application_state.h"
#include "app/wacht.h"
#include "canvas/canvas_document.h"
#include "perforation/barcode.h"
#include "perforation/perforation.h"
#include "widgets/busy_pointer.h"
#include "widgets/main_menus.h"

#include <QAction>

OpmaakMenu::OpmaakMenu(CanvasDocument& canvas, const ApplicationState& state, ProgramFolder folder, const MainMenus& m,
                       QObject* parent)
    : QObject(parent)
    , m_canvas(canvas)
    , m_state(state)
    , m_folder(std::move(folder))
{
    for (int i = 1; i <= 2; ++i) {
        connect(m.PerforatieKleurVel[i], &QAction::triggered, this, [this, i] { PerforatieKleurVel_Click(i); });
        connect(m.PerforatieKleurBlok[i], &QAction::triggered, this, [this, i] { PerforatieKleurBlok_Click(i); });
    }
    for (int i = 1; i <= 3; ++i)
        connect(m.PerforatieBarcode[i], &QAction::triggered, this, [this, i] { PerforatieBarcode_Click(i); });
}

void OpmaakMenu::PerforatieKleurVel_Click(int index)
{
    perforate(index, false);
}

void OpmaakMenu::PerforatieKleurBlok_Click(int index)
{
    perforate(index, true);
}

void OpmaakMenu::perforate(int index, bool block)
{
    CanvasDocument& document = m_canvas;
    document.surface().setDrawWidth(1);
    if (index == 1 || index == 2) {
        const std::uint8_t grey = index == 1 ? 0 : 255;
        const QString perfin = m_folder.path(QStringLiteral("Data/Perfin.cor"));
        const float pause = m_holePause;
        // The holes of the file appear one after the other, so the canvas is shown after each.
        const auto showHole = [&document, pause] {
            document.refresh();
            return Wacht(pause);
        };
        document.change(QStringLiteral("Perforatie"), [&](QImage& image) {
            if (block)
                Perfins::PerforeerBlok(image, grey);
            else
                Perfins::PerforeerVel(image, grey);
            document.refresh();
            const BusyPointer busy;
            Perfins::PerforeerUitBestand(image, perfin, grey,
                                         block ? Perfins::PerfinKind::Block : Perfins::PerfinKind::Sheetlet, showHole);
        });
        Q_EMIT framesMade(block ? PhotoLayout::Verzamelblokje : PhotoLayout::Velletje);
    }
    document.surface().setDrawWidth(m_state.lineWidth());
}

void OpmaakMenu::PerforatieBarcode_Click(int index)
{
    if (index < 1 || index > 3)
        return;
    m_canvas.change(QStringLiteral("Barcode"),
                    [index](QImage& image) { Barcode::placeBarcode(image, static_cast<Barcode::Position>(index)); });
}
