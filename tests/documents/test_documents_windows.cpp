// The supplement windows as the user meets them on the main window: New, the
// field entry, the description window, the open dialog in both modes, save
// with its questions, the picture export and the totals.

#include "app/application_state.h"
#include "app/text_file.h"
#include "documents/supplement_model.h"
#include "app/ui/double_click_label.h"
#include "app/ui/main_form.h"
#include "canvas/ui/pic_edit.h"
#include "common/main_window_fixture.h"
#include "documents/catalogue.h"
#include "documents/description_lines.h"
#include "documents/supplement_file.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/supplement_commands.h"
#include "documents/ui/tekstform.h"

#include <QAction>
#include <QImageReader>
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
    QString helpInfo() const { return main->menus().HelpInfo->text(); }

    // Answers the next modal window with the given steps; returns the window's own result.
    template<typename Dialog> void script(std::function<void(Dialog&)> steps)
    {
        interaction.modalScripts.enqueue([steps](QDialog& dialog) {
            steps(static_cast<Dialog&>(dialog));
            return dialog.result();
        });
    }
};

void typeInto(QLineEdit* line, const QString& text)
{
    line->clear();
    QTest::keyClicks(line, text);
}

void selectAndOpen(LaadVel& dialog, const QString& name)
{
    const auto items = dialog.List1->findItems(name, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    dialog.List1->setCurrentItem(items.first());
    QTest::mouseClick(dialog.OkKnop, Qt::LeftButton);
}

} // namespace

class TestDocumentsWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    void yearEntryChecksTheTrimmedLength()
    {
        Fixture f;
        f.script<Invoer>([](Invoer& d) {
            QCOMPARE(d.Label1->text(), QStringLiteral("Geef in bovenstaande invoerbalk het Jaar van uitgifte in."));
            QCOMPARE(d.Text1->text(), QStringLiteral("Jaar"));
            QCOMPARE(d.size(), QSize(320, 120));
            QCOMPARE(d.Text1->size(), QSize(240, 19));
            typeInto(d.Text1, QStringLiteral("207"));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            QCOMPARE(d.Text1->text(), QStringLiteral("207"));
            typeInto(d.Text1, QStringLiteral(" 2007 "));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        f.commands().JaartalLabel_DblClick();
        QCOMPARE(f.interaction.texts("message"), QStringList{QStringLiteral("Lengte jaartal is 4 tekens!")});
        QCOMPARE(f.state.Gereedschap, ToolMode::FieldJaartal);
        QCOMPARE(f.model.Jaartal(), QStringLiteral(" 2007 "));
        QCOMPARE(f.text("JaartalLabel"), QStringLiteral(" 2007 "));
    }

    // The file is Windows-1252 with lines the reader takes: what it cannot give back is refused at entry.
    void entryRefusesWhatTheFileCannotHold()
    {
        Fixture f;
        const QString description = f.description();
        f.script<Invoer>([](Invoer& d) {
            QCOMPARE(d.Text1->maxLength(), SupplementBestand::MaxNameLength);
            d.Text1->setText(QStringLiteral("Łódź"));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            d.Text1->setText(QStringLiteral("Lodz"));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        f.commands().PlaatsLabel_DblClick();
        f.script<Invoer>([](Invoer& d) {
            QCOMPARE(d.Text1->maxLength(), SupplementBestand::MaxRegelLengte);
            d.reject();
        });
        f.commands().CatalogusLabel_DblClick();
        f.script<TekstForm>([](TekstForm& d) {
            d.Text1->setPlainText(QStringLiteral("Gdańsk"));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            d.reject();
        });
        f.commands().OmschrijfLabel_DblClick();
        const QStringList messages = f.interaction.texts("message");
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].startsWith(QStringLiteral("De tekens Ł ź kunnen niet in een supplement worden bewaard")));
        QVERIFY(messages[1].startsWith(QStringLiteral("Het teken ń kan niet")));
        QCOMPARE(f.model.Plaatsnaam(), QStringLiteral("Lodz"));
        QCOMPARE(f.description(), description);
    }

    void cancelAndDoubleClickOnTheLabel()
    {
        Fixture f;
        f.script<Invoer>([](Invoer& d) {
            QCOMPARE(d.Label1->text(), QStringLiteral("Geef in bovenstaande invoerbalk de Plaatsnaam in."));
            typeInto(d.Text1, QStringLiteral("Delft"));
            QTest::mouseClick(d.CancelKnop, Qt::LeftButton);
        });
        QTest::mouseDClick(f.main->controls().PlaatsLabel, Qt::LeftButton);
        QCOMPARE(f.interaction.texts("modal"), QStringList{QStringLiteral("Invoer")});
        QCOMPARE(f.model.Plaatsnaam(), QStringLiteral("Plaatsnaam"));
        QCOMPARE(f.text("PlaatsLabel"), QStringLiteral("Plaatsnaam"));

        // An emptied field stays a target for the next double click.
        for (int i = 0; i < 2; ++i)
            f.script<Invoer>([](Invoer& d) {
                d.Text1->clear();
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            });
        QTest::mouseDClick(f.main->controls().PlaatsLabel, Qt::LeftButton);
        QCOMPARE(f.model.Plaatsnaam(), QString());
        QVERIFY(f.main->controls().PlaatsLabel->width() >= 20);
        QTest::mouseDClick(f.main->controls().PlaatsLabel, Qt::LeftButton, {}, QPoint(10, 5));
        QCOMPARE(f.interaction.texts("modal").size(), 3);
    }

    // The page, the catalogue panel, the help entry and the title follow the model through New.
    void newAnsweredNoThenYes()
    {
        Fixture f(true);
        f.model.openSheetlet(f.folder.folder(), QStringLiteral("2007-Delft"));
        f.model.transferPicture();
        f.model.setOmschrijving(QStringLiteral("oud"), {QStringLiteral("oud")});
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Velinor[*]"));
        QVERIFY(f.main->isWindowModified());

        f.commands().FileNew_Click();
        QCOMPARE(f.interaction.texts("question"),
                 QStringList{QStringLiteral("Het ontwerp is nog niet bewaard. Wilt u een nieuw Velletje ontwerpen?")});
        QCOMPARE(f.interaction.shown.last().title, QStringLiteral(" Nieuw"));
        QCOMPARE(f.text("PlaatsLabel"), QStringLiteral("Delft"));

        f.interaction.yesNoAnswers.enqueue(true);
        f.commands().FileNew_Click();
        const QList<std::pair<const char*, QString>> page = {
            {"PlaatsLabel", "Plaatsnaam"}, {"CatalogusLabel", "Nr."}, {"JaartalLabel", "Jaar"}, {"PagLabel", "1"},
            {"Infolab3", "0"},             {"InfoLabel", "Informatie"}};
        for (const auto& [label, text] : page)
            QCOMPARE(f.text(QString::fromLatin1(label)), text);
        QCOMPARE(f.description(), QStringLiteral("Omschrijving"));
        QCOMPARE(f.helpInfo(), QStringLiteral("Info..."));
        QCOMPARE(f.canvas(), filled({500, 260}, qRgb(255, 255, 255)));
        QVERIFY(!f.pageHasPicture());
        QVERIFY(!f.main->isWindowModified());
        // Nothing changed since New: no warning before the next question.
        f.commands().FileNew_Click();
        QCOMPARE(f.interaction.texts("question").last(), QStringLiteral("Wilt u een nieuw Velletje ontwerpen?"));
    }

    void descriptionStoresTheDisplayedLines()
    {
        Fixture f;
        QString paragraph;
        for (int i = 0; i < 80; ++i)
            paragraph += QStringLiteral("woord%1 ").arg(i);
        QString labelText;
        int displayed = 0;
        f.script<TekstForm>([&](TekstForm& d) {
            d.Text1->setPlainText(paragraph + QStringLiteral("\nslot"));
            labelText = d.Label1->text();
            for (QTextBlock block = d.Text1->document()->begin(); block.isValid(); block = block.next())
                displayed += block.layout()->lineCount();
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        QTest::mouseDClick(f.main->controls().OmschrijfLabel->viewport(), Qt::LeftButton);
        const QStringList expected = GetTextBoxZeilen(paragraph) << QStringLiteral("slot");
        QVERIFY(expected.size() > 4);
        // The box on screen wraps exactly where the stored lines break.
        QCOMPARE(displayed, int(expected.size()));
        QCOMPARE(labelText, QStringLiteral("Regels : %1").arg(expected.size()));
        QCOMPARE(f.model.OmschrijvingRegels(), expected);
        QCOMPARE(f.description(), paragraph + QStringLiteral("\nslot"));
    }

    void descriptionCancelNewAndTooManyLines()
    {
        Fixture f;
        const QString before = f.description();
        f.script<TekstForm>([](TekstForm& d) {
            QTest::mouseClick(d.NewKnop, Qt::LeftButton);   // answered No
            QVERIFY(!d.text().isEmpty());
            d.Text1->setPlainText(QStringLiteral("iets anders"));
            QTest::mouseClick(d.CancelKnop, Qt::LeftButton);
        });
        f.commands().OmschrijfLabel_DblClick();
        QCOMPARE(f.interaction.texts("question"), QStringList{QStringLiteral("Wilt u een nieuwe tekst invoeren?")});
        QCOMPARE(f.description(), before);
        QCOMPARE(f.model.AantalRegels(), 0);

        f.interaction.yesNoAnswers.enqueue(true);
        f.script<TekstForm>([](TekstForm& d) {
            QTest::mouseClick(d.NewKnop, Qt::LeftButton);
            QCOMPARE(d.text(), QString());
            QCOMPARE(d.Label1->text(), QStringLiteral("Regels : 1"));
            d.Text1->setPlainText(QString(99, QLatin1Char('\n')));   // 100 lines
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            QCOMPARE(d.result(), int(QDialog::Rejected));
            d.Text1->setPlainText(QString(98, QLatin1Char('\n')));   // 99 lines
            // Stored whole, but more than the printed page holds, which the window says.
            QCOMPARE(d.PasLabel->text(), QStringLiteral("Op het albumblad passen 25 regels."));
            QCOMPARE(d.PasLabel->palette().color(QPalette::WindowText), QColor(155, 0, 0));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        f.commands().OmschrijfLabel_DblClick();
        QVERIFY(f.interaction.texts("message").first().contains(QStringLiteral("100 regels")));
        QCOMPARE(f.model.AantalRegels(), 99);
    }

    void openDialogRefusesWrongSizesAndOpensASheetlet()
    {
        Fixture f;
        QVERIFY(filled({501, 260}, qRgb(1, 1, 1)).save(f.folder.path("Images/2008-Breed.jpg"), "JPEG"));
        QVERIFY(filled({500, 260}, qRgb(0, 0, 200)).save(f.folder.path("Images/2008-Verzamelblokje Noord.jpg"), "JPEG"));
        QVERIFY(filled({500, 260}, qRgb(0, 0, 200)).save(f.folder.path("Images/2008.jpg"), "JPEG"));
        QVERIFY(TextFile::writeLines(f.folder.path("Data/Informatie.cat"),
                                     {"2008-Verzamelblokje Noord", "14", "2314", "Studio", "01-02-2008", "300.000",
                                      "5 x € 0.44", "14", "150 x 72 mm", "€ 5.25", "---"}));
        f.script<LaadVel>([](LaadVel& d) {
            QCOMPARE(d.size(), QSize(293, 223));
            QCOMPARE(d.Label2->text(),
                     QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de 3 velletjes die u wilt openen."));
            QVERIFY(!d.OkKnop->isEnabled());
            d.OkKnop_Click();   // nothing selected
            QCOMPARE(d.result(), int(QDialog::Rejected));
            selectAndOpen(d, QStringLiteral("2008-Breed"));
            QCOMPARE(d.Image1->height(), 54);
            selectAndOpen(d, QStringLiteral("2008"));
            QCOMPARE(d.result(), int(QDialog::Rejected));
            selectAndOpen(d, QStringLiteral("2008-Verzamelblokje Noord"));
        });
        f.commands().OpenKnop_Click();
        QCOMPARE(f.interaction.texts("message"),
                 QStringList({QStringLiteral("Géén Velinor velletje!"), QStringLiteral("Géén Velinor velletje!")}));
        QCOMPARE(f.state.Gereedschap, ToolMode::OpenSheetlet);
        QCOMPARE(f.model.Plaatsnaam(), QStringLiteral("Verzamelblokje Noord"));
        QCOMPARE(f.model.Jaartal(), QStringLiteral("2008"));
        QCOMPARE(f.model.CatalogusNr(), QStringLiteral("2314"));
        QCOMPARE(f.text("Infolab7"), QStringLiteral("€ 5,25"));
        QCOMPARE(f.text("Infolab8"), QStringLiteral("14"));
        QCOMPARE(f.text("InfoLabel"), QStringLiteral("2008-Verzamelblokje Noord"));
        QCOMPARE(f.helpInfo(), QStringLiteral("Info..."));
        QVERIFY(qBlue(f.canvas().pixel(250, 130)) > 190);
        QCOMPARE(f.undo().count(), 1);
        // The page shows what a save would write; the sheetlet reaches it only through the transfer button.
        QCOMPARE(f.text("PlaatsLabel"), QStringLiteral("Verzamelblokje Noord"));
        QCOMPARE(f.text("JaartalLabel"), QStringLiteral("2008"));
        QCOMPARE(f.text("CatalogusLabel"), QStringLiteral("Nr.2314"));
        QVERIFY(!f.pageHasPicture());
    }

    void refusedPictureLeavesTheCanvasAndDoubleClickOpens()
    {
        Fixture f;
        QVERIFY(filled({500, 260}, qRgb(200, 0, 0)).save(f.folder.path("Images/2009-Leiden.jpg"), "JPEG"));
        f.script<LaadVel>([](LaadVel& d) {
            QListWidgetItem* item = d.List1->item(0);
            const QRect rect = d.List1->visualItemRect(item);
            QTest::mouseClick(d.List1->viewport(), Qt::LeftButton, {}, rect.center());
            QTest::mouseDClick(d.List1->viewport(), Qt::LeftButton, {}, rect.center());
        });
        f.commands().OpenKnop_Click();
        QCOMPARE(f.model.Plaatsnaam(), QStringLiteral("Leiden"));
        QCOMPARE(f.helpInfo(), QStringLiteral("Info Leiden.nl"));
        QCOMPARE(f.model.CatalogusNr(), QStringLiteral("0"));
        QVERIFY(qRed(f.canvas().pixel(10, 10)) > 190);
    }

    void emptyFolderListsNothing()
    {
        Fixture f;
        QVERIFY(QDir(f.folder.path("Supplementen")).removeRecursively());
        f.script<LaadVel>([](LaadVel& d) {
            QCOMPARE(d.List1->count(), 0);
            QCOMPARE(d.Label2->text(),
                     QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de 0 ontworpen supplementen."));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            QTest::mouseClick(d.CancelKnop, Qt::LeftButton);
        });
        f.commands().FileOpen_Click();
        QCOMPARE(f.state.Gereedschap, ToolMode::OpenSupplement);
        QCOMPARE(f.model.Plaatsnaam(), QStringLiteral("Plaatsnaam"));
    }

    // A supplement of too many lines opens with what was read, and the page shows just that; the
    // catalogue panel and the status line turn to the opened supplement's sheetlet.
    void supplementWithoutBitmapOrWithTooManyLines()
    {
        Fixture f(true);
        f.model.openSheetlet(f.folder.folder(), QStringLiteral("2005-Alkmaar"));
        QByteArray text = "Zwolle\r\n1\r\n2006\r\n2\r\n" + QByteArray(48, '-') + "\r\n";
        for (int i = 0; i < 105; ++i)
            text += "regel\r\n";
        QVERIFY(f.folder.write("Supplementen/Zwolle.sup", text));
        f.script<LaadVel>([](LaadVel& d) { selectAndOpen(d, QStringLiteral("Zwolle")); });
        f.commands().FileOpen_Click();
        QCOMPARE(f.text("PlaatsLabel"), QStringLiteral("Zwolle"));
        QCOMPARE(f.text("JaartalLabel"), QStringLiteral("2006"));
        QCOMPARE(f.description().count(QStringLiteral("regel")), 100);
        QCOMPARE(f.text("InfoLabel"), QStringLiteral("2006-Zwolle"));
        QCOMPARE(f.text("Infolab0"), LeesInformatie(f.folder.folder(), QStringLiteral("2006-Zwolle")).Infolab[0]);
        QCOMPARE(f.canvas(), filled({500, 260}, qRgb(255, 255, 255)));
        QVERIFY(!f.pageHasPicture());
        QVERIFY(!f.model.AfbeeldingOvergezet());
    }

    void overwriteQuestionAndRefusedNames()
    {
        Fixture f;
        QVERIFY(f.folder.write("Supplementen/Delft.sup", "oud"));
        QVERIFY(f.folder.write("Supplementen/Delft.bmp", "oud plaatje"));
        f.model.setPlaatsnaam(QStringLiteral("DELFT"));
        f.model.transferPicture();
        f.commands().FileSave_Click();
        QCOMPARE(f.interaction.texts("question"),
                 QStringList{QStringLiteral("Bestand 'DELFT' bestaat reeds, overschrijven?")});
        QCOMPARE(f.interaction.shown.last().title, QStringLiteral(" File exist"));
        QCOMPARE(f.folder.read("Supplementen/Delft.sup"), QByteArray("oud"));
        QCOMPARE(f.folder.read("Supplementen/Delft.bmp"), QByteArray("oud plaatje"));

        f.interaction.yesNoAnswers.enqueue(true);
        f.commands().FileSave_Click();
        QVERIFY(f.folder.read("Supplementen/Delft.sup").startsWith("DELFT\r\n"));
        QCOMPARE(QImage(f.folder.path("Supplementen/Delft.bmp")).size(), QSize(500, 260));

        f.interaction.shown.clear();
        f.model.setPlaatsnaam(QStringLiteral("../Data/Informatie"));
        f.commands().FileSave_Click();
        QCOMPARE(f.interaction.texts("message").size(), 1);
        QVERIFY(f.interaction.texts("message").first().contains(QStringLiteral("kan geen bestandsnaam zijn")));
        QVERIFY(!QFile::exists(f.folder.path("Data/Informatie.sup")));
    }

    void exportAsBmpAndJpg()
    {
        Fixture f;
        f.model.canvas().reset(filled({500, 260}, qRgb(30, 60, 90)));
        f.commands().FileSaveAs_Click(3);
        QVERIFY(f.interaction.shown.isEmpty());
        f.commands().FileSaveAs_Click(1);   // cancelled
        QCOMPARE(f.interaction.texts("save").size(), 1);

        f.interaction.fileAnswers.enqueue(f.folder.path("velletje"));
        f.commands().FileSaveAs_Click(1);
        QCOMPARE(QImage(f.folder.path("velletje"), "BMP").convertToFormat(QImage::Format_RGB32),
                 filled({500, 260}, qRgb(30, 60, 90)));

        f.interaction.fileAnswers.enqueue(f.folder.path("velletje.jpg"));
        f.commands().FileSaveAs_Click(2);
        QCOMPARE(QImageReader(f.folder.path("velletje.jpg")).format(), QByteArray("jpeg"));
        QVERIFY(!QFile::exists(f.folder.path("mydummy.bmp")));
        QVERIFY(f.interaction.texts("message").isEmpty());

        QVERIFY(QDir().mkpath(f.folder.path("mydummy.bmp/blokkade")));
        f.interaction.fileAnswers.enqueue(f.folder.path("ander.jpg"));
        f.commands().FileSaveAs_Click(2);
        QCOMPARE(f.interaction.texts("message"), QStringList{QStringLiteral("File save not as JPG!")});
    }

    void totalsInDutch()
    {
        Fixture f;
        QVERIFY(TextFile::writeLines(f.folder.path("Data/Informatie.cat"),
                                     {"a", "1", "2", "3", "4", "5", "5 x € 0.44", "7", "8", "€ 12.50", "-",
                                      "b", "1", "2", "3", "4", "5", "5 x € 0.44", "7", "8", "€ 12.50", "-"}));
        f.commands().BerekenTotaal_Click(1);
        f.commands().BerekenTotaal_Click(2);
        f.commands().BerekenTotaal_Click(0);
        QCOMPARE(f.interaction.texts("message"),
                 QStringList({QStringLiteral("Catalogusprijs voor deze \n2 velletjes.... € 25,00"),
                              QStringLiteral("Nominale waarde voor de \n2 velletjes..... € 0,88")}));
    }

    void hugeSupplementFilesOpenWithoutHanging()
    {
        Fixture f;
        QVERIFY(f.folder.write("Supplementen/Rommel.sup", QByteArray(10 * 1024 * 1024, 'x')));
        QVERIFY(f.folder.write("Supplementen/Lang.sup", "Lang\r\n1\r\n2\r\n3\r\n---\r\n" + QByteArray(10 * 1024 * 1024, 'y')));
        for (const char* name : {"Rommel", "Lang"}) {
            f.script<LaadVel>([name](LaadVel& d) { selectAndOpen(d, QString::fromLatin1(name)); });
            f.commands().FileOpen_Click();
        }
        f.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.main.get()));
        // Damaged files: the fields read before the damage, the page at its defaults, and the damaged line named.
        QCOMPARE(f.model.CatalogusNr(), QStringLiteral("1"));
        const QStringList messages = f.interaction.texts("message");
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].startsWith(QStringLiteral("Regel 1 van 'Rommel.sup'")));
        QVERIFY(messages[1].startsWith(QStringLiteral("Regel 6 van 'Lang.sup'")));
        QCOMPARE(f.text("PlaatsLabel"), QStringLiteral("Lang"));
        QCOMPARE(f.text("PagLabel"), QStringLiteral("3"));
    }
};

QTEST_MAIN(TestDocumentsWindows)
#include "test_documents_windows.moc"
