// The supplement: the exact bytes of place.sup and what reading gives back or
// where it stops, what a save refuses before writing, the pair replaced all
// or nothing (also after an interrupted save), and the model that holds the
// supplement: its change signals, what it saves and opens, and its canvas.

#include "common/test_folder.h"
#include "documents/description_lines.h"
#include "documents/open_list.h"
#include "documents/supplement_model.h"
#include "filters/filter_pictures.h"

#include <QSignalSpy>
#include <QtTest>

using Files = QMap<QString, QByteArray>;
using Field = SupplementModel::Field;
Q_DECLARE_METATYPE(LeesStatus)
Q_DECLARE_METATYPE(SchrijfStatus)

namespace {

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

class TestSupplement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileAndReading_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: missing
        QTest::addColumn<LeesStatus>("status");
        QTest::addColumn<QStringList>("read"); // the fields read, then the description lines
        QTest::addColumn<int>("damagedLine");
        const auto row = [](const char* name, const QByteArray& bytes, LeesStatus status, const QStringList& read,
                            int damagedLine = 0) { QTest::newRow(name) << bytes << status << read << damagedLine; };
        // What the program writes itself it reads back whole.
        row("velden en regels", Header + "Eerste regel \r\nCaf\xe9 \x80 \x91x\x92\r\n\r\n", LeesStatus::Gelukt,
            Fields + QStringList{"Eerste regel ", "Café € ‘x’", ""});
        row("geen regels, lege velden", "Delft\r\n\r\n 2007 \r\n\r\n" + Hyphens + "\r\n", LeesStatus::Gelukt,
            {"Delft", "", " 2007 ", ""});
        row("regel van 4096 tekens", Header + QByteArray(4096, 'x') + "\r\n", LeesStatus::Gelukt,
            QStringList(Fields) << QString(4096, 'x'));
        row("100 regels", Header + QByteArray("regel\r\n").repeated(100), LeesStatus::Gelukt,
            Fields + QStringList(100, "regel"));
        // A damaged file gives what stands before the damage.
        row("101 regels", Header + QByteArray("regel\r\n").repeated(101), LeesStatus::TeveelRegels,
            Fields + QStringList(100, "regel"));
        row("ontbreekt", QByteArray(), LeesStatus::Ontbreekt, {});
        row("regel 7 te lang", Header + "regel\r\n" + QByteArray(4097, 'y') + "\r\nna\r\n", LeesStatus::TeLangeRegel,
            QStringList(Fields) << "regel", 7);
        row("regel 2 te lang", "Delft\r\n" + QByteArray(4097, 'y'), LeesStatus::TeLangeRegel, {"Delft"}, 2);
        // Nothing past the first mebibyte is read: a byte there cannot turn the UTF-8 before it into Windows-1252.
        const QByteArray utf8 = "Caf\xc3\xa9\r\n1\r\n2007\r\n3\r\n-\r\n";
        const qint64 limit = SupplementBestand::MaxFileSize;
        row("\\xff net na de grens", utf8 + QByteArray(limit - utf8.size(), 'y') + "\xff", LeesStatus::TeLangeRegel,
            {"Café", "1", "2007", "3"}, 6);
        row("\\xff op de grens", utf8 + QByteArray(limit - 1 - utf8.size(), 'y') + "\xff", LeesStatus::TeLangeRegel,
            {"CafÃ©", "1", "2007", "3"}, 6);
    }

    void fileAndReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(LeesStatus, status);
        QFETCH(QStringList, read);
        TestFolder folder;
        if (status == LeesStatus::Gelukt) {
            QCOMPARE(SchrijfSupplement(folder.folder(), supplement(read)).status, SchrijfStatus::Gelukt);
            QCOMPARE(folder.read("Supplementen/Delft.sup"), bytes);
        } else if (!bytes.isNull()) {
            QVERIFY(folder.write("Supplementen/Delft.sup", bytes));
        }
        const GelezenSupplement gelezen = LeesSupplement(folder.folder(), "Delft");
        QStringList fields;
        for (const auto& field : {gelezen.Plaatsnaam, gelezen.CatalogusNr, gelezen.Jaartal, gelezen.PaginaNr})
            fields += field ? QStringList{*field} : QStringList();
        QCOMPARE(gelezen.status, status);
        QCOMPARE(fields + gelezen.regels, read);
        QTEST(gelezen.damagedLine, "damagedLine");
        // In these files the description starts exactly when all four fields were read.
        QCOMPARE(gelezen.regelsGelezen, fields.size() == 4);
    }

    void savingRefusesWhatCannotComeBack_data()
    {
        QTest::addColumn<QStringList>("fieldsAndLines");
        QTest::addColumn<SchrijfStatus>("status");
        QTest::addColumn<QStringList>("characters");
        for (const char* name : {"", "   ", ".", "..", "../Data/x", "a/b", "a\\b", "C:", "wat?", "a*", "\"a\"", "<a>",
                                 "a|b", "a\tb", "a\nb", "a\x7f"})
            QTest::addRow("naam '%s'", name) << QStringList{name} << SchrijfStatus::OngeldigeNaam << QStringList();
        for (const char* name : {"'s-Hertogenbosch", "St. Oedenrode", "Café", "a..b"})
            QTest::addRow("naam '%s'", name) << QStringList{name} << SchrijfStatus::Gelukt << QStringList();
        QTest::newRow("Ł en ź, eenmaal") << QStringList{"Łódź", "", "", "", "Łeba"} << SchrijfStatus::OnbekendeTekens
                                         << QStringList{"Ł", "ź"};
        QTest::newRow("ń en 😀") << QStringList{"Delft", "", "", "", "Gdańsk 😀"} << SchrijfStatus::OnbekendeTekens
                                << QStringList{"ń", "😀"};
        QTest::newRow("4097 tekens") << QStringList{"Delft", QString(4097, 'x')} << SchrijfStatus::TeLangeTekst
                                     << QStringList();
    }

    // Nothing is written unless all of it can be.
    void savingRefusesWhatCannotComeBack()
    {
        QFETCH(QStringList, fieldsAndLines);
        QFETCH(SchrijfStatus, status);
        TestFolder folder;
        const SaveResult result = SchrijfSupplement(folder.folder(), supplement(fieldsAndLines, true));
        QCOMPARE(result.status, status);
        QTEST(result.characters, "characters");
        QCOMPARE(filesOf(folder).size(), status == SchrijfStatus::Gelukt ? 2 : 0);
        QVERIFY(QDir(folder.path("Data")).isEmpty());
    }

    // The bitmap holds the canvas pixel for pixel; a save without a picture removes the old one; a
    // name differing in case is the same pair; a file where the folder should be is reported.
    void pairFollowsThePlaceName()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft"}, true)).status, SchrijfStatus::Gelukt);
        QCOMPARE(QImage(folder.path("Supplementen/Delft.bmp"), "BMP").convertToFormat(QImage::Format_RGB32), Picture);
        QVERIFY(SupplementBestaat(folder.folder(), "DELFT"));
        QVERIFY(!SupplementBestaat(folder.folder(), "Delf"));
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"dELFT"})).status, SchrijfStatus::Gelukt);
        QCOMPARE(filesOf(folder).keys(), QStringList{"Delft.sup"});
        QCOMPARE(LeesSupplement(folder.folder(), "delft").Plaatsnaam, "dELFT");
        QVERIFY(QDir(folder.path("Supplementen")).removeRecursively() && folder.write("Supplementen", "een bestand"));
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft"})).status, SchrijfStatus::MapNietAangemaakt);
    }

    // Moving the new bitmap into place fails once the new text has taken its place: the save says so,
    // and the old pair is back as it was, with nothing beside it.
    void failedMoveKeepsTheOldPair()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft", "1"}, true)).status, SchrijfStatus::Gelukt);
        const Files old = filesOf(folder);
        bool newTextWasInPlace = false;
        const auto vanish = [&] {
            newTextWasInPlace = folder.read("Supplementen/Delft.sup").startsWith("Delft\r\n2\r\n");
            for (const QString& waiting : QDir(folder.path("Supplementen")).entryList({"Delft.bmp?*"}))
                QVERIFY(QFile::remove(folder.path("Supplementen/" + waiting)));
        };
        QCOMPARE(SchrijfSupplement(folder.folder(), supplement({"Delft", "2"}, true), vanish).status,
                 SchrijfStatus::AfbeeldingNietGeschreven);
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
        const Files committed{{S, "oud"}, {B, "oud"}, {S + New, "nieuw"}, {B + New, "nieuw"}, {Marker, picture}};
        const Files finished{{S, "nieuw"}, {B, "nieuw"}};
        QTest::newRow("vastgelegd") << committed << false << finished;
        QTest::newRow("vastgelegd, bij het opsommen") << committed << true << finished;
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
            << Files{{S, "oud"}, {S + New + ".x9Y8z7", "nieu"}, {Marker + ".Qw3er4", "afb"}}
            << true << Files{{S, "oud"}};
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
            QCOMPARE(unsavedWarning(model), "Het ontwerp is nog niet bewaard. ");
        }
    }

    // Opened, saved or new, the design counts as unchanged until the page picture or the canvas changes;
    // undoing the canvas back to where it was saved makes it unchanged again. A sheetlet opens onto the
    // canvas, not onto the page.
    void modelModifiedSinceSavedOrOpened()
    {
        TestFolder folder(true);
        SupplementModel model;
        model.openSheetlet(folder.folder(), "2007-Delft");
        QVERIFY(model.snapshot().afbeelding.isNull());
        QSignalSpy modified(&model, &SupplementModel::modifiedChanged);
        model.transferPicture();
        QCOMPARE(model.snapshot().afbeelding, model.canvas().image());
        QCOMPARE(model.save(folder.folder()).status, SchrijfStatus::Gelukt);
        model.canvas().change("Rood", [](QImage& image) { image.fill(Qt::red); });
        model.canvas().undo();
        QCOMPARE(modified, (QList<QVariantList>{{true}, {false}, {true}, {false}}));
        model.startNew();
        QVERIFY(!model.isModified());
        QVERIFY(model.snapshot().afbeelding.isNull());
    }

    // What the page shows is what Save writes, and opening the file gives all of it back with the catalogue
    // record of its sheetlet. An old file's placeholder number reads as none; a damaged bitmap opens as no
    // picture and a damaged text names its line.
    void modelSavesAndOpens()
    {
        TestFolder folder(true);
        const QString text = "Delft ligt aan de Schie.\n\nTweede alinea.";
        SupplementModel model;
        model.setPlaatsnaam("Delft");
        model.setCatalogusNr("2308");
        model.setJaartal("2007");
        model.setPaginaNr("4");
        model.setOmschrijving(text, GetTextBoxZeilen(text));
        model.canvas().replace("Foto", Picture);
        model.transferPicture();
        QCOMPARE(model.save(folder.folder()).status, SchrijfStatus::Gelukt);
        QCOMPARE(folder.read("Supplementen/Delft.sup"),
                 "Delft\r\n2308\r\n2007\r\n4\r\n" + Hyphens + "\r\nDelft ligt aan de Schie.\r\n\r\nTweede alinea.\r\n");
        SupplementModel opened;
        QVERIFY(opened.openSupplement(folder.folder(), "delft").isEmpty());
        QCOMPARE(QStringList({opened.Plaatsnaam(), opened.CatalogusNr(), opened.Jaartal(), opened.PaginaNr(),
                              opened.Omschrijving(), opened.catalogueKey()}),
                 QStringList({"Delft", "2308", "2007", "4", text, "2007-Delft"}));
        QCOMPARE(opened.OmschrijvingRegels(), model.OmschrijvingRegels());
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
    }

    // An undo or another command arriving while a command runs is refused, so the running command's
    // result stands and the history keeps every step.
    void canvasRefusesCommandsWhileOneRuns()
    {
        SupplementModel model;
        CanvasDocument& canvas = model.canvas();
        canvas.change("Rood", [](QImage& image) { image.fill(qRgb(200, 10, 0)); });
        QVERIFY(canvas.change("Negatief", [&](QImage& image) {
            canvas.undo();
            QVERIFY(!canvas.change("Blauw", [](QImage& i) { i.fill(qRgb(0, 0, 255)); }));
            image.invertPixels();
        }));
        QCOMPARE(canvas.image().pixel(5, 5), qRgb(55, 245, 255));
        canvas.undo();
        QCOMPARE(canvas.image().pixel(5, 5), qRgb(200, 10, 0));
    }
};

QTEST_MAIN(TestSupplement)
#include "test_supplement.moc"
