// The drawing model below the tools: flood fill, text placed and rotated, font
// and size conversions, the colour chooser's palette, and photos: a coloured
// picture stretched into exact rectangles and the five frames of a sheetlet or
// a block, and reading photos, including the ones that must be refused.

#include "canvas/canvas_surface.h"
#include "canvas/canvas_text.h"
#include "canvas/flood_fill.h"
#include "canvas/palette.h"
#include "common/pixels.h"
#include "filters/filter_pictures.h"
#include "perforation/metafile_reader.h"
#include "perforation/photo_frames.h"
#include "perforation/photo_loader.h"

#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255), Draw = qRgb(200, 30, 90), Fill = qRgb(20, 140, 230);
const QImage Blank = filtertest::picture(500, 260, White);
const QRgb Quarter[4] = {Draw, Fill, qRgb(90, 220, 10), qRgb(250, 180, 40)};

// '.' white, '+' one step off white, '#' black, 'o' the fill colour.
QImage fromRows(const QStringList& rows)
{
    const QHash<QChar, QRgb> legend = {{'.', White}, {'+', qRgb(255, 255, 254)}, {'#', 0xff000000}, {'o', Fill}};
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, legend.value(rows[y][x]));
    return image;
}

// Where text in DejaVu Sans 16 lands, horizontal or at an angle; empty unless only in the draw colour.
QRect drawn(const QString& text, QPointF start, std::optional<int> angleTenths)
{
    QImage image = Blank;
    CanvasSurface surface(image);
    const TextFont font{"DejaVu Sans", 16};
    angleTenths ? surface.rotatedText(start, text, font, *angleTenths, Draw) : surface.text(start, text, font, Draw);
    return countColour(image, Draw) + countColour(image, White) == 500 * 260 ? changedRect(Blank, image) : QRect();
}

// Four quarters of distinct colours: the corners of a stretch show where each went.
QImage quarters(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, Quarter[2 * (y >= h / 2) + (x >= w / 2)]);
    return image;
}

// The quarters fill exactly r: each corner in its colour, white around it.
bool stretchedTo(const QImage& canvas, QRect r)
{
    const auto at = [&](int x, int y) { return canvas.valid(x, y) ? canvas.pixel(x, y) : White; };
    return at(r.left(), r.top()) == Quarter[0] && at(r.right(), r.top()) == Quarter[1] &&
           at(r.left(), r.bottom()) == Quarter[2] && at(r.right(), r.bottom()) == Quarter[3] &&
           at(r.left() - 1, r.top()) == White && at(r.right() + 1, r.bottom()) == White &&
           at(r.left(), r.top() - 1) == White && at(r.right(), r.bottom() + 1) == White;
}

} // namespace

class TestCanvasSurface : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Four-connected over exactly one colour, through the last pixel of a span, upwards and to both
    // edges, and never past them: the picture lies between two white rows that must stay white.
    void floodFill()
    {
        const QStringList picture = {"...#....", ".+.##...", "##.#.###", "..##...."};
        // clang-format off
        const std::tuple<QPoint, QRgb, int, QStringList> cases[] = {
            {{0, 0}, Fill, 6, {"ooo#....", "o+o##...", "##o#.###", "..##...."}},
            {{4, 3}, Fill, 5, {"...#....", ".+.##...", "##.#o###", "..##oooo"}},
            {{3, 0}, 0xff000000, 0, picture}, {{8, 0}, Fill, 0, picture}}; // its own colour; off the picture
        // clang-format on
        for (const auto& [seed, fill, painted, expected] : cases) {
            QImage whole = fromRows(QStringList("........") + picture + QStringList("........"));
            QImage inner(whole.scanLine(1), 8, 4, whole.bytesPerLine(), QImage::Format_RGB32);
            QCOMPARE(fillConnectedArea(inner, seed, fill), painted);
            QCOMPARE(whole, fromRows(QStringList("........") + expected + QStringList("........")));
        }
        // Pictures with an alpha channel are filled too; those of other formats are left alone.
        QImage alpha = fromRows(picture).convertToFormat(QImage::Format_ARGB32);
        QImage other = fromRows(picture).convertToFormat(QImage::Format_RGB888);
        QVERIFY(fillConnectedArea(alpha, {0, 0}, Fill) == 6 && fillConnectedArea(other, {0, 0}, Fill) == 0);
    }

    // A block fills its text cell (16 x 25 pixels at 16 points): the cell starts at the given point
    // and turns counter-clockwise about it.
    void textCellAtTheStartPoint()
    {
        const QString block = QStringLiteral("\u2588");
        // Twenty-five blocks lie flat: a turn of even a tenth of a degree would tilt them out of one row.
        QCOMPARE(drawn(QString(25, block[0]), QPointF(40, 30), std::nullopt), QRect(40, 30, 403, 25));
        QCOMPARE(drawn(block, QPointF(40, 30), 0), QRect(40, 30, 16, 25));
        QCOMPARE(drawn(block, QPointF(40, 130), 900), QRect(40, 114, 25, 16));
        QCOMPARE(drawn(block, QPointF(140, 130), 1800), QRect(124, 105, 16, 25));
        QCOMPARE(drawn(block, QPointF(140, 30), 2700), QRect(115, 30, 25, 16));
    }

    // Points to pixels as a 96-dpi screen has them: the size rounded (halves to even), x 96 / 72,
    // rounded, at least 1 and at most 4000; sizes typed with a point or a comma, from 1 to 1000.
    void fontSizes()
    {
        // clang-format off
        const std::pair<double, int> pixels[] = {
            {16, 21}, {8, 11}, {3, 4}, {12.5, 16}, {100, 133}, {0, 1}, {3000, 4000}, {3001, 4000}};
        for (const auto& [points, size] : pixels)
            QVERIFY2(CanvasSurface::pixelSize(points) == size, qPrintable(QString::number(points)));
        const std::pair<const char*, double> typed[] = {{"16", 16}, {" 12,5 ", 12.5}, {"1", 1}, {"1000", 1000},
            {"0.99", 0}, {"1000.01", 0}, {"1001", 0}, {"0", 0}, {"zestien", 0}, {"", 0}, {"nan", 0}, {"inf", 0}};
        // clang-format on
        for (const auto& [text, size] : typed)
            QVERIFY2(CanvasText::parseSize(text).value_or(0) == size, text);
    }

    // Seven columns of sixteen 12 x 12 boxes, light to dark, inside one-pixel outlines.
    void paletteBoxes()
    {
        const QImage palette = Palette::build();
        QCOMPARE(palette.size(), QSize(85, 193));
        const int levels[16] = {255, 240, 224, 208, 192, 176, 160, 144, 128, 112, 96, 80, 64, 48, 32, 16};
        // Grey, red, green, blue, yellow, cyan, magenta; the last grey is black.
        const int channels[7][3] = {{1, 1, 1}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 0}, {0, 1, 1}, {1, 0, 1}};
        for (int box = 0; box < 112; ++box) {
            const int column = box / 16, row = box % 16, level = box == 15 ? 0 : levels[row];
            const int* c = channels[column];
            const QRgb colour = qRgb(c[0] * level, c[1] * level, c[2] * level);
            const QRect inside(12 * column + 1, 12 * row + 1, 11, 11);
            QVERIFY2(Palette::boxColour(box).rgb() == colour && countColour(palette, colour, inside) == 121,
                     qPrintable(QString::number(box)));
        }
        QCOMPARE(Palette::boxColour(112), QColor(White)); // past the last box: the white around the boxes
    }

    // Large: 75 x 85 at the frame's corner; small: 69 x 79 three pixels in; the same picture in all five.
    void photosIntoTheFiveFrames()
    {
        const QList<QPoint> sheetlet = {{28, 28}, {136, 20}, {278, 15}, {389, 27}, {230, 159}};
        const QList<QPoint> block = {{17, 143}, {114, 162}, {211, 152}, {308, 128}, {405, 143}};
        for (const PhotoLayout layout : {PhotoLayout::Velletje, PhotoLayout::Verzamelblokje})
            for (const PhotoSize size : {PhotoSize::Groot, PhotoSize::Klein}) {
                QImage canvas = Blank;
                PhotoFrames::placeInFrames(canvas, quarters(100, 100), layout, size);
                const bool large = size == PhotoSize::Groot;
                for (QPoint corner : layout == PhotoLayout::Velletje ? sheetlet : block) {
                    const QRect r = large ? QRect(corner, QSize(75, 85)) : QRect(corner + QPoint(3, 3), QSize(69, 79));
                    QVERIFY2(stretchedTo(canvas, r), qPrintable(QStringLiteral("%1,%2").arg(r.x()).arg(r.y())));
                }
                QCOMPARE(countColour(canvas, White), 500 * 260 - 5 * (large ? 75 * 85 : 69 * 79));
            }
    }

    // Corner (x1, y1), size x2 - x1 by y2 - y1 rounded, the aspect not kept; nothing when empty.
    void photoStretchedIntoARectangle()
    {
        // clang-format off
        const std::pair<QLineF, QRect> cases[] = {
            {{10, 20, 110, 70}, {10, 20, 100, 50}}, {{0, 0, 500, 260}, {0, 0, 500, 260}},
            {{300.4, 99.6, 301.4, 102.6}, {300, 100, 1, 3}}, {{300, 100, 304, 101}, {300, 100, 4, 1}},
            {{50, 50, 50, 80}, {}}, {{50, 50, 80, 50}, {}}, {{50, 50, 20, 80}, {}}};
        // clang-format on
        for (const auto& [corners, expected] : cases) {
            QImage canvas = Blank;
            PhotoFrames::stretchInto(canvas, corners.x1(), corners.y1(), corners.x2(), corners.y2(), quarters(8, 300));
            QCOMPARE(changedRect(Blank, canvas), expected);
            QVERIFY(expected.width() < 8 || stretchedTo(canvas, expected));
        }
    }

    // A picture read as it is; a file that is no picture, a broken metafile and a missing file refused.
    void readingPhotos()
    {
        QTemporaryDir dir;
        QVERIFY(quarters(64, 48).save(dir.filePath("rozen.bmp")));
        QFile text(dir.filePath("tekst.jpg")), metafile(dir.filePath("tekening.wmf"));
        QVERIFY(text.open(QIODevice::WriteOnly) && text.write("geen plaatje\r\n") > 0);
        QVERIFY(metafile.open(QIODevice::WriteOnly) && metafile.write(QByteArray::fromHex("d7cdc69a0000")) > 0);
        text.close(), metafile.close();
        QCOMPARE(PhotoLoader::load(dir.filePath("rozen.bmp")).image.convertToFormat(QImage::Format_RGB32),
                 quarters(64, 48));
        const QString unread = MetafileReader::available()
                                   ? "kan niet worden gelezen."
                                   : "is een Windows Metafile; die kan deze uitgave niet lezen.";
        const std::pair<const char*, QString> refused[] = {
            {"tekst.jpg", "tekst.jpg is geen plaatje dat gelezen kan worden."},
            {"tekening.wmf", "tekening.wmf " + unread},
            {"ontbreekt.png", "Het bestand ontbreekt.png bestaat niet."}};
        for (const auto& [name, error] : refused)
            QCOMPARE(PhotoLoader::load(dir.filePath(name)).error, error);
    }
};

QTEST_MAIN(TestCanvasSurface)
#include "test_canvas_surface.moc"
