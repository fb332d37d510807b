// No writer loses what was on disk and no reader decodes a picture bomb.
// Every writer runs against a disk that refuses it: past a file size limit
// (everywhere), on a full disk and on a read-only disk (where a small file
// system can be mounted). Each must report the failure as such, keep the old
// files byte for byte and leave nothing behind. A save killed at any moment
// leaves the old or the new supplement pair whole. Every picture is measured
// against the one pixel limit before it is decoded.

#include "app/application_state.h"
#include "app/picture_file.h"
#include "app/settings_file.h"
#include "common/bomb_pictures.h"
#include "common/test_folder.h"
#include "common/write_failure.h"
#include "documents/picture_export.h"
#include "documents/supplement_file.h"
#include "filters/filter_pictures.h"
#include "printing/album_page.h"
#include "printing/pdf_print_surface.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <thread>

#include <sys/mount.h>

namespace {

const QImage Picture = filtertest::patternPicture(500, 260);

bool saveReports(const ProgramFolder& folder, bool withPicture, WriteStatus status)
{
    const Supplement alkmaar = {"Alkmaar", "2301", "2005", "4", {"Kaasmarkt"}, withPicture ? Picture : QImage()};
    return SchrijfSupplement(folder, alkmaar).status == status;
}

// A writer, run against a disk that refuses it; true when it reported its failure as it should.
using Writer = std::function<bool(const ProgramFolder&)>;

// The files the writers would replace; a bitmap is a real one, so that a reader would take it.
const QStringList OldFiles = {"Velinor.ini", "Supplementen/Alkmaar.sup", "Supplementen/Alkmaar.bmp", "uit.bmp",
                              "uit.pdf"};

// Runs the writer between breaking writing and mending it; afterwards every file on disk and every old
// file's content must be as before.
void checkWriter(const QString& root, const Writer& failureReported, const std::function<void()>& breakWriting,
                 const std::function<void()>& mend)
{
    const ProgramFolder folder(root);
    QDir().mkpath(root + "/Supplementen");
    const QByteArray bitmap = *PictureFile::encode(Picture.copy(0, 0, 7, 5), "BMP");
    for (const QString& file : OldFiles) {
        QFile old(folder.path(file));
        QVERIFY(old.open(QIODevice::WriteOnly));
        QVERIFY(old.write(file.endsWith(".bmp") ? bitmap : file.toUtf8()) > 0);
    }
    const auto onDisk = [&] {
        QByteArrayList seen;
        for (const QString& name : QDir(root).entryList(QDir::Files) + QDir(root + "/Supplementen").entryList())
            seen << name.toUtf8();
        for (const QString& file : OldFiles) {
            QFile old(folder.path(file));
            seen << (old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray("weg"));
        }
        return seen;
    };
    const QByteArrayList before = onDisk();
    breakWriting();
    const bool reported = failureReported(folder);
    mend();
    QVERIFY(reported);
    QCOMPARE(onDisk(), before);
}

} // namespace

class TestSafeFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each writer and the file size limit for it. Past 10 bytes no file is written; a larger limit lets a
    // first small file through and stops a large second one.
    void everyWriterSurvivesARefusingDisk_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<Writer>("failureReported");
        QTest::newRow("instellingen") << qint64(10) << Writer([](auto& f) {
            return !SettingsFile::write(f.path("Velinor.ini"), ApplicationState());
        });
        QTest::newRow("supplement") << qint64(10) << Writer([](auto& f) {
            return saveReports(f, false, WriteStatus::TextNotWritten);
        });
        QTest::newRow("met plaatje") << qint64(10) << Writer([](auto& f) {
            return saveReports(f, true, WriteStatus::TextNotWritten);
        });
        QTest::newRow("plaatje") << qint64(1000) << Writer([](auto& f) {
            return saveReports(f, true, WriteStatus::PictureNotWritten);
        });
        QTest::newRow("bmp") << qint64(10) << Writer([](auto& f) {
            return !exportPicture(Picture, f.path("uit.bmp"), ExportFormat::Bmp);
        });
        QTest::newRow("pdf") << qint64(10) << Writer([](auto& f) {
            PdfPrintSurface surface(f.path("uit.pdf"));
            return !PrintSupplement(surface, {"Alkmaar", "2301", "2005", {"Kaasmarkt"}, "4", Picture}, 1);
        });
    }

    // Past a file size limit everywhere; on a full and on a read-only disk where a small one can be mounted
    // (there only the writers stopped at their first file).
    void everyWriterSurvivesARefusingDisk()
    {
        QFETCH(qint64, limit);
        QFETCH(Writer, failureReported);
        TestFolder folder;
        std::optional<FileSizeLimit> sizeLimit;
        checkWriter(
            folder.root(), failureReported, [&] { sizeLimit.emplace(limit); }, [&] { sizeLimit.reset(); });
        if (limit != 10)
            return;
        const FullDisk disk;
        if (!disk.unavailable().isEmpty())
            QSKIP(qPrintable(disk.unavailable()));
        const QByteArray path = QFile::encodeName(disk.root());
        const char* root = path.constData();
        checkWriter(
            disk.root(), failureReported, [&] { disk.fill(); }, [&] { QFile::remove(disk.root() + "/vulling"); });
        const auto remount = [&](unsigned long flag) { mount(nullptr, root, nullptr, MS_REMOUNT | flag, nullptr); };
        checkWriter(
            disk.root(), failureReported, [&] { remount(MS_RDONLY); }, [&] { remount(0); });
    }

    // A child process saves version A (text and picture) and B (text only) of one supplement in turn and
    // is killed at a random moment. Once a reader has finished or discarded the interrupted save, as every
    // reader does first, the pair on disk is all of A or all of B.
    void aSaveKilledAtAnyMomentLeavesAWholePair()
    {
        TestFolder folder;
        const QString delft = "Supplementen/Delft.";
        const auto pair = [&] { return folder.read(delft + "sup") + '|' + folder.read(delft + "bmp"); };
        QCOMPARE(QProcess::execute(CRASH_CHILD, {folder.root(), "1"}), 0);
        const QByteArray a = pair();
        QCOMPARE(QProcess::execute(CRASH_CHILD, {folder.root(), "2"}), 0);
        const QByteArray b = pair();
        QRandomGenerator random(6122026);
        int sawA = 0, sawB = 0;
        for (int run = 0; run < 20; ++run) {
            QProcess child;
            child.start(CRASH_CHILD, {folder.root()});
            QVERIFY(child.waitForReadyRead(30000));
            QThread::usleep(random.bounded(500, 200000)); // where in the saves the kill falls
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            QCOMPARE(LeesSupplement(folder.folder(), "Delft").status, ReadStatus::Complete);
            const QByteArray now = pair();
            QVERIFY(now == a || now == b);
            ++(now == a ? sawA : sawB);
            QCOMPARE(QDir(folder.path("Supplementen")).entryList({"*.nieuw", "*.klaar", "*.velinor-*"}, QDir::Files),
                     QStringList());
        }
        QVERIFY(sawA > 0);
        QVERIFY(sawB > 0);
    }

    // A second copy saving the same supplement while the first is between its two files waits for it:
    // both saves succeed, and the pair on disk is the second copy's (its text, and no picture).
    void twoCopiesSavingAtOnceTakeTurns()
    {
        TestFolder folder;
        WriteStatus first = WriteStatus::Saved, second = WriteStatus::TextNotWritten;
        std::thread secondCopy;
        first = SchrijfSupplement(folder.folder(), {"Delft", "A", "2009", "1", {"A"}, Picture}, [&] {
                    secondCopy = std::thread([&] {
                        second = SchrijfSupplement(folder.folder(), {"Delft", "B", "2009", "1", {}, {}}).status;
                    });
                    QThread::msleep(300); // ample for a save that does not wait
                }).status;
        secondCopy.join();
        QCOMPARE(first, WriteStatus::Saved);
        QCOMPARE(second, WriteStatus::Saved);
        QVERIFY(folder.read("Supplementen/Delft.sup").startsWith("Delft\r\nB\r\n"));
        QVERIFY(!QFile::exists(folder.path("Supplementen/Delft.bmp")));
    }

    // A program folder deleted while the program runs is not made again by a save. What a killed write
    // left behind (the safe writer's own name) is cleared by the next write of the same file once it is
    // old; nothing else beside it is touched.
    void goneFoldersAndLeftovers()
    {
        TestFolder folder;
        const ProgramFolder gone(folder.path("weg"));
        QCOMPARE(SchrijfSupplement(gone, {"Delft", "A", "2009", "1", {}, {}}).status, WriteStatus::ProgramFolderGone);
        QVERIFY(!QFileInfo::exists(gone.root()));
        const QStringList files = {"cs.pdf.velinor-Ab12cd", "cs.pdf.velinor-Xy34zw", "cs.pdf.qUcusY", "cs.pdf.oud"};
        for (const QString& file : files)
            QVERIFY(folder.write(file, "x"));
        const QDateTime old = QDateTime::currentDateTime().addSecs(-SafeFile::LeftoverSeconds - 60);
        for (const QString& file : {files[0], files[2], files[3]}) {
            QFile left(folder.path(file));
            QVERIFY(left.open(QIODevice::ReadWrite));
            QVERIFY(left.setFileTime(old, QFileDevice::FileModificationTime));
        }
        QVERIFY(SafeFile::replace(folder.path("cs.pdf"), "pdf"));
        QCOMPARE(QDir(folder.root()).entryList({"cs.pdf*"}, QDir::Files),
                 QStringList({"cs.pdf", "cs.pdf.oud", "cs.pdf.qUcusY", "cs.pdf.velinor-Xy34zw"}));
    }

    // A new file gets the mode any new file gets; a replaced one keeps its own. A write that cannot be
    // made says why and leaves no file.
    void aWriteThatSucceedsKeepsTheMode()
    {
        TestFolder folder;
        const SafeFile::Result unknown = PictureFile::write(Picture, folder.path("plaatje.xyz"), "XYZ", -1);
        QVERIFY(!unknown);
        QCOMPARE(unknown.reason, "het plaatje kon niet als XYZ worden opgemaakt");
        QVERIFY(!QFile::exists(folder.path("plaatje.xyz")));
        QVERIFY(SafeFile::replace(folder.path("nieuw"), "x"));
        QVERIFY(folder.write("gewoon", "x"));
        QCOMPARE(QFile::permissions(folder.path("nieuw")), QFile::permissions(folder.path("gewoon")));
        const QFile::Permissions mine = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(folder.path("gewoon"), mine));
        QVERIFY(SafeFile::replace(folder.path("gewoon"), "y"));
        QCOMPARE(QFile::permissions(folder.path("gewoon")), mine | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(SafeFile::replace(folder.path("geen/map/x"), "x").reason, QStringLiteral("de map bestaat niet"));
    }

    void pictureLimits_data()
    {
        const QByteArray jpeg = *PictureFile::encode(Picture, "JPEG"), bitmap = *PictureFile::encode(Picture, "BMP");
        const QString tooLarge = "rand.bmp is te groot (%1 pixels).";
        const QString cut = "rand.bmp is beschadigd: het bestand houdt op voordat het plaatje af is.";
        const QString otherSize = "rand.bmp is geen plaatje van 500 x 260 pixels, maar van %1 pixels.";
        const auto bomb = [](const QString& name) {
            QFile file(TestFolder::sourceDir() + "/tests/fuzz/corpus/pictures/bomb-" + name);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("sheetlet");
        QTest::addColumn<QString>("error");
        QTest::newRow("bmp te breed") << BombPictures::bitmapHeader(8193, 8192) << false << tooLarge.arg("8193 x 8192");
        QTest::newRow("jpeg te groot") << BombPictures::progressiveJpeg(40000, 40000) << false
                                       << tooLarge.arg("40000 x 40000");
        // The header states the first frame (163 x 520) while the picture decodes onto the screen.
        QTest::newRow("gif-scherm") << QByteArray::fromHex("4749463839612508008d000e002c9d00080006000002000900")
                                    << false << tooLarge.arg("2085 x 36096");
        QTest::newRow("16-bit png") << bomb("16bit-8192.png") << false << tooLarge.arg("8192 x 8192");
        QTest::newRow("progressieve jpeg")
            << BombPictures::progressiveJpeg(8192, 8192) << false << tooLarge.arg("8192 x 8192");
        QTest::newRow("velletje jpeg") << BombPictures::progressiveJpeg(8192, 8192) << true
                                       << otherSize.arg("8192 x 8192");
        QTest::newRow("velletje bmp") << BombPictures::bitmapHeader(501, 260) << true << otherSize.arg("501 x 260");
        QTest::newRow("bmp alleen kop") << bitmap.left(60) << true << cut;
        QTest::newRow("bmp te kort") << bitmap.chopped(1) << true << cut;
        QTest::newRow("jpeg te kort") << jpeg.chopped(2) << true << cut;
        QTest::newRow("bmp heel") << bitmap << true << QString();
        QTest::newRow("jpeg heel") << jpeg << true << QString();
        QTest::newRow("jpeg met staart") << jpeg + "na het einde" << true << QString();
    }

    // Refused before decoding, whatever the name says the file is: more than 8192 x 8192 pixels (a GIF by its
    // screen); more than the decode limit in memory (a 16-bit PNG, a progressive JPEG's coefficients beside its
    // output); a file cut short, which the decoders would fill with grey or black; and where a sheetlet's
    // 500 x 260 is wanted, any other size.
    void pictureLimits()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, sheetlet);
        QFETCH(QString, error);
        TestFolder folder;
        QVERIFY(folder.write("rand.bmp", bytes));
        const auto options = sheetlet ? PictureFile::ReadOptions::exactly({500, 260}) : PictureFile::ReadOptions();
        QCOMPARE(PictureFile::read(folder.path("rand.bmp"), options).error, error);
    }
};

QTEST_MAIN(TestSafeFiles)
#include "test_safe_files.moc"
