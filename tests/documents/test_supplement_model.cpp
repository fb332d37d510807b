// The supplement model: what is opened is what is saved, field for field and
// line for line; the catalogue record follows the supplement; a picture is
// written only when the page holds one; the canvas refuses commands while one
// runs; and the model knows whether it changed since it was saved or opened.

#include "common/test_folder.h"
#include "documents/description_lines.h"
#include "documents/supplement_model.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// A picture whose channels differ everywhere, so a mix-up of any two shows.
QImage colourful()
{
    QImage image(CanvasDocument::Size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, (y * 3) % 256, (x + 2 * y) % 256));
    return image;
}

QByteArray supFile(const QByteArray& number, const QByteArray& year, const QList<QByteArray>& lines)
{
    QByteArray text = "Delft\r\n" + number + "\r\n" + year + "\r\n7\r\n" + QByteArray(48, '-') + "\r\n";
    for (const QByteArray& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace

class TestSupplementModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void saveAndOpenGiveBackEverything()
    {
        TestFolder folder;
        SupplementModel model;
        model.setPlaatsnaam(QStringLiteral("Den Haag"));
        model.setCatalogusNr(QStringLiteral("3107"));
        model.setJaartal(QStringLiteral(" 2006 "));
        model.setPaginaNr(QStringLiteral("4"));
        model.setOmschrijving(QStringLiteral("regel een\nregel twee"), {"regel een", "regel twee"});
        model.canvas().replace(QStringLiteral("Foto"), colourful());
        model.transferPicture();
        QCOMPARE(model.save(folder.folder()).status, SchrijfStatus::Gelukt);

        SupplementModel opened;
        QVERIFY(opened.openSupplement(folder.folder(), QStringLiteral("Den Haag")).isEmpty());
        for (auto field : {SupplementModel::Field::Plaatsnaam, SupplementModel::Field::CatalogusNr,
                           SupplementModel::Field::Jaartal, SupplementModel::Field::PaginaNr})
            QCOMPARE(opened.field(field), model.field(field));
        QCOMPARE(opened.OmschrijvingRegels(), model.OmschrijvingRegels());
        QCOMPARE(opened.Omschrijving(), model.Omschrijving());
        QVERIFY(opened.AfbeeldingOvergezet());
        QCOMPARE(opened.canvas().image(), colourful());
        QCOMPARE(opened.pagePicture(), colourful());
    }

    // A new supplement has no catalogue number (the page shows "Nr." before it), so none is
    // saved; the placeholder the old program saved reads as no number.
    void newStoresNoPlaceholderNumber()
    {
        TestFolder folder;
        SupplementModel model;
        model.setCatalogusNr(QStringLiteral("2301"));
        model.startNew();
        QCOMPARE(model.CatalogusNr(), QString());
        QCOMPARE(model.Plaatsnaam(), QStringLiteral("Plaatsnaam"));
        QCOMPARE(model.Omschrijving(), QStringLiteral("Omschrijving"));
        QVERIFY(model.OmschrijvingRegels().isEmpty());
        model.setPlaatsnaam(QStringLiteral("Delft"));
        QCOMPARE(model.save(folder.folder()).status, SchrijfStatus::Gelukt);
        QVERIFY(folder.read("Supplementen/Delft.sup").startsWith("Delft\r\n\r\nJaar\r\n1\r\n"));

        QVERIFY(folder.write("Supplementen/Delft.sup", supFile("Nr.", "2007", {})));
        model.openSupplement(folder.folder(), QStringLiteral("Delft"));
        QCOMPARE(model.CatalogusNr(), QString());
    }

    // After opening, the model holds what was read, even from a damaged file, so the page shows
    // what a save would write.
    void openedValuesAreTheSavedValues()
    {
        TestFolder folder(true);
        SupplementModel model;
        QVERIFY(model.openSheetlet(folder.folder(), QStringLiteral("2005-Deventer")).isEmpty());
        QCOMPARE(model.Plaatsnaam(), QStringLiteral("Deventer"));
        QCOMPARE(model.Jaartal(), QStringLiteral("2005"));
        QCOMPARE(model.snapshot().Plaatsnaam, QStringLiteral("Deventer"));
        QCOMPARE(model.CatalogusNr(), model.catalogueRecord().Infolab[0]);

        QList<QByteArray> many;
        for (int i = 0; i < 105; ++i)
            many << "regel " + QByteArray::number(i);
        QVERIFY(folder.write("Supplementen/Delft.sup", supFile("12", "2007", many)));
        model.openSupplement(folder.folder(), QStringLiteral("Delft"));
        QCOMPARE(model.PaginaNr(), QStringLiteral("7"));
        QCOMPARE(model.AantalRegels(), 100);
        QCOMPARE(model.snapshot().regels, model.OmschrijvingRegels());
    }

    void theCatalogueFollowsTheSupplement()
    {
        TestFolder folder(true);
        SupplementModel model;
        QSignalSpy spy(&model, &SupplementModel::changed);
        model.openSheetlet(folder.folder(), QStringLiteral("2005-Alkmaar"));
        QCOMPARE(model.catalogueKey(), QStringLiteral("2005-Alkmaar"));
        QVERIFY(spy.contains(QVariantList{QVariant::fromValue(SupplementModel::Field::CatalogueRecord)}));
        // A supplement of a listed sheetlet shows its record; one of no sheetlet the start values.
        QVERIFY(folder.write("Supplementen/Delft.sup", supFile("2308", "2007", {})));
        model.openSupplement(folder.folder(), QStringLiteral("Delft"));
        QCOMPARE(model.catalogueKey(), QStringLiteral("2007-Delft"));
        QCOMPARE(model.catalogueRecord().Infolab, LeesInformatie(folder.folder(), QStringLiteral("2007-Delft")).Infolab);
        QVERIFY(folder.write("Supplementen/Delft.sup", supFile("2308", "1999", {})));
        model.openSupplement(folder.folder(), QStringLiteral("Delft"));
        QCOMPARE(model.catalogueKey(), QString());
        QCOMPARE(model.catalogueRecord().Infolab, CatalogusInfo{}.Infolab);
    }

    // The box shows the stored lines; taken back through the description window unchanged, they are
    // stored unchanged, however often the round trip is made.
    void anUnchangedDescriptionIsStoredUnchanged()
    {
        TestFolder folder;
        const QByteArray original = supFile("2308", "2007", {"Delft ligt aan de Schie.", "", "Tweede alinea."});
        QVERIFY(folder.write("Supplementen/Delft.sup", original));
        SupplementModel model;
        for (int round = 0; round < 3; ++round) {
            model.openSupplement(folder.folder(), QStringLiteral("Delft"));
            model.setOmschrijving(model.Omschrijving(), GetTextBoxZeilen(model.Omschrijving()));
            QCOMPARE(model.save(folder.folder()).status, SchrijfStatus::Gelukt);
            QCOMPARE(folder.read("Supplementen/Delft.sup"), original);
        }
    }

    void aPictureIsWrittenOnlyWhenThereIsOne()
    {
        TestFolder folder(true);
        SupplementModel model;
        QVERIFY(folder.write("Supplementen/Delft.sup", supFile("2308", "2007", {})));
        model.openSupplement(folder.folder(), QStringLiteral("Delft"));
        QVERIFY(!model.AfbeeldingOvergezet());
        QCOMPARE(model.save(folder.folder()).status, SchrijfStatus::Gelukt);
        QVERIFY(!QFile::exists(folder.path("Supplementen/Delft.bmp")));

        model.openSheetlet(folder.folder(), QStringLiteral("2007-Delft"));
        QVERIFY(!model.AfbeeldingOvergezet());
        QVERIFY(model.snapshot().afbeelding.isNull());
        model.transferPicture();
        QCOMPARE(model.snapshot().afbeelding, model.canvas().image());
    }

    // A command lets events through while it runs; an undo, a redo or another command arriving then
    // is refused, so the history keeps every step and the running command's result stands.
    void theCanvasRefusesCommandsWhileOneRuns()
    {
        SupplementModel model;
        CanvasDocument& canvas = model.canvas();
        canvas.change(QStringLiteral("Rood"), [](QImage& image) { image.fill(qRgb(200, 0, 0)); });
        QSignalSpy busy(&canvas, &CanvasDocument::busyChanged);
        const bool accepted = canvas.change(QStringLiteral("Negative"), [&](QImage& image) {
            QVERIFY(canvas.busy());
            canvas.undo();
            canvas.redo();
            QVERIFY(!canvas.change(QStringLiteral("Blauw"), [](QImage& i) { i.fill(qRgb(0, 0, 255)); }));
            QVERIFY(!canvas.replace(QStringLiteral("Open Velletje"), colourful()));
            image.invertPixels();
        });
        QVERIFY(accepted);
        QCOMPARE(busy.count(), 2);
        QCOMPARE(canvas.image().pixel(5, 5), qRgb(55, 255, 255));
        QCOMPARE(canvas.undoStack().count(), 2);
        canvas.undo();
        QCOMPARE(canvas.image().pixel(5, 5), qRgb(200, 0, 0));
        canvas.redo();
        QCOMPARE(canvas.image().pixel(5, 5), qRgb(55, 255, 255));
    }

    void modifiedSinceSavedOrOpened()
    {
        TestFolder folder;
        SupplementModel model;
        QSignalSpy spy(&model, &SupplementModel::modifiedChanged);
        QVERIFY(!model.isModified());
        QCOMPARE(unsavedWarning(model), QString());
        model.setPlaatsnaam(QStringLiteral("Delft"));
        QVERIFY(model.isModified());
        QCOMPARE(unsavedWarning(model), QStringLiteral("Het ontwerp is nog niet bewaard. "));
        QCOMPARE(model.save(folder.folder()).status, SchrijfStatus::Gelukt);
        QVERIFY(!model.isModified());
        model.canvas().change(QStringLiteral("Rood"), [](QImage& image) { image.fill(Qt::red); });
        QVERIFY(model.isModified());
        model.canvas().undo();
        QVERIFY(!model.isModified()); // back where it was saved
        QCOMPARE(spy.count(), 4);
        model.setPlaatsnaam(QStringLiteral("Delft")); // the same value changes nothing
        QVERIFY(!model.isModified());
        model.startNew();
        QVERIFY(!model.isModified());
    }
};

QTEST_MAIN(TestSupplementModel)
#include "test_supplement_model.moc"
