// The pixel work of the Opmaak menu: the figure of one hole, the sheetlet and
// block holes in drawing order, the holes of Perfin.cor, the barcode pictures
// and their placements, and Windows Metafiles for photos.

#include "common/pixels.h"
#include "common/test_folder.h"
#include "filters/filter_pictures.h"
#include "perforation/barcode.h"
#include "perforation/metafile_reader.h"
#include "perforation/perforation.h"
#include "perforation/photo_loader.h"

#include <QtTest>

using namespace Perfins;

namespace {

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), G130 = qRgb(130, 130, 130), G160 = qRgb(160, 160, 160);

const QImage Plain = filtertest::picture(500, 260, qRgb(200, 120, 40));

void checkHoles(const QList<QPoint>& holes, qsizetype count, std::initializer_list<std::pair<int, QPoint>> rows)
{
    QCOMPARE(holes.size(), count);
    for (const auto& [index, at] : rows)
        QVERIFY2(holes.at(index) == at, qPrintable(QString::number(index)));
}

// A placeable metafile of 96 x 48 units at 96 to the inch (key, box, checksum), the plain header, then the
// window origin and extent, a solid red brush, an invisible pen, a rectangle a unit past every edge, the end.
// clang-format off
const QByteArray RedBox = QByteArray::fromHex("d7cdc69a000000000000600030006000000000002157010009000003340000000200"
    "070000000000050000000b0200000000050000000c023000600007000000fc020000ff0000000000040000002d01000008000000fa02"
    "05000000000000000000040000002d010100070000001b0431006100ffffffff030000000000");
// clang-format on

} // namespace

class TestPerforation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A pixel read or written off a picture would be a fault of the routine under test.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("."))); }

    void oneHoleIsTwelvePixels()
    {
        const QImage before = filtertest::patternPicture(500, 260);
        QImage image = before;
        TekenGaatje(image, 10, 20, 77);
        const QRgb core = qRgb(77, 77, 77);
        // clang-format off
        const std::pair<QPoint, QRgb> figure[] = {
            {{10, 20}, core}, {{11, 20}, core}, {{10, 21}, core}, {{11, 21}, core}, {{9, 20}, G130}, {{9, 21}, G160},
            {{12, 20}, G160}, {{12, 21}, G130}, {{10, 19}, G160}, {{11, 19}, G130}, {{10, 22}, G130}, {{11, 22}, G160}};
        // clang-format on
        for (const auto& [at, colour] : figure)
            QCOMPARE(image.pixel(at), colour);
        QCOMPARE(changedRect(before, image), QRect(9, 19, 4, 4));
        for (const QPoint corner : {QPoint(9, 19), QPoint(12, 19), QPoint(9, 22), QPoint(12, 22)})
            QCOMPARE(image.pixel(corner), before.pixel(corner));
        // Clipped at the edges; half a column goes to the even one.
        image = Plain;
        TekenGaatje(image, -1, -1, 0);
        TekenGaatje(image, 499, 259, 0);
        TekenGaatje(image, 100.5, 5, 0);
        for (const QPoint at : {QPoint(0, 0), QPoint(499, 259), QPoint(100, 5)})
            QCOMPARE(image.pixel(at), Black);
    }

    // Per stamp the top and bottom edge in pairs, then the left and right edge in pairs (68 holes); then the
    // extension lines.
    void framesAndExtensionsInDrawingOrder()
    {
        // clang-format off
        checkHoles(VelHoles(), 368,
                   {{0, {27, 27}}, {1, {27, 112}}, {30, {102, 27}}, {31, {102, 112}}, {32, {27, 27}}, {33, {102, 27}},
                    {66, {27, 112}}, {67, {102, 112}}, {68, {135, 19}}, {136, {277, 14}}, {204, {388, 26}},
                    {272, {229, 158}}, {339, {304, 243}}, {340, {102, 27}}, {345, {102, 2}}, {346, {210, 19}},
                    {363, {463, 1}}, {364, {304, 243}}, {367, {304, 258}}});
        checkHoles(BlokHoles(), 383,
                   {{0, {16, 142}}, {68, {113, 161}}, {136, {210, 151}}, {204, {307, 127}}, {272, {404, 142}},
                    {339, {479, 227}}, {340, {16, 227}}, {349, {16, 272}}, {350, {210, 236}}, {360, {307, 212}},
                    {379, {404, 272}}, {380, {188, 246}}, {382, {188, 256}}});
        // clang-format on
    }

    // Fields separated by commas or line ends, taken in pairs; text reads as 0; a lone last field is no pair.
    void perfinFile()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Data/Perfin.cor"), "100,200\r\n 300 , 2.5\r\nabc,\"60\"\r\n1e400,x9\r\n7\r\n");
        const QString path = folder.path(QStringLiteral("Data/perfin.cor"));
        QCOMPARE(*readPerfinFile(path), (QList<QPointF>{{100, 200}, {300, 2.5}, {0, 60}, {0, 0}}));

        // Sheetlet holes as read, block holes 50 up (the second off the canvas), none for a pair far off the
        // canvas; a pause that says stop (the program is ending) ends them.
        folder.write(QStringLiteral("Data/Perfin.cor"), "100,200\r\n300,2.5\r\n1e30,5\r\n");
        // clang-format off
        const struct { PerfinKind kind; bool goOn; QList<QPoint> cores; int pauses; } rows[] = {
            {PerfinKind::Sheetlet, true, {{100, 200}, {300, 2}}, 3},
            {PerfinKind::Sheetlet, false, {{100, 200}}, 1},
            {PerfinKind::Block, true, {{100, 150}}, 3}};
        // clang-format on
        for (const auto& row : rows) {
            QImage image = Plain;
            int paused = 0;
            PerforeerUitBestand(image, path, 0, row.kind, [&] { return ++paused, row.goOn; });
            QCOMPARE(paused, row.pauses);
            QCOMPARE(countColour(image, Black), 4 * int(row.cores.size()));
            for (const QPoint core : row.cores)
                QCOMPARE(image.pixel(core + QPoint(1, 1)), Black);
        }
        // Without a pause routine; a missing file gives no holes at all.
        QImage image = Plain;
        PerforeerUitBestand(image, path, 0, PerfinKind::Sheetlet);
        QCOMPARE(countColour(image, Black), 8);
        QVERIFY(!readPerfinFile(path + QStringLiteral("x")));
    }

    // The bars as the table gives them, white elsewhere; the digits stand in rows 19 to 23, twelve of three columns
    // each, six on either side of the middle guards.
    void barcode()
    {
        const QImage bar = Barcode::BarHor();
        QCOMPARE(bar.size(), QSize(70, 25));
        // Column by column: '|' an ordinary bar (rows 1 to 17), 'G' a guard bar (rows 1 to 21), '.' white.
        const char columns[] = ".G.G.|.|.||.|.|.||.|.||.||.|.||.G.G.||.|.|.||.||.|.|.||.|.||.|.||.G.G.";
        int runs = 0, inked = 0, inkRows = 0;
        for (int x = 0, run = 0; x < 70; ++x) {
            const int bottom = columns[x] == 'G' ? 21 : columns[x] == '|' ? 17 : 0;
            int ink = 0; // the digit rows with ink in this column
            for (int y = 0; y < 25; ++y) {
                const bool digits = bottom != 21 && y >= 19 && y <= 23, black = bar.pixel(x, y) == Black;
                QVERIFY2(bar.pixel(x, y) == (y >= 1 && y <= bottom ? Black : White) || (digits && black),
                         qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
                ink |= int(digits && black) << y;
            }
            run = ink ? run + 1 : 0;
            runs += run == 1;
            inked += ink != 0;
            inkRows |= ink;
            QVERIFY2(run <= 3, qPrintable(QString::number(x)));
            QVERIFY2(!run || (x >= 5 && x <= 30) || (x >= 37 && x <= 64), qPrintable(QString::number(x)));
        }
        QCOMPARE(runs, 12);
        QCOMPARE(inked, 12 * 3);
        QCOMPARE(inkRows, 0x1f << 19);
        // The vertical picture is the quarter turn counter-clockwise.
        const QImage ver = Barcode::BarVer();
        QCOMPARE(ver.size(), QSize(25, 70));
        for (int y = 0; y < 70; ++y)
            for (int x = 0; x < 25; ++x)
                QCOMPARE(ver.pixel(x, y), bar.pixel(69 - y, x));
    }

    // Placed, the picture replaces the canvas in its box, white included, and nothing outside it.
    void placedBarcode()
    {
        // clang-format off
        const struct { Barcode::Position place; QPoint corner; QImage picture; } rows[] = {
            {Barcode::Position::Rechtsonder, {423, 228}, Barcode::BarHor()},
            {Barcode::Position::Linksonder, {8, 228}, Barcode::BarHor()},
            {Barcode::Position::Rechtsboven, {472, 6}, Barcode::BarVer()}};
        // clang-format on
        for (const auto& row : rows) {
            const QImage before = filtertest::patternPicture(500, 260);
            QImage canvas = before;
            Barcode::placeBarcode(canvas, row.place);
            QCOMPARE(canvas.copy(QRect(row.corner, row.picture.size())), row.picture);
            QVERIFY(QRect(row.corner, row.picture.size()).contains(changedRect(before, canvas)));
        }
    }

    void metafiles()
    {
        // A placeable key, or a plain header: type 1 or 2, nine words, version 0x0300 or 0x0100.
        // clang-format off
        const std::pair<const char*, bool> rows[] = {
            {"d7cdc69a0000", true},  {"01000900000334", true}, {"02000900000100", true}, {"010009000002", false},
            {"030009000003", false}, {"0100090000", false},  {"", false}};
        // clang-format on
        for (const auto& [hex, metafile] : rows)
            QVERIFY2(MetafileReader::looksLikeMetafile(QByteArray::fromHex(hex)) == metafile, hex);
        TestFolder folder;
        QVERIFY(folder.write(QStringLiteral("tekening.wmf"), RedBox));
        const QString path = folder.path(QStringLiteral("tekening.wmf"));
        const PhotoFile photo = PhotoLoader::load(path);
#ifndef VELINOR_HAVE_MAGICK
        QVERIFY(!MetafileReader::available());
        QVERIFY(photo.error.contains(QStringLiteral("Windows Metafile")));
        QSKIP("built without Magick++: metafiles are refused with a message");
#endif
        // A build with Magick++ must read them: at 96 dots per inch, red all over (the edges partly covered, lighter).
        QVERIFY2(MetafileReader::available(), qPrintable(photo.error));
        QVERIFY2(photo.ok(), qPrintable(photo.error));
        QCOMPARE(photo.image.size(), QSize(96, 48));
        QCOMPARE(photo.image.pixel(48, 24), qRgb(255, 0, 0));
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 96; ++x) {
                const QRgb p = photo.image.pixel(x, y);
                QVERIFY2(qRed(p) == 255, qPrintable(QString::number(x)));
                QVERIFY2(qGreen(p) == qBlue(p), qPrintable(QString::number(x)));
                QVERIFY2(qGreen(p) < 255, qPrintable(QString::number(x)));
            }
        // A drawing that claims a huge canvas is refused by its size; one that would draw for minutes is stopped.
        const QString bombs = TestFolder::sourceDir() + "/tests/fuzz/corpus/pictures/";
        QCOMPARE(PhotoLoader::load(bombs + "bomb-canvas-8000.wmf").error,
                 "bomb-canvas-8000.wmf is te groot (8000 x 8000 pixels).");
        QCOMPARE(PhotoLoader::load(bombs + "bomb-rectangles.wmf").error,
                 "bomb-rectangles.wmf is te ingewikkeld: het tekenen duurde langer dan 4 seconden.");
    }
};

QTEST_GUILESS_MAIN(TestPerforation)
#include "test_perforation.moc"
