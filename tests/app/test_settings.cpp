// The settings file: what start-up does with a good, a short, a damaged or a
// missing file, and what the exit writes.

#include "app/application_state.h"
#include "app/settings_file.h"
#include "common/test_folder.h"

#include <QtTest>

namespace {
const QByteArray Header = "\"Velinor - verzamelaarssoftware 2026\"\r\n\"--------------------------\"\r\n";
}

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstStartWritesDefaults()
    {
        TestFolder folder;
        ApplicationState state;
        SettingsFile::load(folder.path(SettingsFile::FileName), state);
        QCOMPARE(folder.read(SettingsFile::FileName), Header + "190,200,240\r\n220,220,230\r\n");
        QCOMPARE(state.VensterR, 190);
    }

    void goodFileIsRead()
    {
        TestFolder folder;
        const QByteArray content = Header + "1,2,3\r\n4,5,6\r\n";
        folder.write(SettingsFile::FileName, content);
        ApplicationState state;
        SettingsFile::load(folder.path(SettingsFile::FileName), state);
        QCOMPARE(state.VensterR, 1);
        QCOMPARE(state.VensterG, 2);
        QCOMPARE(int(state.VensterB), 3);
        QCOMPARE(state.SupplementR, 4);
        QCOMPARE(int(state.SupplementB), 6);
        QCOMPARE(folder.read(SettingsFile::FileName), content);   // not rewritten
    }

    void redAbove255IsKept()
    {
        TestFolder folder;
        const QByteArray content = Header + "300,0,0\r\n4,5,6\r\n";
        folder.write(SettingsFile::FileName, content);
        ApplicationState state;
        SettingsFile::load(folder.path(SettingsFile::FileName), state);
        QCOMPARE(state.VensterR, 300);
        QCOMPARE(folder.read(SettingsFile::FileName), content);
    }

    void blueAbove255StopsReadingAndRewrites()
    {
        TestFolder folder;
        folder.write(SettingsFile::FileName, Header + "10,20,300\r\n4,5,6\r\n");
        ApplicationState state;
        SettingsFile::load(folder.path(SettingsFile::FileName), state);
        // Red and green were read before the failure and stay; the rest keeps its default.
        QCOMPARE(state.VensterR, 10);
        QCOMPARE(state.VensterG, 20);
        QCOMPARE(int(state.VensterB), 240);
        QCOMPARE(state.SupplementR, 220);
        QCOMPARE(folder.read(SettingsFile::FileName), Header + "10,20,240\r\n220,220,230\r\n");
    }

    void shortOrDamagedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("rewritten");
        QTest::newRow("empty") << QByteArray() << Header + "190,200,240\r\n220,220,230\r\n";
        QTest::newRow("header only") << Header << Header + "190,200,240\r\n220,220,230\r\n";
        QTest::newRow("one colour") << Header + "1,2,3\r\n" << Header + "1,2,3\r\n220,220,230\r\n";
        QTest::newRow("text for a number") << Header + "1,\"groen\",3\r\n4,5,6\r\n" << Header + "1,200,240\r\n220,220,230\r\n";
        QTest::newRow("LF only") << QByteArray("\"h\"\n\"-\"\n7,8,9\n1,2,3\n") << QByteArray("\"h\"\n\"-\"\n7,8,9\n1,2,3\n");
        QTest::newRow("negative blue") << Header + "1,2,-1\r\n" << Header + "1,2,240\r\n220,220,230\r\n";
    }

    void shortOrDamagedFiles()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, rewritten);
        TestFolder folder;
        folder.write(SettingsFile::FileName, content);
        ApplicationState state;
        SettingsFile::load(folder.path(SettingsFile::FileName), state);
        QCOMPARE(folder.read(SettingsFile::FileName), rewritten);
    }

    void unwritableFolderIsNoFailure()
    {
        ApplicationState state;
        SettingsFile::load(QStringLiteral("/nonexistent-folder/Velinor.ini"), state);
        QCOMPARE(state.VensterR, 190);
        QVERIFY(!SettingsFile::write(QStringLiteral("/nonexistent-folder/Velinor.ini"), state));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
