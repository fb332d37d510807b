// One plotting run over the map: where the dot, the shadowed number and the
// list line of a place go and what is drawn there, the two list columns and
// the counter; and the map of the country itself.

#include "common/pixels.h"
#include "geography/map_picture.h"
#include "geography/map_plotter.h"
#include "geography/map_projection.h"

#include <QtTest>

namespace {

// A ground whose channels all differ from black, white and the list's colour.
constexpr QRgb Ground = qRgb(30, 90, 160);

QImage ground()
{
    QImage image(MapPicture::Size, QImage::Format_RGB32);
    image.fill(Ground);
    return image;
}

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

class TestMapPlotter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Place 1 at (100, 200): dot centred there, black number at (103, 193), white at (104, 192), list line
    // at (418, 22). The first column holds places 1 to 33, 13 pixels apart; the second starts at 34.
    void marksOfFortyPlaces()
    {
        QImage map = ground();
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
        QCOMPARE(plotter.counterText(), "40 Steden");
        plotter.start();
        QCOMPARE(plotter.counterText(), "0 Steden");
        QCOMPARE(plotter.marksFor({QPointF(1, 1), "X"}).listTopLeft, QPointF(418, 22));
    }

    // A white dot of radius 3 with a black rim; the bold number in white one pixel up and right of its
    // black shadow, clear of the dot; the list line in near white. A place without a position is only listed.
    void drawnMarks()
    {
        QCOMPARE(MapPlotter::font().pixelSize(), 11); // 8 points on a 96-dpi screen
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.plot({QPointF(100, 200), "Gouda"});
        QCOMPARE(map.pixel(100, 200), qRgb(255, 255, 255));
        for (const QPoint rim : {QPoint(97, 200), QPoint(103, 200), QPoint(100, 197), QPoint(100, 203)})
            QCOMPARE(map.pixel(rim), qRgb(0, 0, 0));
        for (const QPoint outside : {QPoint(96, 200), QPoint(104, 200), QPoint(100, 196), QPoint(100, 204)})
            QCOMPARE(map.pixel(outside), Ground);
        const QRect number(104, 185, 30, 30);
        const QRect black = boxOf(map, qRgb(0, 0, 0), number), white = boxOf(map, qRgb(255, 255, 255), number);
        QCOMPARE(white.left(), black.left() + 1);
        QCOMPARE(white.bottom(), black.bottom() - 1);
        QVERIFY(black.left() > 105 && black.top() >= 193 && white.top() >= 192);
        const QRect line = boxOf(map, MapPlotter::ListColour, QRect(410, 15, 210, 30));
        QVERIFY(line.left() >= 418 && line.top() >= 22 && line.bottom() < 22 + MapPlotter::LineStep);

        QImage listOnly = ground();
        MapPlotter(listOnly).plot({std::nullopt, "Ergens"});
        QVERIFY(changedRect(ground(), listOnly).left() >= 418);
    }

    // Where places of the country land on the map picture (146 pixels a degree of latitude, a degree of
    // longitude shortened by the cosine of 52.15 degrees) and what the picture shows there; the list of
    // places runs over dark ground only.
    void mapOfTheCountry()
    {
        const QImage map = MapPicture::draw();
        QCOMPARE(map.size(), QSize(620, 475));
        const std::tuple<const char*, double, double, double, double, QRgb> places[] = {
            {"Utrecht", 52.09, 5.12, 177.04, 228.46, MapPicture::Netherlands},
            {"Groningen", 53.22, 6.57, 306.94, 63.48, MapPicture::Netherlands},
            {"Maastricht", 50.85, 5.69, 228.11, 409.50, MapPicture::Netherlands},
            {"Texel", 53.06, 4.80, 148.38, 86.84, MapPicture::Netherlands},
            {"IJsselmeer", 52.80, 5.25, 188.69, 124.80, MapPicture::Sea},
            {"Noordzee", 52.60, 4.20, 94.63, 154.00, MapPicture::Sea},
            {"Westerschelde", 51.42, 3.56, 37.29, 326.28, MapPicture::Sea},
            {"Brussel", 50.85, 4.35, 108.06, 409.50, MapPicture::Neighbour},
            {"Essen", 51.45, 7.01, 346.36, 321.90, MapPicture::Neighbour},
        };
        for (const auto& [place, latitude, longitude, x, y, colour] : places) {
            const QPointF at = MapProjection::toMap(latitude, longitude);
            QVERIFY2(qAbs(at.x() - x) < 0.01 && qAbs(at.y() - y) < 0.01 && map.pixel(at.toPoint()) == colour, place);
        }
        for (int y = 20; y < 475; y += 5)
            for (int x = 418; x < 620; x += 5)
                QVERIFY(qGray(map.pixel(x, y)) < 110);
    }
};

QTEST_MAIN(TestMapPlotter)
#include "test_map_plotter.moc"
