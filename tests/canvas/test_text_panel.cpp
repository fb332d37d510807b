// The text panel of the real main window: opening and closing, directions,
// arming a placement with the floating preview, placing horizontal and
// rotated text with and without halo, and what bad input gets.

#include "canvas_window_fixture.h"

#include "canvas/ui/text_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

class TestTextPanel : public QObject
{
    Q_OBJECT

    static TextPanel& panel(CanvasWindow& w) { return w.tools->textPanel(); }

    // Opens the panel, types the text and arms the placement.
    static void arm(CanvasWindow& w, const QString& text)
    {
        if (!panel(w).isOpen())
            panel(w).TekstKnop_Click();
        w.child<QLineEdit>("Text1")->setText(text);
        panel(w).PlaatsKnop_Click();
    }

    static QSet<QRgb> coloursIn(const QImage& image, const QRect& rect)
    {
        QSet<QRgb> result;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                result.insert(image.pixel(x, y));
        return result;
    }

private Q_SLOTS:
    void openAndClose()
    {
        CanvasWindow w;
        w.tools->Knop_Click(3);
        panel(w).TekstKnop_Click();
        QCOMPARE(w.child<QWidget>("Frame2")->height(), 535);
        QCOMPARE(w.child<QWidget>("Frame3")->y(), 537);
        QVERIFY(w.child<QWidget>("Frame4")->isHidden());
        QCOMPARE(int(w.state.Gereedschap), 15);
        QVERIFY(w.child<QWidget>("KnopPijl")->isHidden()); // the marker shows no tool that does not draw
        QCOMPARE(w.child<QWidget>("TekstKnop")->toolTip(), QStringLiteral(" Tekstblad sluiten "));
        // No tool draws while the panel is open.
        const QImage before = w.image().copy();
        w.stroke(QPoint(10, 10), {QPoint(60, 60)});
        QCOMPARE(w.image(), before);

        arm(w, QStringLiteral("Voorbeeld"));
        panel(w).TekstKnop_Click();
        QCOMPARE(w.child<QWidget>("Frame2")->height(), 437);
        QCOMPARE(w.child<QWidget>("Frame3")->y(), 438);
        QVERIFY(!w.child<QWidget>("Frame4")->isHidden());
        QCOMPARE(int(w.state.Gereedschap), 0);
        QVERIFY(!w.state.TekstPlaatsen);
        QVERIFY(w.child<QWidget>("Label19")->isHidden());
        QVERIFY(w.child<QWidget>("KnopPijl")->isHidden());
        QCOMPARE(w.child<QLabel>("InfoLabel")->text(), QStringLiteral("Informatie..."));
        QCOMPARE(w.child<QWidget>("TekstKnop")->toolTip(), QStringLiteral(" Tekstblad openen "));
    }

    void directions()
    {
        CanvasWindow w;
        auto* richting = w.child<QCheckBox>("CheckVer");
        QVERIFY(!w.child<QWidget>("AngleKnop0")->isEnabled());
        richting->setChecked(true);
        panel(w).CheckVer_Click();
        QVERIFY(w.child<QWidget>("AngleKnop0")->isEnabled());
        QVERIFY(w.main->controls().Line1->styleSheet().contains(QStringLiteral("100,100,190")));
        QCOMPARE(w.child<QLabel>("AngleLabel")->text(), QStringLiteral("90"));
        const int expected[9] = {1350, 900, 450, 1800, 0, 0, 2250, 2700, 3150};
        for (int i = 0; i <= 8; ++i) {
            panel(w).AngleKnop_Click(i);
            QCOMPARE(w.state.TekstHoek, expected[i]);
        }
        panel(w).AngleKnop_Click(0);
        QCOMPARE(w.child<QLabel>("AngleLabel")->text(), QStringLiteral("135°"));
        richting->setChecked(false);
        panel(w).CheckVer_Click();
        QVERIFY(!w.child<QWidget>("AngleKnop0")->isEnabled());
        QVERIFY(w.main->controls().Line2->styleSheet().contains(QStringLiteral("170,170,170")));
        QCOMPARE(w.state.TekstHoek, 1350);
    }

    void blankTextDoesNotArm()
    {
        CanvasWindow w;
        arm(w, QStringLiteral("   "));
        QVERIFY(!w.state.TekstPlaatsen);
        QVERIFY(w.child<QWidget>("Label19")->isHidden());
    }

    // The text lands where the preview stood, in the draw colour, as one undo step.
    void horizontalTextLandsOnThePreview()
    {
        CanvasWindow w;
        w.state.TekenR = 0, w.state.TekenG = 0, w.state.TekenB = 160;
        arm(w, QStringLiteral("Delft"));
        auto* preview = w.child<QLabel>("Label19");
        QCOMPARE(preview->text(), QStringLiteral("Delft "));
        QCOMPARE(w.child<QLabel>("InfoLabel")->text(), QStringLiteral("Kies positie en klik links om de tekst te plaatsen"));
        w.hover(QPoint(300, 150));
        const QRect at = preview->geometry();
        QCOMPARE(at.bottomRight(), QPoint(300 - 5 - 1, 150 - 5 - 1));
        const QImage before = w.image().copy();
        w.stroke(QPoint(300, 150), {});
        QVERIFY(at.contains(changedRect(before, w.image())));
        QCOMPARE(coloursIn(w.image(), at), QSet<QRgb>({qRgb(255, 255, 255), qRgb(0, 0, 160)}));
        QVERIFY(!w.state.TekstPlaatsen && preview->isHidden());
        QCOMPARE(w.child<QLabel>("InfoLabel")->text(), QStringLiteral("Informatie..."));
        w.canvas->document().undo();
        QCOMPARE(w.image(), before);
    }

    // Rotated text starts two pixels up and left of the click and runs its way; "right" is horizontal.
    void rotatedText()
    {
        CanvasWindow w;
        w.child<QCheckBox>("CheckVer")->setChecked(true);
        panel(w).CheckVer_Click();
        for (const auto& [button, upwards] : {std::pair{1, true}, std::pair{5, false}}) {
            panel(w).AngleKnop_Click(button);
            arm(w, QStringLiteral("Omhoog"));
            const QImage before = w.image().copy();
            w.stroke(QPoint(200, 220), {}, upwards ? Qt::LeftButton : Qt::RightButton);
            const QRect r = changedRect(before, w.image());
            QVERIFY2(r.left() >= 198 && r.left() <= 205, qPrintable(QString::number(r.left())));
            QVERIFY(upwards ? (r.bottom() <= 218 && r.height() > 2 * r.width()) : (r.top() >= 216 && r.width() > r.height()));
            w.canvas->document().undo();
        }
    }

    void haloInTheFillColour()
    {
        CanvasWindow w;
        w.child<QCheckBox>("Check1")->setChecked(true);
        w.child<QCheckBox>("CheckBold")->setChecked(true);
        arm(w, QStringLiteral("Halo"));
        w.hover(QPoint(250, 120));
        const QRect at = w.child<QWidget>("Label19")->geometry();
        const QImage before = w.image().copy();
        w.stroke(QPoint(250, 120), {});
        QCOMPARE(coloursIn(w.image(), at.adjusted(-2, -2, 2, 2)),
                 QSet<QRgb>({qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(255, 255, 0)}));
        QVERIFY(at.adjusted(-2, -2, 2, 2).contains(changedRect(before, w.image())));
    }

    void sizeThatIsNoNumber()
    {
        CanvasWindow w;
        auto* size = w.child<QComboBox>("ComboSize");
        size->setCurrentText(QStringLiteral("24"));
        arm(w, QStringLiteral("Groot"));
        const int height24 = w.child<QWidget>("Label19")->height();
        size->setCurrentText(QStringLiteral("groot"));
        const QImage before = w.image().copy();
        w.stroke(QPoint(300, 150), {});
        QCOMPARE(w.image(), before);
        QCOMPARE(size->currentText(), QStringLiteral("24"));
        QVERIFY(!w.state.TekstPlaatsen);
        QVERIFY(w.child<QLabel>("InfoLabel")->text().contains(QStringLiteral("geen getal")));
        // Arming with a bad size falls back to the last good one.
        size->setCurrentText(QStringLiteral("-3"));
        panel(w).PlaatsKnop_Click();
        QCOMPARE(size->currentText(), QStringLiteral("24"));
        QCOMPARE(w.child<QWidget>("Label19")->height(), height24);
        QVERIFY(w.state.TekstPlaatsen);
    }

    void backgroundButtonAsksForAPicture()
    {
        CanvasWindow w;
        panel(w).AchtergrondKnop_Click(); // cancelled
        QCOMPARE(w.interaction.texts(QStringLiteral("open")).size(), 1);
        QCOMPARE(w.canvas->document().undoStack().count(), 0);
    }
};

QTEST_MAIN(TestTextPanel)
#include "test_text_panel.moc"
