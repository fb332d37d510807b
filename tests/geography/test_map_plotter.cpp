// The plotting run on the map: dot, shadowed number, list columns, counter,
// and the map picture itself.

#include "geography/map_picture.h"
#include "geography/map_plotter.h"
#include "geography/map_projection.h"

#include <QtTest>

namespace {

constexpr QRgb Ground = qRgb(0, 0, 255);

QImage ground()
{
    QImage image(MapPicture::Size, QImage::Format_RGB32);
    image.fill(Ground);
    return image;
}

MapPlace place(double x, double y, const QString& name)
{
    return MapPlace{QPointF(x, y), name};
}

// The smallest rectangle around the pixels of one colour inside an area.
QRect boxOf(const QImage& image, QRgb colour, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class TestMapPlotter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void marksOfAPlaceAt100And200()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.start();
        const MapPlotter::Marks marks = plotter.marksFor(place(100, 200, QStringLiteral("Gouda")));
        QCOMPARE(marks.dotCentre, QPointF(100, 200));
        QCOMPARE(marks.shadowTopLeft, QPointF(103, 193));
        QCOMPARE(marks.numberTopLeft, QPointF(104, 192));
        QCOMPARE(marks.numberText, QStringLiteral(" 1"));
        QCOMPARE(marks.listTopLeft, QPointF(418, 22));
        QCOMPARE(marks.listText, QStringLiteral("1  Gouda"));
    }

    void dotIsWhiteWithABlackRim()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.plot(place(100, 200, QStringLiteral("Gouda")));
        QCOMPARE(map.pixel(100, 200), qRgb(255, 255, 255));
        QCOMPARE(map.pixel(99, 201), qRgb(255, 255, 255));
        for (QPoint rim : {QPoint(97, 200), QPoint(103, 200), QPoint(100, 197), QPoint(100, 203)})
            QCOMPARE(map.pixel(rim), qRgb(0, 0, 0));
        for (QPoint outside : {QPoint(96, 200), QPoint(100, 204), QPoint(95, 195), QPoint(100, 196)})
            QCOMPARE(map.pixel(outside), Ground);
    }

    void numberHasItsShadowOnePixelDownAndLeft()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.plot(place(100, 200, QStringLiteral("Gouda")));
        const QRect area(101, 185, 30, 30);
        const QRect black = boxOf(map, qRgb(0, 0, 0), area.adjusted(3, 0, 0, 0));
        const QRect white = boxOf(map, qRgb(255, 255, 255), area.adjusted(3, 0, 0, 0));
        QVERIFY(!black.isEmpty() && !white.isEmpty());
        QCOMPARE(white.left(), black.left() + 1);
        QCOMPARE(white.bottom(), black.bottom() - 1);
        // The blank before the digits keeps the number clear of its place's dot.
        QVERIFY(black.left() > 105);
        QVERIFY(black.top() >= 193 && white.top() >= 192);
    }

    void listTextIsAlmostWhite()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.plot(place(100, 200, QStringLiteral("Gouda")));
        const QRect line = boxOf(map, MapPlotter::ListColour, QRect(410, 15, 210, 30));
        QVERIFY(!line.isEmpty());
        QVERIFY(line.left() >= 418 && line.top() >= 22 && line.bottom() < 22 + MapPlotter::LineStep);
    }

    void fortyPlacesFillTwoColumns()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.start();
        QList<QPointF> list;
        for (int n = 1; n <= 40; ++n) {
            const MapPlace next = place(50, 50, QStringLiteral("Plaats %1").arg(n));
            list << plotter.marksFor(next).listTopLeft;
            plotter.plot(next);
        }
        QCOMPARE(plotter.plotted(), 40);
        QCOMPARE(plotter.counterText(), QStringLiteral("40 Steden"));
        QCOMPARE(list[0], QPointF(418, 22));
        QCOMPARE(list[1], QPointF(418, 35));
        QCOMPARE(list[32], QPointF(418, 438));
        for (int n = 34; n <= 40; ++n)
            QCOMPARE(list[n - 1], QPointF(518, 22 + 13 * (n - 34)));
    }

    void placeWithoutPositionIsListedButNotDrawn()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.plot(MapPlace{std::nullopt, QStringLiteral("Ergens")});
        QCOMPARE(plotter.counterText(), QStringLiteral("1 Steden"));
        QVERIFY(boxOf(map, qRgb(0, 0, 0), QRect(0, 0, 400, 475)).isEmpty());
        QVERIFY(!boxOf(map, MapPlotter::ListColour, QRect(418, 22, 200, 13)).isEmpty());
    }

    void aNewRunStartsAtOne()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        for (int n = 0; n < 35; ++n)
            plotter.plot(place(10, 10, QStringLiteral("X")));
        plotter.start();
        QCOMPARE(plotter.counterText(), QStringLiteral("0 Steden"));
        const MapPlotter::Marks marks = plotter.marksFor(place(10, 10, QStringLiteral("Y")));
        QCOMPARE(marks.listTopLeft, QPointF(418, 22));
        QCOMPARE(marks.numberText, QStringLiteral(" 1"));
    }

    void longNamesAndFarPositionsAreHarmless()
    {
        QImage map = ground();
        MapPlotter plotter(map);
        plotter.plot(place(-500000, 900000, QString(10000, QLatin1Char('x'))));
        QCOMPARE(plotter.plotted(), 1);
    }

    void mapPicture()
    {
        const QImage map = MapPicture::draw();
        QCOMPARE(map.size(), QSize(620, 475));
        auto at = [&map](double latitude, double longitude) { return map.pixel(MapProjection::toMap(latitude, longitude).toPoint()); };
        QCOMPARE(at(52.09, 5.12), MapPicture::Netherlands);   // Utrecht
        QCOMPARE(at(53.22, 6.57), MapPicture::Netherlands);   // Groningen
        QCOMPARE(at(50.85, 5.69), MapPicture::Netherlands);   // Maastricht
        QCOMPARE(at(53.06, 4.80), MapPicture::Netherlands);   // Texel
        QCOMPARE(at(52.80, 5.25), MapPicture::Sea);           // IJsselmeer
        QCOMPARE(at(52.60, 4.20), MapPicture::Sea);           // North Sea
        QCOMPARE(at(51.42, 3.56), MapPicture::Sea);           // Westerschelde
        QCOMPARE(at(50.85, 4.35), MapPicture::Neighbour);     // Brussel
        QCOMPARE(at(51.45, 7.01), MapPicture::Neighbour);     // Essen
        // The list of places runs over dark ground only.
        for (int y = 20; y < 475; y += 5)
            for (int x = 418; x < 620; x += 5)
                QVERIFY(qGray(map.pixel(x, y)) < 110);
    }

    void projection()
    {
        QCOMPARE(MapProjection::toMap(MapProjection::NorthLatitude, MapProjection::WestLongitude),
                 QPointF(MapProjection::OriginX, MapProjection::OriginY));
        const QPointF oneDegreeSouth = MapProjection::toMap(MapProjection::NorthLatitude - 1, MapProjection::WestLongitude);
        QCOMPARE(oneDegreeSouth.y() - MapProjection::OriginY, MapProjection::PixelsPerDegree);
        // A degree of longitude is cos(52.15 degrees) of a degree of latitude.
        const QPointF oneDegreeEast = MapProjection::toMap(MapProjection::NorthLatitude, MapProjection::WestLongitude + 1);
        QVERIFY(qAbs(oneDegreeEast.x() - MapProjection::OriginX - 89.585) < 0.001);
    }
};

QTEST_MAIN(TestMapPlotter)
#include "test_map_plotter.moc"
