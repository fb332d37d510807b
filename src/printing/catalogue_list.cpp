#include "printing/catalogue_list.h"

#include "printing/print_surface.h"

namespace {

void printAt(PrintSurface& surface, double x, double y, const QString& text)
{
    surface.setPosition(x, y);
    surface.print(text.left(Lijst::MaxVeldLengte));
}

void printHeader(PrintSurface& surface, double y)
{
    surface.setColour(QColor(0, 0, 0));
    surface.setFontBold(true);
    surface.setFontSize(14);
    printAt(surface, Lijst::KopX, y, Lijst::kopRegel());
}

void printRow(PrintSurface& surface, double y, int number, const CatalogusRegel& record)
{
    using namespace Lijst;
    surface.setColour(QColor(120, 120, 120));
    surface.setFontBold(false);
    printAt(surface, NrX, y, QString::number(number));
    printAt(surface, JaartalX, y, record.jaartal);
    printAt(surface, PlaatsX, y, record.plaats);
    printAt(surface, CatNrX, y, record.catalogusNr);
    printAt(surface, OplageX, y, record.oplage);
    printAt(surface, NominaalX, y, record.nominaal);
    printAt(surface, PrijsX, y, record.prijs);
}

} // namespace

QString Lijst::kopRegel()
{
    return QStringLiteral(
        "Nr.  Jaartal  Plaats                           Cat.nr.      Oplage           Nominaal    Cat.prijs");
}

bool PrintLijst(PrintSurface& surface, const QList<CatalogusRegel>& records, int copies)
{
    using namespace Lijst;
    surface.startJob(copies);
    surface.setColour(QColor(40, 140, 40));
    surface.setFontBold(true);
    surface.setFontSize(26);
    printAt(surface, 300, 120, QStringLiteral("Velinor"));

    printHeader(surface, KopY);
    double y = EersteRij;
    for (qsizetype i = 0; i < records.size(); ++i) {
        printRow(surface, y, int(i) + 1, records.at(i));
        y += RijAfstand;
        // A new page only when another row follows, so a full last page adds no page with a header alone.
        if (y > LaatsteY && i + 1 < records.size()) {
            surface.newPage();
            printHeader(surface, VolgendeKopY);
            y = VolgendeEersteRij;
        }
    }
    return surface.endDoc();
}
