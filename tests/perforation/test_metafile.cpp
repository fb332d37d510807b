// Windows Metafiles for photo placement: a small hand-made metafile is drawn
// in a build with Magick++ (which the scripts install), and refused with a
// message in a build without it.

#include "perforation/metafile_reader.h"
#include "perforation/photo_loader.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

void word(QByteArray& out, quint16 value)
{
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void dword(QByteArray& out, quint32 value)
{
    word(out, quint16(value & 0xFFFF));
    word(out, quint16(value >> 16));
}

void record(QByteArray& out, quint16 function, const QByteArray& parameters)
{
    dword(out, quint32(3 + parameters.size() / 2));
    word(out, function);
    out += parameters;
}

QByteArray words(std::initializer_list<quint16> values)
{
    QByteArray out;
    for (quint16 v : values)
        word(out, v);
    return out;
}

// 96 x 48 units at 96 units per inch: a red box over the left half on an empty page.
QByteArray redLeftHalf()
{
    QByteArray records;
    record(records, 0x020B, words({0, 0}));            // window origin
    record(records, 0x020C, words({48, 96}));          // window extent
    QByteArray brush = words({0});                     // solid brush, red
    dword(brush, 0x000000FF);
    brush += words({0});
    record(records, 0x02FC, brush);
    record(records, 0x012D, words({0}));
    QByteArray pen = words({5, 0, 0});                 // an invisible pen
    dword(pen, 0);
    record(records, 0x02FA, pen);
    record(records, 0x012D, words({1}));
    record(records, 0x041B, words({48, 48, 0, 0}));    // rectangle: bottom, right, top, left
    record(records, 0x0000, {});

    QByteArray header = words({1, 9, 0x0300});
    dword(header, quint32(9 + records.size() / 2));
    header += words({2});
    dword(header, 7);
    header += words({0});

    QByteArray placeable;
    dword(placeable, 0x9AC6CDD7);
    placeable += words({0, 0, 0, 96, 48, 96});
    dword(placeable, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= quint16(quint8(placeable.at(i)) | quint8(placeable.at(i + 1)) << 8);
    word(placeable, checksum);
    return placeable + header + records;
}

} // namespace

class TestMetafile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recognisesMetafileHeaders()
    {
        QVERIFY(MetafileReader::looksLikeMetafile(redLeftHalf().left(6)));
        QVERIFY(MetafileReader::looksLikeMetafile(QByteArray::fromHex("010009000003")));
        QVERIFY(!MetafileReader::looksLikeMetafile(QByteArray("\x89PNG\r\n", 6)));
        QVERIFY(!MetafileReader::looksLikeMetafile(QByteArray()));
    }

    void drawsOrRefuses()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tekening.wmf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(redLeftHalf());
        file.close();

        const PhotoFile photo = PhotoLoader::load(path);
#ifndef VELINOR_HAVE_MAGICK
        QVERIFY(!MetafileReader::available());
        QVERIFY(!photo.ok());
        QVERIFY(photo.error.contains(QStringLiteral("Windows Metafile")));
        QSKIP("built without Magick++: metafiles are refused with a message");
#endif
        // A build with Magick++ must read them.
        QVERIFY(MetafileReader::available());
        QVERIFY2(photo.ok(), qPrintable(photo.error));
        // Rendered at 96 dots per inch: the placeable header's 96 x 48 units of 1/96 inch, with the red box drawn.
        const QImage& image = photo.image;
        QCOMPARE(image.size(), QSize(96, 48));
        int red = 0;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, image.height() / 2);
            red += c.red() > 200 && c.green() < 100 && c.blue() < 100;
        }
        QVERIFY(red > 0);
    }
};

QTEST_GUILESS_MAIN(TestMetafile)
#include "test_metafile.moc"
