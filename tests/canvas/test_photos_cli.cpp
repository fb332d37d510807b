// velinor-cli photos as a collector runs it: five frames filled, wrong use
// refused with status 2, unreadable pictures with status 1 and no output.

#include "common/cli_run.h"

#include <QtTest>

namespace {

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestPhotosCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fillsTheFiveFrames()
    {
        QTemporaryDir dir;
        const QString photo = dir.filePath(QStringLiteral("rozen.png"));
        const QString sheet = dir.filePath(QStringLiteral("2004 Delft.bmp"));
        const QString out = dir.filePath(QStringLiteral("uit.bmp"));
        QVERIFY(filled(100, 100, QColor(200, 10, 10)).save(photo));
        QVERIFY(filled(500, 260, Qt::white).save(sheet));
        const CliRun run = runCli({"photos", "sheet", "groot", photo, sheet, out});
        QCOMPARE(run.status, 0);
        const QImage result(out);
        QCOMPARE(result.size(), QSize(500, 260));
        for (QPoint corner : {QPoint(28, 28), QPoint(136, 20), QPoint(278, 15), QPoint(389, 27), QPoint(230, 159)}) {
            QCOMPARE(result.pixel(corner), qRgb(200, 10, 10));
            QCOMPARE(result.pixel(corner + QPoint(74, 84)), qRgb(200, 10, 10));
            QCOMPARE(result.pixel(corner + QPoint(75, 84)), qRgb(255, 255, 255));
            QCOMPARE(result.pixel(corner + QPoint(74, 85)), qRgb(255, 255, 255));
        }

        const CliRun small = runCli({"photos", "block", "klein", photo, sheet, out});
        QCOMPARE(small.status, 0);
        const QImage block(out);
        QCOMPARE(block.pixel(20, 146), qRgb(200, 10, 10));
        QCOMPARE(block.pixel(19, 146), qRgb(255, 255, 255));
        QCOMPARE(block.pixel(88, 224), qRgb(200, 10, 10));
        QCOMPARE(block.pixel(89, 224), qRgb(255, 255, 255));
    }

    void wrongUseExitsWithTwo()
    {
        for (const QStringList& arguments :
             {QStringList{"photos"}, QStringList{"photos", "sheet", "groot", "a.jpg", "b.bmp"},
              QStringList{"photos", "vel", "groot", "a.jpg", "b.bmp", "c.bmp"},
              QStringList{"photos", "sheet", "middel", "a.jpg", "b.bmp", "c.bmp"},
              QStringList{"photos", "sheet", "groot", "a.jpg", "b.bmp", "c.xyz"}}) {
            const CliRun run = runCli(arguments);
            QCOMPARE(run.status, 2);
            QVERIFY(run.err.contains(QStringLiteral("Gebruik: velinor-cli photos")));
        }
    }

    void unreadablePicturesExitWithOne()
    {
        QTemporaryDir dir;
        const QString photo = dir.filePath(QStringLiteral("foto.jpg"));
        const QString sheet = dir.filePath(QStringLiteral("vel.bmp"));
        const QString wrongSize = dir.filePath(QStringLiteral("klein.bmp"));
        const QString broken = dir.filePath(QStringLiteral("kapot.jpg"));
        const QString out = dir.filePath(QStringLiteral("uit.png"));
        QVERIFY(filled(10, 10, Qt::red).save(photo));
        QVERIFY(filled(500, 260, Qt::white).save(sheet));
        QVERIFY(filled(400, 260, Qt::white).save(wrongSize));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("geen jpeg");
        file.close();
        for (const QStringList& files : {QStringList{broken, sheet}, QStringList{photo, broken},
                                         QStringList{photo, wrongSize}, QStringList{dir.filePath("weg.jpg"), sheet}}) {
            const CliRun run = runCli(QStringList{"photos", "sheet", "klein"} + files + QStringList{out});
            QCOMPARE(run.status, 1);
            QVERIFY(!run.err.isEmpty());
            QVERIFY(!QFile::exists(out));
        }
    }
};

QTEST_GUILESS_MAIN(TestPhotosCli)
#include "test_photos_cli.moc"
