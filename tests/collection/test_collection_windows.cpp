// The collection in the main window: the mark of the sheetlet shown, the open
// dialog's signs and filter, the owned totals and the spreadsheet import.

#include "collection/ui/mark_dialog.h"
#include "common/main_window_fixture.h"
#include "documents/ui/laadvel.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

class TestCollectionWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Dutch, QLocale::Netherlands)); } // as the program

    // The panel's button enters the mark of the sheetlet shown (Cancel keeps it) and shows it; Berekeningen adds
    // up what is owned.
    void markTheSheetletShown()
    {
        MainWindowFixture f(true);
        auto* button = f.child<QToolButton>("MarkButton");
        QVERIFY(!button->isEnabled());
        QVERIFY(f.model.openSheetlet(f.folder.folder(), "2007-Delft").isEmpty());
        for (const int result : {QDialog::Rejected, QDialog::Accepted}) {
            f.interaction.modalScripts.enqueue([result](QDialog& dialog) {
                auto& entry = dynamic_cast<MarkDialog&>(dialog);
                entry.ownership->setCurrentIndex(1);
                QTest::keyClicks(entry.paid, "12,50x");
                entry.note->setText("ruil\tbeurs");
                return result;
            });
            button->click();
        }
        QCOMPARE(f.collection.mark("2007-Delft"), (Mark{Ownership::Postfris, 1, 1250, "ruil beurs"}));
        QCOMPARE(button->text(), "Postfris");
        f.main->menus().BerekenTotaal[3]->trigger();
        QVERIFY(f.interaction.texts("message").last().startsWith("In bezit: 1 van de 34 velletjes (1 exemplaar).\n"
                                                                 "Catalogusprijs.... € 6,75"));
    }

    // The sheetlets owned carry the sign; the filter shows those owned or not yet owned, and keeps the choice on
    // a name it shows.
    void openDialogFilters()
    {
        MainWindowFixture f(true);
        QVERIFY(f.collection.setMark("2007-Delft", {Ownership::Gestempeld, 1, {}, {}}));
        LaadVel dialog(f.folder.folder(), LaadVelModus::Velletjes, f.interaction, f.collection.marks());
        const auto shown = [&dialog] {
            QStringList names;
            for (int i = 0; i < dialog.List1->count(); ++i)
                if (!dialog.List1->item(i)->isHidden())
                    names << dialog.List1->item(i)->text();
            return names;
        };
        QCOMPARE(dialog.List1->findItems("2007-Delft", Qt::MatchExactly).value(0)->data(Qt::AccessibleTextRole),
                 "2007-Delft, in bezit");
        dialog.ownedFilter->setCurrentIndex(1);
        QCOMPARE(shown(), QStringList{"2007-Delft"});
        QCOMPARE(dialog.List1->currentItem()->text(), "2007-Delft");
        dialog.ownedFilter->setCurrentIndex(2);
        QCOMPARE(shown().size(), 33);
        QVERIFY(!shown().contains("2007-Delft"));
        QCOMPARE(dialog.List1->currentItem()->text(), shown().first());
        QVERIFY(!LaadVel(f.folder.folder(), LaadVelModus::Velletjes, f.interaction).ownedFilter);
    }

    // An import says what it will change and changes nothing until Yes; a broken file says its line.
    void importAsksFirst()
    {
        MainWindowFixture f(true);
        QVERIFY(f.folder.write("lijst.csv", "Sleutel;In bezit\r\n2006-Haarlem;beide\r\n"));
        QVERIFY(f.folder.write("fout.csv", "Sleutel;In bezit\r\n2006-Haarlem;ja\r\n"));
        for (const bool yes : {false, true}) {
            f.interaction.fileAnswers << f.folder.path("lijst.csv");
            f.interaction.yesNoAnswers << yes;
            f.main->menus().FileCollectionImport->trigger();
            QCOMPARE(f.collection.mark("2006-Haarlem").isOwned(), yes);
        }
        QVERIFY(f.interaction.texts("question").first().startsWith("1 rijen: 0 bijgewerkt, 1 nieuw"));
        f.interaction.fileAnswers << f.folder.path("fout.csv");
        f.main->menus().FileCollectionImport->trigger();
        QVERIFY(f.interaction.texts("message").last().startsWith("Regel 2: \"In bezit\" is \"ja\""));
        QCOMPARE(f.collection.mark("2006-Haarlem").owned, Ownership::Beide);
    }
};

QTEST_MAIN(TestCollectionWindows)
#include "test_collection_windows.moc"
