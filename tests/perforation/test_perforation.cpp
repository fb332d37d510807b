// Perforation holes: the figure of one hole, the sheetlet and block layouts,
// and the extra holes of Perfin.cor.

#include "common/test_folder.h"
#include "perforation/perforation.h"

#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

QImage canvas()
{
    QImage image(500, 260, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

int countCores(const QImage& image, QRgb core)
{
    // A hole's core is the 2 x 2 block; count the top-left pixels of such blocks.
    int count = 0;
    for (int y = 0; y + 1 < image.height(); ++y)
        for (int x = 0; x + 1 < image.width(); ++x)
            if (image.pixel(x, y) == core && image.pixel(x + 1, y) == core && image.pixel(x, y + 1) == core
                && image.pixel(x + 1, y + 1) == core && (x == 0 || image.pixel(x - 1, y) != core)
                && (y == 0 || image.pixel(x, y - 1) != core))
                ++count;
    return count;
}

} // namespace

class TestPerforation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneHoleIsTwelvePixels()
    {
        QImage image = canvas();
        Perfins::TekenGaatje(image, 10, 20, 0);
        const QRgb g130 = qRgb(130, 130, 130), g160 = qRgb(160, 160, 160);
        const struct { int x, y; QRgb colour; } expected[] = {
            {10, 20, Black}, {11, 20, Black}, {10, 21, Black}, {11, 21, Black},
            {9, 20, g130}, {9, 21, g160}, {12, 20, g160}, {12, 21, g130},
            {10, 19, g160}, {11, 19, g130}, {10, 22, g130}, {11, 22, g160}};
        int changed = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                changed += image.pixel(x, y) != White;
        QCOMPARE(changed, 12);
        for (const auto& e : expected)
            QCOMPARE(image.pixel(e.x, e.y), e.colour);
        // The corners of the 4 x 4 square stay untouched.
        QCOMPARE(image.pixel(9, 19), White);
        QCOMPARE(image.pixel(12, 22), White);
    }

    void holesAtTheEdgeAreClipped()
    {
        QImage image = canvas();
        Perfins::TekenGaatje(image, -1, -1, 0);
        Perfins::TekenGaatje(image, 499, 259, 0);
        Perfins::TekenGaatje(image, 100.5, 5, 0);   // half a pixel rounds to the even column
        QCOMPARE(image.pixel(0, 0), Black);
        QCOMPARE(image.pixel(499, 259), Black);
        QCOMPARE(image.pixel(100, 5), Black);
        QCOMPARE(image.pixel(102, 5), qRgb(160, 160, 160));
    }

    void sheetletLayout()
    {
        QCOMPARE(Perfins::VelHoles().size(), 368);
        QCOMPARE(Perfins::BlokHoles().size(), 383);
        QCOMPARE(Perfins::VelHoles().first(), QPoint(27, 27));
        QImage image = canvas();
        Perfins::PerforeerVel(image, 0);
        QCOMPARE(image.pixel(27, 27), Black);
        QCOMPARE(image.pixel(26, 27), qRgb(130, 130, 130));
        QCOMPARE(image.pixel(102, 112), Black);            // the last hole of stamp 1's bottom row
        QCOMPARE(image.pixel(103, 113), Black);
        QCOMPARE(image.pixel(104, 112), qRgb(160, 160, 160));
        QCOMPARE(image.pixel(304, 258), Black);            // stamp 5's last extension hole
        QCOMPARE(image.pixel(102, 2), Black);              // stamp 1's extension up to y = 2
    }

    void blockLayoutInWhite()
    {
        QImage image(500, 260, QImage::Format_RGB32);
        image.fill(Black);
        Perfins::PerforeerBlok(image, 255);
        QCOMPARE(image.pixel(16, 142), White);
        QCOMPARE(image.pixel(16 + 75, 142 + 85), White);
        QCOMPARE(image.pixel(113 + 75, 161 + 85 + 10), White);   // the second stamp's right extension
        QCOMPARE(image.pixel(113, 161 + 90), Black);               // ... and no left one
        QCOMPARE(image.pixel(16, 142 + 85 + 25), White);           // the first stamp's left extension
    }

    void fileHoles()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Data/Perfin.cor"), "100,200\r\n 300 , 2.5\r\n7\r\n");
        const QString path = folder.path(QStringLiteral("Data/perfin.cor"));
        const auto pairs = Perfins::LeesPerfinBestand(path);
        QVERIFY(pairs);
        QCOMPARE(pairs->size(), 2);   // the lone 7 is no pair

        QImage sheet = canvas();
        int pauses = 0;
        Perfins::PerforeerUitBestand(sheet, path, 0, Perfins::Soort::Velletje, [&pauses] { return ++pauses > 0; });
        QCOMPARE(pauses, 2);
        QCOMPARE(sheet.pixel(100, 200), Black);
        QCOMPARE(sheet.pixel(300, 2), Black);      // 2.5 rounds to even
        QCOMPARE(countCores(sheet, Black), 2);

        // A pause that says stop (the program is ending) draws no further hole.
        QImage stopped = canvas();
        Perfins::PerforeerUitBestand(stopped, path, 0, Perfins::Soort::Velletje, [] { return false; });
        QCOMPARE(countCores(stopped, Black), 1);

        QImage block = canvas();
        Perfins::PerforeerUitBestand(block, path, 0, Perfins::Soort::Blok);
        QCOMPARE(block.pixel(100, 150), Black);
        QCOMPARE(countCores(block, Black), 1);     // y = 2.5 - 50 lies off the canvas
    }

    void malformedEmptyAndMissingFiles()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Data/Perfin.cor"), "abc,40\r\n\"60\",x9\r\n1e400,30\r\n");
        QImage image = canvas();
        Perfins::PerforeerUitBestand(image, folder.path(QStringLiteral("Data/Perfin.cor")), 0, Perfins::Soort::Velletje);
        QCOMPARE(image.pixel(0, 40), Black);       // text reads as 0
        QCOMPARE(image.pixel(60, 0), Black);
        QCOMPARE(image.pixel(0, 30), Black);       // a number too large to read counts as no number

        folder.write(QStringLiteral("Data/Leeg.cor"), "");
        QImage untouched = canvas();
        int pauses = 0;
        Perfins::PerforeerUitBestand(untouched, folder.path(QStringLiteral("Data/Leeg.cor")), 0, Perfins::Soort::Velletje,
                                     [&pauses] { return ++pauses > 0; });
        Perfins::PerforeerUitBestand(untouched, folder.path(QStringLiteral("Data/Missing.cor")), 0,
                                     Perfins::Soort::Velletje, [&pauses] { return ++pauses > 0; });
        QCOMPARE(pauses, 0);
        QCOMPARE(untouched, canvas());
    }
};

QTEST_GUILESS_MAIN(TestPerforation)
#include "test_perforation.moc"
