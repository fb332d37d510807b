#include "printing/catalogue_list.h"

#include "collection/collection_totals.h"
#include "documents/catalogue.h"
#include "printing/print_surface.h"

namespace {

void printAt(PrintSurface& surface, double x, double y, const QString& text)
{
    surface.setPosition(x, y);
    surface.print(text.left(ListLayout::MaxFieldLength));
}

void printHeader(PrintSurface& surface, double y, const QString& line)
{
    surface.setColour(QColor(0, 0, 0));
    surface.setFontBold(true);
    surface.setFontSize(14);
    printAt(surface, ListLayout::HeaderX, y, line);
}

void startRow(PrintSurface& surface)
{
    surface.setColour(QColor(120, 120, 120));
    surface.setFontBold(false);
    surface.setFontSize(14);
}

void printRow(PrintSurface& surface, double y, int number, const CatalogueEntry& record)
{
    using namespace ListLayout;
    startRow(surface);
    printAt(surface, NumberColumnX, y, QString::number(number));
    printAt(surface, YearX, y, record.jaartal);
    printAt(surface, PlaceX, y, record.place);
    printAt(surface, CatalogueNrX, y, record.catalogusNr);
    printAt(surface, PrintRunX, y, record.printRun);
    printAt(surface, NominalX, y, record.nominal);
    printAt(surface, PriceX, y, record.price);
}

} // namespace

QString ListLayout::ownedCode(Ownership owned)
{
    static const QStringList Codes{QString(), QStringLiteral("pf"), QStringLiteral("gest."), QStringLiteral("beide")};
    return Codes.at(int(owned));
}

QString ListLayout::ownedLegend()
{
    return QStringLiteral("In bezit: pf = postfris, gest. = gestempeld, beide = postfris en gestempeld");
}

QString ListLayout::headerLine()
{
    return QStringLiteral(
        "Nr.  Jaartal  Plaats                           Cat.nr.      Oplage           Nominaal    Cat.prijs");
}

void printListPages(PrintSurface& surface, const QString& title, qsizetype rows,
                    const std::function<void(double y)>& header, const std::function<void(double y, qsizetype)>& row)
{
    using namespace ListLayout;
    surface.setColour(QColor(40, 140, 40));
    surface.setFontBold(true);
    surface.setFontSize(26);
    printAt(surface, 300, 120, title);

    header(HeaderY);
    double y = FirstRowY;
    for (qsizetype i = 0; i < rows; ++i) {
        row(y, i);
        y += RowSpacing;
        // A new page only when another row follows, so a full last page adds no page with a header alone.
        if (y > LastY && i + 1 < rows) {
            surface.newPage();
            header(NextHeaderY);
            y = NextFirstRowY;
        }
    }
}

bool PrintLijst(PrintSurface& surface, const QList<CatalogueEntry>& records, int copies, const Marks& marks)
{
    using namespace ListLayout;
    surface.startJob(copies);
    const bool owned = !marks.isEmpty();
    printListPages(
        surface, QStringLiteral("Velinor"), records.size(),
        [&](double y) {
            printHeader(surface, y, headerLine());
            if (!owned)
                return;
            surface.setFontSize(OwnedHeaderSize);
            printAt(surface, OwnedX, y + 90, QStringLiteral("In bezit"));
            if (y == HeaderY) { // the first page: what the short words mean, beside the title
                surface.setFontSize(10);
                surface.setFontBold(false);
                printAt(surface, LegendX, LegendY, ownedLegend());
            }
        },
        [&](double y, qsizetype i) {
            printRow(surface, y, int(i) + 1, records.at(i));
            if (owned) {
                surface.setFontSize(OwnedFontSize);
                printAt(surface, OwnedX, y + 30, ownedCode(marks.value(records.at(i).key).owned));
            }
        });
    return surface.endDoc();
}

bool PrintWantList(PrintSurface& surface, const QList<CatalogueEntry>& wanted, int copies)
{
    using namespace ListLayout;
    surface.startJob(copies);
    double last = FirstRowY - RowSpacing;
    printListPages(
        surface, QStringLiteral("Nog te verzamelen"), wanted.size(),
        [&](double y) {
            printHeader(surface, y, QStringLiteral("Nr.  Jaartal  Plaats"));
            printAt(surface, PriceX, y, QStringLiteral("Cat.prijs"));
        },
        [&](double y, qsizetype i) {
            const CatalogueEntry& entry = wanted.at(i);
            startRow(surface);
            printAt(surface, NumberColumnX, y, entry.number);
            printAt(surface, YearX, y, entry.jaartal);
            printAt(surface, PlaceX, y, entry.place);
            printAt(surface, PriceX, y, entry.price);
            last = y;
        });
    // The total under the prices, on the last page: a page of its own when that one is full.
    double y = last + RowSpacing;
    if (y > LastY) {
        surface.newPage();
        y = NextFirstRowY;
    }
    surface.setColour(QColor(0, 0, 0));
    surface.setFontBold(true);
    printAt(surface, PlaceX, y, QStringLiteral("Totaal (%1 velletjes)").arg(wanted.size()));
    printAt(surface, PriceX, y, QStringLiteral("€ ") + amountText(wantListTotal(wanted), QLocale(QLocale::Dutch)));
    return surface.endDoc();
}
