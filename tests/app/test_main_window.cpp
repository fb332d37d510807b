// The main window as the user meets it: layout and captions, the colours from
// the settings file, the exit question, the clock, the progress bar and the
// transfer of the canvas to the page.

#include "app/application_state.h"
#include "app/settings_file.h"
#include "app/ui/main_form.h"
#include "app/ui/page_preview.h"
#include "canvas/ui/pic_edit.h"
#include "common/main_window_fixture.h"
#include "common/write_failure.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT

    using Fixture = MainWindowFixture;

    static QStringList captions(QMenu* menu)
    {
        QStringList result;
        for (QAction* action : menu->actions())
            result << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return result;
    }

private Q_SLOTS:
    void layoutAndStartValues()
    {
        Fixture f;
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Velinor[*]"));
        QVERIFY(!f.main->isWindowModified());
        QCOMPARE(f.main->centralWidget()->size(), Main::ClientSize);
        const QList<std::pair<const char*, QSize>> areas = {
            {"Frame1", {412, 574}}, {"Frame2", {529, 437}}, {"Frame3", {529, 37}}, {"Frame4", {529, 98}},
            {"Pic", {360, 540}},    {"Ringband", {21, 540}}, {"PicEdit", {500, 260}}};
        for (const auto& [name, size] : areas)
            QCOMPARE(f.child<QWidget>(QString::fromLatin1(name))->size(), size);
        const QList<std::pair<const char*, QString>> texts = {
            {"PlaatsLabel", "Plaatsnaam"}, {"CatalogusLabel", "Nr."},   {"JaartalLabel", "Jaar"},
            {"PagLabel", "1"},             {"InfoLabel", "Informatie"}, {"KlokLabel", "00:00:00"},
            {"Label12", "Lijndikte : 2 pixels"}, {"CoorLabel", "Coördinaten :"}, {"Infolab8", "0"}};
        for (const auto& [name, text] : texts)
            QCOMPARE(f.text(QString::fromLatin1(name)), text);
        QCOMPARE(f.child<QWidget>("PagLabel")->toolTip(), QStringLiteral(" Dubbelklik voor Bewerken "));
        QVERIFY(f.child<QPlainTextEdit>("OmschrijfLabel")->toPlainText().startsWith(QStringLiteral("Hier kunt u")));
        // Twelve buttons side by side, 42 pixels wide (the last 43), disabled at start.
        for (int i = 1; i <= 12; ++i) {
            auto* button = f.child<QToolButton>(QStringLiteral("Knop%1").arg(i));
            QVERIFY(!button->isEnabled());
            QCOMPARE(button->width(), i == 12 ? 43 : 42);
            if (i > 1)
                QCOMPARE(button->x(), f.child<QToolButton>(QStringLiteral("Knop%1").arg(i - 1))->geometry().right() + 1);
        }
        QVERIFY(!f.child<QScrollBar>("Slider1")->isEnabled());
        QCOMPARE(f.child<QToolButton>("ConvertKnop")->toolTip(), QStringLiteral(" Afbeelding overzetten "));
    }

    void menus()
    {
        Fixture f;
        QStringList bar;
        for (QAction* action : f.main->menuBar()->actions())
            bar << action->text().remove(QLatin1Char('&'));
        QCOMPARE(f.main->menuBar()->actions().first()->text(), QStringLiteral("&File")); // Alt+F opens it
        QCOMPARE(bar, QStringList({"File", "Geografie", "Bewerken", "Opmaak", "Kleuren", "Berekeningen", "Help", "|", "*.*"}));

        const MainMenus& m = f.main->menus();
        QCOMPARE(captions(f.child<QMenu>("File")),
                 QStringList({"Nieuw", "Open Supplement", "Save Supplement", "-", "Velletje Opslaan als...",
                              "Opslaan als PDF", "-", "Afdrukken", "Setup Printer", "-", "Exit"}));
        QCOMPARE(captions(f.child<QMenu>("FilePdf")), QStringList({"Supplement", "Velletjes", "Lijst gegevens"}));
        const QList<std::pair<QAction*, QKeySequence>> keys = {
            {m.FileNew, QKeySequence::New},   {m.FileOpen, QKeySequence::Open},  {m.FileSave, QKeySequence::Save},
            {m.FilePrint, QKeySequence::Print}, {m.FileExit, QKeySequence::Quit}, {m.HelpHelp, QKeySequence::HelpContents}};
        for (const auto& [action, key] : keys)
            QCOMPARE(action->shortcut(), QKeySequence(key));
        QCOMPARE(captions(m.FileSaveAls), QStringList({"Bmp", "Jpg"}));
        QCOMPARE(captions(f.child<QMenu>("Tools")), QStringList({"Op de kaart", "Google Maps", "Plaatsnamen"}));
        QCOMPARE(captions(f.child<QMenu>("Bewerken")),
                 QStringList({"Tekenknoppen Aan", "-", "Tekenfilters", "Flip Horizontaal", "Flip Vertikaal",
                              "Flip Rechts", "Flip Boven", "Border", "-", "Ongedaan maken", "Opnieuw"}));
        QCOMPARE(captions(m.EditBewerken),
                 QStringList({"Grayscale", "Negative", "Light", "Dark", "Sharpen", "Contrast", "Pixelize", "Reliëf",
                              "Swap Colors", "Scattered", "Blur", "Aquarel", "Defuse", "Add noise", "Edge", "Contour",
                              "Sepia", "Transparant"}));
        QCOMPARE(captions(f.child<QMenu>("EditConvert5")), QStringList({"Positive", "Negative"}));
        QCOMPARE(captions(f.child<QMenu>("EditConvert8")),
                 QStringList({"RGB --> BRG", "RGB --> GBR", "RGB --> RBG", "RGB --> BGR", "RGB --> GRB"}));
        QCOMPARE(captions(f.child<QMenu>("EditBorders")), QStringList({"1 Pixel", "2 Pixels", "5 Pixels", "10 Pixels"}));
        QCOMPARE(captions(f.child<QMenu>("Perforaties")), QStringList({"Velletje", "Verzamelblokje", "Barcode"}));
        QCOMPARE(captions(f.child<QMenu>("PerforatieVelletje")), QStringList({"Perforatie", "Foto's Invoegen"}));
        QCOMPARE(captions(f.child<QMenu>("PerforatieBlok")), QStringList({"Zwart", "Wit"}));
        QCOMPARE(captions(f.child<QMenu>("PerforatieBlokFoto")), QStringList({"Groot", "Klein"}));
        QCOMPARE(captions(f.child<QMenu>("OpmaakBarcode")), QStringList({"Rechtsonder", "Linksonder", "Rechtsboven"}));
        QCOMPARE(captions(f.child<QMenu>("Bereken")), QStringList({"Totaal Cat.prijs", "Totaal Nominaal"}));
        const QStringList help = captions(f.child<QMenu>("Help"));
        QCOMPARE(help.mid(0, 3), QStringList({"Help", "Geschiedenis", "-"}));
        QCOMPARE(help.mid(4), QStringList({"Meer Software", "Info...", "Google Search", "Wikipedia"}));
        QVERIFY(m.EditKnoppen->isCheckable());
        QVERIFY(!m.EditKnoppen->isChecked());
    }

    // What a user reads: every tool button names its tool, the progress control shows only while a command
    // drives it, a long status message is read whole, and a dark panel colour leaves the menu bar and the
    // buttons readable.
    void readableMainWindow()
    {
        Fixture f;
        QCOMPARE(f.child<QToolButton>("Knop1")->toolTip(), QStringLiteral(" Potlood "));
        for (int i = 2; i <= 12; ++i)
            QVERIFY(!f.child<QToolButton>(QStringLiteral("Knop%1").arg(i))->toolTip().trimmed().isEmpty());
        QVERIFY(f.child<QWidget>("ProgBar")->isHidden());
        f.main->ToonInfo(QStringLiteral("foto.wmf is een Windows Metafile; die kan deze uitgave niet lezen."), 1);
        auto* info = f.child<QLabel>("InfoLabel");
        QVERIFY(info->wordWrap() && info->heightForWidth(info->width()) <= info->height());
        f.main->ZetVensterKleur(10, 10, 10);
        QCOMPARE(f.child<QWidget>("Frame2")->palette().color(QPalette::Window), QColor(10, 10, 10));
        QCOMPARE(f.main->menuBar()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
        QCOMPARE(f.child<QWidget>("OpenKnop")->palette().color(QPalette::Button),
                 QApplication::palette().color(QPalette::Button));
    }

    void settingsColoursReachTheWindow()
    {
        TestFolder folder;
        folder.write(QStringLiteral("Velinor.ini"), "\"x\"\r\n\"-\"\r\n10,20,30\r\n40,50,60\r\n");
        ScriptedInteraction interaction;
        ApplicationState state;
        SupplementModel model;
        Main main(state, model, folder.folder(), interaction);
        QCOMPARE(state.VensterR, 10);
        QCOMPARE(main.findChild<QWidget*>("Frame2")->palette().color(QPalette::Window), QColor(10, 20, 30));
        QCOMPARE(main.findChild<PagePreview*>("Pic")->background(), QColor(40, 50, 60));
        QVERIFY(interaction.shown.isEmpty());
    }

    void exitAnsweredNoThenYes()
    {
        Fixture f;
        f.main->show();
        f.state.VensterR = 77;      // as the colour configuration would leave it
        f.main->menus().FileExit->trigger();
        QCOMPARE(f.interaction.texts("question"), QStringList({"Wilt u dit programma nu afsluiten?"}));
        f.model.setPaginaNr(QStringLiteral("3")); // an unsaved design is named in the question
        f.main->menus().FileExit->trigger();
        QCOMPARE(f.interaction.texts("question").last(),
                 QStringLiteral("Het ontwerp is nog niet bewaard. Wilt u dit programma nu afsluiten?"));
        QCOMPARE(f.interaction.shown.last().title, QStringLiteral(" Exit"));
        QVERIFY(f.main->isVisible());
        QVERIFY(!f.folder.read(SettingsFile::FileName).contains("77,"));

        f.interaction.yesNoAnswers.enqueue(true);
        f.main->close();
        QVERIFY(!f.main->isVisible());
        QVERIFY(f.folder.read(SettingsFile::FileName).contains("\r\n77,200,240\r\n"));
    }

    void exitOnAFullDiskKeepsTheSettingsAndSaysSo()
    {
        Fixture f;
        f.main->show();
        QVERIFY(f.folder.write(SettingsFile::FileName, "oud"));
        f.interaction.yesNoAnswers.enqueue(true);
        {
            const FileSizeLimit limit(10);
            QVERIFY(f.main->close());
        }
        endWaiting(false);
        QCOMPARE(f.folder.read(SettingsFile::FileName), QByteArray("oud"));
        QCOMPARE(f.interaction.texts("message"),
                 QStringList{"De kleuren konden niet worden bewaard in Velinor.ini: het bestand wordt groter dan "
                             "toegestaan. Bij de volgende start gelden de vorige kleuren."});
    }

    void clockAndProgressBar()
    {
        Fixture f;
        f.main->KlokTimer_Timer();
        QVERIFY(QRegularExpression(QStringLiteral("^ \\d{1,2}:\\d\\d:\\d\\d / .+$")).match(f.text("KlokLabel")).hasMatch());

        auto* barTimer = f.main->findChild<QTimer*>("BarTimer");
        barTimer->start();
        f.state.Voortgang = 50;
        f.main->BarTimer_Timer();
        QCOMPARE(f.main->barWidth(), 120);
        const QImage bar = f.child<QLabel>("Bar")->pixmap().toImage();
        QCOMPARE(bar.pixelColor(119, 8), QColor(0, 0, 160));
        QCOMPARE(bar.pixelColor(120, 8), QColor(Qt::white));
        QVERIFY(barTimer->isActive());

        f.state.Voortgang = 100;
        f.main->BarTimer_Timer();
        QVERIFY(!barTimer->isActive());
        QVERIFY(f.child<QLabel>("Bar")->pixmap().isNull());
    }

    void transferButtonCopiesTheCanvas()
    {
        Fixture f;
        f.main->picEdit()->image().fill(QColor(1, 2, 3));
        QVERIFY(!f.model.AfbeeldingOvergezet());
        QTest::mouseClick(f.child<QToolButton>("ConvertKnop"), Qt::LeftButton);
        QVERIFY(f.model.AfbeeldingOvergezet());
        const QImage page = f.child<QLabel>("PicImage")->pixmap().toImage();
        QCOMPARE(page.pixelColor(10, 10), QColor(1, 2, 3));
    }

    void toonInfoColours()
    {
        Fixture f;
        f.main->ToonInfo(QStringLiteral("Let op"), 1);
        auto* info = f.child<QLabel>("InfoLabel");
        QCOMPARE(info->text(), QStringLiteral("Let op"));
        QCOMPARE(info->palette().color(QPalette::WindowText), QColor(155, 0, 0));
        f.main->ToonInfo(QStringLiteral("Gewoon"), 0);
        QCOMPARE(info->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
