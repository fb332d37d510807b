// The supplement windows on the main window: what the field entry, the
// description window, New, the open dialog, Save, the export and the totals
// ask, refuse and show. The core's decisions are tested in the core suites,
// the everyday path through them in the end-to-end test.

#include "app/ui/double_click_label.h"
#include "app/ui/main_form.h"
#include "common/main_window_fixture.h"
#include "documents/description_lines.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/supplement_commands.h"
#include "documents/ui/tekstform.h"
#include "filters/filter_pictures.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

struct Fixture : MainWindowFixture
{
    using MainWindowFixture::MainWindowFixture;
    SupplementCommands& commands() const { return controller<SupplementCommands>(); }
    QStringList messages() const { return interaction.texts("message"); }
    // Runs the steps against the next modal window.
    template <typename Dialog> void script(std::function<void(Dialog&)> steps)
    {
        interaction.modalScripts.enqueue([steps](QDialog& dialog) {
            steps(static_cast<Dialog&>(dialog));
            return dialog.result();
        });
    }
};

} // namespace

class TestDocumentsWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); }

    // A refused entry keeps the window open with its message and changes nothing; a taken one shows on
    // the page as typed. An emptied field stays a target for a double click.
    void fieldEntry()
    {
        Fixture f;
        const char* const entries[][4] = {{"JaartalLabel", "207", "Lengte jaartal is 4 tekens!", "Jaar"},
                                          {"PlaatsLabel", "", "", ""},
                                          {"PlaatsLabel", "Delft", "", "Delft"}};
        for (const auto& [label, typed, message, shown] : entries) {
            f.script<Invoer>([&](Invoer& d) {
                d.Text1->setText(typed);
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            });
            QTest::mouseDClick(f.child<DoubleClickLabel>(label), Qt::LeftButton, {}, QPoint(10, 5));
            QCOMPARE(f.messages().join(QString()), message);
            QCOMPARE(f.text(label), shown);
            f.interaction.shown.clear();
        }
    }

    // No to New keeps the text; more than 99 lines or characters the file cannot hold are refused; the
    // counter shows the lines the box displays, and those are the lines stored.
    void descriptionWindow()
    {
        Fixture f;
        const QString paragraph = QString("woord ").repeated(80);
        int displayed = 0;
        f.script<TekstForm>([&](TekstForm& d) {
            QTest::mouseClick(d.NewKnop, Qt::LeftButton);
            QVERIFY(!d.text().isEmpty());
            for (const QString& refused : {QString(99, '\n'), QStringLiteral("Gdańsk")}) {
                d.Text1->setPlainText(refused); // 100 lines are more than the page holds, and red
                QCOMPARE(d.PasLabel->palette().color(QPalette::WindowText) == QColor(155, 0, 0), refused.size() == 99);
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
                QCOMPARE(d.result(), int(QDialog::Rejected));
            }
            d.Text1->setPlainText(paragraph + "\nslot");
            for (QTextBlock block = d.Text1->document()->begin(); block.isValid(); block = block.next())
                displayed += block.layout()->lineCount();
            QCOMPARE(d.Label1->text() + d.PasLabel->text(),
                     QStringLiteral("Regels : %1Op het albumblad passen 25 regels.").arg(displayed));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        QTest::mouseDClick(f.main->controls().OmschrijfLabel->viewport(), Qt::LeftButton);
        QCOMPARE(f.interaction.texts("question"), QStringList{"Wilt u een nieuwe tekst invoeren?"});
        QVERIFY(f.messages().value(0).startsWith("De omschrijving telt 100 regels"));
        QVERIFY(f.messages().value(1).startsWith("Het teken ń kan niet"));
        QCOMPARE(f.model.OmschrijvingRegels(), GetTextBoxZeilen(paragraph) << "slot");
        QCOMPARE(f.model.AantalRegels(), displayed);
    }

    // The open dialog refuses what is no sheetlet and stays open; a sheetlet reaches the panel but not the
    // page's picture, and a collector's block gets no place look-up.
    void openDialog()
    {
        Fixture f(true);
        QVERIFY(filtertest::picture(501, 260, qRgb(1, 2, 3)).save(f.folder.path("Images/2008-Breed.jpg"), "JPEG"));
        QVERIFY(filtertest::picture(500, 260, qRgb(1, 2, 3)).save(f.folder.path("Images/2008.jpg"), "JPEG"));
        f.script<LaadVel>([](LaadVel& d) {
            QVERIFY(!d.OkKnop->isEnabled());
            for (const char* name : {"2008-Breed", "2008", "2008-Verzamelblokje Noord"}) {
                d.List1->setCurrentItem(d.List1->findItems(name, Qt::MatchExactly).value(0));
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            }
        });
        f.commands().OpenKnop_Click();
        QCOMPARE(f.messages(), QStringList(2, "Géén Velinor velletje!"));
        QCOMPARE(f.text("InfoLabel"), "2008-Verzamelblokje Noord");
        QCOMPARE(f.main->menus().HelpInfo->text(), "Info...");
        QVERIFY(f.main->controls().PicImage->pixmap().isNull());
    }

    // New asks first, naming the unsaved design, and No changes nothing; Save asks before replacing a
    // supplement of the same name, whatever its letter case, and refuses a name that is no file name.
    void newAndSaveAskFirst()
    {
        Fixture f;
        QVERIFY(f.folder.write("Supplementen/Delft.sup", "oud"));
        f.model.setPlaatsnaam("DELFT");
        f.commands().FileNew_Click();
        f.commands().FileSave_Click();
        QCOMPARE(f.interaction.texts("question"),
                 QStringList({"Het ontwerp is nog niet bewaard. Wilt u een nieuw Velletje ontwerpen?",
                              "Bestand 'DELFT' bestaat reeds, overschrijven?"}));
        QCOMPARE(f.folder.read("Supplementen/Delft.sup"), "oud");
        f.interaction.yesNoAnswers.enqueue(true);
        f.commands().FileSave_Click();
        QVERIFY(f.folder.read("Supplementen/Delft.sup").startsWith("DELFT\r\n\r\nJaar\r\n1\r\n"));
        QVERIFY(!f.main->isWindowModified());
        f.model.setPlaatsnaam("../Data/Informatie");
        f.commands().FileSave_Click();
        QVERIFY(f.messages().value(0).contains("'../Data/Informatie' kan geen bestandsnaam zijn"));
    }

    void exportAndTotals()
    {
        Fixture f;
        f.model.canvas().reset(filtertest::patternPicture(500, 260));
        f.interaction.fileAnswers.enqueue(f.folder.path("velletje"));
        f.commands().FileSaveAs_Click(1);
        QCOMPARE(QImage(f.folder.path("velletje"), "BMP").convertToFormat(QImage::Format_RGB32),
                 filtertest::patternPicture(500, 260));
        QVERIFY(QDir().mkpath(f.folder.path("mydummy.bmp/blokkade")));
        f.interaction.fileAnswers.enqueue(f.folder.path("ander.jpg"));
        f.commands().FileSaveAs_Click(2);
        QVERIFY(f.folder.write("Data/Informatie.cat",
                               "a\r\n1\r\n2\r\n3\r\n4\r\n5\r\n5 x \x80 0.44\r\n7\r\n8\r\n\x80 12.50\r\n-\r\n"));
        f.commands().BerekenTotaal_Click(1);
        f.commands().BerekenTotaal_Click(2);
        QCOMPARE(f.messages(),
                 QStringList({"File save not as JPG!", "Catalogusprijs voor deze \n1 velletjes.... € 12,50",
                              "Nominale waarde voor de \n1 velletjes..... € 0,44"}));
    }
};

QTEST_MAIN(TestDocumentsWindows)
#include "test_documents_windows.moc"
