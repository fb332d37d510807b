// Reading Data\coordinaten.cor and Data\plaatsnamen.cat: records, skipped
// places, quoted names, the letter filter, and files that are not what they should be.

#include "common/test_folder.h"
#include "geography/map_places.h"
#include "geography/place_file.h"
#include "geography/place_names.h"

#include <QtTest>

class TestGeographyFiles : public QObject
{
    Q_OBJECT

    static QList<MapPlace> places(const QByteArray& bytes)
    {
        TestFolder folder;
        folder.write(MapPlaces::FileName, bytes);
        return MapPlaces::read(folder.path(MapPlaces::FileName));
    }

    static QStringList names(const QByteArray& bytes)
    {
        TestFolder folder;
        folder.write(PlaceNames::FileName, bytes);
        return PlaceNames::read(folder.path(PlaceNames::FileName));
    }

private Q_SLOTS:
    void coordinateRecords()
    {
        const QList<MapPlace> read = places("100,200,Gouda\r\n155.5 , 80,\"Den Haag, Scheveningen\"\r\n,300,Nergens\r\n"
                                            "7,8,'s-Hertogenbosch\r\n");
        QCOMPARE(read.size(), 3);
        QCOMPARE(read[0].position, QPointF(100, 200));
        QCOMPARE(read[0].name, QStringLiteral("Gouda"));
        QCOMPARE(read[1].position, QPointF(155.5, 80));
        QCOMPARE(read[1].name, QStringLiteral("Den Haag, Scheveningen"));
        QCOMPARE(read[2].name, QStringLiteral("'s-Hertogenbosch"));
    }

    void fieldsRunAcrossLinesAndEmptyXSkipsTheRecord()
    {
        // A line end ends a field like a comma does, so a record may spread over lines.
        const QList<MapPlace> read = places("10\n20\nAlkmaar\n\"\",5,Weg\n 30,40,Zwolle,50,60,Delft");
        QCOMPARE(read.size(), 3);
        QCOMPARE(read[0].name, QStringLiteral("Alkmaar"));
        QCOMPARE(read[1].position, QPointF(30, 40));
        QCOMPARE(read[2].name, QStringLiteral("Delft"));
        QCOMPARE(read[2].position, QPointF(50, 60));
    }

    void unusablePositionsListThePlaceWithoutADot()
    {
        const QList<MapPlace> read = places("abc,10,Ergens\r\n12,,Half\r\n1e300,4,Ver\r\n20,30");
        QCOMPARE(read.size(), 4);
        QVERIFY(!read[0].position);
        QCOMPARE(read[0].name, QStringLiteral("Ergens"));
        QVERIFY(!read[1].position);
        QVERIFY(!read[2].position);
        // A record cut short by the end of the file has an empty name.
        QCOMPARE(read[3].position, QPointF(20, 30));
        QCOMPARE(read[3].name, QString());
    }

    void missingEmptyAndBinaryFilesHoldNoPlaces()
    {
        TestFolder folder;
        QVERIFY(MapPlaces::read(folder.path(MapPlaces::FileName)).isEmpty());
        QVERIFY(places(QByteArray()).isEmpty());
        QByteArray binary("12,34,Gouda\r\n");
        binary.append('\0').append("\x01\x02,5,6,x");
        QVERIFY(places(binary).isEmpty());
        QVERIFY(PlaceNames::read(folder.path(PlaceNames::FileName)).isEmpty());
        QVERIFY(names(binary).isEmpty());
    }

    void fileWithoutLineEndsAndAHugeName()
    {
        const QString longName(10000, QLatin1Char('x'));
        QByteArray bytes;
        for (int i = 0; i < 500; ++i)
            bytes += QByteArray::number(i) + ",1,P" + QByteArray::number(i) + ",";
        bytes += "9,9," + longName.toLatin1();
        const QList<MapPlace> read = places(bytes);
        QCOMPARE(read.size(), 501);
        QCOMPARE(read[499].name, QStringLiteral("P499"));
        QCOMPARE(read[500].name, longName.left(PlaceFile::MaximumNameLength));
    }

    void windows1252AndEndOfFileMark()
    {
        QCOMPARE(names("Kr\xf6ller\r\nZw\xe9\r\n\x1a"
                       "Afval\r\n"),
                 QStringList({QStringLiteral("Kröller"), QStringLiteral("Zwé")}));
    }

    void placeNamesInFileOrder()
    {
        const QStringList all = names("Aalten\r\n\"Bergen, NH\"\r\nA\r\nalmere\r\n's-Gravenzande\r\n't Zandt\r\nAmen\r\n'\r\n");
        QCOMPARE(all.size(), 8);
        QCOMPARE(all[1], QStringLiteral("Bergen, NH"));
        QCOMPARE(PlaceNames::startingWith(all, QStringLiteral("A")), QStringList({"Aalten", "Amen"}));
        QCOMPARE(PlaceNames::startingWith(all, QStringLiteral("B")), QStringList({"Bergen, NH"}));
        QCOMPARE(PlaceNames::startingWith(all, QStringLiteral("'")), QStringList({"'s-Gravenzande", "'t Zandt"}));
        QVERIFY(PlaceNames::startingWith(all, QStringLiteral("Q")).isEmpty());
        QVERIFY(PlaceNames::startingWith(all, QString()).isEmpty());
    }

    void letters()
    {
        const QStringList letters = PlaceNames::letters();
        QCOMPARE(letters.size(), 27);
        QCOMPARE(letters.first(), QStringLiteral("A"));
        QCOMPARE(letters[25], QStringLiteral("Z"));
        QCOMPARE(letters.last(), QStringLiteral("'"));
    }
};

QTEST_GUILESS_MAIN(TestGeographyFiles)
#include "test_geography_files.moc"
