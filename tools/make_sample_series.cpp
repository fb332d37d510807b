// Writes the sample series the program ships with: the catalogue file
// Data/Informatie.cat, one 500 x 260 JPEG per sheetlet in Images (named by its
// key), and one saved example supplement in Supplementen. The series and its
// catalogue data are invented; each sheetlet is devoted to a real Dutch town.
// Run: make_sample_series DATA_FOLDER   (the repository's data/ folder)

#include "app/program_folder.h"
#include "app/text_file.h"
#include "documents/description_lines.h"
#include "documents/supplement_file.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>

namespace {

struct Sheetlet
{
    int year;
    QString place;
    QColor colour;
};

const QList<Sheetlet> Series = {
    {2005, "Alkmaar", {214, 160, 40}},
    {2005, "Deventer", {150, 70, 60}},
    {2005, "Middelburg", {60, 110, 160}},
    {2006, "Haarlem", {120, 150, 70}},
    {2006, "Leeuwarden", {70, 90, 150}},
    {2006, "Maastricht", {170, 120, 80}},
    {2006, "Zwolle", {90, 140, 130}},
    {2007, "Delft", {50, 90, 170}},
    {2007, "Groningen", {160, 60, 70}},
    {2007, "Enkhuizen", {70, 130, 170}},
    {2008, "Utrecht", {180, 70, 50}},
    {2008, "Gouda", {200, 150, 60}},
    {2008, "Kampen", {80, 120, 90}},
    {2008, "Verzamelblokje Noord", {60, 80, 120}},
    {2009, "Leiden", {140, 40, 40}},
    {2009, "Dordrecht", {90, 100, 140}},
    {2009, "Hoorn", {60, 140, 150}},
    {2010, "Nijmegen", {130, 90, 60}},
    {2010, "Breda", {170, 80, 110}},
    {2010, "Harderwijk", {70, 150, 110}},
    {2011, "Amersfoort", {150, 110, 50}},
    {2011, "Zierikzee", {60, 120, 170}},
    {2011, "Edam", {210, 170, 50}},
    {2012, "Assen", {100, 130, 70}},
    {2012, "Schiedam", {110, 80, 130}},
    {2012, "Venlo", {170, 100, 60}},
    {2012, "Verzamelblokje Zuid", {140, 60, 60}},
    {2013, "Arnhem", {80, 120, 60}},
    {2013, "Sneek", {50, 100, 150}},
    {2013, "Monnickendam", {100, 140, 160}},
    {2014, "Den Haag", {160, 140, 60}},
    {2014, "Roermond", {130, 70, 70}},
    {2014, "Elburg", {90, 130, 110}},
    {2014, "Heusden", {120, 100, 150}},
};

// Stamp frames (top-left corners, 75 x 85) of a sheetlet and of a collector's block.
const QList<QPoint> SheetletFrames = {{27, 27}, {135, 19}, {277, 14}, {388, 26}, {229, 158}};
const QList<QPoint> BlockFrames = {{16, 142}, {113, 161}, {210, 151}, {307, 127}, {404, 142}};

const QStringList Designers = {"Studio Ten Berge", "M. van Dalen", "Atelier Kroes",      "J. Hoekstra",
                               "Bureau Lindeman",  "R. de Wit",    "Ontwerpgroep Plein", "E. Vos-Bakker"};
const QStringList Perforations = {"13½ : 14", "14 : 13½", "13¾", "14½ : 14"};

bool isBlock(const Sheetlet& s)
{
    return s.place.startsWith(QLatin1String("Verzamel"));
}

QString key(const Sheetlet& s)
{
    return QString::number(s.year) + QLatin1Char('-') + s.place;
}

double tariff(int year)
{
    static const double tariffs[] = {0.39, 0.39, 0.44, 0.44, 0.44, 0.44, 0.46, 0.50, 0.54, 0.64};
    return tariffs[year - 2005];
}

QString amount(double value)
{
    return QString::number(value, 'f', 2);
}

QStringList record(const Sheetlet& s, int number, QRandomGenerator& random)
{
    const double price = tariff(s.year) * 5 * (1.3 + random.bounded(180) / 100.0) + (2014 - s.year) * 0.35;
    const QString date = QStringLiteral("%1-%2-%3")
                             .arg(1 + random.bounded(28), 2, 10, QLatin1Char('0'))
                             .arg(1 + random.bounded(12), 2, 10, QLatin1Char('0'))
                             .arg(s.year);
    const int printRun = 250 + random.bounded(40) * 10;
    return {key(s),
            QString::number(number),
            QString::number(2300 + number),
            Designers.at(random.bounded(Designers.size())),
            date,
            QStringLiteral("%1.000").arg(isBlock(s) ? printRun / 2 : printRun),
            QStringLiteral("5 x € ") + amount(tariff(s.year)),
            Perforations.at(random.bounded(Perforations.size())),
            isBlock(s) ? QStringLiteral("150 x 72 mm") : QStringLiteral("144 x 75 mm"),
            QStringLiteral("€ ") + amount(std::round(price * 4) / 4),
            QStringLiteral("------------------------------")};
}

void drawSkyline(QPainter& p, QRect area, const QColor& colour, QRandomGenerator& random)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(160));
    int x = area.left();
    while (x < area.right()) {
        const int width = 8 + random.bounded(10);
        const int height = 14 + random.bounded(area.height() - 14);
        const int top = area.bottom() - height;
        p.drawRect(x, top, width, height);
        p.drawPolygon(QPolygon({QPoint(x, top), QPoint(x + width / 2, top - width / 2), QPoint(x + width, top)}));
        x += width + 1;
    }
}

void drawStamp(QPainter& p, QPoint corner, const Sheetlet& s, int index, QRandomGenerator& random)
{
    const QRect frame(corner, QSize(75, 85));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 238));
    p.drawRect(frame);
    const QRect picture = frame.adjusted(5, 5, -5, -18);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0, s.colour.lighter(170));
    sky.setColorAt(1, s.colour.lighter(115 + index * 8));
    p.fillRect(picture, sky);
    drawSkyline(p, picture.adjusted(2, 14, -2, 0), s.colour, random);
    p.setPen(QColor(40, 40, 40));
    p.setFont(QFont(QStringLiteral("Arial"), 7, QFont::Bold));
    p.drawText(QRect(frame.left() + 4, frame.bottom() - 16, 67, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("€ ") + amount(tariff(s.year)).replace(QLatin1Char('.'), QLatin1Char(',')));
    p.setFont(QFont(QStringLiteral("Arial"), 5));
    p.drawText(QRect(frame.left() + 4, frame.bottom() - 16, 67, 14), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Nederland"));
}

QImage drawSheetlet(const Sheetlet& s, QRandomGenerator& random)
{
    QImage image(500, 260, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 500, 260);
    background.setColorAt(0, s.colour.lighter(185));
    background.setColorAt(1, s.colour.lighter(125));
    p.fillRect(image.rect(), background);
    p.setPen(QPen(s.colour.darker(140), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(image.rect().adjusted(3, 3, -4, -4));

    const bool block = isBlock(s);
    const QList<QPoint>& frames = block ? BlockFrames : SheetletFrames;
    for (int i = 0; i < frames.size(); ++i)
        drawStamp(p, frames.at(i), s, i, random);

    // The title stands where no stamp is: bottom left on a sheetlet, across the top on a block.
    const QRect title = block ? QRect(20, 20, 460, 60) : QRect(20, 150, 200, 70);
    p.setPen(s.colour.darker(250));
    p.setFont(QFont(QStringLiteral("Arial"), s.place.size() > 11 ? 15 : 20, QFont::Bold));
    p.drawText(title, Qt::AlignLeft | Qt::AlignTop, s.place);
    p.setFont(QFont(QStringLiteral("Arial"), 11));
    p.drawText(title, Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("Velinor %1  ·  5 x € %2").arg(s.year).arg(amount(tariff(s.year)).replace('.', ',')));
    return image;
}

bool writeExampleSupplement(const ProgramFolder& folder, const QImage& picture)
{
    const QString description = QStringLiteral(
        "Alkmaar ligt in Noord-Holland en kreeg in 1254 stadsrechten. De stad is bekend om haar kaasmarkt op het "
        "Waagplein, waar van april tot september de kaasdragers de kazen op berries naar de Waag brengen.\n\n"
        "In 1573 doorstond Alkmaar het Spaanse beleg; sindsdien zegt men: \"Bij Alkmaar begint de victorie\".");
    Supplement supplement{QStringLiteral("Alkmaar"), QStringLiteral("2301"),        QStringLiteral("2005"),
                          QStringLiteral("1"),       GetTextBoxZeilen(description), picture};
    return SchrijfSupplement(folder, supplement) == WriteStatus::Saved;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Gebruik: make_sample_series DATAMAP\n");
        return 2;
    }
    const ProgramFolder folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path(QStringLiteral("Data")));
    QDir().mkpath(folder.path(QStringLiteral("Images")));

    QRandomGenerator random(2005);
    QStringList catalogue;
    QImage example;
    for (int i = 0; i < Series.size(); ++i) {
        const Sheetlet& s = Series.at(i);
        catalogue += record(s, i + 1, random);
        const QImage picture = drawSheetlet(s, random);
        if (!picture.save(folder.path(QStringLiteral("Images/") + key(s) + QStringLiteral(".jpg")), "JPEG", 85))
            return 1;
        if (s.place == QLatin1String("Alkmaar"))
            example = picture;
    }
    if (!TextFile::writeLines(folder.path(QStringLiteral("Data/Informatie.cat")), catalogue))
        return 1;
    return writeExampleSupplement(folder, example) ? 0 : 1;
}
