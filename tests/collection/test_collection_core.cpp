// The collection's marks: their file, the model that keeps it, and the
// spreadsheet files out and in.

#include "collection/collection_csv.h"
#include "collection/collection_model.h"
#include "common/test_folder.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const CatalogueEntry Delft{"2007", "Delft", "2308", "", "0.44", "\u20ac 6.75", "2007-Delft", "8", 6.75, 2.2};
const CatalogueEntry Gouda{"2008", "Gouda", "2311", "", "0.44", "\u20ac 7.00", "2008-Gouda", "11", 7.0, 2.2};

} // namespace

class TestCollectionCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Every change is written at once and read back as it was: a mark for a key no catalogue holds too, a note's
    // tab and line break as blanks. An empty mark takes the key out; a damaged line is passed over, named, and written
    // back as it was.
    void marksAreKeptInTheirFile()
    {
        TestFolder folder;
        CollectionModel model(folder.folder());
        QSignalSpy changed(&model, &CollectionModel::marksChanged);
        const Mark delft{Ownership::Beide, 2, 1250, "Jansen;\t\"stempel\"\n€ 3"};
        QVERIFY(model.setMark("2007-Delft", delft));
        QVERIFY(model.setMark("1999-Weg", {Ownership::Gestempeld, 1, {}, {}}));
        QVERIFY(model.setMark("2008-Gouda", {Ownership::Postfris, 1, 0, {}}));
        QVERIFY(model.setMark("2008-Gouda", {}));
        QCOMPARE(changed.count(), 4);
        QVERIFY(folder.write("Data/Verzameling.txt", folder.read("Data/Verzameling.txt") + "kapot\tzomaar\r\n"));
        model.load();
        QCOMPARE(model.marks().keys(), QStringList({"1999-Weg", "2007-Delft"}));
        QCOMPARE(model.mark("2007-Delft"), (Mark{Ownership::Beide, 2, 1250, "Jansen; \"stempel\" € 3"}));
        QCOMPARE(model.damagedLines(), QList<int>{4});
        QVERIFY(model.setMark("2008-Gouda", {Ownership::Postfris, 1, {}, {}}));
        QVERIFY(folder.read("Data/Verzameling.txt").endsWith("\r\nkapot\tzomaar\r\n"));
        QVERIFY(folder.read("Data/Verzameling.txt").startsWith("\xEF\xBB\xBFVelinor verzameling\r\n"));
    }

    // What export writes, import reads back unchanged: a note with a comma, a semicolon, quotes and €, a price
    // with a decimal comma. Rows are matched by key; a row for an unknown key is left out and named.
    void spreadsheetRoundTrip()
    {
        const Marks marks{{"2007-Delft", {Ownership::Postfris, 2, 1250, "van \"Jansen\", Gouda; ruil €"}},
                          {"1999-Weg", {Ownership::Gestempeld, 1, {}, {}}}};
        const QByteArray file = CollectionCsv::exportCatalogue({Delft, Gouda}, marks);
        QVERIFY(file.contains("2007-Delft;8;2007;Delft;2308;2,20;6,75;postfris;2;12,50;"
                              "\"van \"\"Jansen\"\", Gouda; ruil \xE2\x82\xAC\"\r\n"));
        const CollectionCsv::Import same = CollectionCsv::importMarks(file, {Delft, Gouda}, marks);
        QCOMPARE(same.marks, marks);
        QCOMPARE(same.summary(), "2 rijen: 0 bijgewerkt, 0 nieuw, 2 ongewijzigd, 0 niet herkend.");
        const QByteArray edited = "Plaats;Sleutel;In bezit;Aankoopprijs\r\nx;2008-Gouda;Beide;\"3,5\"\r\n"
                                  "x;2007-Delft;;\r\nx;2099-Nergens;postfris;\r\n";
        const CollectionCsv::Import import = CollectionCsv::importMarks(edited, {Delft, Gouda}, marks);
        QCOMPARE(import.summary(), "3 rijen: 1 bijgewerkt, 1 nieuw, 0 ongewijzigd, 1 niet herkend: 2099-Nergens.");
        QCOMPARE(import.marks.value("2008-Gouda"), (Mark{Ownership::Beide, 1, 350, {}}));
        QCOMPARE(import.marks.value("2007-Delft"), (Mark{Ownership::None, 0, {}, "van \"Jansen\", Gouda; ruil €"}));
        QCOMPARE(import.marks.value("1999-Weg"), marks.value("1999-Weg"));
    }

    // A broken file changes nothing and says which line: a value that is no state, count or amount, an
    // unclosed quote (the line it opened on), a file without the key column.
    void brokenSpreadsheets_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("error");
        QTest::newRow("state") << QByteArray("Sleutel;In bezit\r\n2007-Delft;ja\r\n")
                               << "Regel 2: \"In bezit\" is \"ja\"";
        QTest::newRow("count") << QByteArray("Sleutel;Aantal\n2008-Gouda;1\n2007-Delft;veel\n")
                               << "Regel 3: \"Aantal\"";
        QTest::newRow("amount") << QByteArray("Sleutel;Aankoopprijs\r\n2007-Delft;12,505\r\n")
                                << "Regel 2: \"Aankoopprijs\" is \"12,505\"";
        QTest::newRow("quote") << QByteArray("Sleutel;Notitie\r\n2007-Delft;\"a\r\nb\r\n")
                               << "Regel 2: een aanhalingsteken";
        QTest::newRow("key") << QByteArray("Plaats;Aantal\r\nDelft;1\r\n") << "Regel 1: de kolom \"Sleutel\"";
    }
    void brokenSpreadsheets()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, error);
        const CollectionCsv::Import import =
            CollectionCsv::importMarks(file, {Delft, Gouda}, {{"2008-Gouda", {Ownership::Postfris, 1, {}, {}}}});
        QVERIFY2(import.error.startsWith(error), qPrintable(import.error));
        QVERIFY(import.marks.isEmpty());
    }
};

QTEST_MAIN(TestCollectionCore)
#include "test_collection_core.moc"
