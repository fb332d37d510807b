// The catalogue list: records read from the catalogue file as they stand, the
// rows and headers on their pages, and the list as a PDF.

#include "app/text_file.h"
#include "common/test_folder.h"
#include "pdf_reader.h"
#include "printing/catalogue_list.h"
#include "printing/pdf_print_surface.h"
#include "recording_surface.h"

#include <QRandomGenerator>
#include <QtTest>

using Kind = RecordingSurface::Kind;

namespace {

QStringList record(int n)
{
    return {QStringLiteral("%1 Plaats%2").arg(1900 + n).arg(n),
            QString::number(n),
            QStringLiteral("V%1").arg(n),
            QStringLiteral("ontwerper"),
            QStringLiteral("1-1-2000"),
            QStringLiteral("%1.000").arg(n),
            QStringLiteral("5 x 0,39 = 1.%1").arg(n % 100, 2, 10, QLatin1Char('0')),
            QStringLiteral("13 3/4"),
            QStringLiteral("150 x 80"),
            QStringLiteral("\u20ac %1.50").arg(n),
            QStringLiteral("-----")};
}

QList<CatalogusRegel> records(int count)
{
    QStringList lines;
    for (int n = 1; n <= count; ++n)
        lines += record(n);
    return CatalogusRegels(lines);
}

} // namespace

class TestCatalogueList : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fieldsAsTheyStand()
    {
        QStringList lines = record(1);
        lines[0] = QStringLiteral("1999 Amsterdam");
        lines[6] = QStringLiteral("5 x 0,18 = 0.92");
        const auto read = CatalogusRegels(lines);
        QCOMPARE(read.size(), 1);
        QCOMPARE(read[0].jaartal, QStringLiteral("1999"));
        QCOMPARE(read[0].plaats, QStringLiteral("Amsterdam"));
        QCOMPARE(read[0].catalogusNr, QStringLiteral("V1"));
        QCOMPARE(read[0].oplage, QStringLiteral("1.000"));
        QCOMPARE(read[0].nominaal, QStringLiteral("0.92"));
        QCOMPARE(read[0].prijs, QStringLiteral("\u20ac 1.50"));
    }

    void shortKeyAndShortNominalLine()
    {
        QStringList lines = record(1);
        lines[0] = QStringLiteral("99");
        lines[6] = QStringLiteral("5 x");
        const auto read = CatalogusRegels(lines);
        QCOMPARE(read[0].jaartal, QStringLiteral("99"));
        QCOMPARE(read[0].plaats, QString());
        QCOMPARE(read[0].nominaal, QStringLiteral("5 x"));
    }

    void recordCutShortIsLeftOut()
    {
        QStringList lines = record(1) + record(2);
        lines.removeLast();
        QCOMPARE(CatalogusRegels(lines).size(), 1);
        QCOMPARE(CatalogusRegels({}).size(), 0);
    }

    void recordsAreBounded()
    {
        QStringList lines;
        for (int n = 0; n < CatalogusLijst::MaxRecords + 5; ++n)
            lines += record(n);
        QCOMPARE(CatalogusRegels(lines).size(), CatalogusLijst::MaxRecords);
    }

    void fileReadInOrder()
    {
        TestFolder folder;
        QVERIFY(TextFile::writeLines(folder.path(QStringLiteral("Data/Informatie.cat")), record(7) + record(3)));
        const auto read = LeesCatalogusRegels(folder.folder());
        QCOMPARE(read.size(), 2);
        QCOMPARE(read[0].plaats, QStringLiteral("Plaats7"));
        QCOMPARE(read[1].prijs, QStringLiteral("\u20ac 3.50"));
    }

    void missingOrJunkFile()
    {
        TestFolder folder;
        QVERIFY(LeesCatalogusRegels(folder.folder()).isEmpty());
        QByteArray junk(200000, '\0');
        QRandomGenerator generator(7);
        for (char& byte : junk)
            byte = char(generator.bounded(256));
        QVERIFY(folder.write(QStringLiteral("Data/Informatie.cat"), junk));
        const auto read = LeesCatalogusRegels(folder.folder());
        RecordingSurface s;
        QVERIFY(PrintLijst(s, read, 1));
        QCOMPARE(s.of(Kind::End).size(), 1);
    }

    void titleHeaderAndRows()
    {
        RecordingSurface s;
        QVERIFY(PrintLijst(s, records(2), 3));
        QCOMPARE(s.of(Kind::Job)[0].copies, 3);
        const auto title = s.text(QStringLiteral("Velinor"));
        QCOMPARE(title.at, QPointF(300, 120));
        QCOMPARE(title.font, (PrintLettertype{QStringLiteral("Arial"), 26, true}));
        QCOMPARE(title.colour, QColor(40, 140, 40));

        const QString header = QStringLiteral(
            "Nr.  Jaartal  Plaats                           Cat.nr.      Oplage           Nominaal    Cat.prijs");
        QCOMPARE(s.text(header).at, QPointF(330, 900));
        QCOMPARE(s.text(header).font, (PrintLettertype{QStringLiteral("Arial"), 14, true}));
        QCOMPARE(s.text(header).colour, QColor(0, 0, 0));

        const auto texts = s.of(Kind::Text);
        QCOMPARE(texts.size(), 2 + 2 * 7);
        const double xs[] = {285, 960, 1950, 4920, 6270, 8250, 9810};
        const QStringList second{"2", "1902", "Plaats2", "V2", "2.000", "1.02", "\u20ac 2.50"};
        for (int c = 0; c < 7; ++c) {
            const auto& cell = texts[2 + 7 + c];
            QCOMPARE(cell.text, second[c]);
            QCOMPARE(cell.at, QPointF(xs[c], 1905));
            QCOMPARE(cell.font, (PrintLettertype{QStringLiteral("Arial"), 14, false}));
            QCOMPARE(cell.colour, QColor(120, 120, 120));
        }
    }

    void thirtySeventhRowOnPageTwo()
    {
        RecordingSurface s;
        PrintLijst(s, records(37), 1);
        QCOMPARE(s.of(Kind::NewPage).size(), 1);
        const auto row36 = s.text(QStringLiteral("36"));
        QCOMPARE(row36.page, 1);
        QCOMPARE(row36.at.y(), 1500 + 35 * 405.0);
        const auto row37 = s.text(QStringLiteral("37"));
        QCOMPARE(row37.page, 2);
        QCOMPARE(row37.at, QPointF(285, 1200));

        QList<RecordingSurface::Step> headers;
        for (const auto& step : s.of(Kind::Text))
            if (step.text.startsWith(QStringLiteral("Nr.  Jaartal")))
                headers.append(step);
        QCOMPARE(headers.size(), 2);
        QCOMPARE(headers[1].page, 2);
        QCOMPARE(headers[1].at, QPointF(330, 600));
        QVERIFY(headers[1].font.vet);
        QCOMPARE(headers[1].colour, QColor(0, 0, 0));
        QCOMPARE(s.texts().count(QStringLiteral("Velinor")), 1);
    }

    void laterPagesHoldThirtySevenRows()
    {
        RecordingSurface s;
        PrintLijst(s, records(36 + 37 + 1), 1);
        QCOMPARE(s.text(QStringLiteral("73")).page, 2);
        QCOMPARE(s.text(QStringLiteral("73")).at.y(), 1200 + 36 * 405.0);
        QCOMPARE(s.text(QStringLiteral("74")).page, 3);
        QCOMPARE(s.text(QStringLiteral("74")).at.y(), 1200.0);
    }

    void fullPageAddsNoEmptyPage()
    {
        RecordingSurface s;
        PrintLijst(s, records(36), 1);
        QVERIFY(s.of(Kind::NewPage).isEmpty());
    }

    void noRecordsGiveTitleAndHeader()
    {
        RecordingSurface s;
        QVERIFY(PrintLijst(s, {}, 1));
        QCOMPARE(s.texts(), QStringList({"Velinor", Lijst::kopRegel()}));
    }

    void pdfList()
    {
        TestFolder folder;
        const QString path = folder.root() + QStringLiteral("/lijst.pdf");
        PdfPrintSurface surface(path);
        QVERIFY(PrintLijst(surface, records(40), 1));
        const PdfInfo info = PdfInformatie(path);
        QCOMPARE(info.pages, 2);
        QVERIFY(qAbs(info.pageSize.width() - 595.28) < 1);
        QVERIFY(qAbs(info.pageSize.height() - 841.89) < 1);
        const auto words = PdfWoorden(path);
        const auto header = PdfZoek(words, QStringLiteral("Nr. Jaartal Plaats Cat.nr. Oplage Nominaal Cat.prijs"), 2);
        QCOMPARE(header.size(), 7);
        QVERIFY(qAbs(header[0].box.left() - (330 + 360)) < 40);
        QVERIFY(qAbs(header[0].box.top() - (600 + 360)) < 40);
        const auto place = PdfZoek(words, QStringLiteral("Plaats37"), 2);
        QCOMPARE(place.size(), 1);
        QVERIFY(qAbs(place[0].box.left() - (1950 + 360)) < 40);
        QVERIFY(qAbs(place[0].box.top() - (1200 + 360)) < 40);
        QCOMPARE(PdfZoek(words, QStringLiteral("\u20ac 37.50"), 2).size(), 2);
    }
};

QTEST_MAIN(TestCatalogueList)
#include "test_catalogue_list.moc"
