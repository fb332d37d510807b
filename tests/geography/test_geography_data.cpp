// The geography data the program ships: every place of the sample series on
// the map, each dot on Dutch land, and the place-name list.

#include "app/text_file.h"
#include "common/test_folder.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/place_names.h"

#include <QFile>
#include <QSet>
#include <QtTest>

namespace {

QString shipped(const QString& relative)
{
    return TestFolder::sourceDir() + QStringLiteral("/data/") + relative;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Windows-1252 with CR LF: no bare line feed and no UTF-8 sequences.
void checkTextFile(const QByteArray& bytes)
{
    QVERIFY(!bytes.isEmpty());
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QVERIFY(!bytes.contains('\xc3'));   // the lead byte of UTF-8 accented letters
}

} // namespace

class TestGeographyData : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyDotLiesOnDutchLand()
    {
        const QList<MapPlace> places = MapPlaces::read(shipped(MapPlaces::FileName));
        QVERIFY(places.size() >= 30);
        QVERIFY(places.size() <= 66);   // two columns of 33 lines
        const QImage map = MapPicture::draw();
        for (const MapPlace& place : places) {
            QVERIFY2(place.position, qPrintable(place.name));
            // Towns on the coast may sit on the coastline itself, never out at sea.
            const QPoint at = place.position->toPoint();
            QVERIFY2(map.pixel(at) != MapPicture::Sea, qPrintable(place.name));
            int land = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    land += map.valid(at + QPoint(dx, dy)) && map.pixel(at + QPoint(dx, dy)) == MapPicture::Netherlands;
            QVERIFY2(land >= 8, qPrintable(place.name));
        }
    }

    void everyPlaceOfTheSeriesIsOnTheMap()
    {
        const std::optional<QStringList> catalogue = TextFile::readLines(shipped(QStringLiteral("Data/Informatie.cat")));
        if (!catalogue)
            QSKIP("no sample series");
        QSet<QString> onMap;
        for (const MapPlace& place : MapPlaces::read(shipped(MapPlaces::FileName)))
            onMap << place.name;
        // Records of eleven lines, each led by its sheetlet key: year, separator, place.
        int places = 0;
        for (qsizetype i = 0; i < catalogue->size(); i += 11) {
            const QString place = catalogue->at(i).mid(5);
            if (place.isEmpty() || place.startsWith(QLatin1String("Verzamel")))
                continue;
            ++places;
            QVERIFY2(onMap.contains(place), qPrintable(place));
        }
        QVERIFY(places >= 30);
        checkTextFile(bytesOf(shipped(MapPlaces::FileName)));
    }

    void placeNameList()
    {
        const QByteArray bytes = bytesOf(shipped(PlaceNames::FileName));
        checkTextFile(bytes);
        const QStringList names = PlaceNames::read(shipped(PlaceNames::FileName));
        QVERIFY(names.size() >= 1000);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), names.size());
        for (const QString& name : {QStringLiteral("'s-Hertogenbosch"), QStringLiteral("'s-Gravenzande"),
                                    QStringLiteral("'t Zandt"), QStringLiteral("Amsterdam"), QStringLiteral("Zwolle")})
            QVERIFY2(names.contains(name), qPrintable(name));
        // Every letter the country has names for is there; none has a name with X.
        for (const QString& letter : PlaceNames::letters()) {
            const int count = PlaceNames::startingWith(names, letter).size();
            if (letter == QLatin1String("X"))
                QCOMPARE(count, 0);
            else
                QVERIFY2(count > 0, qPrintable(letter));
        }
        // A name that holds a comma is quoted, so it comes back whole.
        for (const QString& name : names)
            QVERIFY2(name.size() > 1 && name == name.trimmed(), qPrintable(name));
        QVERIFY(bytes.contains("\"") == names.join(QString()).contains(QLatin1Char(',')));
    }
};

QTEST_MAIN(TestGeographyData)
#include "test_geography_data.moc"
