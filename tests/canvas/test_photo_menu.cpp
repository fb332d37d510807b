// Photo placement from the real main window: the photo rectangle tool, the
// background button and the "Foto's Invoegen" entries, with the file dialog
// answered by script; cancelled and unreadable pictures change nothing.

#include "canvas_window_fixture.h"

#include "canvas/ui/text_panel.h"
#include "perforation/ui/photo_menu.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>

class TestPhotoMenu : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_photo;

    static QImage filled(int w, int h, QColor colour)
    {
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_photo = m_dir.filePath(QStringLiteral("rozen.png"));
        QVERIFY(filled(64, 48, QColor(200, 10, 10)).save(m_photo));
    }

    void photoRectangleTool()
    {
        CanvasWindow w;
        w.tools->Knop_Click(12);
        w.interaction.fileAnswers.enqueue(m_photo);
        const QImage before = w.image().copy();
        w.stroke(QPoint(10, 20), {QPoint(60, 40), QPoint(110, 70)});
        QCOMPARE(changedRect(before, w.image()), QRect(10, 20, 100, 50));
        QCOMPARE(w.image().pixel(10, 20), qRgb(200, 10, 10));
        QCOMPARE(w.image().pixel(109, 69), qRgb(200, 10, 10));
        QCOMPARE(int(w.state.Gereedschap), 0);
        QVERIFY(w.child<QWidget>("KnopPijl")->isHidden());
        QCOMPARE(w.child<QLabel>("InfoLabel")->text(), QStringLiteral("Informatie..."));
        QCOMPARE(w.state.BeeldBestand, m_photo);
        QCOMPARE(w.state.BeeldBreedte, 64);
        QCOMPARE(w.state.BeeldHoogte, 48);
        QCOMPARE(w.main->menus().Bestandsnaam->title(), QStringLiteral("rozen.png / 64 x 48 pixels"));
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(w.child<QWidget>("Layer")->isHidden());
        w.canvas->document().undo();
        QCOMPARE(w.image(), before);
    }

    // A cancelled dialog, a file that is no picture and a missing file change nothing; a picture that
    // cannot be read is said on the status line in red.
    void nothingToPlaceChangesNothing()
    {
        CanvasWindow w;
        w.tools->Knop_Click(12);
        const QImage before = w.image().copy();
        w.stroke(QPoint(10, 20), {QPoint(110, 70)}); // cancelled
        QCOMPARE(int(w.state.Gereedschap), 12);
        const QString broken = m_dir.filePath(QStringLiteral("kapot.jpg"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("dit is geen foto") > 0);
        file.close();
        w.interaction.fileAnswers.enqueue(broken);
        w.interaction.fileAnswers.enqueue(m_dir.filePath(QStringLiteral("bestaat-niet.gif")));
        w.tools->photos().FotoLaden(0, 0, 500, 260);
        w.main->menus().PerforatieVelFotos[1]->trigger();
        QCOMPARE(w.image(), before);
        QCOMPARE(w.child<QLabel>("InfoLabel")->palette().color(QPalette::WindowText), QColor(155, 0, 0));
        QCOMPARE(w.main->menus().Bestandsnaam->title(), QStringLiteral("*.*"));
        QVERIFY(w.state.BeeldBestand.isEmpty() && !QGuiApplication::overrideCursor());
        QCOMPARE(w.canvas->document().undoStack().count(), 0);
    }

    void backgroundCoversTheCanvas()
    {
        CanvasWindow w;
        w.state.Gereedschap = ToolMode::TextPanel;
        w.interaction.fileAnswers.enqueue(m_photo);
        w.tools->textPanel().AchtergrondKnop_Click();
        QCOMPARE(changedRect(filled(500, 260, Qt::white), w.image()), QRect(0, 0, 500, 260));
        QCOMPARE(w.image().pixel(499, 259), qRgb(200, 10, 10));
        QCOMPARE(int(w.state.Gereedschap), 0);
    }

    void framePhotosFromTheMenu()
    {
        CanvasWindow w;
        w.tools->Knop_Click(4);
        w.interaction.fileAnswers.enqueue(m_photo);
        w.main->menus().PerforatieVelFotos[1]->trigger();
        QCOMPARE(w.image().pixel(QPoint(230, 159)), qRgb(200, 10, 10)); // the frames themselves: the core suite
        QCOMPARE(int(w.state.Gereedschap), 4); // the frame photos keep the tool
        QCOMPARE(w.interaction.shown.last().title, QStringLiteral("Foto openen"));

        const QImage sheet = w.image().copy();
        w.interaction.fileAnswers.enqueue(m_photo);
        w.main->menus().PerforatieBlokFotos[2]->trigger();
        QCOMPARE(w.image().pixel(88, 224), qRgb(200, 10, 10));
        QCOMPARE(w.image().pixel(89, 224), sheet.pixel(89, 224));
        w.canvas->document().undo();
        QCOMPARE(w.image(), sheet);
    }

    void filtersNameTheFormats()
    {
        QVERIFY(PhotoMenu::FotoFilter.startsWith(QStringLiteral("Foto ( Jpg, Bmp, Gif, Wmf ) (")));
        QVERIFY(PhotoMenu::FotoFilter.contains(QStringLiteral("*.JPG")));
        QVERIFY(!PhotoMenu::FotoFilter.contains(QStringLiteral("*.png")));
        QVERIFY(PhotoMenu::FramePhotoFilter.startsWith(QStringLiteral("Foto ( Jpg, Bmp, Gif, Wmf, Png ) (")));
        QVERIFY(PhotoMenu::FramePhotoFilter.contains(QStringLiteral("*.png")));
    }
};

QTEST_MAIN(TestPhotoMenu)
#include "test_photo_menu.moc"
