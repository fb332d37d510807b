// Data\coordinaten.cor and Data\plaatsnamen.cat as their bytes give them:
// records, skipped places, quoted names, the letter filter, and files that are
// not what they should be; and the lists the program ships with.

#include "app/text_file.h"
#include "common/pixels.h"
#include "common/test_folder.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/place_file.h"
#include "geography/place_names.h"

#include <QSet>
#include <QtTest>

namespace {

// The places read from the bytes as "x,y name", or "- name" for a place listed without a dot.
QString placesIn(const QByteArray& bytes)
{
    TestFolder folder;
    if (!bytes.isNull())
        folder.write(MapPlaces::FileName, bytes);
    QStringList places;
    for (const MapPlace& place : MapPlaces::read(folder.path(MapPlaces::FileName)))
        places << (place.position ? QStringLiteral("%1,%2 ").arg(place.position->x()).arg(place.position->y())
                                  : QStringLiteral("- ")) +
                      place.name;
    return places.join('|');
}

QStringList namesIn(const QByteArray& bytes)
{
    TestFolder folder;
    folder.write(PlaceNames::FileName, bytes);
    return PlaceNames::read(folder.path(PlaceNames::FileName));
}

} // namespace

class TestGeographyFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void coordinates_data()
    {
        QTest::addColumn<QByteArray>("bytes"); // null: missing
        QTest::addColumn<QString>("places");
        QTest::newRow("records") << QByteArray(
                                        "100,200,Gouda\r\n155.5 , 80,\"Den Haag, Scheveningen\"\r\n,300,Nergens\r\n"
                                        "7,8,'s-Hertogenbosch\r\n3,4,D\xe9"
                                        "dem\r\n")
                                 << "100,200 Gouda|155.5,80 Den Haag, Scheveningen|7,8 's-Hertogenbosch|3,4 Dédem";
        // A line end ends a field like a comma does; a record without X is skipped.
        QTest::newRow("over regels") << QByteArray("10\n20\nAlkmaar\n\"\",5,Weg\n 30,40,Zwolle,50,60,Delft")
                                     << "10,20 Alkmaar|30,40 Zwolle|50,60 Delft";
        QTest::newRow("geen getal") << QByteArray("abc,10,Ergens\r\n12,,Half\r\n1e300,4,Ver\r\n20,30")
                                    << "- Ergens|- Half|- Ver|20,30 ";
        QTest::newRow("ver weg") << QByteArray("1000000,-1000000,Rand\r\n1000001,0,Voorbij\r\n-0.5,0,Links\r\n")
                                 << "1e+06,-1e+06 Rand|- Voorbij|-0.5,0 Links";
        QTest::newRow("lange naam") << "1,2," + QByteArray(257, 'x') << "1,2 " + QString(256, 'x');
        QTest::newRow("einde-van-bestand-teken") << QByteArray("1,2,A\r\n\x1a"
                                                               "3,4,B\r\n")
                                                 << "1,2 A";
        QTest::newRow("teken vooraan") << QByteArray("\x1a"
                                                     "1,2,A\r\n")
                                       << "";
        QTest::newRow("binair") << QByteArray("12,34,Gouda\r\n\x01,5,6") << "";
        QTest::newRow("ontbreekt") << QByteArray() << "";
        // A file of the largest size is read; one byte more is no list of places.
        for (const qint64 size : {PlaceFile::MaximumSize, PlaceFile::MaximumSize + 1})
            QTest::addRow("%lld bytes", size) << "1,2," + QByteArray(size - 4, 'x')
                                              << (size == PlaceFile::MaximumSize ? "1,2 " + QString(256, 'x') : "");
    }

    void coordinates()
    {
        QFETCH(QByteArray, bytes);
        QTEST(placesIn(bytes), "places");
    }

    // Names in file order, Windows-1252, quoted when they hold a comma; a letter chooses the names of
    // more than one character that begin with it, case and all.
    void placeNames()
    {
        const QStringList names = namesIn("Aalten\r\n\"Bergen, NH\"\r\nA\r\nalmere\r\n's-Gravenzande\r\n't Zandt\r\n"
                                          "D\xe9"
                                          "dem\r\nAmen\r\n'\r\n\x1a"
                                          "Afval\r\n");
        QCOMPARE(names, QStringList({"Aalten", "Bergen, NH", "A", "almere", "'s-Gravenzande", "'t Zandt", "Dédem",
                                     "Amen", "'"}));
        const char* const letters[][2] = {
            {"A", "Aalten|Amen"}, {"B", "Bergen, NH"}, {"'", "'s-Gravenzande|'t Zandt"}, {"Q", ""}, {"", ""}};
        for (const auto& [letter, chosen] : letters)
            QCOMPARE(PlaceNames::startingWith(names, letter).join('|'), chosen);
        QCOMPARE(PlaceNames::letters().join(QString()), "ABCDEFGHIJKLMNOPQRSTUVWXYZ'");
        QCOMPARE(namesIn("Gouda\r\n\x01"), QStringList());
    }

    // Every place of the shipped series has its dot on Dutch land (a coastal town may sit on the coast,
    // never at sea), and the place-name list is Windows-1252 text with CR LF.
    void shippedLists()
    {
        const ProgramFolder shipped(TestFolder::sourceDir() + "/data");
        const QList<MapPlace> places = MapPlaces::read(shipped.path(MapPlaces::FileName));
        const QImage map = MapPicture::draw();
        QSet<QString> onMap;
        for (const MapPlace& place : places) {
            const QPoint at = place.position.value_or(QPointF()).toPoint();
            const int land = countColour(map, MapPicture::Netherlands, QRect(at - QPoint(2, 2), QSize(5, 5)));
            QVERIFY2(place.position && map.pixel(at) != MapPicture::Sea && land >= 8, qPrintable(place.name));
            onMap << place.name;
        }
        const QStringList catalogue = TextFile::readLines(shipped.path("Data/Informatie.cat")).value_or(QStringList());
        QVERIFY(catalogue.size() >= 30 * 11 && places.size() <= 66); // two list columns of 33
        for (qsizetype i = 0; i < catalogue.size(); i += 11)
            QVERIFY2(catalogue[i].mid(5).startsWith("Verzamel") || onMap.contains(catalogue[i].mid(5)),
                     qPrintable(catalogue[i]));
        const QByteArray bytes = TextFile::readBytes(shipped.path(PlaceNames::FileName)).value_or(QByteArray());
        QVERIFY(bytes.endsWith("\r\n") && bytes.count('\n') == bytes.count("\r\n") && !bytes.contains('\xc3'));
    }
};

QTEST_MAIN(TestGeographyFiles)
#include "test_geography_files.moc"
