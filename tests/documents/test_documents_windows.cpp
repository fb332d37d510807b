// The supplement windows as the user meets them on the main window: the field
// entry, the description window, the open dialog in both modes, New, save with
// its questions, the picture export and the totals. What the core decides is
// tested in the core suites; here, what the windows ask, refuse and show.

#include "app/text_file.h"
#include "app/ui/double_click_label.h"
#include "app/ui/main_form.h"
#include "common/main_window_fixture.h"
#include "documents/description_lines.h"
#include "documents/field_entry.h"
#include "documents/supplement_model.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/supplement_commands.h"
#include "documents/ui/tekstform.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

struct Fixture : MainWindowFixture
{
    using MainWindowFixture::MainWindowFixture;
    SupplementCommands& commands() const { return controller<SupplementCommands>(); }
    QString description() const { return main->controls().OmschrijfLabel->toPlainText(); }
    bool pageHasPicture() const { return !main->controls().PicImage->pixmap().isNull(); }
    QStringList messages() const { return interaction.texts("message"); }

    // Answers the next modal window with the given steps.
    template<typename Dialog> void script(std::function<void(Dialog&)> steps)
    {
        interaction.modalScripts.enqueue([steps](QDialog& dialog) {
            steps(static_cast<Dialog&>(dialog));
            return dialog.result();
        });
    }
    void enter(const QString& text)
    {
        script<Invoer>([text](Invoer& d) {
            d.Text1->setText(text);
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            if (d.result() != QDialog::Accepted)
                d.reject();
        });
    }
    void open(const QString& name)
    {
        script<LaadVel>([name](LaadVel& d) {
            d.List1->setCurrentItem(d.List1->findItems(name, Qt::MatchExactly).value(0));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
    }
};

} // namespace

class TestDocumentsWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    // Each entry the field entry refuses keeps its window open with a message; what it takes goes to
    // the model and the page, blanks included. An emptied field stays a target for a double click.
    void fieldEntry()
    {
        Fixture f;
        const QList<std::tuple<InvoerVeld, QString, QString, QString>> cases = {
            {InvoerVeld::Jaartal, "207", "Lengte jaartal is 4 tekens!", "Jaar"},
            {InvoerVeld::Jaartal, " 2007 ", "", " 2007 "},
            {InvoerVeld::Plaatsnaam, "Łódź", "De tekens Ł ź kunnen niet in een supplement worden bewaard", "Plaatsnaam"},
            {InvoerVeld::Plaatsnaam, "", "", ""},
            {InvoerVeld::CatalogusNr, "1234", "", "1234"},
        };
        for (const auto& [veld, text, message, stored] : cases) {
            f.interaction.shown.clear();
            f.enter(text);
            f.commands().editField(veld);
            QCOMPARE(f.messages().value(0).left(message.size()), message);
            QCOMPARE(f.model.field(modelField(veld)), stored);
        }
        QCOMPARE(f.state.Gereedschap, ToolMode::FieldCatalogusNr);
        QCOMPARE(f.text("CatalogusLabel"), QStringLiteral("Nr.1234"));
        QCOMPARE(f.text("JaartalLabel"), QStringLiteral(" 2007 "));
        f.script<Invoer>([](Invoer& d) {
            QCOMPARE(d.Label1->text(), QStringLiteral("Geef in bovenstaande invoerbalk de Plaatsnaam in."));
            QCOMPARE(d.Text1->maxLength(), SupplementBestand::MaxNameLength);
            QTest::mouseClick(d.CancelKnop, Qt::LeftButton);
        });
        QVERIFY(f.main->controls().PlaatsLabel->width() >= 20);
        QTest::mouseDClick(f.main->controls().PlaatsLabel, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(f.interaction.texts("modal").size(), 2); // the last entry and the double click
    }

    // The stored lines are the lines the box shows; the window refuses more than 99 and characters the
    // file cannot hold, and says how many lines the printed page holds.
    void descriptionWindow()
    {
        Fixture f;
        QString paragraph;
        for (int i = 0; i < 80; ++i)
            paragraph += QStringLiteral("woord%1 ").arg(i);
        int displayed = 0;
        f.script<TekstForm>([&](TekstForm& d) {
            d.Text1->setPlainText(paragraph + QStringLiteral("\nslot"));
            for (QTextBlock block = d.Text1->document()->begin(); block.isValid(); block = block.next())
                displayed += block.layout()->lineCount();
            QCOMPARE(d.Label1->text(), QStringLiteral("Regels : %1").arg(displayed));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        QTest::mouseDClick(f.main->controls().OmschrijfLabel->viewport(), Qt::LeftButton);
        QCOMPARE(f.model.OmschrijvingRegels(), GetTextBoxZeilen(paragraph) << QStringLiteral("slot"));
        QCOMPARE(int(f.model.OmschrijvingRegels().size()), displayed);

        f.script<TekstForm>([](TekstForm& d) {
            QTest::mouseClick(d.NewKnop, Qt::LeftButton); // answered No
            QVERIFY(!d.text().isEmpty());
            for (const QString& refused : {QString(99, QLatin1Char('\n')), QStringLiteral("Gdańsk")}) {
                d.Text1->setPlainText(refused);
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
                QCOMPARE(d.result(), int(QDialog::Rejected));
            }
            d.Text1->setPlainText(QString(98, QLatin1Char('\n'))); // 99 lines: stored, but not printed whole
            QCOMPARE(d.PasLabel->text(), QStringLiteral("Op het albumblad passen 25 regels."));
            QCOMPARE(d.PasLabel->palette().color(QPalette::WindowText), QColor(155, 0, 0));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        f.commands().OmschrijfLabel_DblClick();
        QCOMPARE(f.interaction.texts("question"), QStringList{QStringLiteral("Wilt u een nieuwe tekst invoeren?")});
        QVERIFY(f.messages().value(0).contains(QStringLiteral("100 regels")));
        QVERIFY(f.messages().value(1).startsWith(QStringLiteral("Het teken ń kan niet")));
        QCOMPARE(f.model.AantalRegels(), 99);
    }

    // New asks, naming an unsaved design, and puts the page, the panel, the help entry and the title back.
    void newAnsweredNoThenYes()
    {
        Fixture f(true);
        f.model.openSheetlet(f.folder.folder(), QStringLiteral("2007-Delft"));
        f.model.transferPicture();
        QVERIFY(f.main->isWindowModified());
        f.commands().FileNew_Click();
        QCOMPARE(f.interaction.texts("question"),
                 QStringList{QStringLiteral("Het ontwerp is nog niet bewaard. Wilt u een nieuw Velletje ontwerpen?")});
        QCOMPARE(f.text("PlaatsLabel"), QStringLiteral("Delft"));

        f.interaction.yesNoAnswers.enqueue(true);
        f.commands().FileNew_Click();
        for (const auto& [label, text] : QList<std::pair<const char*, QString>>{
                 {"PlaatsLabel", "Plaatsnaam"}, {"CatalogusLabel", "Nr."}, {"JaartalLabel", "Jaar"},
                 {"PagLabel", "1"}, {"Infolab3", "0"}, {"InfoLabel", "Informatie"}})
            QCOMPARE(f.text(QString::fromLatin1(label)), text);
        QCOMPARE(f.description(), QStringLiteral("Omschrijving"));
        QCOMPARE(f.main->menus().HelpInfo->text(), QStringLiteral("Info..."));
        QVERIFY(!f.pageHasPicture());
        QVERIFY(!f.main->isWindowModified());
    }

    // The open dialog refuses what is no sheetlet; a sheetlet reaches the canvas, the page labels and
    // the catalogue panel, not the page's picture.
    void openASheetlet()
    {
        Fixture f;
        QVERIFY(filled({501, 260}, qRgb(1, 1, 1)).save(f.folder.path("Images/2008-Breed.jpg"), "JPEG"));
        QVERIFY(filled({500, 260}, qRgb(0, 0, 200)).save(f.folder.path("Images/2008-Verzamelblokje Noord.jpg"), "JPEG"));
        QVERIFY(filled({500, 260}, qRgb(0, 0, 200)).save(f.folder.path("Images/2008.jpg"), "JPEG"));
        QVERIFY(TextFile::writeLines(f.folder.path("Data/Informatie.cat"),
                                     {"2008-Verzamelblokje Noord", "14", "2314", "Studio", "01-02-2008", "300.000",
                                      "5 x € 0.44", "14", "150 x 72 mm", "€ 5.25", "---"}));
        f.script<LaadVel>([](LaadVel& d) {
            QCOMPARE(d.Label2->text(),
                     QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de 3 velletjes die u wilt openen."));
            QVERIFY(!d.OkKnop->isEnabled());
            for (const char* name : {"2008-Breed", "2008", "2008-Verzamelblokje Noord"}) {
                d.List1->setCurrentItem(d.List1->findItems(QString::fromUtf8(name), Qt::MatchExactly).value(0));
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            }
        });
        f.commands().OpenKnop_Click();
        QCOMPARE(f.messages(), QStringList(2, QStringLiteral("Géén Velinor velletje!")));
        QCOMPARE(f.state.Gereedschap, ToolMode::OpenSheetlet);
        for (const auto& [label, text] : QList<std::pair<const char*, QString>>{
                 {"PlaatsLabel", "Verzamelblokje Noord"}, {"JaartalLabel", "2008"}, {"CatalogusLabel", "Nr.2314"},
                 {"Infolab7", "€ 5,25"}, {"InfoLabel", "2008-Verzamelblokje Noord"}})
            QCOMPARE(f.text(QString::fromLatin1(label)), text);
        QVERIFY(qBlue(f.canvas().pixel(250, 130)) > 190);
        QVERIFY(!f.pageHasPicture());
    }

    // A supplement of too many lines opens with what was read; a damaged one names its line.
    void openSupplements()
    {
        Fixture f(true);
        QByteArray text = "Zwolle\r\n1\r\n2006\r\n2\r\n" + QByteArray(48, '-') + "\r\n";
        for (int i = 0; i < 105; ++i)
            text += "regel\r\n";
        QVERIFY(f.folder.write("Supplementen/Zwolle.sup", text));
        QVERIFY(f.folder.write("Supplementen/Lang.sup", "Lang\r\n1\r\n2\r\n3\r\n---\r\n" + QByteArray(5000, 'y')));
        f.open(QStringLiteral("Zwolle"));
        f.commands().FileOpen_Click();
        QCOMPARE(f.state.Gereedschap, ToolMode::OpenSupplement);
        QCOMPARE(f.text("PlaatsLabel"), QStringLiteral("Zwolle"));
        QCOMPARE(f.description().count(QStringLiteral("regel")), 100);
        QCOMPARE(f.text("InfoLabel"), QStringLiteral("2006-Zwolle"));
        QVERIFY(!f.pageHasPicture());
        f.open(QStringLiteral("Lang"));
        f.commands().FileOpen_Click();
        QVERIFY(f.messages().value(0).startsWith(QStringLiteral("Regel 6 van 'Lang.sup'")));
        QCOMPARE(f.text("PagLabel"), QStringLiteral("3"));
    }

    void saveAsksBeforeReplacingAndRefusesBadNames()
    {
        Fixture f;
        QVERIFY(f.folder.write("Supplementen/Delft.sup", "oud"));
        f.model.setPlaatsnaam(QStringLiteral("DELFT"));
        f.model.transferPicture();
        f.commands().FileSave_Click();
        QCOMPARE(f.interaction.texts("question"), QStringList{QStringLiteral("Bestand 'DELFT' bestaat reeds, overschrijven?")});
        QCOMPARE(f.interaction.shown.last().title, QStringLiteral(" File exist"));
        QCOMPARE(f.folder.read("Supplementen/Delft.sup"), QByteArray("oud"));
        f.interaction.yesNoAnswers.enqueue(true);
        f.commands().FileSave_Click();
        QVERIFY(f.folder.read("Supplementen/Delft.sup").startsWith("DELFT\r\n"));
        QVERIFY(!f.main->isWindowModified());

        f.model.setPlaatsnaam(QStringLiteral("../Data/Informatie"));
        f.commands().FileSave_Click();
        QVERIFY(f.messages().value(0).contains(QStringLiteral("kan geen bestandsnaam zijn")));
    }

    void exportAndTotals()
    {
        Fixture f;
        f.model.canvas().reset(filled({500, 260}, qRgb(30, 60, 90)));
        f.interaction.fileAnswers.enqueue(f.folder.path("velletje"));
        f.commands().FileSaveAs_Click(1);
        QCOMPARE(QImage(f.folder.path("velletje"), "BMP").convertToFormat(QImage::Format_RGB32),
                 filled({500, 260}, qRgb(30, 60, 90)));
        QVERIFY(QDir().mkpath(f.folder.path("mydummy.bmp/blokkade")));
        f.interaction.fileAnswers.enqueue(f.folder.path("ander.jpg"));
        f.commands().FileSaveAs_Click(2);
        QCOMPARE(f.messages(), QStringList{QStringLiteral("File save not as JPG!")});

        QVERIFY(TextFile::writeLines(f.folder.path("Data/Informatie.cat"),
                                     {"a", "1", "2", "3", "4", "5", "5 x € 0.44", "7", "8", "€ 12.50", "-"}));
        f.commands().BerekenTotaal_Click(1);
        QCOMPARE(f.messages().last(), QStringLiteral("Catalogusprijs voor deze \n1 velletjes.... € 12,50"));
    }
};

QTEST_MAIN(TestDocumentsWindows)
#include "test_documents_windows.moc"
