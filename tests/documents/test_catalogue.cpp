// The catalogue data file: look-up by key, the two totals and their messages,
// and what damaged or missing files give.

#include "app/text_file.h"
#include "common/test_folder.h"
#include "documents/catalogue.h"

#include <QtTest>

namespace {

QStringList record(const QString& key, const QString& number, const QString& nominal, const QString& price)
{
    return {key, number, QStringLiteral("3101"), QStringLiteral("Studio Ten Berge"), QStringLiteral("12-03-2005"),
            QStringLiteral("450.000"), nominal, QStringLiteral("13½ : 14"), QStringLiteral("144 x 75 mm"), price,
            QStringLiteral("------")};
}

void writeCatalogue(const TestFolder& folder, const QStringList& lines)
{
    QVERIFY(folder.write(QStringLiteral("Data/Informatie.cat"), QByteArray()));
    QVERIFY(TextFile::writeLines(folder.path(QStringLiteral("Data/Informatie.cat")), lines));
}

const QLocale Dutch(QLocale::Dutch, QLocale::Netherlands);

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void recordFillsThePanelInOrder()
    {
        TestFolder folder;
        writeCatalogue(folder, record("2005-Alkmaar", "7", "5 x € 0.39", "€ 3.50"));
        const CatalogusInfo info = LeesInformatie(folder.folder(), QStringLiteral("2005-Alkmaar"));
        const std::array<QString, 9> expected{"3101", "Studio Ten Berge", "12-03-2005", "450.000", "5 x € 0,39",
                                              "13½ : 14", "144 x 75 mm", "€ 3,50", "7"};
        QCOMPARE(info.Infolab, expected);
    }

    void lastOfTwoEqualKeysWins()
    {
        TestFolder folder;
        writeCatalogue(folder, record("2005-Alkmaar", "1", "5 x € 0.39", "€ 1.00")
                                   + record("2006-Delft", "2", "5 x € 0.39", "€ 2.00")
                                   + record("2005-Alkmaar", "3", "5 x € 0.44", "€ 9.99"));
        const CatalogusInfo info = LeesInformatie(folder.folder(), QStringLiteral("2005-Alkmaar"));
        QCOMPARE(info.Infolab[8], QStringLiteral("3"));
        QCOMPARE(info.Infolab[7], QStringLiteral("€ 9,99"));
    }

    void keyMustMatchExactly()
    {
        TestFolder folder;
        writeCatalogue(folder, record("2005-Alkmaar", "1", "5 x € 0.39", "€ 1.00"));
        for (const char* key : {"2005-alkmaar", "2005-Alkmaar ", "2005-Alk", ""}) {
            const CatalogusInfo info = LeesInformatie(folder.folder(), QString::fromUtf8(key));
            QCOMPARE(info.Infolab, CatalogusInfo{}.Infolab);
        }
    }

    void euroSignReadFromWindows1252()
    {
        TestFolder folder;
        QVERIFY(folder.write(QStringLiteral("Data/Informatie.cat"),
                             "2005-Alkmaar\r\n1\r\n2\r\n3\r\n4\r\n5\r\n5 x \x80 0.39\r\n6\r\n7\r\n\x80 12.50\r\n--\r\n"));
        const CatalogusInfo info = LeesInformatie(folder.folder(), QStringLiteral("2005-Alkmaar"));
        QCOMPARE(info.Infolab[4], QStringLiteral("5 x € 0,39"));
        QCOMPARE(info.Infolab[7], QStringLiteral("€ 12,50"));
    }

    void recordCutShortFillsWhatItHas()
    {
        TestFolder folder;
        writeCatalogue(folder, {"2005-Alkmaar", "4", "3101"});
        const CatalogusInfo info = LeesInformatie(folder.folder(), QStringLiteral("2005-Alkmaar"));
        QCOMPARE(info.Infolab[8], QStringLiteral("4"));
        QCOMPARE(info.Infolab[0], QStringLiteral("3101"));
        QCOMPARE(info.Infolab[1], QStringLiteral("0"));
    }

    void priceTotalInDutch()
    {
        TestFolder folder;
        writeCatalogue(folder, record("2005-Alkmaar", "1", "5 x € 0.39", "€ 12.50")
                                   + record("2006-Delft", "2", "5 x € 0.44", "€ 12.50"));
        const CatalogusTotaal total = TotaalCatalogusprijs(folder.folder());
        QCOMPARE(total.aantal, 2);
        QCOMPARE(total.totaal, 25.0);
        QCOMPARE(CatalogusprijsTekst(total, Dutch), QStringLiteral("Catalogusprijs voor deze \n2 velletjes.... € 25,00"));
        QCOMPARE(CatalogusprijsTekst(total, QLocale::c()),
                 QStringLiteral("Catalogusprijs voor deze \n2 velletjes.... € 25.00"));
    }

    void priceWithBlanksAndTrailingText()
    {
        TestFolder folder;
        writeCatalogue(folder, record("a", "1", "x", "€  1 2.5 euro") + record("b", "2", "x", "€ geen")
                                   + record("c", "3", "x", "12.75") + record("d", "4", "x", "€ 1e308")
                                   + record("e", "5", "x", "€ 1e308") + record("f", "6", "x", "€ 999999999")
                                   + record("g", "7", "x", "€ 1000000000"));
        const CatalogusTotaal total = TotaalCatalogusprijs(folder.folder());
        // "12.75" loses "12" with the two characters of the currency sign and blank; a billion or more is
        // damage, not a price, and counts as nothing, so the total stays an amount.
        QCOMPARE(total.aantal, 7);
        QCOMPARE(total.totaal, 12.5 + 0.0 + 0.75 + 999999999);
    }

    void nominalTakesTheLastFourCharacters()
    {
        TestFolder folder;
        writeCatalogue(folder, {"5 x € 0.44", "5 x 1234560.44", "niets", "x 5 x 0.44", "5 x 1", "5 x", "5 x 0.4"});
        const CatalogusTotaal total = TotaalNominaal(folder.folder());
        // Seven lines, five beginning with "5 x"; the two too short give nothing, "5 x 0.4" gives " 0.4".
        QCOMPARE(total.aantal, 5);
        QCOMPARE(total.totaal, 0.44 + 0.44 + 0.4);
        QCOMPARE(NominaalTekst(total, Dutch), QStringLiteral("Nominale waarde voor de \n5 velletjes..... € 1,28"));
    }

    void emptyAndMissingFiles()
    {
        TestFolder folder;
        QCOMPARE(CatalogusprijsTekst(TotaalCatalogusprijs(folder.folder()), Dutch),
                 QStringLiteral("Catalogusprijs voor deze \n0 velletjes.... € 0,00"));
        QVERIFY(folder.write(QStringLiteral("Data/Informatie.cat"), QByteArray()));
        QCOMPARE(NominaalTekst(TotaalNominaal(folder.folder()), Dutch),
                 QStringLiteral("Nominale waarde voor de \n0 velletjes..... € 0,00"));
        QCOMPARE(LeesInformatie(folder.folder(), QStringLiteral("x")).Infolab, CatalogusInfo{}.Infolab);
    }

    void binaryDataGivesDefaultsQuickly()
    {
        TestFolder folder;
        QByteArray junk(10 * 1024 * 1024, '\0');
        for (qsizetype i = 0; i < junk.size(); ++i)
            junk[i] = char((i * 7919) % 251);
        QVERIFY(folder.write(QStringLiteral("Data/Informatie.cat"), junk));
        QCOMPARE(LeesInformatie(folder.folder(), QStringLiteral("2005-Alkmaar")).Infolab, CatalogusInfo{}.Infolab);
        TotaalCatalogusprijs(folder.folder());
        TotaalNominaal(folder.folder());
    }

    void endlessFieldIsCutToOneLabel()
    {
        TestFolder folder;
        writeCatalogue(folder, record("2005-Alkmaar", "1", "5 x € 0.39", "€ 1.00").replaceInStrings(
                                   QStringLiteral("Studio Ten Berge"), QString(1000000, QLatin1Char('o'))));
        const CatalogusInfo info = LeesInformatie(folder.folder(), QStringLiteral("2005-Alkmaar"));
        QCOMPARE(info.Infolab[1], QString(Catalogus::MaxVeldLengte, QLatin1Char('o')));
        QCOMPARE(info.Infolab[2], QStringLiteral("12-03-2005"));
    }

    void roundingOfTheFormat()
    {
        QCOMPARE(BedragTekst(0.0, Dutch), QStringLiteral("0,00"));
        QCOMPARE(BedragTekst(1234.5, Dutch), QStringLiteral("1234,50"));
        QCOMPARE(BedragTekst(2.006, Dutch), QStringLiteral("2,01"));
        QCOMPARE(BedragTekst(0.994, QLocale::c()), QStringLiteral("0.99"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
