// The drawing model of the canvas on tiny pictures: lines, boxes, circles with
// an aspect, invert mode, pixels, flood fill, text and rotated text, and the
// chooser's palette.

#include "canvas/canvas_surface.h"
#include "canvas/canvas_text.h"
#include "canvas/flood_fill.h"
#include "canvas/palette.h"

#include <QtTest>

namespace {

QImage blank(int w, int h, QColor colour = Qt::white)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The rows of a picture as characters: '#' for colour, '.' for anything else.
QStringList rows(const QImage& image, QColor colour)
{
    QStringList result;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += image.pixel(x, y) == colour.rgb() ? QLatin1Char('#') : QLatin1Char('.');
        result << row;
    }
    return result;
}

QRect paintedRect(const QImage& image, QRgb background)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != background)
                r |= QRect(x, y, 1, 1);
    return r;
}

QSet<QRgb> colours(const QImage& image)
{
    QSet<QRgb> result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            result.insert(image.pixel(x, y));
    return result;
}

} // namespace

class TestCanvasSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lineIncludesBothEnds()
    {
        QImage image = blank(8, 4);
        CanvasSurface surface(image);
        surface.line(QPointF(1, 1), QPointF(6, 1), Qt::black);
        QCOMPARE(rows(image, Qt::black), QStringList({"........", ".######.", "........", "........"}));
    }

    void boxOutlineAndSolidFill()
    {
        QImage image = blank(7, 6);
        CanvasSurface surface(image);
        surface.box(QPointF(1, 1), QPointF(5, 4), Qt::black);
        QCOMPARE(rows(image, Qt::black),
                 QStringList({".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}));

        surface.setFillColor(Qt::red);
        surface.setFillStyle(CanvasSurface::FillStyle::Solid);
        surface.box(QPointF(5, 4), QPointF(1, 1), Qt::black); // corners in either order
        QCOMPARE(rows(image, Qt::red), QStringList({".......", ".......", "..###..", "..###..", ".......", "......."}));
    }

    void circleTouchesItsBoundingBox()
    {
        // An ellipse with radii 5 and 4 about (7, 5): aspect 0.8 of the larger radius.
        QImage image = blank(16, 12);
        CanvasSurface surface(image);
        surface.circle(QPointF(7, 5), 5, Qt::black, 0.8);
        QCOMPARE(paintedRect(image, qRgb(255, 255, 255)), QRect(QPoint(2, 1), QPoint(12, 9)));
        // Aspect above 1: the vertical radius is the given one.
        image.fill(Qt::white);
        surface.circle(QPointF(7, 5), 4, Qt::black, 2.0);
        QCOMPARE(paintedRect(image, qRgb(255, 255, 255)), QRect(QPoint(5, 1), QPoint(9, 9)));
        // No antialiasing: only the pen colour and the background.
        QCOMPARE(colours(image), QSet<QRgb>({qRgb(255, 255, 255), qRgb(0, 0, 0)}));
    }

    void invertTwiceRestores()
    {
        QImage image = blank(20, 12, QColor(10, 20, 30));
        image.setPixel(5, 5, qRgb(200, 100, 50));
        const QImage before = image.copy();
        CanvasSurface surface(image);
        surface.setDrawMode(CanvasSurface::DrawMode::Invert);
        surface.setDrawWidth(3);
        surface.line(QPointF(2, 2), QPointF(15, 9), Qt::red);
        QCOMPARE(image.pixel(2, 2), qRgb(245, 235, 225)); // inverted, whatever the colour
        surface.line(QPointF(2, 2), QPointF(15, 9), Qt::red);
        QCOMPARE(image, before);
    }

    void psetAndPoint()
    {
        QImage image = blank(4, 4);
        CanvasSurface surface(image);
        surface.pset(QPointF(2, 1), QColor(1, 2, 3));
        QCOMPARE(surface.point(QPointF(2, 1)), qint64(1 + 256 * 2 + 65536 * 3));
        QCOMPARE(surface.point(QPointF(4, 0)), qint64(-1));
        QCOMPARE(surface.point(QPointF(-1, 0)), qint64(-1));
        surface.pset(QPointF(9, 9), Qt::black); // outside: nothing, no crash
        surface.resetState();
        QCOMPARE(surface.drawWidth(), 1);
        QCOMPARE(surface.fillStyle(), CanvasSurface::FillStyle::Transparent);
    }

    void floodFillStopsAtOnePixelBorder()
    {
        QImage image = blank(7, 5);
        for (int y = 0; y < 5; ++y)
            image.setPixel(3, y, qRgb(0, 0, 0));
        image.setPixel(1, 1, qRgb(255, 255, 254)); // one step off white: not part of the area
        CanvasSurface surface(image);
        surface.floodFill(QPointF(0, 0), Qt::blue);
        QCOMPARE(rows(image, Qt::blue), QStringList({"###....", "#.#....", "###....", "###....", "###...."}));
    }

    void floodFillIsFourConnected()
    {
        // Diagonal neighbours do not join areas.
        QImage image = blank(3, 3, Qt::black);
        image.setPixel(0, 0, qRgb(255, 255, 255));
        image.setPixel(1, 1, qRgb(255, 255, 255));
        QCOMPARE(fillConnectedArea(image, QPoint(0, 0), qRgb(0, 255, 0)), 1);
        QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
        // The area's own colour changes nothing and ends.
        QCOMPARE(fillConnectedArea(image, QPoint(2, 2), qRgb(0, 0, 0)), 0);
        QCOMPARE(fillConnectedArea(image, QPoint(5, 5), qRgb(0, 0, 0)), 0);
    }

    void floodFillWholeCanvasWithHoles()
    {
        QImage image = blank(500, 260);
        for (int x = 10; x < 490; x += 7)
            for (int y = 5; y < 255; y += 3)
                image.setPixel(x, y, qRgb(0, 0, 0));
        const int holes = 69 * 84;
        QCOMPARE(fillConnectedArea(image, QPoint(250, 0), qRgb(255, 0, 0)), 500 * 260 - holes);
    }

    void textInTwoColoursOnly()
    {
        QImage image = blank(160, 40);
        CanvasSurface surface(image);
        const TextFont font{QStringLiteral("DejaVu Sans"), 16, true, false, true};
        surface.text(QPointF(4, 3), QStringLiteral("Voorbeeld ☺ Ωμ"), font, QColor(200, 0, 0));
        QCOMPARE(colours(image), QSet<QRgb>({qRgb(255, 255, 255), qRgb(200, 0, 0)}));
        const QRect painted = paintedRect(image, qRgb(255, 255, 255));
        QVERIFY(painted.left() >= 4 && painted.left() <= 6);
        QVERIFY(painted.top() >= 3 && painted.top() <= 8);
    }

    void fontSizeInPixels()
    {
        QCOMPARE(CanvasSurface::pixelSize(16), 21);   // 16 x 96 / 72 = 21.33
        QCOMPARE(CanvasSurface::pixelSize(8), 11);    // 10.67
        QCOMPARE(CanvasSurface::pixelSize(12.5), 16); // 12 (half to even) x 96 / 72
        QCOMPARE(CanvasSurface::pixelSize(0), 1);
    }

    void rotatedTextRunsCounterClockwise()
    {
        const TextFont font{QStringLiteral("DejaVu Sans"), 12};
        QImage up = blank(60, 120);
        CanvasSurface(up).rotatedText(QPointF(10, 100), QStringLiteral("Omhoog"), font, 900, Qt::black);
        // Upwards: the text climbs from y 100 and its glyphs lie to the right of x 10.
        const QRect r = paintedRect(up, qRgb(255, 255, 255));
        QVERIFY2(r.bottom() <= 100 && r.bottom() >= 94, qPrintable(QString::number(r.bottom())));
        QVERIFY(r.left() >= 10 && r.left() <= 14);
        QVERIFY(r.height() > r.width());

        QImage left = blank(120, 60);
        CanvasSurface(left).rotatedText(QPointF(100, 40), QStringLiteral("Links"), font, 1800, Qt::black);
        const QRect l = paintedRect(left, qRgb(255, 255, 255));
        QVERIFY(l.right() <= 100 && l.bottom() <= 40); // upside down, running left
        QVERIFY(l.width() > l.height());
    }

    void haloSurroundsTheText()
    {
        QImage image = blank(120, 40);
        CanvasSurface surface(image);
        const TextFont font{QStringLiteral("DejaVu Sans"), 14, true};
        CanvasText::draw(surface, QPointF(10, 8), QStringLiteral("Hal"), font, std::nullopt, true, Qt::black,
                         Qt::yellow);
        QCOMPARE(colours(image), QSet<QRgb>({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 0)}));
        QImage plain = blank(120, 40);
        CanvasSurface plainSurface(plain);
        CanvasText::draw(plainSurface, QPointF(10, 8), QStringLiteral("Hal"), font, std::nullopt, false, Qt::black,
                         Qt::yellow);
        // The same glyphs in the draw colour; every halo pixel lies within two pixels of one.
        const QRect text = paintedRect(plain, qRgb(255, 255, 255));
        QCOMPARE(paintedRect(image, qRgb(255, 255, 255)), text.adjusted(-2, -2, 2, 2));
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 120; ++x)
                if (plain.pixel(x, y) == qRgb(0, 0, 0))
                    QCOMPARE(image.pixel(x, y), qRgb(0, 0, 0));
    }

    void sizeText()
    {
        QCOMPARE(CanvasText::parseSize(QStringLiteral("16")), std::optional<double>(16));
        QCOMPARE(CanvasText::parseSize(QStringLiteral(" 12,5 ")), std::optional<double>(12.5));
        QVERIFY(!CanvasText::parseSize(QStringLiteral("zestien")));
        QVERIFY(!CanvasText::parseSize(QString()));
        QVERIFY(!CanvasText::parseSize(QStringLiteral("0")));
        QVERIFY(!CanvasText::parseSize(QStringLiteral("1e9")));
        QVERIFY(!CanvasText::parseSize(QStringLiteral("nan")));
    }

    void paletteBoxes()
    {
        const QImage palette = Palette::build();
        QCOMPARE(palette.size(), QSize(85, 193));
        QCOMPARE(palette.pixel(18, 6), qRgb(255, 0, 0)); // red, top row: 255, not 256
        QCOMPARE(palette.pixel(6, 6), qRgb(255, 255, 255));
        QCOMPARE(palette.pixel(6, 18), qRgb(240, 240, 240));
        QCOMPARE(palette.pixel(6, 186), qRgb(0, 0, 0)); // the grey column ends in black
        QCOMPARE(palette.pixel(18, 186), qRgb(16, 0, 0));
        QCOMPARE(palette.pixel(78, 102), qRgb(128, 0, 128));   // magenta, row 8: 256 - 128
        QCOMPARE(palette.pixel(42, 30), qRgb(0, 0, 224));      // blue, row 2
        QCOMPARE(palette.pixel(66, 18), qRgb(0, 240, 240));    // cyan, row 1
        QCOMPARE(palette.pixel(12, 100), qRgb(255, 255, 255)); // outlines are white
        QCOMPARE(palette.pixel(30, 192), qRgb(255, 255, 255));
        QCOMPARE(Palette::boxColour(79), QColor(16, 16, 0));
    }
};

QTEST_MAIN(TestCanvasSurface)
#include "test_canvas_surface.moc"
