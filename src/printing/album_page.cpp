#include "printing/album_page.h"

#include "documents/supplement_file.h"
#include "printing/print_surface.h"

#include <algorithm>

SupplementPage albumPageOf(const Supplement& supplement, const QImage& picture)
{
    return {supplement.Plaatsnaam, supplement.CatalogusNr,
            supplement.Jaartal,    supplement.lines.mid(0, SupplementFile::MaxLines),
            supplement.PaginaNr,   picture};
}

QString overflowQuestion(const SupplementPage& page)
{
    if (page.lines.size() <= AlbumPage::FittingLines)
        return QString();
    return QStringLiteral("De omschrijving telt %1 regels; op het albumblad passen er %2. De overige regels vallen "
                          "over het paginanummer en van het blad. Toch afdrukken?")
        .arg(page.lines.size())
        .arg(AlbumPage::FittingLines);
}

bool PrintSupplement(PrintSurface& surface, const SupplementPage& page, int copies)
{
    using namespace AlbumPage;
    surface.startJob(copies);

    surface.setFontBold(true); // stays on for the whole page
    surface.setFontSize(26);
    surface.setColour(QColor(40, 140, 40));
    surface.setPosition(TitleX, TitleY);
    surface.print(QStringLiteral("Velinor"));

    surface.setFontSize(20);
    surface.setColour(QColor(140, 40, 40));
    surface.setPosition(PlaceCentreX - surface.textWidth(page.Plaatsnaam) / 2, PlaceY);
    surface.print(page.Plaatsnaam);

    surface.paintPicture(page.picture, QRectF(PictureX, PictureY, PictureWidth, PictureHeight));
    PrintKader(surface, 1590, 2190, 10040, 6690);
    PrintKader(surface, 1605, 2205, 10025, 6675);

    surface.setFontSize(14);
    surface.setColour(QColor(90, 90, 90));
    surface.setPosition(NumberX, NumberY);
    surface.print(QStringLiteral("Nr.") + page.CatalogusNr);
    surface.setPosition(YearX, NumberY);
    surface.print(page.Jaartal);

    surface.setFontSize(11);
    surface.setColour(QColor(40, 40, 40));
    const int count = std::min<int>(int(page.lines.size()), SupplementFile::MaxLines);
    for (int i = 0; i < count; ++i) {
        surface.setPosition(LineX, LineY + LineSpacing * i);
        surface.print(page.lines.at(i));
    }

    surface.setFontSize(16);
    surface.setColour(QColor(0, 0, 200));
    surface.setPosition(PageX, PageY);
    surface.print(page.page);
    return surface.endDoc();
}
