// The catalogue file and its totals as the bytes on disk give them, what the
// open dialog lists and reads from a key, the picture export, the displayed
// lines of the description box and the rules of the field entry.

#include "app/text_file.h"
#include "common/test_folder.h"
#include "documents/catalogue.h"
#include "documents/description_lines.h"
#include "documents/field_entry.h"
#include "documents/open_list.h"
#include "documents/picture_export.h"
#include "filters/filter_pictures.h"

#include <QImageReader>
#include <QtTest>

namespace {

// A record of eleven lines as Data/Informatie.cat holds it: Windows-1252, CR LF.
QByteArray record(const QByteArray& key, const QByteArray& number, const QByteArray& price,
                  const QByteArray& nominal = "5 x \x80 0.39", const QByteArray& design = "Studio")
{
    return key + "\r\n" + number + "\r\n3101\r\n" + design + "\r\n12-03-2005\r\n450.000\r\n" + nominal +
           "\r\n13\xbd : 14\r\n144 x 75 mm\r\n" + price + "\r\n------\r\n";
}

const QString Defaults = "0|0|0|0|0|0|0|0|0";

} // namespace

class TestDocumentsCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void catalogueRecord_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("panel"); // Infolab 0 to 8
        const QByteArray alkmaar = record("2005-Alkmaar", "1", "\x80 3.50") + record("2006-Delft", "2", "x") +
                                   record("2005-Alkmaar", "3", "\x80 9.99", "5 x \x80 0.44");
        QTest::newRow("laatste van twee") << alkmaar << "2005-Alkmaar"
                                          << "3101|Studio|12-03-2005|450.000|5 x € 0,44|13½ : 14|144 x 75 mm|€ 9,99|3";
        for (const char* key : {"2005-alkmaar", "2005-Alkmaar ", "2005-Alk", ""})
            QTest::addRow("sleutel '%s'", key) << alkmaar << key << Defaults;
        QTest::newRow("afgebroken") << QByteArray("k\r\n4\r\n3101") << "k"
                                    << "3101|0|0|0|0|0|0|0|4";
        // A label holds one short line: an endless field is cut to 256 characters.
        for (const int length : {256, 257})
            QTest::addRow("ontwerp van %d", length)
                << record("k", "1", "x", "x", QByteArray(length, 'o')) << "k"
                << "3101|" + QString(256, 'o') + "|12-03-2005|450.000|x|13½ : 14|144 x 75 mm|x|1";
        // A file of the largest size is read; one byte more is no catalogue file.
        const QByteArray start = record("k", "1", "x", "x", "o");
        for (const qint64 size : {TextFile::MaximumSize, TextFile::MaximumSize + 1})
            QTest::addRow("%lld bytes", size)
                << start + QByteArray(size - start.size(), 'p') << "k"
                << (size == TextFile::MaximumSize ? "3101|o|12-03-2005|450.000|x|13½ : 14|144 x 75 mm|x|1" : Defaults);
    }

    void catalogueRecord()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, key);
        TestFolder folder;
        QVERIFY(folder.write(Catalogus::Bestand, file));
        const std::array<QString, 9> panel = LeesInformatie(folder.folder(), key).Infolab;
        QTEST(QStringList(panel.begin(), panel.end()).join('|'), "panel");
    }

    void catalogueTotals_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("totals"); // prices: count x total, nominal values: count x total
        QTest::newRow("twee records") << record("a", "1", "\x80 12.50", "5 x \x80 0.44") +
                                             record("b", "2", "\x80 12.50")
                                      << "2 x 25.00, 2 x 0.83";
        // "12.75" loses its "12" with the two characters of sign and blank; a billion or more is damage;
        // a last record cut short before its price still counts.
        QByteArray prices;
        for (const char* price : {"\x80  1 2.5 euro", "\x80 geen", "12.75", "\x80 999999999", "\x80 1000000000"})
            prices += record("a", "1", price, "x");
        QTest::newRow("prijzen") << prices + QByteArray("x\r\n").repeated(9) << "6 x 1000000012.25, 0 x 0.00";
        // Any line that begins with "5 x" counts, its amount the last four characters; too short a line gives nothing.
        QTest::newRow("nominale waarden")
            << QByteArray("5 x \x80 0.44\r\n5 x 1234560.44\r\nniets\r\nx 5 x 0.44\r\n5 x 1\r\n5 x\r\n5 x 0.4\r\n")
            << "1 x 0.00, 5 x 1.28";
    }

    void catalogueTotals()
    {
        QFETCH(QByteArray, file);
        TestFolder folder;
        QVERIFY(folder.write(Catalogus::Bestand, file));
        const auto totals = [&] {
            const auto text = [](CatalogusTotaal total) {
                return QStringLiteral("%1 x %2").arg(total.aantal).arg(total.totaal, 0, 'f', 2);
            };
            return text(TotaalCatalogusprijs(folder.folder())) + ", " + text(TotaalNominaal(folder.folder()));
        };
        QTEST(totals(), "totals");
        QVERIFY(QFile::remove(folder.path(Catalogus::Bestand)));
        QCOMPARE(totals(), "0 x 0.00, 0 x 0.00");
    }

    // Both lists are sorted without regard to case and without extensions.
    void openLists()
    {
        TestFolder folder;
        for (const char* name : {"Images/2007-Delft.jpg", "Images/2005-Alkmaar.JPG", "Images/2006-zwolle.jpg",
                                 "Images/notitie.txt", "Supplementen/Delft.sup", "Supplementen/Delft.bmp"})
            QVERIFY(folder.write(name, "x"));
        QCOMPARE(LaadVelNamen(folder.folder(), LaadVelModusVan(13)),
                 QStringList({"2005-Alkmaar", "2006-zwolle", "2007-Delft"}));
        QCOMPARE(LaadVelNamen(folder.folder(), LaadVelModusVan(14)), QStringList{"Delft"});
        QCOMPARE(LaadVelTekst(LaadVelModus::Velletjes, 3),
                 "Maak d.m.v. de lijst een keuze uit één van de 3 velletjes die u wilt openen.");
        QCOMPARE(LaadVelTekst(LaadVelModus::Supplementen, 0),
                 "Maak d.m.v. de lijst een keuze uit één van de 0 ontworpen supplementen.");
        // Year, place and the caption of the Help menu's look-up from a sheetlet key.
        const char* const keys[][2] = {{"2008-X", "2008|X|Info X.nl"},
                                       {"2008-", ""},
                                       {"2008-Verzamelblokje Noord", "2008|Verzamelblokje Noord|Info..."},
                                       {"2008-verzamelblokje", "2008|verzamelblokje|Info verzamelblokje.nl"}};
        for (const auto& [key, expected] : keys) {
            const std::optional<VelletjeSleutel> parts = SplitsSleutel(key);
            QCOMPARE(parts
                         ? QStringList({parts->Jaartal, parts->Plaatsnaam, HelpInfoTitel(parts->Plaatsnaam)}).join('|')
                         : QString(),
                     expected);
        }
    }

    // The JPEG goes through the temporary bitmap, which never stays behind; the bitmap export is tested
    // through the menu.
    void jpegExport()
    {
        TestFolder folder;
        const QString jpeg = folder.path("Images/export.jpg");
        QCOMPARE(ExporteerJpg(folder.folder(), filtertest::patternPicture(500, 260), jpeg), ExportStatus::Gelukt);
        QImageReader reader(jpeg);
        QCOMPARE(reader.format(), "jpeg");
        QCOMPARE(reader.size(), QSize(500, 260));
        QCOMPARE(ExporteerJpg(folder.folder(), filtertest::patternPicture(500, 260), folder.path("geen/map/x.jpg")),
                 ExportStatus::JpgNietGeschreven);
        QVERIFY(!QFile::exists(folder.path("mydummy.bmp")));
    }

    // A typed line break ends a displayed line and leaves nothing behind. Where the box wraps is checked
    // against the description window's own box.
    void displayedLines()
    {
        QCOMPARE(TekstBox::Lettertype().pixelSize(), 11); // Arial 8.25 points on a 96-dpi screen
        QCOMPARE(GetTextBoxZeilen(""), QStringList{""});
        QCOMPARE(GetTextBoxZeilen("a\r\n\r\nb\rc\n"), QStringList({"a", "", "b", "c", ""}));
        const QStringList wrapped = GetTextBoxZeilen(QString("woord ").repeated(60));
        QVERIFY(wrapped.size() > 3);
        QCOMPARE(wrapped.join(QString()), QString("woord ").repeated(60));
    }

    // Only modes 21 to 24 are fields (the four are entered in the window tests), and a year is four
    // characters between blanks. A text is refused only when the file could not give it back.
    void fieldEntry()
    {
        QCOMPARE(InvoerVeldVan(20), std::nullopt);
        QCOMPARE(InvoerVeldVan(25), std::nullopt);
        const std::tuple<InvoerVeld, QString, QString> entries[] = {
            {InvoerVeld::Jaartal, "20071", "Lengte jaartal is 4 tekens!"},
            {InvoerVeld::Plaatsnaam, QString(64, 'x'), ""},
            {InvoerVeld::Plaatsnaam, QString(65, 'x'), "De tekst is te lang: ten hoogste 64 tekens."},
            {InvoerVeld::CatalogusNr, QString(4096, 'x'), ""},
            {InvoerVeld::CatalogusNr, QString(4097, 'x'), "De tekst is te lang: ten hoogste 4096 tekens."},
            {InvoerVeld::PaginaNr, "ń", "Het teken ń kan niet in een supplement worden bewaard"},
        };
        for (const auto& [veld, text, expected] : entries) {
            const QString error = fieldEntryError(veld, text);
            QVERIFY2(expected.isEmpty() ? error.isEmpty() : error.startsWith(expected), qPrintable(error));
        }
    }
};

QTEST_MAIN(TestDocumentsCore)
#include "test_documents_core.moc"
