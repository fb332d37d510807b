// Perforation and barcode by name through velinor-cli filter.

#include "common/cli_run.h"
#include "common/test_folder.h"

#include <QImage>
#include <QtTest>

class TestPerforationCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void namedOperations()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Data/Perfin.cor"), "100,200\r\n");
        QImage white(500, 260, QImage::Format_RGB32);
        white.fill(Qt::white);
        const QString in = folder.path(QStringLiteral("in.png"));
        QVERIFY(white.save(in));

        auto run = [&](const QString& name, const QString& out) {
            return runCli({"--home", folder.root(), "filter", name, in, out}).status;
        };
        const QString sheet = folder.path(QStringLiteral("sheet.png"));
        QCOMPARE(run(QStringLiteral("perforate-sheet-black"), sheet), 0);
        QImage result(sheet);
        QCOMPARE(result.pixel(27, 27), qRgb(0, 0, 0));
        QCOMPARE(result.pixel(100, 200), qRgb(0, 0, 0));   // the hole from Perfin.cor

        const QString block = folder.path(QStringLiteral("block.bmp"));
        QCOMPARE(run(QStringLiteral("perforate-block-white"), block), 0);
        QCOMPARE(QImage(block).pixel(101, 149), qRgb(130, 130, 130));

        const QString barcode = folder.path(QStringLiteral("barcode.png"));
        QCOMPARE(run(QStringLiteral("barcode-3"), barcode), 0);
        QCOMPARE(QImage(barcode).pixel(473, 74), qRgb(0, 0, 0));

        const QString names = runCli({"filter", "--list"}).out;
        for (const char* name : {"perforate-sheet-black", "perforate-sheet-white", "perforate-block-black",
                                 "perforate-block-white", "barcode-1", "barcode-2", "barcode-3"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }
};

QTEST_GUILESS_MAIN(TestPerforationCli)
#include "test_perforation_cli.moc"
