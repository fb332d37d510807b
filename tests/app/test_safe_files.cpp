// No writer loses what was on disk and no reader decodes a picture bomb.
// Every writer of the program runs against a disk that refuses the write, once
// through a file size limit (everywhere) and once on a full file system (where
// the machine may mount one): each must report the failure, keep the old file
// byte for byte and leave nothing behind. Every picture reader refuses a
// header that claims more pixels than the one limit, before decoding.

#include "app/application_state.h"
#include "app/picture_file.h"
#include "app/settings_file.h"
#include "common/bomb_pictures.h"
#include "common/test_folder.h"
#include "common/write_failure.h"
#include "documents/picture_export.h"
#include "documents/supplement_file.h"
#include "perforation/photo_loader.h"
#include "printing/album_page.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"
#include "printing/supplement_page_file.h"

#include <QDir>
#include <QtTest>

#include <functional>

namespace {

QImage picture()
{
    QImage image(500, 260, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 90));
    return image;
}

Supplement alkmaar(bool withPicture)
{
    Supplement s{QStringLiteral("Alkmaar"), QStringLiteral("2301"), QStringLiteral("2005"), QStringLiteral("4"),
                 {QStringLiteral("Kaasmarkt")}, withPicture ? picture() : QImage()};
    return s;
}

struct Writer
{
    const char* name;
    QStringList oldFiles; // relative paths that exist before and must be unchanged after
    std::function<bool(const ProgramFolder&)> write;
};

const QList<Writer>& writers()
{
    static const QList<Writer> list = {
        {"instellingen", {"Velinor.ini"},
         [](const ProgramFolder& f) { return SettingsFile::write(f.path("Velinor.ini"), ApplicationState()).ok; }},
        {"supplement zonder plaatje", {"Supplementen/Alkmaar.sup", "Supplementen/Alkmaar.bmp"},
         [](const ProgramFolder& f) { return SchrijfSupplement(f, alkmaar(false)).status == SchrijfStatus::Gelukt; }},
        {"supplement met plaatje", {"Supplementen/Alkmaar.sup", "Supplementen/Alkmaar.bmp"},
         [](const ProgramFolder& f) { return SchrijfSupplement(f, alkmaar(true)).status == SchrijfStatus::Gelukt; }},
        {"bmp-export", {"uit.bmp"},
         [](const ProgramFolder& f) { return ExporteerBmp(picture(), f.path("uit.bmp")) == ExportStatus::Gelukt; }},
        {"jpg-export", {"uit.jpg"},
         [](const ProgramFolder& f) { return ExporteerJpg(f, picture(), f.path("uit.jpg")) == ExportStatus::Gelukt; }},
        {"pdf", {"uit.pdf"},
         [](const ProgramFolder& f) {
             PdfPrintSurface surface(f.path("uit.pdf"));
             return PrintSupplement(surface, {"Alkmaar", "2301", "2005", {"Kaasmarkt"}, "4", picture()}, 1);
         }},
    };
    return list;
}

// Writes every old file, breaks writing, runs every writer and checks that nothing changed.
void checkEveryWriterKeepsTheOldFiles(const QString& root, const std::function<void()>& breakWriting,
                                      const std::function<void()>& restoreWriting)
{
    const ProgramFolder folder(root);
    QDir().mkpath(folder.path("Supplementen"));
    for (const Writer& writer : writers()) {
        QMap<QString, QByteArray> before;
        for (const QString& file : writer.oldFiles) {
            QFile old(folder.path(file));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("oud " + file.toUtf8()) > 0);
            old.close();
            before[file] = "oud " + file.toUtf8();
        }
        const QStringList entries = QDir(root).entryList(QDir::Files) + QDir(folder.path("Supplementen")).entryList();
        breakWriting();
        const bool written = writer.write(folder);
        restoreWriting();
        QVERIFY2(!written, writer.name);
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            QFile file(folder.path(it.key()));
            QVERIFY2(file.open(QIODevice::ReadOnly) && file.readAll() == it.value(), qPrintable(it.key()));
        }
        QCOMPARE(QDir(root).entryList(QDir::Files) + QDir(folder.path("Supplementen")).entryList(), entries);
    }
}

} // namespace

class TestSafeFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyWriterSurvivesAFileSizeLimit()
    {
        TestFolder folder;
        std::unique_ptr<FileSizeLimit> limit;
        checkEveryWriterKeepsTheOldFiles(
            folder.root(), [&] { limit = std::make_unique<FileSizeLimit>(10); }, [&] { limit.reset(); });
    }

    void everyWriterSurvivesAFullDisk()
    {
        const FullDisk disk;
        if (!disk.unavailable().isEmpty())
            QSKIP(qPrintable(QStringLiteral("no full disk to test on: ") + disk.unavailable()));
        checkEveryWriterKeepsTheOldFiles(disk.root(), [&] { disk.fill(); },
                                         [&] { QFile::remove(disk.root() + QStringLiteral("/vulling")); });
        // What the user reads.
        disk.fill();
        const SaveResult result = SchrijfSupplement(ProgramFolder(disk.root()), alkmaar(false));
        QCOMPARE(result.status, SchrijfStatus::TekstNietGeschreven);
        QVERIFY(SchrijfMelding(result, "Alkmaar").contains(QStringLiteral("(de schijf is vol)")));
    }

    void aWriteThatSucceedsReplacesTheFileAndKeepsItsMode()
    {
        TestFolder folder;
        const QString path = folder.path("Velinor.ini");
        QVERIFY(folder.write("Velinor.ini", "oud"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(SafeFile::replace(path, "nieuw\r\n"));
        QCOMPARE(folder.read("Velinor.ini"), QByteArray("nieuw\r\n"));
        QCOMPARE(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        const SafeFile::Result missing = SafeFile::replace(folder.path("geen/map/x"), "x");
        QVERIFY(!missing);
        QCOMPARE(missing.reason, QStringLiteral("de map bestaat niet"));
    }

    void everyPictureReaderRefusesABombBeforeDecoding()
    {
        TestFolder folder;
        const QByteArray bomb = BombPictures::progressiveJpeg(40000, 40000);
        QVERIFY(!bomb.isEmpty() && bomb.size() < 1000);
        QVERIFY(folder.write("Images/2008-Gouda.jpg", bomb));
        // Named as a supplement's bitmap: the content decides, not the name.
        QVERIFY(folder.write("Supplementen/Gouda.bmp", bomb));
        QVERIFY(folder.write("Supplementen/Gouda.sup", "Gouda\r\n1\r\n2008\r\n1\r\n---\r\n"));
        const QString jpg = folder.path("Images/2008-Gouda.jpg");
        const QString tooLarge = QStringLiteral("is te groot (40000 x 40000 pixels).");
        const QList<std::pair<const char*, QString>> errors = {
            {"lezen", PictureFile::read(jpg).error},
            {"voorbeeld van het openvenster", PictureFile::read(jpg, PictureFile::ReadOptions::scaledTo(QSize(93, 54))).error},
            {"contactafdruk", PictureFile::read(jpg, PictureFile::ReadOptions::within(QSize(1600, 850))).error},
            {"foto plaatsen", PhotoLoader::load(jpg).error},
            {"bitmap van een supplement", PictureFile::read(folder.path("Supplementen/Gouda.bmp")).error},
            {"albumpagina afdrukken", LeesSupplementPagina(folder.path("Supplementen/Gouda.sup")).melding},
        };
        for (const auto& [reader, error] : errors)
            QVERIFY2(error.endsWith(tooLarge), reader);
        QVERIFY(LeesVelletje(jpg).isNull());
        QVERIFY(!LeesSupplementPagina(folder.path("Supplementen/Gouda.sup")).pagina);
    }

    void theLimitItself()
    {
        TestFolder folder;
        const std::pair<QSize, bool> cases[] = {{QSize(8192, 8192), false}, {QSize(8193, 8192), true},
                                                {QSize(8192, 8193), true}, {QSize(65536, 1), false}};
        for (const auto& [size, tooLarge] : cases) {
            QVERIFY(folder.write("rand.bmp", BombPictures::bitmapHeader(size.width(), size.height())));
            const PictureFile::Picture read = PictureFile::read(folder.path("rand.bmp"));
            QVERIFY(!read.ok()); // a header without pixels
            QCOMPARE(read.error.contains(QStringLiteral("te groot")), tooLarge);
        }
        // A GIF's header states its first frame (163 x 520) while it decodes onto its screen.
        QVERIFY(folder.write("scherm.gif", QByteArray::fromHex("474946383961250800"
                                                                 "8d000e002c9d00080006000002000900")));
        QVERIFY(PictureFile::read(folder.path("scherm.gif")).error.endsWith(QStringLiteral("(2085 x 36096 pixels).")));
    }
};

QTEST_MAIN(TestSafeFiles)
#include "test_safe_files.moc"
