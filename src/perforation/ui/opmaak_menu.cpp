#include "perforation/ui/opmaak_menu.h"

#include "app/ui/main_form.h"
#include "app/wacht.h"
#include "canvas/ui/pic_edit.h"
#include "perforation/barcode.h"
#include "perforation/perforation.h"

#include <QAction>
#include <QApplication>

OpmaakMenu::OpmaakMenu(Main& main)
    : QObject(&main)
    , m_main(main)
{
    const MainMenus& m = main.menus();
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
    if (index != 1 && index != 2)
        return;
    const std::uint8_t grey = index == 1 ? 0 : 255;
    PicEdit* canvas = m_main.picEdit();
    QImage& image = canvas->image();
    if (block)
        Perfins::PerforeerBlok(image, grey);
    else
        Perfins::PerforeerVel(image, grey);
    canvas->update();

    QApplication::setOverrideCursor(Qt::WaitCursor);
    const float pause = m_holePause;
    Perfins::PerforeerUitBestand(image, m_main.folder().path(QStringLiteral("Data/Perfin.cor")), grey,
                                 block ? Perfins::Soort::Blok : Perfins::Soort::Velletje, [canvas, pause] {
                                     canvas->update();
                                     Wacht(pause);
                                 });
    QApplication::restoreOverrideCursor();
    canvas->update();
}

void OpmaakMenu::PerforatieBarcode_Click(int index)
{
    if (index < 1 || index > 3)
        return;
    Barcode::plaatsBarcode(m_main.picEdit()->image(), static_cast<Barcode::Plaats>(index));
    m_main.picEdit()->update();
}
