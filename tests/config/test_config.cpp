// The colour configuration: live repainting, the hex read-outs, Reset, and
// nothing written before the exit.

#include "app/application_state.h"
#include "app/settings_file.h"
#include "app/ui/main_form.h"
#include "app/ui/page_preview.h"
#include "common/main_window_fixture.h"
#include "common/scripted_interaction.h"
#include "common/test_folder.h"
#include "config/ui/config.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void barsRepaintLive()
    {
        MainWindowFixture f;
        Main& main = *f.main;
        const QByteArray settingsBefore = f.folder.read(SettingsFile::FileName);
        Config config(f.state, [&main] { main.showColours(); });
        QCOMPARE(config.hScroll(1)->value(), 190);
        QCOMPARE(config.hScroll1(3)->value(), 230);
        QCOMPARE(config.findChild<QLabel*>("Label7")->text(), QStringLiteral("Hex. BEC8F0"));

        config.hScroll(1)->setValue(0);
        config.hScroll(2)->setValue(5);
        config.hScroll(3)->setValue(0);
        QCOMPARE(f.state.VensterG, 5);
        QCOMPARE(config.findChild<QLabel*>("Label7")->text(), QStringLiteral("Hex. 000500"));
        QCOMPARE(main.findChild<QWidget*>("Frame1")->palette().color(QPalette::Window), QColor(0, 5, 0));

        for (int i = 1; i <= 3; ++i)
            config.hScroll1(i)->setValue(255);
        QCOMPARE(config.findChild<QLabel*>("Label8")->text(), QStringLiteral("Hex. FFFFFF"));
        QCOMPARE(main.findChild<PagePreview*>("Pic")->background(), QColor(255, 255, 255));

        QTest::mouseClick(config.findChild<QPushButton*>("OkKnop"), Qt::LeftButton);
        QCOMPARE(config.result(), int(QDialog::Accepted));
        QCOMPARE(f.state.SupplementR, 255);      // Ok keeps the changes ...
        QCOMPARE(f.folder.read(SettingsFile::FileName), settingsBefore);   // ... and writes nothing yet
    }

    // A settings file may hold any whole number; the window shows, and from then on holds, what its bars can.
    void valuesBeyondTheBarsAreClamped()
    {
        MainWindowFixture f;
        Main& main = *f.main;
        f.state.VensterR = 3000;
        f.state.SupplementG = -5;
        Config config(f.state, [&main] { main.showColours(); });
        QCOMPARE(f.state.VensterR, 255);
        QCOMPARE(f.state.SupplementG, 0);
        QCOMPARE(config.findChild<QLabel*>("Label7")->text(), QStringLiteral("Hex. FFC8F0"));
        QCOMPARE(config.findChild<QLabel*>("Label8")->text(), QStringLiteral("Hex. DC00E6"));
        QCOMPARE(config.findChild<QLabel*>("Kleur7")->palette().color(QPalette::Window), QColor(255, 200, 240));
        QCOMPARE(main.findChild<QWidget*>("Frame1")->palette().color(QPalette::Window), QColor(255, 200, 240));
    }

    void resetRestoresDefaultsEverywhere()
    {
        MainWindowFixture f;
        Main& main = *f.main;
        Config config(f.state, [&main] { main.showColours(); });
        config.hScroll(1)->setValue(10);
        config.hScroll1(2)->setValue(10);
        QTest::mouseClick(config.findChild<QPushButton*>("ResetKnop"), Qt::LeftButton);
        QCOMPARE(f.state.VensterR, 190);
        QCOMPARE(f.state.SupplementG, 220);
        QCOMPARE(config.hScroll(1)->value(), 190);
        QCOMPARE(config.hScroll1(2)->value(), 220);
        QCOMPARE(main.findChild<PagePreview*>("Pic")->background(), QColor(220, 220, 230));
        QCOMPARE(config.findChild<QPushButton*>("ResetKnop")->toolTip(), QStringLiteral(" Reset achtergrondkleur "));
    }

    void menuOpensTheWindowModally()
    {
        MainWindowFixture f;
        Main& main = *f.main;
        f.interaction.modalScripts.enqueue([](QDialog& dialog) {
            auto& config = static_cast<Config&>(dialog);
            config.hScroll(3)->setValue(7);
            config.OkKnop_Click();
            return dialog.result();
        });
        main.menus().ConfiguratieInstellingen->trigger();
        QCOMPARE(f.interaction.texts("modal"), QStringList({"Config"}));
        QCOMPARE(int(f.state.VensterB), 7);
    }
};

QTEST_MAIN(TestConfig)
#include "test_config.moc"
