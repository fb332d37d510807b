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

    // ctest runs this program at 96 and at 120 dots per inch: the warning comes once, and only away from 96.
    void dpiWarningOnceAwayFrom96()
    {
        TestFolder folder;
        ScriptedInteraction interaction;
        Titel titel(folder.folder(), interaction);
        QCOMPARE(titel.resolution(), qEnvironmentVariableIntValue("QT_FONT_DPI") == 120 ? 120 : 96);
        for (int i = 0; i < 3; ++i) {
            QEvent activation(QEvent::ActivationChange);
            titel.show();
            titel.activateWindow();
            QApplication::sendEvent(&titel, &activation);
            QApplication::processEvents();
        }
        const QStringList messages = interaction.texts("message");
        QCOMPARE(messages.size(), titel.resolution() == 96 ? 0 : 1);
        if (!messages.isEmpty())
            QVERIFY(messages.first().startsWith(QStringLiteral("Uw beeldscherm is ingesteld op 120 DPI")));
    }

    // The block is wide enough for its longest line, and the clock stands after "Time / Date..... :".
    void informationBlockIsReadWhole()
    {
        TestFolder folder;
        ScriptedInteraction interaction;
        Titel titel(folder.folder(), interaction);
        auto* block = titel.findChild<QLabel*>("Label1");
        block->ensurePolished();
        const QStringList lines = block->text().split(QStringLiteral("\r\n"));
        for (const QString& line : lines)
            QVERIFY2(block->fontMetrics().horizontalAdvance(line) <= block->width(), qPrintable(line));
        const auto* clock = titel.findChild<QLabel*>("KlokLabel");
        // On the last line: below the one before it, and above the block's bottom.
        const int lineTop = block->y() + block->sizeHint().height() - block->fontMetrics().height();
        QVERIFY2(qAbs(clock->y() - lineTop) <= 2, qPrintable(QStringLiteral("%1 %2").arg(clock->y()).arg(lineTop)));
        QVERIFY(clock->x() > block->x() + block->fontMetrics().horizontalAdvance(lines.last()));
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
