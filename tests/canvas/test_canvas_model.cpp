// The drawing model: the canvas document and the twelve drawing tools on it,
// and the surface below them. The history: each change or stroke one step,
// undone and redone to the exact picture, drawing outside a command kept as a
// step of its own, pictures fitted to the canvas, nothing accepted while a
// command runs, and a placement floating until it is fixed. The tools: what a press, left-button moves and a release
// paint, pixel by pixel in the draw and fill colours, and when they paint nothing. The surface: flood fill, text placed
// and rotated, font and size conversions, the colour chooser's palette, and photos: a coloured picture stretched into
// exact rectangles and the five frames of a sheetlet or a block, and reading photos, including the ones that must be
// refused.

#include "app/application_state.h"
#include "canvas/canvas_document.h"
#include "canvas/canvas_text.h"
#include "canvas/flood_fill.h"
#include "canvas/palette.h"
#include "canvas/tools/tool_box.h"
#include "common/pixels.h"
#include "common/test_folder.h"
#include "filters/filter_pictures.h"
#include "perforation/metafile_reader.h"
#include "perforation/photo_frames.h"
#include "perforation/photo_loader.h"

#include <QImageWriter>

#ifdef VELINOR_HAVE_HEIF
#include <libheif/heif.h>
#endif

#include <QSignalSpy>
#include <QtTest>
#include <cstring>

using filtertest::patternPicture;

namespace {

using Path = QList<QPointF>;
using Points = QList<QPoint>;

const QRgb White = qRgb(255, 255, 255), Draw = qRgb(200, 30, 90), Fill = qRgb(20, 140, 230);
const QImage Blank = filtertest::picture(500, 260, White);

QStringList steps(const CanvasDocument& d)
{
    QStringList names;
    for (int i = 0; i < d.undoStack().count(); ++i)
        names << d.undoStack().text(i);
    return names;
}

// Random fractions from a list.
struct ScriptedRandom : RandomSource
{
    QList<double> fractions;
    void reseed() override {}
    double fraction() override { return fractions.takeFirst(); }
};

// A white canvas with the draw colour Draw and the fill colour Fill.
struct Canvas
{
    ApplicationState state;
    CanvasDocument document;
    ToolBox tools{state, document};
    ScriptedRandom* random = new ScriptedRandom; // owned by the tools
    int photoCalls = 0;

    explicit Canvas(int tool)
    {
        state.setGereedschap(ToolMode(tool));
        state.setTekenKleur(qRed(Draw), qGreen(Draw), qBlue(Draw));
        state.setVulKleur(qRed(Fill), qGreen(Fill), qBlue(Fill));
        tools.setFotoLaden([this](double, double, double, double) { ++photoCalls; });
        tools.setRandom(std::unique_ptr<RandomSource>(random));
    }
    // Press at the first point, move through the others, release at the last.
    void drag(const QList<QPointF>& path, int width = 1, Qt::MouseButton button = Qt::LeftButton)
    {
        state.setLineWidth(width);
        tools.mouseDown(button, path.first());
        for (QPointF p : path.mid(1))
            tools.mouseMove(button, p);
        tools.mouseUp(button, path.last());
    }
    int count(QRgb colour) const { return countColour(document.image(), colour); }
};

const QRgb Quarter[4] = {Draw, Fill, qRgb(90, 220, 10), qRgb(250, 180, 40)};

// '.' white, '+' one step off white, '#' black, 'o' the fill colour.
const QStringList FloodPicture = {"...#....", ".+.##...", "##.#.###", "..##...."};

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

#ifdef VELINOR_HAVE_HEIF
// The picture as a HEIF file of the compression, at the highest quality; false when this libheif has no encoder.
bool writeHeif(const QImage& picture, heif_compression_format compression, const QString& path)
{
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_image* image = nullptr;
    bool written =
        heif_context_get_encoder_for_format(context, compression, &encoder).code == heif_error_Ok &&
        heif_image_create(picture.width(), picture.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB, &image)
                .code == heif_error_Ok &&
        heif_image_add_plane(image, heif_channel_interleaved, picture.width(), picture.height(), 8).code ==
            heif_error_Ok;
    if (written) {
        int stride = 0;
        uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
        const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < rgb.height(); ++y)
            std::memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
        heif_encoder_set_lossy_quality(encoder, 100);
        written = heif_context_encode_image(context, image, encoder, nullptr, nullptr).code == heif_error_Ok &&
                  heif_context_write_to_file(context, QFile::encodeName(path).constData()).code == heif_error_Ok;
    }
    if (image)
        heif_image_release(image);
    if (encoder)
        heif_encoder_release(encoder);
    heif_context_free(context);
    return written;
}
#endif

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

class TestCanvasModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void undoAndRedoRestoreEveryPicture()
    {
        CanvasDocument d;
        QList<QImage> pictures = {d.image().copy()};
        QVERIFY(d.change("Foto", [](QImage& image) { image = patternPicture(500, 260); }));
        pictures << d.image().copy();
        // Two far-apart pixels in one step, one on the top row.
        QVERIFY(d.change("Punten", [](QImage& image) { image.setPixel(20, 0, 0), image.setPixel(480, 250, Fill); }));
        pictures << d.image().copy();
        d.beginStroke("Tekenen");
        d.surface().line(QPointF(0, 100), QPointF(499, 100), Draw);
        d.endStroke();
        pictures << d.image().copy();
        QCOMPARE(steps(d), QStringList({"Foto", "Punten", "Tekenen"}));
        const auto undo = [&](int picture) { return d.undo(), d.image() == pictures[picture]; };
        const auto redo = [&](int picture) { return d.redo(), d.image() == pictures[picture]; };
        QVERIFY(undo(2));
        QVERIFY(undo(1));
        QVERIFY(undo(0));
        QVERIFY(!d.undoStack().canUndo());
        QVERIFY(redo(1));
        QVERIFY(redo(2));
        QVERIFY(redo(3));
        QVERIFY(!d.undoStack().canRedo());
    }

    // Only real changes become steps; drawing straight on the picture becomes a step of its own
    // before the next one; a command or an undo closes an open stroke first.
    void whatBecomesAStep()
    {
        CanvasDocument d;
        QSignalSpy changed(&d, &CanvasDocument::changed);
        QVERIFY(d.change("niets", [](QImage&) {}));
        d.beginStroke("klik");
        d.endStroke();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(d.undoStack().count(), 0);
        d.surface().pset(QPointF(2, 2), Fill);
        d.beginStroke("Spray");
        d.surface().pset(QPointF(3, 3), Draw);
        d.change("punt", [](QImage& image) { image.setPixel(4, 4, Draw); });
        d.beginStroke("Gum");
        d.surface().pset(QPointF(5, 5), Draw);
        d.undo();
        QVERIFY(!d.inStroke());
        QCOMPARE(steps(d), QStringList({"Bewerking", "Spray", "punt", "Gum"}));
        QCOMPARE(changedRect(Blank, d.image()), QRect(2, 2, 3, 3));
        d.undo();
        d.undo();
        QCOMPARE(changedRect(Blank, d.image()), QRect(2, 2, 1, 1));
    }

    // Pictures of another size or format land at the top left on white, also when an edit swaps one
    // in; a new start forgets the history and any open stroke.
    void fittedPicturesAndReset()
    {
        CanvasDocument d;
        QVERIFY(d.reset(patternPicture(10, 8).convertToFormat(QImage::Format_ARGB32)));
        QCOMPARE(d.image().format(), QImage::Format_RGB32);
        QCOMPARE(d.image().copy(0, 0, 10, 8), patternPicture(10, 8));
        QCOMPARE(changedRect(Blank, d.image()), QRect(0, 0, 10, 8));
        QVERIFY(d.change("x", [](QImage& image) { image = filtertest::picture(3, 2, Fill); }));
        QCOMPARE(changedRect(Blank, d.image()), QRect(0, 0, 3, 2));
        QVERIFY(d.change("y", [](QImage& image) { image.convertTo(QImage::Format_ARGB32); }));
        QCOMPARE(d.image().format(), QImage::Format_RGB32);
        d.beginStroke("Tekenen");
        d.reset(patternPicture(500, 260));
        QVERIFY(!d.inStroke());
        QVERIFY(!d.undoStack().canUndo());
        QCOMPARE(d.image(), patternPicture(500, 260));
    }

    // While a command runs, another command, an undo, a redo and a new picture are all
    // refused: the running command's result and the whole history stand.
    void nothingElseWhileACommandRuns()
    {
        CanvasDocument d;
        d.change("punt", [](QImage& image) { image.setPixel(1, 1, Draw); });
        d.change("punt", [](QImage& image) { image.setPixel(2, 2, Draw); });
        d.undo();
        QSignalSpy busy(&d, &CanvasDocument::busyChanged);
        bool nestedAccepted = true;
        QVERIFY(d.change("Negatief", [&](QImage& image) {
            QVERIFY(d.busy());
            d.undo();
            d.redo();
            nestedAccepted = d.change("b", [](QImage& i) { i.setPixel(3, 3, 0); }) || d.reset(Blank);
            image.setPixel(4, 4, Fill);
        }));
        QVERIFY(!nestedAccepted);
        QVERIFY(!d.busy());
        QCOMPARE(busy.count(), 2);
        QCOMPARE(countColour(d.image(), White), 500 * 260 - 2);
        QCOMPARE(d.image().pixel(1, 1), Draw);
        QCOMPARE(d.image().pixel(4, 4), Fill);
        QCOMPARE(steps(d), QStringList({"punt", "Negatief"}));
    }

    // A floating placement shows without touching the picture; fixed where it was moved to, it is drawn there
    // as if placed there; the next command, an undo or a new picture fixes it first or lets it go.
    void floatingPlacement()
    {
        CanvasDocument d;
        QVERIFY(d.setFloating(FloatingItem::picture("Foto", quarters(20, 10), QRect(10, 20, 20, 10))));
        QCOMPARE(d.image(), Blank);
        QVERIFY(stretchedTo(d.shown(), QRect(10, 20, 20, 10)));
        d.moveFloating(QRect(40, 50, 0, 7));      // no pixel wide: refused
        d.moveFloating(QRect(-100, 600, 20, 10)); // eight pixels stay on the canvas
        QCOMPARE(d.floating()->rect, QRect(-12, 252, 20, 10));
        d.moveFloating(QRect(5, 6, 40, 20));
        d.change("punt", [](QImage& image) { image.setPixel(499, 259, Draw); });
        QCOMPARE(steps(d), QStringList({"Foto", "punt"}));
        QVERIFY(stretchedTo(d.image(), QRect(5, 6, 40, 20)));
        const QImage fixed = d.image().copy();
        d.setFloating(FloatingItem::picture("Plakken", quarters(4, 4), QRect(0, 0, 500, 260)));
        d.undo(); // fixed, then undone: gone
        QCOMPARE(d.image(), fixed);
        QVERIFY(!d.floating());
        d.setFloating(FloatingItem::picture("Plakken", quarters(4, 4), QRect(0, 0, 500, 260)));
        d.change("bezig", [&](QImage&) { QVERIFY(!d.setFloating(FloatingItem::picture("x", Blank, {}))); });
        QCOMPARE(steps(d).last(), "Plakken");
        d.setFloating(FloatingItem::picture("Foto", quarters(4, 4), QRect(0, 0, 4, 4)));
        d.reset(Blank);
        QVERIFY(!d.floating());
        QCOMPARE(d.shown(), Blank);
        // A drawing is measured over a black and a white field, also where it reaches past the canvas: a white dot
        // at (-3, 2) and a black one at (5, 6).
        d.setFloating(FloatingItem::drawing("Tekst", [](QImage& image, QPoint offset) {
            for (const auto& [at, colour] :
                 {std::pair{QPoint(-3, 2), qRgb(255, 255, 255)}, {QPoint(5, 6), qRgb(0, 0, 0)}})
                if (image.valid(at + offset))
                    image.setPixel(at + offset, colour);
        }));
        QCOMPARE(d.floating()->rect, QRect(QPoint(-3, 2), QPoint(5, 6)));
        d.moveFloating(QRect(0, 0, 9, 5));
        d.fixFloating();
        QCOMPARE(changedRect(Blank, d.image()), QRect(8, 4, 1, 1)); // the white dot at (0, 0) shows no change
    }

    // What a press takes hold of and where dragging it leaves the rectangle (10, 20, 20 x 10).
    void floatingGrips_data()
    {
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<bool>("keepProportions");
        QTest::addColumn<int>("grip");
        QTest::addColumn<QRect>("result");
        using G = FloatingGrip::Grip;
        const QRect r(10, 20, 20, 10);
        // clang-format off
        QTest::newRow("inside moves")          << r << true  << QPoint(15, 22) << QPoint(3, 5)   << false << int(G::Move)        << QRect(13, 25, 20, 10);
        QTest::newRow("beside: nothing")       << r << true  << QPoint(5, 5)   << QPoint(3, 5)   << false << int(G::None)        << r;
        QTest::newRow("a text has no handles") << r << false << QPoint(10, 20) << QPoint(-1, 0)  << false << int(G::Move)        << QRect(9, 20, 20, 10);
        QTest::newRow("nor outside them")      << r << false << QPoint(31, 31) << QPoint(1, 1)   << false << int(G::None)        << r;
        QTest::newRow("bottom right, free")    << r << true  << QPoint(31, 31) << QPoint(10, 10) << false << int(G::BottomRight) << QRect(10, 20, 30, 20);
        QTest::newRow("top left stays right")  << r << true  << QPoint(9, 19)  << QPoint(5, 2)   << false << int(G::TopLeft)     << QRect(15, 22, 15, 8);
        QTest::newRow("one pixel at least")    << r << true  << QPoint(30, 20) << QPoint(-25, 0) << false << int(G::TopRight)    << QRect(10, 20, 1, 10);
        QTest::newRow("width decides")         << r << true  << QPoint(10, 30) << QPoint(-10, 0) << true  << int(G::BottomLeft)  << QRect(0, 20, 30, 15);
        QTest::newRow("height decides")        << r << true  << QPoint(30, 30) << QPoint(1, 9)   << true  << int(G::BottomRight) << QRect(10, 20, 38, 19);
        QTest::newRow("small: middle moves")   << QRect(10, 20, 3, 3) << true << QPoint(11, 21) << QPoint(1, 1) << false << int(G::Move) << QRect(11, 21, 3, 3);
        QTest::newRow("small: corner")         << QRect(10, 20, 4, 4) << true << QPoint(11, 21) << QPoint(1, 1) << false << int(G::TopLeft) << QRect(11, 21, 3, 3);
        // clang-format on
    }

    void floatingGrips()
    {
        QFETCH(QRect, rect);
        QFETCH(QPoint, press);
        QFETCH(QPoint, delta);
        QFETCH(int, grip);
        QFETCH(QRect, result);
        QFETCH(bool, resizable);
        QFETCH(bool, keepProportions);
        const FloatingGrip::Grip taken = FloatingGrip::gripAt(rect, resizable, press);
        QCOMPARE(int(taken), grip);
        QCOMPARE(FloatingGrip::dragged(rect, taken, delta, keepProportions), result);
    }

    // Each stroke (tool, path, line width, random fractions): the rectangle it paints, how many pixels in
    // the draw and in the fill colour (and nothing else; -1: not counted), points in the draw colour, in the
    // fill colour and left white.
    void strokesInDrawAndFillColour_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<Path>("path");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<double>>("random");
        QTest::addColumn<QRect>("painted");
        QTest::addColumn<int>("drawn");
        QTest::addColumn<int>("filled");
        QTest::addColumn<Points>("drawPoints");
        QTest::addColumn<Points>("fillPoints");
        QTest::addColumn<Points>("white");
        // clang-format off
        // Freehand: lines from point to point, both ends included; a straight line: only the last stays.
        QTest::newRow("uit de hand") << 1 << Path{{10, 10}, {20, 10}, {20, 15}} << 1 << QList<double>() << QRect(10, 10, 11, 6)
            << 16 << 0 << Points{{10, 10}, {20, 10}, {20, 15}} << Points() << Points();
        QTest::newRow("lijn") << 2 << Path{{10, 10}, {100, 80}, {150, 30}} << 1 << QList<double>() << QRect(10, 10, 141, 21)
            << 141 << 0 << Points{{10, 10}, {150, 30}} << Points() << Points();
        QTest::newRow("rechthoek") << 3 << Path{{10, 20}, {15, 30}, {20, 25}} << 1 << QList<double>() << QRect(10, 20, 11, 6)
            << 30 << 0 << Points{{10, 20}, {20, 25}} << Points() << Points{{15, 22}};
        // Three pixels wide about the outline.
        QTest::newRow("rechthoek 3 breed") << 3 << Path{{10, 20}, {20, 25}} << 3 << QList<double>() << QRect(9, 19, 13, 8)
            << -1 << 0 << Points{{9, 22}, {11, 22}, {21, 23}, {15, 19}, {15, 26}} << Points() << Points{{12, 22}, {18, 23}};
        QTest::newRow("gevulde rechthoek") << 4 << Path{{10, 20}, {20, 25}} << 1 << QList<double>() << QRect(10, 20, 11, 6)
            << 30 << 36 << Points{{10, 20}, {20, 25}} << Points{{11, 21}, {19, 24}} << Points();
        // Ellipses inscribed in the rectangle, touching all four sides.
        QTest::newRow("ellips") << 5 << Path{{100, 50}, {140, 90}} << 1 << QList<double>() << QRect(100, 50, 41, 41)
            << -1 << 0 << Points{{120, 50}, {120, 90}, {100, 70}, {140, 70}} << Points() << Points{{120, 70}, {101, 51}};
        QTest::newRow("gevulde ellips") << 6 << Path{{10, 10}, {210, 60}} << 1 << QList<double>() << QRect(10, 10, 201, 51)
            << -1 << -1 << Points{{110, 10}, {110, 60}, {10, 35}, {210, 35}} << Points{{110, 35}, {30, 35}}
            << Points{{11, 11}, {209, 59}};
        QTest::newRow("vullen") << 7 << Path{{10, 10}} << 1 << QList<double>() << QRect(0, 0, 500, 260) << 0 << 500 * 260
            << Points() << Points{{0, 0}, {499, 259}} << Points();
        // Spray: one dot per move at (X - 10 + r, Y - 10 + r), r = fraction x 10 + 1, whatever the width.
        QTest::newRow("spuitbus") << 8 << Path{{100, 100}, {100, 100}, {100, 100}, {200, 50}} << 5
            << QList<double>{0.0, 0.95, 0.45} << QRect(91, 45, 105, 56) << 3 << 0
            << Points{{91, 91}, {100, 100}, {195, 45}} << Points() << Points();
        // Eraser: squares of GumMaat - 1 pixels up and left of the pointer, in the draw colour.
        QTest::newRow("gum") << 9 << Path{{50, 40}, {60, 40}} << 1 << QList<double>() << QRect(41, 31, 19, 9) << 2 * 81
            << 0 << Points{{41, 31}, {49, 39}, {59, 39}} << Points() << Points{{50, 35}};
        // Coloured circles of radius CirkelStraal: red, green, blue = fraction x 255 + 1, truncated. These
        // fractions give the fill colour, 20, 140, 230 (with 256 for 255: 21, 141, 231).
        QTest::newRow("cirkels") << 11 << Path{{100, 100}, {100, 100}} << 1 << QList<double>{0.0784, 0.548, 0.9015}
            << QRect(90, 90, 21, 21) << 0 << -1 << Points() << Points{{100, 90}, {90, 100}, {110, 100}, {100, 110}}
            << Points{{100, 100}};
        // clang-format on
    }

    // Afterwards the resting state returns, with one step for the stroke.
    void strokesInDrawAndFillColour()
    {
        QFETCH(int, tool);
        QFETCH(Path, path);
        QFETCH(int, width);
        QFETCH(QList<double>, random);
        QFETCH(QRect, painted);
        QFETCH(int, drawn);
        QFETCH(int, filled);
        QFETCH(Points, drawPoints);
        QFETCH(Points, fillPoints);
        QFETCH(Points, white);
        Canvas c(tool);
        c.random->fractions = random;
        c.drag(path, width);
        QCOMPARE(changedRect(Blank, c.document.image()), painted);
        QCOMPARE(c.count(Draw) + c.count(Fill) + c.count(White), 500 * 260);
        if (drawn >= 0)
            QCOMPARE(c.count(Draw), drawn);
        if (filled >= 0)
            QCOMPARE(c.count(Fill), filled);
        for (const auto& [points, colour] : {std::pair(drawPoints, Draw), {fillPoints, Fill}, {white, White}})
            for (QPoint p : points)
                QVERIFY2(c.document.image().pixel(p) == colour,
                         qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        const CanvasSurface& s = c.document.surface();
        QCOMPARE(s.drawWidth(), 1);
        QCOMPARE(s.drawMode(), CanvasSurface::DrawMode::CopyPen);
        QCOMPARE(s.fillStyle(), CanvasSurface::FillStyle::Transparent);
        QCOMPARE(c.document.undoStack().count(), 1);
        QVERIFY(c.random->fractions.isEmpty());
    }

    // A click, a band that did not grow both right and down, no tool, the right button with a tool
    // other than the colour pick, or a press off the canvas: nothing painted, no photo asked for, no step.
    void strokesThatPaintNothing()
    {
        const Path drag = {{10, 10}, {100, 100}};
        // clang-format off
        const struct { QList<int> tools; Path path; Qt::MouseButton button; } cases[] = {
            {{1, 3, 4, 5, 6, 12}, {{100, 100}}, Qt::LeftButton},                 // a click
            {{3, 4, 5, 6, 12}, {{100, 100}, {150, 100}}, Qt::LeftButton},        // only to the right
            {{3, 4, 5, 6, 12}, {{100, 100}, {100, 150}}, Qt::LeftButton},        // only down
            {{3, 4, 5, 6, 12}, {{100, 100}, {60, 130}, {50, 40}}, Qt::LeftButton}, // back up and left
            {{0, 13, 15}, drag, Qt::LeftButton}, {{1, 2, 3, 4, 7, 9, 12}, drag, Qt::RightButton},
            {{7}, {{-1, 10}}, Qt::LeftButton}, {{7}, {{10, 260}}, Qt::LeftButton}}; // off the canvas
        // clang-format on
        for (const auto& c : cases)
            for (int tool : c.tools) {
                Canvas canvas(tool);
                canvas.drag(c.path, 3, c.button);
                const bool nothing = canvas.document.image() == Blank && canvas.photoCalls == 0 &&
                                     !canvas.document.undoStack().canUndo() && !canvas.tools.layer();
                QVERIFY2(nothing, qPrintable(QStringLiteral("tool %1 to %2").arg(tool).arg(c.path.last().x())));
            }
    }

    // Left into the draw colour, right into the fill colour; black too, nothing off the canvas.
    void colourPick()
    {
        Canvas c(10);
        c.document.change("kleur",
                          [](QImage& image) { image.setPixel(5, 5, qRgb(12, 34, 56)), image.setPixel(6, 6, 0); });
        const auto draw = [&] {
            return std::tuple(c.state.TekenKleur().r, c.state.TekenKleur().g, c.state.TekenKleur().b);
        };
        const auto fill = [&] { return std::tuple(c.state.VulKleur().r, c.state.VulKleur().g, c.state.VulKleur().b); };
        c.drag({{5, 5}}, 2, Qt::RightButton);
        QCOMPARE(fill(), std::tuple(12, 34, 56));
        QCOMPARE(draw(), std::tuple(200, 30, 90));
        c.drag({{6, 6}});
        QCOMPARE(draw(), std::tuple(0, 0, 0));
        c.drag({{5, 5}});
        c.drag({{500, 5}});
        c.drag({{5, -1}}, 2, Qt::RightButton);
        QCOMPARE(draw(), std::tuple(12, 34, 56));
        QCOMPARE(fill(), std::tuple(12, 34, 56));
        QCOMPARE(c.document.surface().point(QPointF(500, 5)), -1);
        QCOMPARE(c.document.undoStack().count(), 1);
    }

    // Four-connected over exactly one colour, through the last pixel of a span, upwards and to both
    // edges, and never past them: the picture lies between two white rows that must stay white.
    void floodFill()
    {
        // clang-format off
        const struct { QPoint seed; QRgb fill; int painted; QStringList expected; } cases[] = {
            {{0, 0}, Fill, 6, {"ooo#....", "o+o##...", "##o#.###", "..##...."}},
            {{4, 3}, Fill, 5, {"...#....", ".+.##...", "##.#o###", "..##oooo"}},
            {{3, 0}, 0xff000000, 0, FloodPicture}, {{8, 0}, Fill, 0, FloodPicture}}; // its own colour; off the picture
        // clang-format on
        for (const auto& c : cases) {
            QImage whole = fromRows(QStringList("........") + FloodPicture + QStringList("........"));
            QImage inner(whole.scanLine(1), 8, 4, whole.bytesPerLine(), QImage::Format_RGB32);
            QCOMPARE(fillConnectedArea(inner, c.seed, c.fill), c.painted);
            QCOMPARE(whole, fromRows(QStringList("........") + c.expected + QStringList("........")));
            // Pictures with an alpha channel are filled too; those of other formats are left alone.
            QImage alpha = fromRows(FloodPicture).convertToFormat(QImage::Format_ARGB32);
            QImage other = fromRows(FloodPicture).convertToFormat(QImage::Format_RGB888);
            QCOMPARE(fillConnectedArea(alpha, c.seed, c.fill), c.painted);
            QCOMPARE(fillConnectedArea(other, c.seed, c.fill), 0);
        }
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
        const std::pair<double, int> pixels[] = {{16, 21}, {12.5, 16}, {0, 1}, {3000, 4000}, {3001, 4000}};
        for (const auto& [points, size] : pixels)
            QVERIFY2(CanvasSurface::pixelSize(points) == size, qPrintable(QString::number(points)));
        const std::pair<const char*, double> typed[] = {{" 12,5 ", 12.5}, {"1", 1}, {"1000", 1000}, {"0.99", 0},
            {"1000.01", 0}, {"zestien", 0}, {"", 0}, {"nan", 0}, {"inf", 0}};
        // clang-format on
        for (const auto& [text, size] : typed)
            QVERIFY2(CanvasText::parseSize(text).value_or(0) == size, text);
    }

    // Seven columns of sixteen 12 x 12 boxes inside one-pixel outlines, each in its own colour (the window's
    // chooser picks them); the last grey is black, and past the last box is the white around the boxes.
    void paletteBoxes()
    {
        const QImage palette = Palette::build();
        for (int box = 0; box < 112; ++box) {
            const QRect inside(12 * (box / 16) + 1, 12 * (box % 16) + 1, 11, 11);
            QVERIFY2(countColour(palette, Palette::boxColour(box).rgb(), inside) == 121,
                     qPrintable(QString::number(box)));
        }
        QCOMPARE(Palette::boxColour(15), QColor(0, 0, 0));
        QCOMPARE(Palette::boxColour(112), QColor(White));
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
        // A transparent part shows white: here all but the top-left pixel.
        QImage glass(2, 2, QImage::Format_ARGB32), canvas = Blank;
        glass.fill(Qt::transparent), glass.setPixel(0, 0, Quarter[0]);
        PhotoFrames::stretchInto(canvas, 0, 0, 2, 2, glass);
        QCOMPARE(canvas.pixel(0, 0), Quarter[0]);
        QCOMPARE(countColour(canvas, White), 500 * 260 - 1);
    }

    // Which part of the photo lands on which part of the target, worked out by hand: odd sizes, landscape and
    // portrait, equal proportions, a half rounded up.
    void photoFits_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QRect>("target");
        QTest::addColumn<PhotoFit>("fit");
        QTest::addColumn<QRect>("source");
        QTest::addColumn<QRect>("placed");
        const QRect square(10, 20, 4, 4);
        QTest::newRow("uitrekken") << QSize(6, 4) << square << PhotoFit::Uitrekken << QRect(0, 0, 6, 4) << square;
        QTest::newRow("breed bijsnijden")
            << QSize(6, 4) << square << PhotoFit::Bijsnijden << QRect(1, 0, 4, 4) << square;
        QTest::newRow("breed passen") << QSize(6, 4) << square << PhotoFit::Passen << QRect(0, 0, 6, 4)
                                      << QRect(10, 20, 4, 3);
        QTest::newRow("oneven breed bijsnijden")
            << QSize(7, 3) << QRect(0, 0, 3, 3) << PhotoFit::Bijsnijden << QRect(2, 0, 3, 3) << QRect(0, 0, 3, 3);
        QTest::newRow("staand bijsnijden")
            << QSize(3, 7) << QRect(0, 0, 3, 3) << PhotoFit::Bijsnijden << QRect(0, 2, 3, 3) << QRect(0, 0, 3, 3);
        QTest::newRow("staand passen") << QSize(3, 7) << QRect(5, 5, 7, 7) << PhotoFit::Passen << QRect(0, 0, 3, 7)
                                       << QRect(7, 5, 3, 7);
        QTest::newRow("halve pixel") << QSize(5, 2) << QRect(0, 0, 4, 3) << PhotoFit::Passen << QRect(0, 0, 5, 2)
                                     << QRect(0, 0, 4, 2);
        QTest::newRow("zelfde verhouding")
            << QSize(8, 4) << QRect(0, 0, 4, 2) << PhotoFit::Bijsnijden << QRect(0, 0, 8, 4) << QRect(0, 0, 4, 2);
        QTest::newRow("groot vak") << QSize(75, 170) << QRect(28, 28, 75, 85) << PhotoFit::Bijsnijden
                                   << QRect(0, 42, 75, 85) << QRect(28, 28, 75, 85);
    }
    void photoFits()
    {
        QFETCH(QSize, photo);
        QFETCH(QRect, target);
        QFETCH(PhotoFit, fit);
        QFETCH(QRect, source);
        QFETCH(QRect, placed);
        QCOMPARE(PhotoFrames::fitPlacement(photo, target, fit), (PhotoFrames::FitPlacement{source, placed}));
    }

    // At one photo pixel to one canvas pixel the fits copy exactly those pixels, in the five frames too, and
    // leave the rest of the target as it was. The choice is kept for the next start.
    void photoFitsPixelForPixel()
    {
        const auto coded = [](int width, int height) {
            QImage photo(width, height, QImage::Format_RGB32);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    photo.setPixel(x, y, qRgb(x, y, 200));
            return photo;
        };
        QImage canvas = Blank;
        PhotoFrames::stretchInto(canvas, 10, 5, 13, 8, coded(7, 3), PhotoFit::Bijsnijden);
        QCOMPARE(canvas.copy(10, 5, 3, 3), coded(7, 3).copy(2, 0, 3, 3));
        canvas = Blank;
        PhotoFrames::stretchInto(canvas, 0, 0, 7, 7, coded(3, 7), PhotoFit::Passen);
        QCOMPARE(canvas.copy(2, 0, 3, 7), coded(3, 7));
        QCOMPARE(changedRect(Blank, canvas), QRect(2, 0, 3, 7));
        canvas = Blank;
        PhotoFrames::placeInFrames(canvas, coded(75, 170), PhotoLayout::Verzamelblokje, PhotoSize::Groot,
                                   PhotoFit::Bijsnijden);
        for (const QPoint& corner : PhotoFrames::corners(PhotoLayout::Verzamelblokje))
            QCOMPARE(canvas.copy(QRect(corner, QSize(75, 85))), coded(75, 170).copy(0, 42, 75, 85));
        TestFolder folder;
        storePhotoFit(folder.path("velinor.conf"), PhotoFit::Passen);
        QCOMPARE(storedPhotoFit(folder.path("velinor.conf")), PhotoFit::Passen);
        QCOMPARE(storedPhotoFit(folder.path("geen.conf")), PhotoFit::Uitrekken);
    }

    // A JPEG is decoded at the smallest of an eighth, a quarter and a half of its size that still covers the
    // target.
    void coveringDecodeSize()
    {
        QCOMPARE(PictureFile::coveringDecodeSize({6000, 4000}, {75, 85}), QSize(750, 500));
        QCOMPARE(PictureFile::coveringDecodeSize({6000, 4000}, {800, 10}), QSize(1500, 1000));
        QCOMPARE(PictureFile::coveringDecodeSize({100, 100}, {30, 30}), QSize(50, 50));
        QCOMPARE(PictureFile::coveringDecodeSize({60, 40}, {59, 1}), QSize(60, 40));
    }

    // Decoded upright (a camera's quarter turn turns the target too), its stored size still told; in the frames
    // it shows what the whole picture would, within 2 of every channel.
    void photosDecodedOnlyAsLargeAsTheyAreShown()
    {
        TestFolder folder;
        QImageWriter writer(folder.path("foto.jpg"));
        writer.setTransformation(QImageIOHandler::TransformationRotate90);
        QVERIFY(writer.write(quarters(1600, 1200)));
        const PhotoFile photo = PhotoLoader::load(folder.path("foto.jpg"), {75, 400}); // a quarter of 1200 x 1600
        QCOMPARE(photo.storedSize, QSize(1200, 1600));
        QCOMPARE(photo.image.size(), QSize(300, 400));
        QImage whole = Blank, eighth = Blank;
        PhotoFrames::placeInFrames(whole, PhotoLoader::load(folder.path("foto.jpg")).image, PhotoLayout::Velletje,
                                   PhotoSize::Groot);
        PhotoFrames::placeInFrames(eighth, photo.image, PhotoLayout::Velletje, PhotoSize::Groot);
        int most = 0;
        for (int i = 0; i < 500 * 260 * 4; ++i)
            most = std::max(most, std::abs(whole.constBits()[i] - eighth.constBits()[i]));
        QVERIFY(most <= 2);
        QVERIFY(whole != Blank);
    }

    // A picture read as it is; a file that is no picture, a broken metafile and a missing file refused.
    void readingPhotos()
    {
        TestFolder folder;
        QVERIFY(quarters(64, 48).save(folder.path("rozen.bmp")));
        QVERIFY(folder.write("tekst.jpg", "geen plaatje\r\n"));
        QVERIFY(folder.write("tekening.wmf", QByteArray::fromHex("d7cdc69a0000")));
        QCOMPARE(PhotoLoader::load(folder.path("rozen.bmp")).image.convertToFormat(QImage::Format_RGB32),
                 quarters(64, 48));
        const QString unread = MetafileReader::available()
                                   ? "kan niet worden gelezen."
                                   : "is een Windows Metafile; die kan deze uitgave niet lezen.";
        const std::pair<const char*, QString> refused[] = {
            {"tekst.jpg", "tekst.jpg is geen plaatje dat gelezen kan worden."},
            {"tekening.wmf", "tekening.wmf " + unread},
            {"ontbreekt.png", "Het bestand ontbreekt.png bestaat niet."}};
        for (const auto& [name, error] : refused)
            QCOMPARE(PhotoLoader::load(folder.path(name)).error, error);
    }

    // A phone's and the web's kinds, each written here and read back (the lossy ones within a few steps of each
    // channel in the middle of each quarter): TIFF, WebP, and HEIC and AVIF through the HEIF reader. A file that
    // calls itself HEIC but is none is refused with its name.
    void readingPhoneAndWebPhotos()
    {
        TestFolder folder;
        const QImage picture = quarters(64, 48);
        QStringList written;
        for (const char* format : {"tiff", "webp"})
            if (picture.save(folder.path(QStringLiteral("foto.") + format), format, 100))
                written << QStringLiteral("foto.") + format;
#ifdef VELINOR_HAVE_HEIF
        for (const auto& [name, compression] : {std::pair{"foto.heic", heif_compression_HEVC}, std::pair {
                                                    "foto.avif",
                                                    heif_compression_AV1
                                                }})
            if (writeHeif(picture, compression, folder.path(name)))
                written << name;
        QCOMPARE(written.size(), 4);
#else
        QCOMPARE(written.size(), 2);
#endif
        for (const QString& name : written) {
            const PhotoFile photo = PhotoLoader::load(folder.path(name));
            QCOMPARE(photo.storedSize, QSize(64, 48));
            const QImage read = photo.image.convertToFormat(QImage::Format_RGB32);
            for (int q = 0; q < 4; ++q) {
                const QRgb seen = read.pixel(16 + 32 * (q % 2), 12 + 24 * (q / 2)), wanted = Quarter[q];
                QVERIFY2(std::abs(qRed(seen) - qRed(wanted)) <= 6 && std::abs(qGreen(seen) - qGreen(wanted)) <= 6 &&
                             std::abs(qBlue(seen) - qBlue(wanted)) <= 6,
                         qPrintable(name));
            }
        }
        QVERIFY(folder.write("nep.heic", QByteArray("\0\0\0\x18"
                                                    "ftypheic",
                                                    12) +
                                             QByteArray(40, 'x')));
        QVERIFY(PhotoLoader::load(folder.path("nep.heic")).error.startsWith("nep.heic "));
    }
};

QTEST_MAIN(TestCanvasModel)
#include "test_canvas_model.moc"
