// Saving survives being killed at any moment: a child process saves over and
// over and is killed with SIGKILL; what is on disk is then always one whole
// version, never a mixture, an empty file or no file.

#include "app/application_state.h"
#include "app/settings_file.h"
#include "common/test_folder.h"
#include "crash_versions.h"
#include "documents/supplement_file.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <csignal>

class TestCrashSafety : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void settingsFileIsAlwaysWhole()
    {
        TestFolder folder;
        const QString path = folder.path(SettingsFile::FileName);
        ApplicationState initial;
        QVERIFY(SettingsFile::write(path, initial));
        const QByteArray header = "\"" + SettingsFile::Header.toLatin1() + "\"\r\n\"" + SettingsFile::Hyphens.toLatin1() + "\"\r\n";
        const QList<QByteArray> whole = {header + "190,200,240\r\n220,220,230\r\n", header + "1,2,3\r\n4,5,6\r\n",
                                         header + "7,8,9\r\n10,11,12\r\n"};
        QRandomGenerator random(20261206);
        for (int run = 0; run < 40; ++run) {
            QProcess child;
            child.start(QStringLiteral(CRASH_CHILD), {QStringLiteral("settings"), folder.root()});
            QVERIFY(child.waitForReadyRead(30000));
            QThread::usleep(random.bounded(200, 20000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(30000));
            const QByteArray content = folder.read(SettingsFile::FileName);
            QVERIFY2(whole.contains(content), content.constData());
            ApplicationState read;
            QVERIFY(SettingsFile::read(path, read));
        }
    }

    // Saving version A (text and picture) and version B (text only) in turn, killed at 60 random
    // moments: once a reader has finished or discarded the interrupted save, as every reader does
    // first, the pair on disk is always all of A or all of B.
    void supplementPairIsAlwaysWhole()
    {
        TestFolder folder;
        QCOMPARE(SchrijfSupplement(folder.folder(), CrashVersions::supplement(false)).status, SchrijfStatus::Gelukt);
        const QByteArray textA = folder.read(QStringLiteral("Supplementen/Delft.sup"));
        // The child process may stamp another resolution into the file header; the pixels must be A's.
        const QImage pictureA = CrashVersions::supplement(false).afbeelding;
        QCOMPARE(SchrijfSupplement(folder.folder(), CrashVersions::supplement(true)).status, SchrijfStatus::Gelukt);
        const QByteArray textB = folder.read(QStringLiteral("Supplementen/Delft.sup"));
        QVERIFY(!QFile::exists(folder.path(QStringLiteral("Supplementen/Delft.bmp"))));

        QRandomGenerator random(6122026);
        int sawA = 0, sawB = 0;
        for (int run = 0; run < 60; ++run) {
            QProcess child;
            child.start(QStringLiteral(CRASH_CHILD), {QStringLiteral("supplement"), folder.root()});
            QVERIFY(child.waitForReadyRead(30000));
            QThread::usleep(random.bounded(500, 400000));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(30000));

            HerstelSupplementen(folder.folder());
            const QByteArray text = folder.read(QStringLiteral("Supplementen/Delft.sup"));
            const bool hasPicture = QFile::exists(folder.path(QStringLiteral("Supplementen/Delft.bmp")));
            if (text == textA) {
                QVERIFY(hasPicture);
                const QImage picture(folder.path(QStringLiteral("Supplementen/Delft.bmp")));
                QCOMPARE(picture.convertToFormat(QImage::Format_RGB32), pictureA);
                ++sawA;
            } else {
                QCOMPARE(text, textB);
                QVERIFY(!hasPicture);
                ++sawB;
            }
            QCOMPARE(LeesSupplement(folder.folder(), QStringLiteral("Delft")).status, LeesStatus::Gelukt);
            const QStringList leftovers = QDir(folder.path(QStringLiteral("Supplementen")))
                                              .entryList({QStringLiteral("*.nieuw"), QStringLiteral("*.klaar")}, QDir::Files);
            QVERIFY2(leftovers.isEmpty(), qPrintable(leftovers.join(QLatin1Char(' '))));
        }
        qInfo("old or new pair after the kills: A %d times, B %d times", sawA, sawB);
        QVERIFY(sawA > 0 && sawB > 0);
    }
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
