// The supplement pair: the exact text file, save and read round trips, the
// reading failures, the all-or-nothing replacement and refused names.

#include "common/test_folder.h"
#include "documents/supplement_file.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <functional>

namespace {

QImage pattern()
{
    QImage image(500, 260, QImage::Format_RGB32);
    for (int y = 0; y < 260; ++y)
        for (int x = 0; x < 500; ++x)
            image.setPixel(x, y, qRgb(x % 256, y, (x * y) % 256));
    return image;
}

Supplement sample(const QString& name)
{
    return {name, QStringLiteral("1234"), QStringLiteral("2007"), QStringLiteral("12"),
            {QStringLiteral("Eerste regel "), QStringLiteral("Café € tweede"), QString()}, pattern()};
}

const QByteArray Hyphens(48, '-');

} // namespace

class TestSupplementFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void textFileLayout()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("Delft")).status, SchrijfStatus::Gelukt);
        QCOMPARE(folder.read("Supplementen/Delft.sup"),
                 "Delft\r\n1234\r\n2007\r\n12\r\n" + Hyphens + "\r\nEerste regel \r\nCaf\xe9 \x80 tweede\r\n\r\n");
        const QImage bitmap(folder.path("Supplementen/Delft.bmp"), "BMP");
        QCOMPARE(bitmap.size(), QSize(500, 260));
        QCOMPARE(bitmap.convertToFormat(QImage::Format_RGB32), pattern());
    }

    void noDescriptionLinesGivesFiveLines()
    {
        TestFolder folder;
        Supplement supplement = sample("Delft");
        supplement.regels.clear();
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement).status, SchrijfStatus::Gelukt);
        QCOMPARE(folder.read("Supplementen/Delft.sup").count("\r\n"), 5);
    }

    void savingWithoutPictureRemovesTheOldBitmap()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("Delft")).status, SchrijfStatus::Gelukt);
        Supplement noPicture = sample("Delft");
        noPicture.afbeelding = QImage();
        QCOMPARE(SchrijfSupplement(folder.folder(), noPicture).status, SchrijfStatus::Gelukt);
        QVERIFY(!QFile::exists(folder.path("Supplementen/Delft.bmp")));
        QVERIFY(QFile::exists(folder.path("Supplementen/Delft.sup")));
    }

    void nameDifferingInCaseIsTheSameSupplement()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("Delft")).status, SchrijfStatus::Gelukt);
        QVERIFY(SupplementBestaat(folder.folder(), QStringLiteral("DELFT")));
        QVERIFY(!SupplementBestaat(folder.folder(), QStringLiteral("Delf")));
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("dELFT")).status, SchrijfStatus::Gelukt);
        QCOMPARE(QDir(folder.path("Supplementen")).entryList(QDir::Files).size(), 2);
        QVERIFY(folder.read("Supplementen/Delft.sup").startsWith("dELFT\r\n"));
        QCOMPARE(LeesSupplement(folder.folder(), QStringLiteral("delft")).Plaatsnaam, QStringLiteral("dELFT"));
    }

    void failureBetweenTheTwoFilesKeepsTheOldText()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("Delft")).status, SchrijfStatus::Gelukt);
        const QByteArray oldText = folder.read("Supplementen/Delft.sup");
        Supplement changed = sample("Delft");
        changed.CatalogusNr = QStringLiteral("9999");
        // Once the new text is in place, a folder takes the bitmap's place: its replacement fails.
        bool newTextWasInPlace = false;
        const auto blockBitmap = [&] {
            newTextWasInPlace = folder.read("Supplementen/Delft.sup").contains("9999");
            QFile::remove(folder.path("Supplementen/Delft.bmp"));
            QDir().mkpath(folder.path("Supplementen/Delft.bmp/blokkade"));
        };
        QCOMPARE(SchrijfSupplement(folder.folder(), changed, blockBitmap).status, SchrijfStatus::AfbeeldingNietGeschreven);
        QVERIFY(newTextWasInPlace);
        QCOMPARE(folder.read("Supplementen/Delft.sup"), oldText);

        // Without an old text file the new one does not stay behind either.
        const auto blockLeiden = [&] { QDir().mkpath(folder.path("Supplementen/Leiden.bmp/blokkade")); };
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("Leiden"), blockLeiden).status,
                 SchrijfStatus::AfbeeldingNietGeschreven);
        QVERIFY(!QFile::exists(folder.path("Supplementen/Leiden.sup")));
    }

    void invalidNamesWriteNothing()
    {
        TestFolder folder;
        for (const QString& name : {QString(), QStringLiteral("   "), QStringLiteral("."), QStringLiteral(".."),
                                    QStringLiteral("../Data/x"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
                                    QStringLiteral("C:"), QStringLiteral("wat?"), QStringLiteral("a*"),
                                    QStringLiteral("\"a\""), QStringLiteral("<a>"), QStringLiteral("a|b"),
                                    QStringLiteral("a\tb"), QStringLiteral("a\nb")}) {
            QVERIFY2(!IsGeldigeSupplementNaam(name), qPrintable(name));
            QCOMPARE(SchrijfSupplement(folder.folder(), sample(name)).status, SchrijfStatus::OngeldigeNaam);
        }
        QVERIFY(QDir(folder.path("Supplementen")).entryList(QDir::Files).isEmpty());
        QVERIFY(QDir(folder.path("Data")).entryList(QDir::Files).isEmpty());
        for (const char* name : {"'s-Hertogenbosch", "St. Oedenrode", "Café", "a..b"})
            QVERIFY(IsGeldigeSupplementNaam(QString::fromUtf8(name)));
        QVERIFY(SchrijfMelding({SchrijfStatus::OngeldigeNaam}, "a/b").contains(QStringLiteral("'a/b'")));
    }

    void missingFolderIsCreated()
    {
        TestFolder folder;
        QVERIFY(QDir(folder.path("Supplementen")).removeRecursively());
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("Delft")).status, SchrijfStatus::Gelukt);
        QVERIFY(QFile::exists(folder.path("Supplementen/Delft.sup")));
    }

    void folderThatCannotBeMadeIsReported()
    {
        TestFolder folder;
        QVERIFY(QDir(folder.path("Supplementen")).removeRecursively());
        QVERIFY(folder.write("Supplementen", "een bestand, geen map"));
        QCOMPARE(SchrijfSupplement(folder.folder(), sample("Delft")).status, SchrijfStatus::MapNietAangemaakt);
        QVERIFY(!SchrijfMelding({SchrijfStatus::MapNietAangemaakt}, "Delft").isEmpty());
    }

    void moreThanHundredLinesReadsTheFirstHundred()
    {
        TestFolder folder;
        QByteArray text = "Delft\r\n1\r\n2007\r\n3\r\n" + Hyphens + "\r\n";
        for (int i = 0; i < 105; ++i)
            text += "regel " + QByteArray::number(i) + "\r\n";
        QVERIFY(folder.write("Supplementen/Delft.sup", text));
        const GelezenSupplement read = LeesSupplement(folder.folder(), QStringLiteral("Delft"));
        QCOMPARE(read.status, LeesStatus::TeveelRegels);
        QCOMPARE(read.regels.size(), 100);
        QCOMPARE(read.regels.last(), QStringLiteral("regel 99"));
        QCOMPARE(read.PaginaNr, QStringLiteral("3"));
    }

    void shortAndMissingFilesKeepTheOtherFields()
    {
        TestFolder folder;
        QVERIFY(folder.write("Supplementen/Kort.sup", "Kort\r\n77"));
        const GelezenSupplement read = LeesSupplement(folder.folder(), QStringLiteral("Kort"));
        QCOMPARE(read.status, LeesStatus::TeKort);
        QCOMPARE(read.Plaatsnaam, QStringLiteral("Kort"));
        QCOMPARE(read.CatalogusNr, QStringLiteral("77"));
        QVERIFY(!read.Jaartal);
        QVERIFY(!read.regelsGelezen);

        QCOMPARE(LeesSupplement(folder.folder(), QStringLiteral("Nergens")).status, LeesStatus::Ontbreekt);
        QCOMPARE(LeesSupplement(folder.folder(), QStringLiteral("../Data/x")).status, LeesStatus::Ontbreekt);
    }

    // What the file could not give back unchanged is refused whole, before anything is written.
    void whatTheFileCannotHoldIsNotWritten()
    {
        TestFolder folder;
        const QString longest(SupplementBestand::MaxRegelLengte, QLatin1Char('x'));
        const struct
        {
            std::function<void(Supplement&)> change;
            SchrijfStatus status;
            QStringList characters;
        } cases[] = {
            {[](Supplement& s) { s.Plaatsnaam = QStringLiteral("Łódź"); }, SchrijfStatus::OnbekendeTekens, {"Ł", "ź"}},
            {[](Supplement& s) { s.regels << QStringLiteral("Gdańsk 😀"); }, SchrijfStatus::OnbekendeTekens, {"ń", "😀"}},
            {[&](Supplement& s) { s.CatalogusNr = longest + QLatin1Char('x'); }, SchrijfStatus::TeLangeTekst, {}},
            {[&](Supplement& s) { s.regels << longest; }, SchrijfStatus::Gelukt, {}},
            {[](Supplement& s) { s.Plaatsnaam = QStringLiteral("Café ‘€’"); }, SchrijfStatus::Gelukt, {}},
        };
        for (const auto& c : cases) {
            Supplement supplement = sample("Delft");
            c.change(supplement);
            const SaveResult result = SchrijfSupplement(folder.folder(), supplement);
            QCOMPARE(result.status, c.status);
            QCOMPARE(result.characters, c.characters);
            const QStringList written = QDir(folder.path("Supplementen")).entryList(QDir::Files);
            QCOMPARE(written.isEmpty(), c.status != SchrijfStatus::Gelukt);
            for (const QString& file : written)
                QVERIFY(QFile::remove(folder.path("Supplementen/" + file)));
        }
        QVERIFY(SchrijfMelding({SchrijfStatus::OnbekendeTekens, {}, {"Ł", "ź"}}, "Łódź")
                    .startsWith(QStringLiteral("De tekens Ł ź kunnen niet in een supplement worden bewaard")));
    }

    void binaryFileWithoutLineEnds()
    {
        TestFolder folder;
        QByteArray junk(10 * 1024 * 1024, '\x01');
        junk[5] = '\0';
        QVERIFY(folder.write("Supplementen/Rommel.sup", junk));
        const GelezenSupplement read = LeesSupplement(folder.folder(), QStringLiteral("Rommel"));
        QCOMPARE(read.status, LeesStatus::TeLangeRegel);
        QCOMPARE(read.damagedLine, 1);
        QVERIFY(!read.Plaatsnaam.has_value());
    }

    void endlessLineEndsTheReading()
    {
        TestFolder folder;
        QVERIFY(folder.write("Supplementen/Lang.sup", "Lang\r\n1\r\n2007\r\n2\r\n---\r\nregel\r\n"
                                                      + QByteArray(SupplementBestand::MaxRegelLengte + 1, 'y')
                                                      + "\r\nna\r\n"));
        const GelezenSupplement read = LeesSupplement(folder.folder(), QStringLiteral("Lang"));
        QCOMPARE(read.status, LeesStatus::TeLangeRegel);
        QCOMPARE(read.regels, QStringList{QStringLiteral("regel")});
        QCOMPARE(read.damagedLine, 7);
        QVERIFY(supplementReadMessage(read, "Lang").startsWith(QStringLiteral("Regel 7 van 'Lang.sup' is langer dan 4096")));
        QCOMPARE(read.PaginaNr, QStringLiteral("2"));
    }
};

QTEST_GUILESS_MAIN(TestSupplementFile)
#include "test_supplement_file.moc"
