// Data\coordinaten.cor and Data\plaatsnamen.cat as their bytes give them:
// records, skipped places, quoted names, the letter filter, and files that are
// not what they should be; the lists the program ships with; one plotting run
// over the map: where the dot, the shadowed number and the list line of a place
// go and what is drawn there, the two list columns and the counter; and the
// map of the country itself.

#include "app/text_file.h"
#include "common/pixels.h"
#include "common/test_folder.h"
#include "filters/filter_pictures.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/map_plotter.h"
#include "geography/map_projection.h"
#include "geography/place_file.h"
#include "geography/place_names.h"

#include <QSet>
#include <QtTest>

namespace {

// The places read from the bytes as "x,y name", or "- name" for a place listed without a dot.
QString placesIn(const QByteArray& bytes)
{
    TestFolder folder;
    if (!bytes.isNull())
        folder.write(MapPlaces::FileName, bytes);
    QStringList places;
    for (const MapPlace& place : MapPlaces::read(folder.path(MapPlaces::FileName)))
        places << (place.position ? QStringLiteral("%1,%2 ").arg(place.position->x()).arg(place.position->y())
                                  : QStringLiteral("- ")) +
                      place.name;
    return places.join('|');
}

QStringList namesIn(const QByteArray& bytes)
{
    TestFolder folder;
    folder.write(PlaceNames::FileName, bytes);
    return PlaceNames::read(folder.path(PlaceNames::FileName));
}

// A ground of the map's size whose channels all differ from black, white and the list's colour.
constexpr QRgb GroundColour = qRgb(30, 90, 160);
const QImage Ground = filtertest::picture(620, 475, GroundColour);

// The smallest rectangle around the pixels of one colour inside an area.
QRect boxOf(const QImage& image, QRgb colour, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            box |= image.pixel(x, y) == colour ? QRect(x, y, 1, 1) : QRect();
    return box;
}

} // namespace

class TestGeographyCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Records over lines, quoted names with a comma, Windows-1252; a record without X is skipped, one
    // without a usable position is listed without a dot.
    void coordinates()
    {
        const std::pair<QByteArray, QString> files[] = {
            {"100,200,Gouda\r\n155.5 , 80,\"Den Haag, Scheveningen\"\r\n,300,Nergens\r\n7,8,'s-Hertogenbosch\r\n"
             "3,4,Li\xe8ge\r\n",
             "100,200 Gouda|155.5,80 Den Haag, Scheveningen|7,8 's-Hertogenbosch|3,4 Liège"},
            // A line end ends a field like a comma does.
            {"10\n20\nAlkmaar\n\"\",5,Weg\n 30,40,Zwolle,50,60,Delft", "10,20 Alkmaar|30,40 Zwolle|50,60 Delft"},
            {"abc,10,Ergens\r\n12,,Half\r\n1e300,4,Ver\r\n20,30", "- Ergens|- Half|- Ver|20,30 "},
            {"1000000,-1000000,Rand\r\n1000001,0,Voorbij\r\n-0.5,0,Links\r\n",
             "1e+06,-1e+06 Rand|- Voorbij|-0.5,0 Links"},
            // Nothing after an end-of-file mark is read; a control character makes it no list of places.
            {"\x1a\r\n1,2,A\r\n", ""},
            {"12,34,Gouda\r\n\x01,5,6", ""},
            {QByteArray(), ""}, // no file
            // A file of the largest size is read, names cut at 256 characters; one byte more is no list of places.
            {"1,2," + QByteArray(PlaceFile::MaximumSize - 4, 'x'), "1,2 " + QString(256, 'x')},
            {"1,2," + QByteArray(PlaceFile::MaximumSize - 3, 'x'), ""}};
        for (const auto& [bytes, places] : files)
            QCOMPARE(placesIn(bytes), places);
    }

    // Names in file order, Windows-1252, quoted when they hold a comma; a letter chooses the names of
    // more than one character that begin with it, case and all.
    void placeNames()
    {
        const QStringList names = namesIn("Aalten\r\n\"Bergen, NH\"\r\nA\r\nalmere\r\n's-Gravenzande\r\n't Zandt\r\n"
                                          "Li\xe8ge\r\nAmen\r\nEe\r\n'\r\n\x1a\r\nAfval\r\n");
        QCOMPARE(names, QStringList({"Aalten", "Bergen, NH", "A", "almere", "'s-Gravenzande", "'t Zandt", "Liège",
                                     "Amen", "Ee", "'"}));
        const char* const letters[][2] = {
            {"A", "Aalten|Amen"}, {"E", "Ee"}, {"'", "'s-Gravenzande|'t Zandt"}, {"Q", ""}, {"", ""}};
        for (const auto& [letter, chosen] : letters)
            QCOMPARE(PlaceNames::startingWith(names, letter).join('|'), chosen);
        QCOMPARE(namesIn("Gouda\r\n\x01"), QStringList());
    }

    // Every place of the shipped series has its dot on Dutch land (a coastal town may sit on the coast,
    // never at sea), and the place-name list is Windows-1252 text with CR LF.
    void shippedLists()
    {
        const ProgramFolder shipped(TestFolder::sourceDir() + "/data");
        const QList<MapPlace> places = MapPlaces::read(shipped.path(MapPlaces::FileName));
        const QImage map = MapPicture::draw();
        QSet<QString> onMap;
        for (const MapPlace& place : places) {
            const QPoint at = place.position.value_or(QPointF()).toPoint();
            const int land = countColour(map, MapPicture::Netherlands, QRect(at - QPoint(2, 2), QSize(5, 5)));
            QVERIFY2(place.position, qPrintable(place.name));
            QVERIFY2(map.pixel(at) != MapPicture::Sea, qPrintable(place.name));
            QVERIFY2(land >= 8, qPrintable(place.name));
            onMap << place.name;
        }
        const QStringList catalogue = TextFile::readLines(shipped.path("Data/Informatie.cat")).value_or(QStringList());
        QVERIFY(catalogue.size() >= 30 * 11);
        QVERIFY(places.size() <= 66); // two list columns of 33
        for (qsizetype i = 0; i < catalogue.size(); i += 11)
            QVERIFY2(catalogue[i].mid(5).startsWith("Verzamel") || onMap.contains(catalogue[i].mid(5)),
                     qPrintable(catalogue[i]));
        const QByteArray bytes = TextFile::readBytes(shipped.path(PlaceNames::FileName)).value_or(QByteArray());
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(!bytes.contains('\xc3'));
    }
    // Place 1 at (100, 200): dot centred there, black number at (103, 193), white at (104, 192), list line
    // at (418, 22). The first column holds places 1 to 33, 13 pixels apart; the second starts at 34.
    void marksOfFortyPlaces()
    {
        QImage map = Ground;
        MapPlotter plotter(map);
        QList<MapPlotter::Marks> marks;
        for (int n = 1; n <= 40; ++n) {
            const MapPlace place{QPointF(100, 200), QStringLiteral("Plaats %1").arg(n)};
            marks << plotter.marksFor(place);
            plotter.plot(place);
        }
        QCOMPARE((QList<QPointF>{marks[0].dotCentre, marks[0].shadowTopLeft, marks[0].numberTopLeft}),
                 (QList<QPointF>{{100, 200}, {103, 193}, {104, 192}}));
        QCOMPARE(marks[0].numberText + "|" + marks[0].listText, " 1|1  Plaats 1");
        const std::pair<int, QPointF> lines[] = {
            {1, {418, 22}}, {2, {418, 35}}, {33, {418, 438}}, {34, {518, 22}}, {40, {518, 100}}};
        for (const auto& [n, topLeft] : lines)
            QCOMPARE(marks[n - 1].listTopLeft, topLeft);
        plotter.start();
        QCOMPARE(plotter.counterText(), "0 Steden");
        QCOMPARE(plotter.marksFor({QPointF(1, 1), "X"}).listTopLeft, QPointF(418, 22));
    }

    // A white dot of radius 3 with a black rim; the bold number in white one pixel up and right of its
    // black shadow, clear of the dot; the list line in near white. A place without a position is only listed.
    void drawnMarks()
    {
        QImage map = Ground;
        MapPlotter plotter(map);
        plotter.plot({QPointF(100, 200), "Gouda"});
        QCOMPARE(map.pixel(100, 200), qRgb(255, 255, 255));
        for (const QPoint rim : {QPoint(97, 200), QPoint(103, 200), QPoint(100, 197), QPoint(100, 203)})
            QCOMPARE(map.pixel(rim), qRgb(0, 0, 0));
        for (const QPoint outside : {QPoint(96, 200), QPoint(104, 200), QPoint(100, 196), QPoint(100, 204)})
            QCOMPARE(map.pixel(outside), GroundColour);
        const QRect number(104, 185, 30, 30);
        const QRect black = boxOf(map, qRgb(0, 0, 0), number), white = boxOf(map, qRgb(255, 255, 255), number);
        QCOMPARE(white.left(), black.left() + 1);
        QCOMPARE(white.bottom(), black.bottom() - 1);
        QVERIFY(black.left() > 105);
        QVERIFY(black.top() >= 193);
        QVERIFY(white.top() >= 192);
        const QRect line = boxOf(map, MapPlotter::ListColour, QRect(410, 15, 210, 30));
        QVERIFY(line.left() >= 418);
        QVERIFY(line.top() >= 22);
        QVERIFY(line.bottom() < 22 + MapPlotter::LineStep);

        QImage listOnly = Ground;
        MapPlotter(listOnly).plot({std::nullopt, "Ergens"});
        QVERIFY(changedRect(Ground, listOnly).left() >= 418);
    }

    // Close places: the second number goes where the first leaves room (no white of either is covered). The
    // list's letters stand evenly: within a name no letter stands three empty columns from the one before
    // ("Alkm aar" when the letters are sharpened but not placed to match).
    void numbersAndLettersStandClear()
    {
        const auto plotted = [](const QList<MapPlace>& places) {
            QImage map = Ground;
            MapPlotter plotter(map);
            for (const MapPlace& place : places)
                plotter.plot(place);
            return map;
        };
        const auto whites = [](const QImage& map) { return countColour(map, qRgb(255, 255, 255), {0, 0, 400, 475}); };
        const MapPlace first{QPointF(100, 200), "Alkmaar"}, second{QPointF(100, 212), "Middelburg"};
        QCOMPARE(whites(plotted({first, second})),
                 whites(plotted({first})) + whites(plotted({{std::nullopt, "x"}, second})));
        const QImage list = plotted({first, second});
        for (const int top : {22, 35}) {
            QString columns; // '#' where a column of the line holds ink, '.' where not
            for (int x = 418; x < 520; ++x)
                columns += countColour(list, MapPlotter::ListColour, {x, top, 1, 13}) > 0 ? '#' : '.';
            const QString name = QString(columns).remove(QRegularExpression("^\\.*#+\\.+|\\.+$")); // after the number
            QVERIFY2(!name.contains("..."), qPrintable(columns));
        }
    }

    // Where places of the country land on the map picture (146 pixels a degree of latitude, a degree of
    // longitude shortened by the cosine of 52.15 degrees) and what the picture shows there.
    void mapOfTheCountry()
    {
        // clang-format off
        const struct { const char* place; double latitude, longitude; QPointF expected; QRgb colour; } places[] = {
            {"Utrecht", 52.09, 5.12, {177.04, 228.46}, MapPicture::Netherlands},
            {"Texel", 53.06, 4.80, {148.38, 86.84}, MapPicture::Netherlands},
            {"IJsselmeer", 52.80, 5.25, {188.69, 124.80}, MapPicture::Sea},
            {"Noordzee", 52.60, 4.20, {94.63, 154.00}, MapPicture::Sea},
            {"Brussel", 50.85, 4.35, {108.06, 409.50}, MapPicture::Neighbour}};
        // clang-format on
        for (const auto& [place, latitude, longitude, expected, colour] : places) {
            const QPointF at = MapProjection::toMap(latitude, longitude);
            QVERIFY2(qAbs(at.x() - expected.x()) < 0.01, place);
            QVERIFY2(qAbs(at.y() - expected.y()) < 0.01, place);
            QVERIFY2(MapPicture::draw().pixel(at.toPoint()) == colour, place);
        }
    }

    // The list of places runs over dark ground only.
    void theListRunsOverDarkGround()
    {
        const QImage map = MapPicture::draw();
        for (int y = 20; y < 475; y += 5)
            for (int x = 418; x < 620; x += 5)
                QVERIFY(qGray(map.pixel(x, y)) < 110);
    }
};

QTEST_MAIN(TestGeographyCore)
#include "test_geography_core.moc"
