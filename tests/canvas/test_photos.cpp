// Photo placement on the canvas: the frame tables, the stretch into exact
// rectangles, and reading pictures, including the ones that must be refused.

#include "common/test_folder.h"
#include "perforation/photo_frames.h"
#include "perforation/photo_loader.h"

#include <QtTest>

namespace {

const QRgb White = qRgb(255, 255, 255);

QImage canvas()
{
    QImage image(500, 260, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QImage picture(int w, int h, QColor colour = QColor(200, 10, 10))
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The rectangles of the canvas covered by the given colour, found from their top-left corners.
QList<QRect> blocks(const QImage& image, QRgb colour)
{
    QList<QRect> result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != colour)
                continue;
            const bool corner =
                (x == 0 || image.pixel(x - 1, y) != colour) && (y == 0 || image.pixel(x, y - 1) != colour);
            if (!corner)
                continue;
            int w = 0, h = 0;
            while (x + w < image.width() && image.pixel(x + w, y) == colour)
                ++w;
            while (y + h < image.height() && image.pixel(x, y + h) == colour)
                ++h;
            result.append(QRect(x, y, w, h));
        }
    return result;
}

// A one-pixel GIF: Qt reads GIF but does not write it.
const QByteArray OnePixelGif =
    QByteArray::fromHex("47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");

} // namespace

class TestPhotos : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void grootOnTheSheetlet()
    {
        QImage image = canvas();
        PhotoFrames::placeInFrames(image, picture(100, 100), PhotoLayout::Velletje, PhotoSize::Groot);
        QCOMPARE(blocks(image, qRgb(200, 10, 10)),
                 QList<QRect>({QRect(278, 15, 75, 85), QRect(136, 20, 75, 85), QRect(389, 27, 75, 85),
                               QRect(28, 28, 75, 85), QRect(230, 159, 75, 85)}));
    }

    void kleinOnTheBlock()
    {
        QImage image = canvas();
        PhotoFrames::placeInFrames(image, picture(40, 30), PhotoLayout::Verzamelblokje, PhotoSize::Klein);
        const QList<QRect> found = blocks(image, qRgb(200, 10, 10));
        QCOMPARE(found.size(), 5);
        QVERIFY(found.contains(QRect(20, 146, 69, 79)));
        QVERIFY(found.contains(QRect(408, 146, 69, 79)));
        QVERIFY(found.contains(QRect(311, 131, 69, 79)));
    }

    void stretchIntoExactRectangles()
    {
        QImage image = canvas();
        PhotoFrames::stretchInto(image, 10, 20, 110, 70, picture(7, 300));
        QCOMPARE(blocks(image, qRgb(200, 10, 10)), QList<QRect>({QRect(10, 20, 100, 50)}));

        QImage whole = canvas();
        PhotoFrames::stretchInto(whole, 0, 0, 500, 260, picture(3, 2, Qt::blue));
        QCOMPARE(blocks(whole, qRgb(0, 0, 255)), QList<QRect>({QRect(0, 0, 500, 260)}));
    }

    void stretchKeepsTheLayoutOfThePicture()
    {
        // A picture split in a left and a right half lands split in the middle of the target.
        QImage halves = picture(10, 4, Qt::black);
        for (int y = 0; y < 4; ++y)
            for (int x = 5; x < 10; ++x)
                halves.setPixel(x, y, qRgb(0, 255, 0));
        QImage image = canvas();
        PhotoFrames::stretchInto(image, 100, 100, 200, 140, halves);
        QCOMPARE(image.pixel(110, 120), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(190, 120), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(99, 120), White);
        QCOMPARE(image.pixel(200, 120), White);
    }

    void emptyOrReversedRectanglePaintsNothing()
    {
        QImage image = canvas();
        PhotoFrames::stretchInto(image, 50, 50, 50, 80, picture(5, 5));
        PhotoFrames::stretchInto(image, 50, 50, 20, 80, picture(5, 5));
        PhotoFrames::stretchInto(image, 50, 50, 80, 90, QImage());
        QCOMPARE(image, canvas());
    }

    void transparentPartsShowWhite()
    {
        QImage glass(4, 4, QImage::Format_ARGB32);
        glass.fill(Qt::transparent);
        QImage image = canvas();
        image.fill(Qt::black);
        PhotoFrames::stretchInto(image, 0, 0, 8, 8, glass);
        QCOMPARE(image.pixel(3, 3), White);
        QCOMPARE(image.pixel(8, 8), qRgb(0, 0, 0));
    }

    void loadsTheUsualFormats_data()
    {
        QTest::addColumn<QString>("format");
        for (const char* format : {"jpg", "png", "bmp", "gif"})
            QTest::addRow("%s", format) << QString::fromLatin1(format);
    }

    void loadsTheUsualFormats()
    {
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("rozen.") + format);
        const QSize size = format == QLatin1String("gif") ? QSize(1, 1) : QSize(64, 48);
        if (format == QLatin1String("gif")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(OnePixelGif);
        } else {
            QVERIFY(picture(64, 48).save(path));
        }
        const PhotoFile photo = PhotoLoader::load(path);
        QVERIFY2(photo.ok(), qPrintable(photo.error));
        QCOMPARE(photo.image.size(), size);
        QCOMPARE(PhotoLoader::sizeCaption(path, photo.image.size()),
                 QStringLiteral("rozen.%1 / %2 x %3 pixels").arg(format).arg(size.width()).arg(size.height()));
    }

    void refusesWhatIsNoPicture()
    {
        QTemporaryDir dir;
        const auto write = [&](const QString& name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        };
        write(QStringLiteral("leeg.jpg"), QByteArray());
        write(QStringLiteral("tekst.bmp"), QByteArray("geen plaatje\r\n"));
        write(QStringLiteral("tekening.wmf"), QByteArray::fromHex("d7cdc69a0000") + QByteArray(60, '\0'));

        for (const char* name : {"leeg.jpg", "tekst.bmp", "tekening.wmf", "ontbreekt.png"}) {
            const PhotoFile photo = PhotoLoader::load(dir.filePath(QString::fromLatin1(name)));
            QVERIFY2(!photo.ok(), name);
            QVERIFY(!photo.error.isEmpty());
        }
    }
};

QTEST_MAIN(TestPhotos)
#include "test_photos.moc"
