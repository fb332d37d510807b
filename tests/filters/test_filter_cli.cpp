// velinor-cli filter as a user runs it: the list of names, a filter applied to
// a file, repeatable randomness, the draw colour and the refusals.

#include "common/cli_run.h"

#include <QTemporaryDir>
#include <QtTest>

class TestFilterCli : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString writePicture(const QString& name, QSize size, QRgb fill)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(fill);
        image.setPixel(0, 0, qRgb(31, 20, 10));
        image.save(path(name));
        return path(name);
    }

private Q_SLOTS:
    void listsEveryName()
    {
        const CliRun run = runCli({"filter", "--list"});
        QCOMPARE(run.status, 0);
        const QStringList names = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(names.size() >= 31);
        for (const char* name : {"grayscale", "contrast-negative", "swap-grb", "relief", "aquarel", "noise", "sepia",
                                 "transparant", "flip-top", "border-10"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }

    void appliesAFilterToAnyPicture()
    {
        const QString input = writePicture("klein.png", QSize(7, 5), qRgb(200, 100, 30));
        const CliRun png = runCli({"filter", "grayscale", input, path("grijs.png")});
        QCOMPARE(png.status, 0);
        const QImage gray(path("grijs.png"));
        QCOMPARE(gray.size(), QSize(7, 5));
        QCOMPARE(gray.pixel(0, 0), qRgb(20, 20, 20));
        QCOMPARE(gray.pixel(6, 4), qRgb(110, 110, 110));

        QCOMPARE(runCli({"filter", "swap-bgr", input, path("wissel.bmp")}).status, 0);
        QFile bmp(path("wissel.bmp"));
        QVERIFY(bmp.open(QIODevice::ReadOnly));
        QCOMPARE(bmp.read(2), QByteArray("BM"));
        QCOMPARE(QImage(path("wissel.bmp")).pixel(3, 3), qRgb(30, 100, 200));
    }

    void seedMakesNoiseRepeatable()
    {
        const QString input = writePicture("grijs.png", QSize(20, 10), qRgb(128, 128, 128));
        QCOMPARE(runCli({"filter", "noise", input, path("a.png"), "--seed", "12"}).status, 0);
        QCOMPARE(runCli({"filter", "noise", "--seed", "12", input, path("b.png")}).status, 0);
        QCOMPARE(runCli({"filter", "noise", input, path("c.png"), "--seed", "13"}).status, 0);
        QCOMPARE(QImage(path("a.png")), QImage(path("b.png")));
        QVERIFY(QImage(path("a.png")) != QImage(path("c.png")));
        QVERIFY(QImage(path("a.png")) != QImage(input));
    }

    void canvasPassesNeedTheCanvasSize()
    {
        const QString canvas = writePicture("canvas.png", QSize(500, 260), qRgb(255, 255, 255));
        QCOMPARE(runCli({"filter", "transparant", canvas, path("rood.png"), "--color", "255,0,0"}).status, 0);
        const QImage red(path("rood.png"));
        QCOMPARE(red.pixel(2, 0), qRgb(255, 0, 0));
        QCOMPARE(red.pixel(1, 0), qRgb(255, 255, 255));
        QCOMPARE(runCli({"filter", "transparant", canvas, path("zwart.png")}).status, 0);
        QCOMPARE(QImage(path("zwart.png")).pixel(3, 1), qRgb(0, 0, 0));

        const QString small = writePicture("klein2.png", QSize(50, 26), qRgb(255, 255, 255));
        const CliRun refused = runCli({"filter", "sepia", small, path("sepia.png")});
        QCOMPARE(refused.status, 1);
        QVERIFY(refused.err.contains(QStringLiteral("500 x 260")));
        QVERIFY(!QFile::exists(path("sepia.png")));
    }

    void wrongUseExitsWithTwo()
    {
        const QString input = writePicture("in.png", QSize(4, 4), qRgb(1, 2, 3));
        const QList<QStringList> wrong{
            {"filter"},
            {"filter", "grayscale", input},
            {"filter", "onbekend", input, path("o.png")},
            {"filter", "Grayscale", input, path("o.png")},
            {"filter", "grayscale", input, path("o.jpg")},
            {"filter", "grayscale", input, path("o.png"), "--seed"},
            {"filter", "grayscale", input, path("o.png"), "--seed", "x"},
            {"filter", "grayscale", input, path("o.png"), "--color", "256,0,0"},
            {"filter", "grayscale", input, path("o.png"), "--color", "1,2"},
            {"filter", "grayscale", input, path("o.png"), "--kleur", "1"},
            {"filter", "grayscale", input, path("o.png"), "extra"},
        };
        for (const QStringList& arguments : wrong) {
            const CliRun run = runCli(arguments);
            QVERIFY2(run.status == 2, qPrintable(arguments.join(' ')));
            QVERIFY(run.err.contains(QStringLiteral("Gebruik: velinor-cli filter")));
        }
        QVERIFY(!QFile::exists(path("o.png")));
    }

    void unreadableInputExitsWithOne()
    {
        QFile junk(path("kapot.png"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("geen afbeelding");
        junk.close();
        for (const QString& input : {path("kapot.png"), path("ontbreekt.png")}) {
            const CliRun run = runCli({"filter", "negative", input, path("uit.png")});
            QCOMPARE(run.status, 1);
            QVERIFY(run.err.contains(QFileInfo(input).fileName()));
        }
        QVERIFY(!QFile::exists(path("uit.png")));
        const QString input = writePicture("goed.png", QSize(4, 4), qRgb(1, 2, 3));
        const CliRun run = runCli({"filter", "negative", input, path("geen-map/uit.png")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(QStringLiteral("niet schrijven")));
    }
};

QTEST_GUILESS_MAIN(TestFilterCli)
#include "test_filter_cli.moc"
