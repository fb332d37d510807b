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
    return QStringLiteral("De omschrijving telt %1 regels; op het albumblad passen er %2. De overige regels komen "
                          "op een vervolgblad. Toch afdrukken?")
        .arg(page.lines.size())
        .arg(AlbumPage::FittingLines);
}

namespace {

using namespace AlbumPage;

// The title, and the place name centred below it, as large as fits the frame's width.
void printHeading(PrintSurface& surface, const QString& place)
{
    surface.setFontBold(true); // stays on for the whole page
    surface.setFontSize(26);
    surface.setColour(QColor(40, 140, 40));
    surface.setPosition(TitleX, TitleY);
    surface.print(QStringLiteral("Velinor"));

    surface.setFontSize(PlaceSize);
    for (double size = PlaceSize - 1; size >= SmallestPlaceSize && surface.textWidth(place) > PlaceWidth; --size)
        surface.setFontSize(size);
    surface.setColour(QColor(140, 40, 40));
    surface.setPosition(PlaceCentreX - surface.textWidth(place) / 2, PlaceY);
    surface.print(place);
}

void printLines(PrintSurface& surface, const QStringList& lines, double top)
{
    surface.setFontSize(11);
    surface.setColour(QColor(40, 40, 40));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        surface.setPosition(LineX, top + LineSpacing * double(i));
        surface.print(lines.at(i));
    }
}

void printPageNumber(PrintSurface& surface, const QString& number)
{
    surface.setFontSize(16);
    surface.setColour(QColor(0, 0, 200));
    surface.setPosition(PageX, PageY);
    surface.print(number);
}

} // namespace

bool PrintSupplement(PrintSurface& surface, const SupplementPage& page, int copies)
{
    surface.startJob(copies);
    printHeading(surface, page.Plaatsnaam);
    surface.paintPicture(page.picture, QRectF(PictureX, PictureY, PictureWidth, PictureHeight));
    PrintKader(surface, 1590, 2190, 10040, 6690);
    PrintKader(surface, 1605, 2205, 10025, 6675);

    surface.setFontSize(14);
    surface.setColour(QColor(90, 90, 90));
    surface.setPosition(NumberX, NumberY);
    surface.print(QStringLiteral("Nr.") + page.CatalogusNr);
    surface.setPosition(YearX, NumberY);
    surface.print(page.Jaartal);

    const QStringList lines = page.lines.mid(0, SupplementFile::MaxLines);
    printLines(surface, lines.mid(0, FittingLines), LineY);
    printPageNumber(surface, page.page);
    // What does not fit goes on continuation pages under the heading, never over the page number.
    for (qsizetype from = FittingLines; from < lines.size(); from += ContinuationLines) {
        surface.newPage();
        printHeading(surface, page.Plaatsnaam + QStringLiteral(" (vervolg)"));
        printLines(surface, lines.mid(from, ContinuationLines), ContinuationLineY);
        printPageNumber(surface, page.page);
    }
    return surface.endDoc();
}
