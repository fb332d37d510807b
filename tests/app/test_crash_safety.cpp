// Saving survives being killed at any moment: a child process saves over and
// over and is killed with SIGKILL; what is on disk is then always one whole
// version, never a mixture, an empty file or no file.

#include "app/application_state.h"
#include "app/settings_file.h"
#include "common/test_folder.h"

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
};

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "test_crash_safety.moc"
