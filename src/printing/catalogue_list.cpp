#include "printing/catalogue_list.h"

#include "printing/print_surface.h"

namespace {

void printAt(PrintSurface& surface, double x, double y, const QString& text)
{
    surface.setPosition(x, y);
    surface.print(text.left(ListLayout::MaxFieldLength));
}

void printHeader(PrintSurface& surface, double y)
{
    surface.setColour(QColor(0, 0, 0));
    surface.setFontBold(true);
    surface.setFontSize(14);
    printAt(surface, ListLayout::HeaderX, y, ListLayout::headerLine());
}

void printRow(PrintSurface& surface, double y, int number, const CatalogueEntry& record)
{
    using namespace ListLayout;
    surface.setColour(QColor(120, 120, 120));
    surface.setFontBold(false);
    printAt(surface, NumberColumnX, y, QString::number(number));
    printAt(surface, YearX, y, record.jaartal);
    printAt(surface, PlaceX, y, record.place);
    printAt(surface, CatalogueNrX, y, record.catalogusNr);
    printAt(surface, PrintRunX, y, record.printRun);
    printAt(surface, NominalX, y, record.nominal);
    printAt(surface, PriceX, y, record.price);
}

} // namespace

QString ListLayout::headerLine()
{
    return QStringLiteral(
        "Nr.  Jaartal  Plaats                           Cat.nr.      Oplage           Nominaal    Cat.prijs");
}

bool PrintLijst(PrintSurface& surface, const QList<CatalogueEntry>& records, int copies)
{
    using namespace ListLayout;
    surface.startJob(copies);
    surface.setColour(QColor(40, 140, 40));
    surface.setFontBold(true);
    surface.setFontSize(26);
    printAt(surface, 300, 120, QStringLiteral("Velinor"));

    printHeader(surface, HeaderY);
    double y = FirstRowY;
    for (qsizetype i = 0; i < records.size(); ++i) {
        printRow(surface, y, int(i) + 1, records.at(i));
        y += RowSpacing;
        // A new page only when another row follows, so a full last page adds no page with a header alone.
        if (y > LastY && i + 1 < records.size()) {
            surface.newPage();
            printHeader(surface, NextHeaderY);
            y = NextFirstRowY;
        }
    }
    return surface.endDoc();
}
