#include "printing/album_page.h"

#include "documents/supplement_file.h"
#include "printing/print_surface.h"

#include <algorithm>

SupplementPagina albumPageOf(const Supplement& supplement, const QImage& picture)
{
    return {supplement.Plaatsnaam, supplement.CatalogusNr, supplement.Jaartal,
            supplement.regels.mid(0, SupplementBestand::MaxRegels), supplement.PaginaNr, picture};
}

QString overflowQuestion(const SupplementPagina& pagina)
{
    if (pagina.regels.size() <= AlbumPagina::FittingLines)
        return QString();
    return QStringLiteral("De omschrijving telt %1 regels; op het albumblad passen er %2. De overige regels vallen "
                          "over het paginanummer en van het blad. Toch afdrukken?")
        .arg(pagina.regels.size())
        .arg(AlbumPagina::FittingLines);
}

bool PrintSupplement(PrintSurface& surface, const SupplementPagina& pagina, int copies)
{
    using namespace AlbumPagina;
    surface.startJob(copies);

    surface.setFontBold(true); // stays on for the whole page
    surface.setFontSize(26);
    surface.setColour(QColor(40, 140, 40));
    surface.setPosition(TitelX, TitelY);
    surface.print(QStringLiteral("Velinor"));

    surface.setFontSize(20);
    surface.setColour(QColor(140, 40, 40));
    surface.setPosition(PlaatsMidden - surface.textWidth(pagina.Plaatsnaam) / 2, PlaatsY);
    surface.print(pagina.Plaatsnaam);

    surface.paintPicture(pagina.afbeelding, QRectF(AfbeeldingX, AfbeeldingY, AfbeeldingB, AfbeeldingH));
    PrintKader(surface, 1590, 2190, 10040, 6690);
    PrintKader(surface, 1605, 2205, 10025, 6675);

    surface.setFontSize(14);
    surface.setColour(QColor(90, 90, 90));
    surface.setPosition(NummerX, NummerY);
    surface.print(QStringLiteral("Nr.") + pagina.CatalogusNr);
    surface.setPosition(JaartalX, NummerY);
    surface.print(pagina.Jaartal);

    surface.setFontSize(11);
    surface.setColour(QColor(40, 40, 40));
    const int count = std::min<int>(int(pagina.regels.size()), SupplementBestand::MaxRegels);
    for (int i = 0; i < count; ++i) {
        surface.setPosition(RegelX, RegelY + RegelAfstand * i);
        surface.print(pagina.regels.at(i));
    }

    surface.setFontSize(16);
    surface.setColour(QColor(0, 0, 200));
    surface.setPosition(PaginaX, PaginaY);
    surface.print(pagina.pagina);
    return surface.endDoc();
}
