// The documents' core: the catalogue file and its totals as the bytes on disk
// give them, what the open dialog lists and reads from a key, the displayed
// lines of the description box and the rules of the field entry; the exact bytes of place.sup and what reading gives
// back or where it stops, what a save refuses before writing, the pair replaced all or nothing (also after an
// interrupted save), and the model that holds the supplement: its change signals, what it saves and opens.

#include "common/test_folder.h"
#include "documents/catalogue.h"
#include "documents/description_lines.h"
#include "documents/field_entry.h"
#include "documents/open_list.h"
#include "documents/recent_supplements.h"
#include "documents/supplement_model.h"
#include "filters/filter_pictures.h"

#include <QSignalSpy>
#include <QtTest>

using Files = QMap<QString, QByteArray>;
using Field = SupplementModel::Field;
Q_DECLARE_METATYPE(ReadStatus)
Q_DECLARE_METATYPE(WriteStatus)

namespace {

// A record of eleven lines as Data/Informatie.cat holds it: Windows-1252, CR LF.
QByteArray record(const QByteArray& key, const QByteArray& number, const QByteArray& price,
                  const QByteArray& nominal = "5 x \x80 0.39", const QByteArray& design = "Studio")
{
    return key + "\r\n" + number + "\r\n3101\r\n" + design + "\r\n12-03-2005\r\n450.000\r\n" + nominal +
           "\r\n13\xbd : 14\r\n144 x 75 mm\r\n" + price + "\r\n------\r\n";
}

const QString Defaults = "0|0|0|0|0|0|0|0|0";

const QByteArray Hyphens(48, '-');
const QByteArray Header = "Delft\r\n1\r\n2007\r\n3\r\n" + Hyphens + "\r\n";
const QStringList Fields{"Delft", "1", "2007", "3"};
const QImage Picture = filtertest::patternPicture(500, 260);

// The four fields, then the description lines.
Supplement supplement(const QStringList& fieldsAndLines, bool withPicture = false)
{
    return {fieldsAndLines.value(0), fieldsAndLines.value(1), fieldsAndLines.value(2),
            fieldsAndLines.value(3), fieldsAndLines.mid(4),   withPicture ? Picture : QImage()};
}

// Every file in Supplementen with its bytes.
Files filesOf(const TestFolder& folder)
{
    Files files;
    for (const QString& name : QDir(folder.path("Supplementen")).entryList(QDir::Files))
        files[name] = folder.read("Supplementen/" + name);
    return files;
}

} // namespace

class TestDocumentsCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The last record of a key fills the panel (the sheetlet's number last, a decimal point shown as a comma);
    // only the exact key is found; a record cut short fills what it has.
    void catalogueRecord()
    {
        TestFolder folder;
        const auto panel = [&](const QByteArray& file, const QString& key) {
            folder.write(CatalogueFile::Path, file);
            const std::array<QString, 9> labels = LeesInformatie(folder.folder(), key).Infolab;
            return QStringList(labels.begin(), labels.end()).join('|');
        };
        const QByteArray alkmaar = record("2005-Alkmaar", "1", "\x80 3.50") + record("2006-Delft", "2", "x") +
                                   record("2005-Alkmaar", "3", "\x80 9.99", "5 x \x80 0.44");
        QCOMPARE(panel(alkmaar, "2005-Alkmaar"),
                 "3101|Studio|12-03-2005|450.000|5 x € 0,44|13½ : 14|144 x 75 mm|€ 9,99|3");
        for (const char* key : {"2005-alkmaar", "2005-Alkmaar ", "2005-Alk", ""})
            QCOMPARE(panel(alkmaar, key), Defaults);
        QCOMPARE(panel("k\r\n4\r\n3101", "k"), "3101|0|0|0|0|0|0|0|4");
        // A label holds one short line: an endless field is cut to 256 characters.
        for (const int length : {256, 257})
            QCOMPARE(panel(record("k", "1", "x", "x", QByteArray(length, 'o')), "k"),
                     "3101|" + QString(256, 'o') + "|12-03-2005|450.000|x|13½ : 14|144 x 75 mm|x|1");
    }

    // Prices: count x total, face values: count x total of five stamps each. Empty lines after the last record
    // are no record.
    void catalogueTotals()
    {
        TestFolder folder;
        const auto totals = [&](const QByteArray& file) { // null: no file
            if (!file.isNull())
                folder.write(CatalogueFile::Path, file);
            const auto text = [](CatalogueTotal total) {
                return QStringLiteral("%1 x %2").arg(total.count).arg(total.total, 0, 'f', 2);
            };
            return text(TotaalCatalogusprijs(folder.folder())) + ", " + text(TotaalNominaal(folder.folder()));
        };
        QCOMPARE(totals({}), "0 x 0.00, 0 x 0.00");
        QCOMPARE(totals(record("a", "1", "\x80 12.50", "5 x \x80 0.44") + record("b", "2", "\x80 12.50") + "\r\n \r\n"),
                 "2 x 25.00, 2 x 4.15");
        // "12.75" loses its "12" with the two characters of sign and blank; a billion or more is damage;
        // a last record cut short before its price still counts.
        QByteArray prices;
        for (const char* price : {"\x80  1 2.5 euro", "\x80 geen", "12.75", "\x80 999999999", "\x80 1000000000"})
            prices += record("a", "1", price, "x");
        QCOMPARE(totals(prices + QByteArray("x\r\n").repeated(9)), "6 x 1000000012.25, 0 x 0.00");
        // Any line that begins with "5 x" counts, its amount the last four characters; too short a line gives nothing.
        QCOMPARE(totals("5 x \x80 0.44\r\n5 x 1234560.44\r\nniets\r\nx 5 x 0.44\r\n5 x 1\r\n5 x\r\n5 x 0.4\r\n"),
                 "1 x 0.00, 5 x 6.40");
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
        // Year, place and the caption of the Help menu's look-up from a sheetlet key.
        const char* const keys[][2] = {{"2008-X", "2008|X|Info X.nl"},
                                       {"2008-", ""},
                                       {"2008-Verzamelblokje Noord", "2008|Verzamelblokje Noord|Info..."},
                                       {"2008-verzamelblokje", "2008|verzamelblokje|Info verzamelblokje.nl"}};
        for (const auto& [key, expected] : keys) {
            const std::optional<SheetletKey> parts = splitKey(key);
            QCOMPARE(
                parts ? QStringList({parts->Jaartal, parts->Plaatsnaam, helpInfoCaption(parts->Plaatsnaam)}).join('|')
                      : QString(),
                expected);
        }
    }

    // A typed line break ends a displayed line and leaves nothing behind. Where the box wraps is checked
    // against the description window's own box.
    void displayedLines()
    {
        QCOMPARE(GetTextBoxZeilen(""), QStringList{""});
        QCOMPARE(GetTextBoxZeilen("a\r\n\r\nb\rc\n"), QStringList({"a", "", "b", "c", ""}));
        const QStringList wrapped = GetTextBoxZeilen(QString("woord ").repeated(60));
        QVERIFY(wrapped.size() > 3);
        QCOMPARE(wrapped.join(QString()), QString("woord ").repeated(60));
    }

    // Only modes 21 to 24 are fields (the four are entered in the window tests).
    void fieldModes()
    {
        QVERIFY(!InvoerVeldVan(20));
        QVERIFY(InvoerVeldVan(21));
        QVERIFY(InvoerVeldVan(24));
        QVERIFY(!InvoerVeldVan(25));
    }

    // A year is four characters between blanks. A text is refused only when the file could not give it back.
    void fieldEntry()
    {
        // clang-format off
        const struct { InvoerVeld field; QString text, expected; } entries[] = {
            {InvoerVeld::Jaartal, "20071", "Lengte jaartal is 4 tekens!"},
            {InvoerVeld::Jaartal, " 2007 ", ""},
            {InvoerVeld::Plaatsnaam, QString(64, 'x'), ""},
            {InvoerVeld::Plaatsnaam, QString(65, 'x'), "De tekst is te lang: ten hoogste 64 tekens."},
            {InvoerVeld::CatalogusNr, QString(4096, 'x'), ""},
            {InvoerVeld::CatalogusNr, QString(4097, 'x'), "De tekst is te lang: ten hoogste 4096 tekens."},
            {InvoerVeld::PaginaNr, "ń", "Het teken ń kan niet in een supplement worden bewaard"}};
        // clang-format on
        for (const auto& [field, text, expected] : entries) {
            const QString error = fieldEntryError(field, text);
            QVERIFY2(expected.isEmpty() ? error.isEmpty() : error.startsWith(expected), qPrintable(error));
        }
    }

    void fileAndReading_data()
    {
        const QByteArray utf8 = "\xEF\xBB\xBF"
                                "Caf\xc3\xa9\r\n1\r\n2007\r\n3\r\n-\r\n";
        const QByteArray full = utf8 + QByteArray(SupplementFile::MaxFileSize - utf8.size(), 'y');
        // The bytes (null: no file), the status, the fields and lines read, and the damaged line.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ReadStatus>("status");
        QTest::addColumn<QStringList>("read");
        QTest::addColumn<int>("damagedLine");
        // What the program writes itself it reads back whole.
        QTest::newRow("tekens van 1252") << Header + "Eerste regel \r\nCaf\xe9 \x80 \x91x\x92\r\n\r\n"
                                         << ReadStatus::Complete
                                         << Fields + QStringList{"Eerste regel ", "Café € ‘x’", ""} << 0;
        QTest::newRow("lege velden") << "Delft\r\n\r\n 2007 \r\n\r\n" + Hyphens + "\r\n"
                                     << ReadStatus::Complete << QStringList{"Delft", "", " 2007 ", ""} << 0;
        QTest::newRow("langste regel, meeste regels")
            << Header + QByteArray(4096, 'x') + "\r\n" + QByteArray("r\r\n").repeated(99) << ReadStatus::Complete
            << Fields + QStringList{QString(4096, 'x')} + QStringList(99, "r") << 0;
        // A damaged file gives what stands before the damage.
        QTest::newRow("te veel regels") << Header + QByteArray("r\r\n").repeated(101) << ReadStatus::TooManyLines
                                        << Fields + QStringList(100, "r") << 0;
        QTest::newRow("geen bestand") << QByteArray() << ReadStatus::Missing << QStringList() << 0;
        QTest::newRow("te kort") << QByteArray("Delft\r\n1\r\n2007\r\n3\r\n") << ReadStatus::TooShort << Fields << 0;
        QTest::newRow("regel te lang") << Header + "r\r\n" + QByteArray(4097, 'y') + "\r\nna\r\n"
                                       << ReadStatus::LineTooLong << Fields + QStringList{"r"} << 7;
        QTest::newRow("veld te lang") << "Delft\r\n" + QByteArray(4097, 'y') << ReadStatus::LineTooLong
                                      << QStringList{"Delft"} << 2;
        // Nothing past the first mebibyte is read: a byte there cannot turn the UTF-8 before it into
        // Windows-1252.
        QTest::newRow("na de mebibyte") << full + "\xff" << ReadStatus::LineTooLong
                                        << QStringList{"Café", "1", "2007", "3"} << 6;
        QTest::newRow("in de mebibyte") << full.chopped(1) + "\xff" << ReadStatus::LineTooLong
                                        << QStringList{"ï»¿CafÃ©", "1", "2007", "3"} << 6;
    }

    // The bytes of place.sup, and what reading gives: the fields, the description lines, where the damage is.
    void fileAndReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ReadStatus, status);
        QFETCH(QStringList, read);
        QFETCH(int, damagedLine);
        TestFolder folder;
        if (status == ReadStatus::Complete) {
            QCOMPARE(SchrijfSupplement(folder.folder(), supplement(read)).status, WriteStatus::Saved);
            QCOMPARE(folder.read("Supplementen/Delft.sup"), bytes);
        } else if (!bytes.isNull()) {
            QVERIFY(folder.write("Supplementen/Delft.sup", bytes));
        }
        const SupplementReadResult reading = LeesSupplement(folder.folder(), "Delft");
        QStringList fields;
        for (const auto& field : {reading.Plaatsnaam, reading.CatalogusNr, reading.Jaartal, reading.PaginaNr})
            fields += field ? QStringList{*field} : QStringList();
        QCOMPARE(reading.status, status);
        QCOMPARE(fields + reading.lines, read);
        QCOMPARE(reading.damagedLine, damagedLine);
        // The description starts after the line of hyphens.
        QCOMPARE(reading.linesRead, fields.size() == 4 && status != ReadStatus::TooShort);
    }

    void savingRefusesWhatCannotComeBack_data()
    {
        QTest::addColumn<QStringList>("fieldsAndLines");
        QTest::addColumn<WriteStatus>("status");
        QTest::addColumn<QStringList>("characters");
        QTest::newRow("plaatsnaam en regel")
            << QStringList{"Łódź", "", "", "", "Łeba"} << WriteStatus::UnknownCharacters << QStringList{"Ł", "ź"};
        QTest::newRow("regel") << QStringList{"Delft", "", "", "", "Gdańsk 😀"} << WriteStatus::UnknownCharacters
                               << QStringList{"ń", "😀"};
        QTest::newRow("te lang") << QStringList{"Delft", QString(4097, 'x')} << WriteStatus::TextTooLong
                                 << QStringList();
        for (const char* name : {"", "   ", ".", "..", "../Data/x", "a/b", "a\\b", "C:", "wat?", "a*", "\"a\"", "<a>",
                                 "a|b", "a\tb", "a\nb", "a\x7f"})
            QTest::addRow("ongeldig: %s", name) << QStringList{name} << WriteStatus::InvalidName << QStringList();
        for (const char* name : {"'s-Hertogenbosch", "St. Oedenrode", "Café", "a..b"})
            QTest::addRow("geldig: %s", name) << QStringList{name} << WriteStatus::Saved << QStringList();
    }

    // Nothing is written unless all of it can be: a name that is no file name, characters the file cannot
    // hold (each named once) and a line longer than the file allows are refused.
    void savingRefusesWhatCannotComeBack()
    {
        QFETCH(QStringList, fieldsAndLines);
        QFETCH(WriteStatus, status);
        QFETCH(QStringList, characters);
        TestFolder folder;
        const SaveResult result = SchrijfSupplement(folder.folder(), supplement(fieldsAndLines, true));
        const qsizetype written = filesOf(folder).size() + QDir(folder.path("Data")).entryList(QDir::Files).size();
        QCOMPARE(result.status, status);
        QCOMPARE(result.characters, characters);
        QCOMPARE(written, status == WriteStatus::Saved ? 2 : 0);
    }

    // Newest first, each once, at most five, kept for the next start; one taken out stays out.
    void recentSupplements()
    {
        TestFolder folder;
        const QString settings = folder.path("instellingen/velinor.conf");
        RecentSupplements recent(settings);
        for (const char* place : {"A", "B", "C", "D", "E", "F", "B"})
            recent.add(folder.path(QStringLiteral("%1.sup").arg(place)), place);
        QStringList places;
        const RecentSupplements reread(settings);
        for (const RecentSupplements::Entry& entry : reread.entries())
            places << entry.place;
        QCOMPARE(places, QStringList({"B", "F", "E", "D", "C"}));
        recent.remove(folder.path("E.sup"));
        QCOMPARE(RecentSupplements(settings).entries().size(), 4);
        QCOMPARE(RecentSupplements(settings).entries().value(0).path, folder.path("B.sup"));
    }

    // A supplement opened from another folder, its bitmap beside it, is saved back there and nowhere else,
    // not even when that folder is gone; one opened from the program's own folder is the program's again.
    void supplementFromElsewhere()
    {
        TestFolder folder, elsewhere;
        QCOMPARE(SchrijfSupplement(elsewhere.root(), supplement({"Delft", "1", "2007", "3"}, true)).status,
                 WriteStatus::Saved);
        SupplementModel model;
        QVERIFY(model.openSupplementFile(folder.folder(), elsewhere.path("DELFT.SUP")).isEmpty());
        QCOMPARE(model.outsideFolder(), elsewhere.root());
        QCOMPARE(model.pagePicture(), Picture);
        model.setJaartal("2008");
        QCOMPARE(model.save(folder.folder()).status, WriteStatus::Saved);
        QVERIFY(elsewhere.read("Delft.sup").startsWith("Delft\r\n1\r\n2008\r\n"));
        QVERIFY(!QFileInfo::exists(folder.path("Supplementen/Delft.sup")));
        QVERIFY(QDir(elsewhere.root()).removeRecursively());
        model.setJaartal("2009");
        QCOMPARE(model.save(folder.folder()).status, WriteStatus::FolderGone);
        QVERIFY(!QFileInfo::exists(elsewhere.root()));
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Gouda"})).status, WriteStatus::Saved);
        model.openSupplementFile(folder.folder(), folder.path("supplementen/gouda.sup"));
        QCOMPARE(model.outsideFolder(), QString());
    }

    // The bitmap holds the canvas pixel for pixel; a save without a picture removes the old one; a
    // name differing in case is the same pair; a file where the folder should be is reported.
    void pairFollowsThePlaceName()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft"}, true)).status, WriteStatus::Saved);
        QCOMPARE(QImage(folder.path("Supplementen/Delft.bmp"), "BMP").convertToFormat(QImage::Format_RGB32), Picture);
        QVERIFY(supplementExists(folder.folder(), "DELFT"));
        QVERIFY(!supplementExists(folder.folder(), "Delf"));
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"dELFT"})).status, WriteStatus::Saved);
        QCOMPARE(filesOf(folder).keys(), QStringList{"Delft.sup"});
        QCOMPARE(LeesSupplement(folder.folder(), "delft").Plaatsnaam, "dELFT");
        QVERIFY(QDir(folder.path("Supplementen")).removeRecursively());
        QVERIFY(folder.write("Supplementen", "een bestand"));
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft"})).status, WriteStatus::FolderNotMade);
    }

    // Moving the new bitmap into place fails once the new text has taken its place: the save says so,
    // and the old pair is back as it was, with nothing beside it.
    void failedMoveKeepsTheOldPair()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft", "1"}, true)).status, WriteStatus::Saved);
        const Files old = filesOf(folder);
        bool newTextWasInPlace = false;
        const auto vanish = [&] {
            newTextWasInPlace = folder.read("Supplementen/Delft.sup").startsWith("Delft\r\n2\r\n");
            for (const QString& waiting : QDir(folder.path("Supplementen")).entryList({"Delft.bmp?*"}))
                QVERIFY(QFile::remove(folder.path("Supplementen/" + waiting)));
        };
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft", "2"}, true), vanish).status,
                 WriteStatus::PictureNotWritten);
        QVERIFY(newTextWasInPlace);
        QCOMPARE(filesOf(folder), old);
    }

    void interruptedSave_data()
    {
        QTest::addColumn<Files>("before");
        QTest::addColumn<bool>("byListing");
        QTest::addColumn<Files>("after");
        const QString S = "Delft.sup", B = "Delft.bmp", New = ".nieuw", Marker = S + ".klaar";
        const QByteArray picture = "afbeelding\r\n";
        QTest::newRow("vastgelegd, bij het opsommen")
            << Files{{S, "oud"}, {B, "oud"}, {S + New, "nieuw"}, {B + New, "nieuw"}, {Marker, picture}} << true
            << Files{{S, "nieuw"}, {B, "nieuw"}};
        QTest::newRow("vastgelegd zonder plaatje")
            << Files{{S, "oud"}, {B, "oud"}, {S + New, "nieuw"}, {Marker, "geen afbeelding\r\n"}} << false
            << Files{{S, "nieuw"}};
        QTest::newRow("niet vastgelegd") << Files{{S, "oud"}, {B, "oud"}, {S + New, "nieuw"}, {B + New, "nieuw"}}
                                         << false << Files{{S, "oud"}, {B, "oud"}};
        // Listing also clears writes a crash cut short, with or without a marker.
        QTest::newRow("niet vastgelegd, halverwege geschreven, bij het opsommen")
            << Files{{S, "oud"}, {B, "oud"}, {S + New, "nieuw"}, {B + New + ".Ab12cd", "nie"}} << true
            << Files{{S, "oud"}, {B, "oud"}};
        QTest::newRow("vastgelegd, halverwege geschreven marker, bij het opsommen")
            << Files{{S, "oud"}, {S + New + ".x9Y8z7", "nieu"}, {Marker + ".Qw3er4", "afb"}} << true
            << Files{{S, "oud"}};
        // Files under a name the program never gives a supplement are not its saves: they stay as they are.
        const Files foreign{{S, "oud"}, {"a*b.sup.nieuw", "nieuw"}, {"a*b.sup.klaar", picture}};
        QTest::newRow("geen supplementnaam") << foreign << true << foreign;
        // A folder in the bitmap's place: the marker stays for a later read to finish the save.
        QTest::newRow("plaats van het plaatje bezet")
            << Files{{S, "oud"}, {B + "/blokkade", ""}, {S + New, "nieuw"}, {B + New, "nieuw"}, {Marker, picture}}
            << false << Files{{S, "nieuw"}, {B + New, "nieuw"}, {Marker, picture}};
    }

    // Reading a supplement, or listing them, first finishes a save interrupted after its marker was
    // written and throws away one interrupted before.
    void interruptedSave()
    {
        QFETCH(Files, before);
        QFETCH(bool, byListing);
        TestFolder folder;
        for (auto file = before.cbegin(); file != before.cend(); ++file)
            QVERIFY(folder.write("Supplementen/" + file.key(), file.value()));
        const auto read = [&] {
            if (byListing)
                QCOMPARE(LaadVelNamen(folder.folder(), LaadVelModus::Supplementen), QStringList{"Delft"});
            else
                LeesSupplement(folder.folder(), "Delft");
        };
        read();
        QTEST(filesOf(folder), "after");
        if (QFileInfo(folder.path("Supplementen/Delft.bmp")).isDir()) {
            QVERIFY(QDir(folder.path("Supplementen/Delft.bmp")).removeRecursively());
            read();
            QCOMPARE(filesOf(folder), (Files{{"Delft.sup", "nieuw"}, {"Delft.bmp", "nieuw"}}));
        }
    }

    // Each field of the model signals once with its name and marks the design unsaved; the same value
    // again changes nothing.
    void modelSignalsEachChange()
    {
        for (const Field field :
             {Field::Plaatsnaam, Field::CatalogusNr, Field::Jaartal, Field::PaginaNr, Field::Omschrijving}) {
            SupplementModel model;
            QSignalSpy changed(&model, &SupplementModel::changed), modified(&model, &SupplementModel::modifiedChanged);
            for (int twice = 0; twice < 2; ++twice) {
                if (field == Field::Omschrijving)
                    model.setOmschrijving(model.Omschrijving(), {"een regel"}); // the same text, other lines
                else
                    model.setField(field, "2308");
            }
            QCOMPARE(changed, QList<QVariantList>{{QVariant::fromValue(field)}});
            QCOMPARE(modified, QList<QVariantList>{{true}});
        }
    }

    // Opened, saved or new, the design counts as unchanged until the page picture or the canvas changes;
    // undoing the canvas back to where it was saved makes it unchanged again. A sheetlet opens onto the
    // canvas, not onto the page. A save that fails leaves the design unsaved; one that only could not
    // remove the old bitmap has saved it.
    void modelModifiedSinceSavedOrOpened()
    {
        TestFolder folder(true);
        SupplementModel model;
        model.openSheetlet(folder.folder(), "2007-Delft");
        QVERIFY(model.snapshot().picture.isNull());
        QSignalSpy modified(&model, &SupplementModel::modifiedChanged);
        model.transferPicture();
        QCOMPARE(model.snapshot().picture, model.canvas().image());
        QCOMPARE(model.save(folder.folder()).status, WriteStatus::Saved);
        model.canvas().change("Rood", [](QImage& image) { image.fill(Qt::red); });
        model.canvas().undo();
        QCOMPARE(modified, (QList<QVariantList>{{true}, {false}, {true}, {false}}));
        model.startNew();
        QVERIFY(!model.isModified());
        QVERIFY(model.snapshot().picture.isNull());
        model.setPlaatsnaam("a/b");
        QCOMPARE(model.save(folder.folder()).status, WriteStatus::InvalidName);
        QVERIFY(model.isModified());
        QVERIFY(QDir().mkpath(folder.path("Supplementen/Leeg.bmp/blokkade")));
        model.setPlaatsnaam("Leeg");
        QCOMPARE(model.save(folder.folder()).status, WriteStatus::PictureNotRemoved);
        QVERIFY(!model.isModified());
    }

    // Opening a saved supplement gives back the box text, the page picture and canvas, and the catalogue
    // record of its sheetlet (the fields and lines are checked on the everyday path). An old file's
    // placeholder number reads as none; a damaged bitmap opens as no picture and a damaged text names its line.
    void modelSavesAndOpens()
    {
        TestFolder folder(true);
        const QString text = "Delft ligt aan de Schie.\n\nTweede alinea.";
        SupplementModel model;
        model.setPlaatsnaam("Delft");
        model.setJaartal("2007");
        model.setOmschrijving(text, GetTextBoxZeilen(text));
        model.canvas().reset(Picture);
        model.transferPicture();
        QCOMPARE(model.save(folder.folder()).status, WriteStatus::Saved);
        SupplementModel opened;
        QVERIFY(opened.openSupplement(folder.folder(), "delft").isEmpty());
        QCOMPARE(QStringList({opened.Plaatsnaam(), opened.Omschrijving(), opened.catalogueKey()}),
                 QStringList({"Delft", text, "2007-Delft"}));
        QVERIFY(opened.AfbeeldingOvergezet());
        QCOMPARE(opened.pagePicture(), Picture);
        QCOMPARE(opened.canvas().image(), Picture);

        QVERIFY(folder.write("Supplementen/Delft.sup", "Delft\r\nNr.\r\n1999\r\n7\r\n-\r\n" + QByteArray(5000, 'y')));
        QVERIFY(folder.write("Supplementen/Delft.bmp", "BM kapot"));
        const QStringList messages = opened.openSupplement(folder.folder(), "Delft");
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].startsWith("Regel 6 van 'Delft.sup' is langer dan 4096 tekens"));
        QCOMPARE(QStringList({opened.CatalogusNr(), opened.Omschrijving(), opened.catalogueKey()}), QStringList(3));
        QVERIFY(!opened.AfbeeldingOvergezet());
        QVERIFY(folder.write("Supplementen/Delft.sup", "Delft\n\n\n\n-\n" + QByteArray("r\n").repeated(101)));
        QVERIFY(opened.openSupplement(folder.folder(), "Delft").value(0).contains("alleen die 100"));
    }
};

QTEST_MAIN(TestDocumentsCore)
#include "test_documents_core.moc"
