// The splash window: its information block, the DPI warning and the start animation.

#include "app/file_version.h"
#include "app/ui/titel.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"

#include <QLabel>
#include <QSignalSpy>
#include <QtTest>

class TestTitel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void informationBlockDescribesTheProgramFile()
    {
        TestFolder folder;
        ScriptedInteraction interaction;
        Titel titel(folder.folder(), interaction);
        QCOMPARE(titel.size(), QSize(500, 320));
        const QStringList lines = titel.findChild<QLabel*>("Label1")->text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.at(5), QStringLiteral("Version number : ") + ProgramVersion());
        QVERIFY(lines.at(6).endsWith(QStringLiteral(" Bytes")));
        QCOMPARE(lines.at(9), QStringLiteral("Dpi................... : %1 Dots per Inch").arg(titel.resolution()));
        QCOMPARE(titel.findChild<QLabel*>("KlokLabel")->text(), QStringLiteral("00:00:00"));
    }

    void dpiWarningOnlyAwayFrom96()
    {
        TestFolder folder;
        ScriptedInteraction interaction;
        Titel titel(folder.folder(), interaction);
        titel.show();
        titel.activateWindow();
        QApplication::processEvents();
        if (titel.resolution() == 96) {
            QVERIFY(interaction.texts("message").isEmpty());
        } else {
            QVERIFY(interaction.texts("message").value(0).startsWith(
                QStringLiteral("Uw beeldscherm is ingesteld op %1 DPI").arg(titel.resolution())));
            QCOMPARE(interaction.shown.first().title, QStringLiteral(" Error"));
        }
    }

    void clickOnInformationBlockStartsTheProgram()
    {
        TestFolder folder;
        ScriptedInteraction interaction;
        Titel titel(folder.folder(), interaction);
        titel.setAnimationPause(0.0f, 0.0f);
        titel.show();
        QSignalSpy started(&titel, &Titel::started);
        QTest::mouseClick(titel.findChild<QLabel*>("Label1"), Qt::LeftButton);
        QCOMPARE(started.count(), 1);
        QVERIFY(!titel.isVisible());
        // Every column of the strip has been painted: its last one in the brightest shade.
        QCOMPARE(titel.strip().pixel(239, 0), qRgb(250, 0, 0));
        QCOMPARE(titel.strip().pixel(0, 12), qRgb(0, 0, 130));
    }
};

QTEST_MAIN(TestTitel)
#include "test_titel.moc"
