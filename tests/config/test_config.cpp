// The colour configuration: live repainting, the hex read-outs, Reset, and
// nothing written before the exit.

#include "app/settings_file.h"
#include "common/main_window_fixture.h"
#include "config/ui/config.h"
#include "documents/ui/page_preview.h"

#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

class TestConfig : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The menu opens the window modally. Each bar sets its own component and repaints at once; a value
    // beyond the bars, as a settings file may hold, is shown and from then on held as the bar can; Reset
    // puts both colours and all six bars back; Ok keeps the changes and writes nothing yet.
    void colourWindow()
    {
        MainWindowFixture f;
        const QByteArray settingsBefore = f.folder.read(SettingsFile::FileName);
        f.interaction.modalScripts.enqueue([](QDialog& dialog) {
            static_cast<Config&>(dialog).hScroll(3)->setValue(7);
            return int(QDialog::Accepted);
        });
        f.main->menus().ConfiguratieInstellingen->trigger();
        QCOMPARE(f.interaction.texts("modal"), QStringList({"Config"}));
        f.state.setSupplementKleur(220, -5, 230);
        Config config(f.state);
        const auto hex = [&] {
            return config.findChild<QLabel*>("Label7")->text() + config.findChild<QLabel*>("Label8")->text();
        };
        QCOMPARE(hex(), QStringLiteral("Hex. BEC807Hex. DC00E6"));
        QCOMPARE(f.state.SupplementKleur().g, 0);
        const int window[] = {0, 1, 5, 9}, page[] = {0, 255, 64, 128}; // red, green, blue from 1
        for (int i = 1; i <= 3; ++i) {
            config.hScroll(i)->setValue(window[i]);
            config.hScroll1(i)->setValue(page[i]);
        }
        const ColourParts venster = f.state.VensterKleur();
        QCOMPARE(QList<int>({venster.r, venster.g, venster.b}), QList<int>({1, 5, 9}));
        QCOMPARE(hex(), QStringLiteral("Hex. 010509Hex. FF4080"));
        QCOMPARE(f.child<QWidget>("Frame1")->palette().color(QPalette::Window), QColor(1, 5, 9));
        QCOMPARE(f.child<PagePreview>("Pic")->background(), QColor(255, 64, 128));
        QTest::mouseClick(config.findChild<QPushButton*>("ResetKnop"), Qt::LeftButton);
        const QList<int> blueAndGreen = {f.state.VensterKleur().b, f.state.SupplementKleur().g};
        QCOMPARE(blueAndGreen + QList<int>({config.hScroll(3)->value(), config.hScroll1(2)->value()}),
                 QList<int>({240, 220, 240, 220}));
        QCOMPARE(f.child<PagePreview>("Pic")->background(), QColor(220, 220, 230));
        QTest::mouseClick(config.findChild<QPushButton*>("OkKnop"), Qt::LeftButton);
        QCOMPARE(config.result(), int(QDialog::Accepted));
        QCOMPARE(f.folder.read(SettingsFile::FileName), settingsBefore);
    }
};

QTEST_MAIN(TestConfig)
#include "test_config.moc"
