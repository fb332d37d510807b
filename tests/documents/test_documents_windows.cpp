// The supplement windows on the main window: what the field entry, the
// description window, New, the open dialog, Save, the export and the totals
// ask, refuse and show. The core's decisions are tested in the core suites,
// the everyday path through them in the end-to-end test.

#include "app/ui/main_form.h"
#include "common/main_window_fixture.h"
#include "common/url_catcher.h"
#include "documents/description_lines.h"
#include "documents/supplement_file.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/supplement_commands.h"
#include "documents/ui/tekstform.h"
#include "filters/filter_pictures.h"
#include "widgets/double_click_label.h"

#include <QAccessible>
#include <QAction>
#include <QDesktopServices>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
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

    // The page's fields and description are in the Tab chain, named for a screen reader with their value as
    // description, and open with Return, Space and F2, as with the entries of Bewerken › Albumblad.
    void fieldsByKeyboard()
    {
        Fixture f;
        auto* year = f.child<QWidget>("JaartalLabel");
        QCOMPARE(year->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(QAccessible::queryAccessibleInterface(year)->text(QAccessible::Name), "Jaartal");
        QCOMPARE(QAccessible::queryAccessibleInterface(year)->text(QAccessible::Description), "Jaar");
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_F2})
            QTest::keyClick(year, key);
        QTest::keyClick(f.child<QWidget>("OmschrijfLabel"), Qt::Key_F2);
        f.main->menus().EditVeld[4]->trigger();
        f.main->menus().EditVeld[0]->trigger();
        QCOMPARE(f.interaction.texts("modal"),
                 QStringList({"Invoer", "Invoer", "Invoer", "TekstForm", "TekstForm", "Invoer"}));
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
                     QStringLiteral("Regels : %1Op het albumblad passen 25 regels; de rest komt op een vervolgblad.")
                         .arg(displayed));
            QTest::mouseClick(d.OkKnop, Qt::LeftButton);
        });
        QTest::mouseDClick(f.child<QPlainTextEdit>("OmschrijfLabel")->viewport(), Qt::LeftButton);
        QCOMPARE(f.interaction.texts("question"), QStringList{"Wilt u een nieuwe tekst invoeren?"});
        QVERIFY(f.messages().value(0).startsWith("De omschrijving telt 100 regels; een supplement bewaart er "
                                                 "hoogstens 99."));
        QVERIFY(f.messages().value(1).startsWith("Het teken ń kan niet"));
        QCOMPARE(f.model.OmschrijvingRegels(), GetTextBoxZeilen(paragraph) << "slot");
        QCOMPARE(f.model.AantalRegels(), displayed);
    }

    // The open dialog says where its files are and starts on its first entry, which Enter opens; it refuses what
    // is no sheetlet and stays open; a sheetlet reaches the panel but not the page's picture, and a collector's
    // block gets no place look-up.
    void openDialog()
    {
        Fixture f(true);
        QVERIFY(filtertest::picture(501, 260, qRgb(1, 2, 3)).save(f.folder.path("Images/2008-Breed.jpg"), "JPEG"));
        QVERIFY(filtertest::picture(500, 260, qRgb(1, 2, 3)).save(f.folder.path("Images/2008.jpg"), "JPEG"));
        f.script<LaadVel>([&f](LaadVel& d) {
            QVERIFY(d.OkKnop->isEnabled());
            QVERIFY(d.List1->currentItem()->isSelected());
            QCOMPARE(d.List1->toolTip(), "Uit de map " + f.folder.path("Images"));
            d.show();
            QTest::keyClick(d.List1, Qt::Key_Return);
            QCOMPARE(d.chosenName(), "2005-Alkmaar");
            for (const char* name : {"2008-Breed", "2008", "2008-Verzamelblokje Noord"}) {
                d.List1->setCurrentItem(d.List1->findItems(name, Qt::MatchExactly).value(0));
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            }
        });
        f.commands().OpenKnop_Click();
        QCOMPARE(f.messages(), QStringList(2, "Géén Velinor velletje!"));
        QCOMPARE(f.text("InfoLabel"), "2008-Verzamelblokje Noord");
        QCOMPARE(f.main->menus().HelpInfo->text(), "Info...");
        QVERIFY(f.text("PicImage").isEmpty());
        QVERIFY(f.child<QLabel>("PicImage")->pixmap().isNull());
    }

    // Files given to the program: a supplement from elsewhere, a picture of a sheetlet's size as a sheetlet,
    // any other picture as the background of a new design, and a file that is not there.
    void filesGivenToTheProgram()
    {
        Fixture f(true);
        TestFolder elsewhere;
        QCOMPARE(SchrijfSupplement(elsewhere.root(), {"Delft", "1", "2007", "3", {"regel"}, {}}).status,
                 WriteStatus::Saved);
        QVERIFY(filtertest::picture(500, 260, qRgb(10, 20, 30)).save(elsewhere.path("2005-Alkmaar.png")));
        QVERIFY(filtertest::picture(64, 48, qRgb(200, 30, 90)).save(elsewhere.path("roos.png")));
        f.main->openFile(elsewhere.path("Delft.sup"));
        QCOMPARE(f.text("PlaatsLabel"), "Delft");
        QCOMPARE(f.main->windowTitle(), "Velinor - " + elsewhere.root() + "[*]");
        f.main->openFile(elsewhere.path("2005-Alkmaar.png"));
        QCOMPARE(f.canvas().pixel(499, 259), qRgb(10, 20, 30));
        QCOMPARE(f.model.catalogueKey(), "2005-Alkmaar");
        f.main->openFile(elsewhere.path("roos.png"));
        QCOMPARE(f.model.Plaatsnaam(), "Plaatsnaam");
        QCOMPARE(f.canvas().pixel(499, 259), qRgb(200, 30, 90));
        QCOMPARE(f.undo().text(0), "Foto");
        QVERIFY(f.messages().isEmpty());
        f.main->openFile(elsewhere.path("weg.sup"));
        QVERIFY(f.messages().value(0).contains("weg.sup bestaat niet"));
    }

    // File lists what was opened and saved, from wherever; one that is gone is said and taken out. The
    // supplements folder opens in the file manager.
    void recentSupplementsAndTheFolder()
    {
        Fixture f(true);
        TestFolder elsewhere;
        QCOMPARE(SchrijfSupplement(elsewhere.root(), {"Delft", "1", "2007", "3", {}, {}}).status, WriteStatus::Saved);
        f.main->openFile(elsewhere.path("Delft.sup"));
        f.model.setPlaatsnaam("Gouda");
        f.commands().FileSave_Click();
        QMenu* menu = f.main->menus().FileRecent;
        Q_EMIT menu->aboutToShow();
        QCOMPARE(menu->actions().value(0)->text(), "&1 Gouda");
        QCOMPARE(menu->actions().value(1)->toolTip(), elsewhere.path("Delft.sup"));
        QVERIFY(QFile::remove(elsewhere.path("Gouda.sup")));
        menu->actions().value(0)->trigger();
        QVERIFY(f.messages().value(0).contains("Gouda.sup staat daar niet meer"));
        Q_EMIT menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 1);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        f.main->menus().FileFolder->trigger();
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.urls, QStringList{QUrl::fromLocalFile(f.folder.path("Supplementen")).toString()});
    }

    // Opening a supplement or a sheetlet and New each start a history of their own: a field entered after
    // them and Ctrl+Z leave the opened picture (and the field) as they are, so a save cannot write the
    // picture of the design before. With history of its own, Ctrl+Z still undoes.
    void undoStaysInItsDocument()
    {
        Fixture f(true); // with the supplement Alkmaar
        f.main->show();
        QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
        const auto choose = [&](const QString& name) {
            f.script<LaadVel>([name](LaadVel& d) {
                d.List1->setCurrentItem(d.List1->findItems(name, Qt::MatchExactly).value(0));
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            });
        };
        const QImage redPicture = filtertest::picture(500, 260, qRgb(255, 0, 0));
        const auto red = [&] { f.model.canvas().change("Rood", [&](QImage& image) { image = redPicture; }); };
        const std::function<void()> opens[] = {
            [&] { choose("Alkmaar"), f.main->menus().FileOpen->trigger(); },
            [&] { choose("2005-Alkmaar"), f.child<QPushButton>("OpenKnop")->click(); },
            [&] { f.main->menus().FileNew->trigger(); }};
        for (const auto& open : opens) {
            red();
            f.interaction.saveChoices.enqueue(Interaction::SaveChoice::Discard);
            open();
            const QImage opened = f.canvas().copy();
            QVERIFY(opened != redPicture);
            f.script<Invoer>([](Invoer& d) {
                d.Text1->setText("2006");
                QTest::mouseClick(d.OkKnop, Qt::LeftButton);
            });
            QTest::mouseDClick(f.child<DoubleClickLabel>("JaartalLabel"), Qt::LeftButton, {}, QPoint(10, 5));
            QTest::keyClick(f.main.get(), Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(f.model.Jaartal(), "2006");
            QCOMPARE(f.canvas(), opened);
        }
        red();
        QTest::keyClick(f.main.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.canvas(), filtertest::picture(500, 260, qRgb(255, 255, 255)));
    }

    // Save, the exports and Print wait for a long command: pressed in the middle of a perforation, nothing
    // is written or shown, and the design stays unsaved.
    void nothingSavedMidCommand()
    {
        Fixture f(true);
        f.main->show();
        QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
        f.model.setPlaatsnaam("Zaandam");
        f.model.transferPicture();
        const MainMenus& m = f.main->menus();
        QTimer::singleShot(0, f.main.get(), [&] {
            QTest::keyClick(f.main.get(), Qt::Key_S, Qt::ControlModifier);
            QTest::keyClick(f.main.get(), Qt::Key_P, Qt::ControlModifier);
            for (QAction* action : {m.FileSaveAs[1], m.FileSaveAs[2], m.FileSavePdf[1]})
                action->trigger();
        });
        m.PerforatieKleurVel[1]->trigger();
        QVERIFY(f.interaction.shown.isEmpty());
        QVERIFY(f.main->isWindowModified());
        QVERIFY(!QFileInfo::exists(f.folder.path("Supplementen/Zaandam.sup")));
        QTest::keyClick(f.main.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(QFileInfo::exists(f.folder.path("Supplementen/Zaandam.sup")));
    }

    // New offers to save an unsaved design first; Annuleren changes nothing, Bewaren saves it before the new
    // design starts, and a save that fails keeps it. Save asks before replacing a supplement of the same name,
    // whatever its letter case, saying what of it goes; Enter says No.
    void newAndSaveAskFirst()
    {
        Fixture f;
        QVERIFY(f.folder.write("Supplementen/Delft.sup", "oud"));
        QVERIFY(f.folder.write("Supplementen/Delft.bmp", "oud"));
        f.model.setPlaatsnaam("DELFT");
        f.commands().FileNew_Click();
        f.commands().FileSave_Click();
        QCOMPARE(f.interaction.texts("savefirst").size(), 1);
        QCOMPARE(f.interaction.texts("question"),
                 QStringList{"Bestand 'DELFT' bestaat reeds, overschrijven?\n\nDe tekst van het bewaarde supplement "
                             "wordt vervangen en zijn plaatje verwijderd: op dit ontwerp is nog geen plaatje "
                             "overgezet."});
        QCOMPARE(f.interaction.shown.last().preferred, Interaction::Default::No);
        QCOMPARE(f.folder.read("Supplementen/Delft.sup") + f.folder.read("Supplementen/Delft.bmp"), "oudoud");
        f.interaction.saveChoices << Interaction::SaveChoice::Save << Interaction::SaveChoice::Save;
        f.interaction.yesNoAnswers.enqueue(true);
        f.commands().FileNew_Click();
        QVERIFY(f.folder.read("Supplementen/Delft.sup").startsWith("DELFT\r\n\r\nJaar\r\n1\r\n"));
        QVERIFY(!QFile::exists(f.folder.path("Supplementen/Delft.bmp")));
        QCOMPARE(f.model.Plaatsnaam(), "Plaatsnaam");
        QVERIFY(!f.main->isWindowModified());
        f.model.setPlaatsnaam("../Data/Informatie");
        f.commands().FileNew_Click();
        QVERIFY(f.messages().value(0).contains("'../Data/Informatie' kan geen bestandsnaam zijn"));
        QCOMPARE(f.model.Plaatsnaam(), "../Data/Informatie");
    }

    // An export proposes the supplement's name in a folder that exists, adds the type's extension to a name
    // typed without it, and asks before replacing a file (Enter says No, and another name is asked). A JPEG
    // goes straight to its file, whatever the program folder holds.
    void exportAndTotals()
    {
        Fixture f;
        f.model.canvas().reset(filtertest::patternPicture(500, 260));
        f.model.setPlaatsnaam("Delft");
        QVERIFY(QDir().mkpath(f.folder.path("mydummy.bmp/blokkade")));
        f.interaction.fileAnswers << f.folder.path("velletje") << f.folder.path("velletje") << f.folder.path("ander")
                                  << f.folder.path("ander.JPEG");
        f.commands().FileSaveAs_Click(1);
        f.commands().FileSaveAs_Click(1);
        f.commands().FileSaveAs_Click(2);
        QCOMPARE(QImage(f.folder.path("velletje.bmp"), "BMP").convertToFormat(QImage::Format_RGB32),
                 filtertest::patternPicture(500, 260));
        QVERIFY(QFileInfo::exists(f.folder.path("ander.bmp")));
        QCOMPARE(QImageReader(f.folder.path("ander.JPEG")).size(), QSize(500, 260));
        const QString suggested = f.interaction.texts("save").value(0);
        QVERIFY(suggested.endsWith("/Delft.bmp"));
        QVERIFY(QFileInfo(QFileInfo(suggested).path()).isDir());
        QCOMPARE(f.interaction.texts("question"),
                 QStringList{"Het bestand " + f.folder.path("velletje.bmp") + " bestaat al. Overschrijven?"});
        QCOMPARE(f.interaction.shown.at(2).preferred, Interaction::Default::No);
        QVERIFY(f.folder.write("Data/Informatie.cat",
                               "a\r\n1\r\n2\r\n3\r\n4\r\n5\r\n5 x \x80 0.44\r\n7\r\n8\r\n\x80 12.50\r\n-\r\n"));
        f.commands().BerekenTotaal_Click(1);
        f.commands().BerekenTotaal_Click(2);
        QCOMPARE(f.messages(), QStringList({"Catalogusprijs voor deze \n1 velletjes.... € 12,50",
                                            "Nominale waarde voor de \n1 velletjes..... € 2,20"}));
    }
};

QTEST_MAIN(TestDocumentsWindows)
#include "test_documents_windows.moc"
