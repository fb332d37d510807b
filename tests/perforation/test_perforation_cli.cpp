// Perforation and barcode by name through velinor-cli filter.

#include "common/test_folder.h"

#include <QImage>
#include <QProcess>
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
            QProcess cli;
            cli.start(QStringLiteral(VELINOR_CLI), {"--home", folder.root(), "filter", name, in, out});
            cli.waitForFinished(60000);
            return cli.exitCode();
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

        QProcess list;
        list.start(QStringLiteral(VELINOR_CLI), {"filter", "--list"});
        list.waitForFinished(60000);
        const QString names = QString::fromUtf8(list.readAllStandardOutput());
        for (const char* name : {"perforate-sheet-black", "perforate-sheet-white", "perforate-block-black",
                                 "perforate-block-white", "barcode-1", "barcode-2", "barcode-3"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }
};

QTEST_GUILESS_MAIN(TestPerforationCli)
#include "test_perforation_cli.moc"
