// The open dialog's list logic, the picture export and the displayed lines of
// the description box.

#include "common/test_folder.h"
#include "documents/catalogue.h"
#include "documents/description_lines.h"
#include "documents/field_entry.h"
#include "documents/open_list.h"
#include "documents/picture_export.h"
#include "documents/supplement_file.h"

#include <QFile>
#include <QFontMetrics>
#include <QImageReader>
#include <QtTest>

namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

class TestDocumentsCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listIsSortedWithoutExtensions()
    {
        TestFolder folder;
        for (const char* name : {"Images/2007-Delft.jpg", "Images/2005-Alkmaar.JPG", "Images/2006-zwolle.jpg",
                                 "Images/notitie.txt", "Images/2006-Breda.jpeg"})
            QVERIFY(folder.write(QString::fromLatin1(name), "x"));
        QCOMPARE(LaadVelNamen(folder.folder(), LaadVelModus::Velletjes),
                 QStringList({"2005-Alkmaar", "2006-zwolle", "2007-Delft"}));
        QCOMPARE(LaadVelTekst(LaadVelModus::Velletjes, 3),
                 QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de 3 velletjes die u wilt openen."));
    }

    void supplementsAndMissingFolder()
    {
        TestFolder folder;
        QVERIFY(folder.write("Supplementen/Delft.sup", "x"));
        QVERIFY(folder.write("Supplementen/Delft.bmp", "x"));
        QCOMPARE(LaadVelNamen(folder.folder(), LaadVelModus::Supplementen), QStringList({"Delft"}));
        QCOMPARE(LaadVelTekst(LaadVelModus::Supplementen, 0),
                 QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de 0 ontworpen supplementen."));
        QVERIFY(QDir(folder.path("Images")).removeRecursively());
        QVERIFY(LaadVelNamen(folder.folder(), LaadVelModus::Velletjes).isEmpty());
        QCOMPARE(LaadVelModusVan(14), LaadVelModus::Supplementen);
        QCOMPARE(LaadVelModusVan(13), LaadVelModus::Velletjes);
    }

    void pictureSizeFromTheHeader()
    {
        TestFolder folder;
        QVERIFY(filled({501, 260}, qRgb(1, 2, 3)).save(folder.path("Images/groot.jpg"), "JPEG"));
        QVERIFY(filled({500, 260}, qRgb(1, 2, 3)).save(folder.path("Images/goed.jpg"), "JPEG"));
        QVERIFY(folder.write("Images/kapot.jpg", "geen plaatje"));
        QCOMPARE(AfbeeldingsMaat(LaadVelAfbeeldingPad(folder.folder(), LaadVelModus::Velletjes, "groot")),
                 std::optional<QSize>(QSize(501, 260)));
        QCOMPARE(AfbeeldingsMaat(LaadVelAfbeeldingPad(folder.folder(), LaadVelModus::Velletjes, "GOED")),
                 std::optional<QSize>(VelletjeMaat));
        QCOMPARE(AfbeeldingsMaat(folder.path("Images/kapot.jpg")), std::nullopt);
        QCOMPARE(AfbeeldingsMaat(folder.path("Images/nergens.jpg")), std::nullopt);
    }

    void keyPartsAndHelpCaption()
    {
        const auto key = SplitsSleutel(QStringLiteral("2008-Den Haag"));
        QVERIFY(key);
        QCOMPARE(key->Jaartal, QStringLiteral("2008"));
        QCOMPARE(key->Plaatsnaam, QStringLiteral("Den Haag"));
        QCOMPARE(SplitsSleutel(QStringLiteral("2008-")), std::nullopt);
        QCOMPARE(SplitsSleutel(QStringLiteral("2008-X"))->Plaatsnaam, QStringLiteral("X"));
        QCOMPARE(HelpInfoTitel(QStringLiteral("Verzamelblokje Noord")), QStringLiteral("Info..."));
        QCOMPARE(HelpInfoTitel(QStringLiteral("verzamelblokje")), QStringLiteral("Info verzamelblokje.nl"));
        QCOMPARE(HelpInfoTitel(QStringLiteral("Delft")), QStringLiteral("Info Delft.nl"));
    }

    void bmpExport()
    {
        TestFolder folder;
        QImage image = filled({500, 260}, qRgb(10, 20, 30));
        image.setPixel(499, 259, qRgb(255, 0, 128));
        const QString target = folder.path("uit");
        QCOMPARE(ExporteerBmp(image, target), ExportStatus::Gelukt);
        QCOMPARE(folder.read("uit").left(2), QByteArray("BM"));
        QCOMPARE(QImage(target, "BMP").convertToFormat(QImage::Format_RGB32), image);
        QCOMPARE(ExporteerBmp(image, folder.path("geen/map/uit.bmp")), ExportStatus::BmpNietGeschreven);
    }

    void jpgExportThroughTheTemporaryBitmap()
    {
        TestFolder folder;
        const QImage image = filled({500, 260}, qRgb(200, 40, 40));
        const QString target = folder.path("Images/export.jpg");
        QCOMPARE(ExporteerJpg(folder.folder(), image, target), ExportStatus::Gelukt);
        QVERIFY(!QFile::exists(folder.path("mydummy.bmp")));
        QImageReader reader(target);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage back = reader.read();
        QCOMPARE(back.size(), image.size());
        // Quality 99 keeps a flat colour within a step or two.
        const QRgb pixel = back.pixel(250, 130);
        QVERIFY(qAbs(qRed(pixel) - 200) <= 2 && qAbs(qGreen(pixel) - 40) <= 2 && qAbs(qBlue(pixel) - 40) <= 2);

        QCOMPARE(ExporteerJpg(folder.folder(), image, folder.path("geen/map/x.jpg")), ExportStatus::JpgNietGeschreven);
        QVERIFY(!QFile::exists(folder.path("mydummy.bmp")));
        QVERIFY(QDir().mkpath(folder.path("mydummy.bmp/blokkade")));
        QCOMPARE(ExporteerJpg(folder.folder(), image, target), ExportStatus::BmpNietGeschreven);
    }

    void bmpToJpegRefusesWhatIsNoBitmap()
    {
        TestFolder folder;
        QVERIFY(folder.write("nep.bmp", "BM maar niets"));
        QVERIFY(!BmpToJpeg(folder.path("nep.bmp"), folder.path("uit.jpg"), 99));
        QVERIFY(!QFile::exists(folder.path("uit.jpg")));
    }

    void displayedLinesOfALongParagraph()
    {
        const QFont font = TekstBox::Lettertype();
        const QFontMetrics metrics(font);
        QString paragraph;
        for (int i = 0; i < 60; ++i)
            paragraph += QStringLiteral("woord%1 ").arg(i);
        const QStringList lines = GetTextBoxZeilen(paragraph);
        QVERIFY(lines.size() > 3);
        QCOMPARE(lines.join(QString()), paragraph);
        for (const QString& line : lines) {
            QVERIFY(line.endsWith(QLatin1Char(' ')));
            QVERIFY(metrics.horizontalAdvance(line.trimmed()) <= TekstBox::RegelBreedte);
        }
        // Each line is as full as it can be: the next word would not have fitted.
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString withNext = lines[i] + lines[i + 1].section(QLatin1Char(' '), 0, 0);
            QVERIFY(metrics.horizontalAdvance(withNext) > TekstBox::RegelBreedte);
        }
    }

    void lineBreaksAndEmptyText()
    {
        QCOMPARE(GetTextBoxZeilen(QString()), QStringList({QString()}));
        QCOMPARE(GetTextBoxZeilen(QStringLiteral("a\r\n\r\nb")), QStringList({"a", "", "b"}));
        QCOMPARE(GetTextBoxZeilen(QStringLiteral("abc\n")), QStringList({"abc", ""}));
        const QString longWord(200, QLatin1Char('m'));
        const QStringList broken = GetTextBoxZeilen(longWord);
        QVERIFY(broken.size() > 1);
        QCOMPARE(broken.join(QString()), longWord);
    }

    void sampleSeriesIsComplete()
    {
        TestFolder folder(true);
        const QStringList names = LaadVelNamen(folder.folder(), LaadVelModus::Velletjes);
        QVERIFY(names.size() >= 30);
        int blocks = 0;
        for (const QString& name : names) {
            const auto key = SplitsSleutel(name);
            QVERIFY(key);
            QVERIFY2(key->Jaartal >= QLatin1String("2005") && key->Jaartal <= QLatin1String("2014"), qPrintable(name));
            blocks += key->Plaatsnaam.startsWith(QLatin1String("Verzamel")) ? 1 : 0;
            QCOMPARE(AfbeeldingsMaat(LaadVelAfbeeldingPad(folder.folder(), LaadVelModus::Velletjes, name)),
                     std::optional<QSize>(VelletjeMaat));
            const CatalogusInfo info = LeesInformatie(folder.folder(), name);
            QVERIFY2(info.Infolab[0] != QLatin1String("0"), qPrintable(name));
            QVERIFY(info.Infolab[4].startsWith(QStringLiteral("5 x € 0,")));
        }
        QVERIFY(blocks >= 2);

        const QByteArray raw = folder.read("Data/Informatie.cat");
        QVERIFY(raw.contains('\x80'));
        QCOMPARE(raw.count("\r\n"), raw.count('\n'));
        QCOMPARE(raw.count("\r\n"), names.size() * 11);
        QCOMPARE(TotaalCatalogusprijs(folder.folder()).aantal, int(names.size()));
        QCOMPARE(TotaalNominaal(folder.folder()).aantal, int(names.size()));

        const QStringList supplements = LaadVelNamen(folder.folder(), LaadVelModus::Supplementen);
        QVERIFY(!supplements.isEmpty());
        QCOMPARE(LeesSupplement(folder.folder(), supplements.first()).status, LeesStatus::Gelukt);
        QCOMPARE(AfbeeldingsMaat(LaadVelAfbeeldingPad(folder.folder(), LaadVelModus::Supplementen, supplements.first())),
                 std::optional<QSize>(VelletjeMaat));
    }

    void fieldRules()
    {
        QVERIFY(IsGeldigJaartal(QStringLiteral(" 2007 ")));
        QVERIFY(!IsGeldigJaartal(QStringLiteral("207")));
        QVERIFY(!IsGeldigJaartal(QStringLiteral("20071")));
        QCOMPARE(VeldLabelTekst(InvoerVeld::CatalogusNr, QStringLiteral("1234")), QStringLiteral("Nr.1234"));
        QCOMPARE(InvoerVeldVan(20), std::nullopt);
        QCOMPARE(InvoerVeldVan(23), std::optional(InvoerVeld::Jaartal));
    }
};

QTEST_MAIN(TestDocumentsCore)
#include "test_documents_core.moc"
