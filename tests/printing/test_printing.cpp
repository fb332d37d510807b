// Printing: the print surface and its PDF device; the three documents (album
// page, contact sheet, catalogue list) laid out on a recording surface against
// their positions, fonts and colours; and the print dialog with the File menu's
// print entries: a job after the sweep, cancel, a missing printer and an
// overlong description stopping a job before it prints, PDF output that
// replaces no file unasked and holds every copy, and the printer the menu's
// jobs share.

#include "app/text_file.h"
#include "collection/collection_totals.h"
#include "common/main_window_fixture.h"
#include "common/test_folder.h"
#include "common/write_failure.h"
#include "documents/supplement_file.h"
#include "filters/filter_pictures.h"
#include "pdf_reader.h"
#include "printing/album_page.h"
#include "printing/catalogue_list.h"
#include "printing/contact_sheet.h"
#include "printing/pdf_print_surface.h"
#include "printing/progress_sweep.h"
#include "printing/supplement_page_file.h"
#include "printing/ui/afdrukform.h"
#include "printing/ui/print_controller.h"
#include "recording_surface.h"
#include "widgets/qt_interaction.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using Kind = RecordingSurface::Kind;
using Step = RecordingSurface::Step;

namespace {

bool sheet(PrintSurface& surface, int copies)
{
    surface.startJob(copies);
    surface.print(QStringLiteral("blad"));
    return surface.endDoc();
}

const QRgb Photo = qRgb(200, 120, 40);

QImage picture(QRgb colour, QSize size = {500, 260})
{
    return filtertest::picture(size.width(), size.height(), colour);
}

// A text step as a failure shows it: where, in which font and colour, on which page.
QString placed(const Step& step)
{
    return QStringLiteral("(%1, %2) %3 %4%5 %6 blad %7")
        .arg(step.at.x())
        .arg(step.at.y())
        .arg(step.font.name)
        .arg(step.font.size)
        .arg(step.font.bold ? " vet" : "", step.colour.name())
        .arg(step.page);
}

QString placed(QPointF at, double size, bool bold, QColor colour, int page = 1)
{
    return placed(
        {.kind = Kind::Text, .page = page, .at = at, .font = {QStringLiteral("Arial"), size, bold}, .colour = colour});
}

// Catalogue records numbered from 1, eleven lines each, all different, so that a field taken from the wrong line
// shows.
QStringList records(int count)
{
    QStringList lines;
    // clang-format off
    for (int n = 1; n <= count; ++n)
        lines << QStringLiteral("%1 Plaats%2").arg(1900 + n).arg(n) << QString::number(n) << "V" + QString::number(n)
              << "ontwerper" << "1-1-2000" << QString::number(n) + ".000" << "5 x 0,39 = 1." + QString::number(n + 10)
              << "13 3/4" << "150 x 80" << QStringLiteral("\u20ac %1.50").arg(n) << "-----";
    // clang-format on
    return lines;
}

// The print dialog on the sample data, printing the album page of Zierikzee to a PDF file.
struct Fixture
{
    TestFolder folder{true};
    ScriptedInteraction interaction;
    QPrinter printer;
    QString pdf = folder.root() + QStringLiteral("/uit.pdf");
    std::unique_ptr<AfdrukForm> form;

    explicit Fixture(const QStringList& descriptionLines = {QStringLiteral("Een regel")})
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const SupplementPage page{"Zierikzee", "2322", "2011", descriptionLines, "22", QImage()};
        form = std::make_unique<AfdrukForm>([page] { return page; }, folder.folder(), printer, interaction);
        form->setSweepPause(0);
        form->show();
    }
    template <typename T = QPushButton> T* child(const char* name) const { return form->findChild<T*>(name); }
    void click(const char* button) const { QTest::mouseClick(child(button), Qt::LeftButton); }
};

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The copies box: a whole number from 1 to 10, else one copy. The preamble: the copies, Arial, the position
    // at the corner.
    void copiesPreambleAndPosition()
    {
        const std::pair<const char*, int> rows[] = {{"1", 1}, {"7", 7},  {" 10 ", 10}, {"11", 1},
                                                    {"0", 1}, {"-3", 1}, {"", 1},      {"2.5", 1}};
        for (const auto& [text, copies] : rows)
            QVERIFY2(copiesOf(QString::fromLatin1(text)) == copies, text);
        RecordingSurface s;
        s.setFontName(QStringLiteral("Courier"));
        s.setPosition(500, 700);
        s.startJob(3);
        s.print(QStringLiteral("a"));
        QVERIFY(!s.paintPicture(QImage(), QRectF(0, 0, 100, 100)));
        QVERIFY(!s.paintPicture(picture(0), QRectF(0, 0, 0, 100)));
        QCOMPARE(s.steps.size(), 2);
        QCOMPARE(s.steps[0].copies, 3);
        QCOMPARE(s.steps[0].font.name, QStringLiteral("Arial"));
        QCOMPARE(s.steps[1].at, QPointF(0, 0));
    }

    // Copies on a device that cannot repeat a document: each on new pages of one document, one copy at least.
    void copiesInOneDocument()
    {
        for (const int copies : {0, 1, 3}) {
            RecordingSurface s;
            QVERIFY(printCopies(s, copies, sheet));
            QCOMPARE(s.pageCount(), std::max(copies, 1));
            QCOMPARE(s.of(Kind::End).size(), 1);
            QCOMPARE(s.of(Kind::Job).size(), 1);
            QCOMPARE(s.steps[0].copies, 1);
        }
    }

    // A job abandoned before its end, or a file that cannot be written, replaces nothing; the failure says why, and
    // fails the whole job though only its last copy fails. The page is A4; text stands one and two inches from the
    // printable area's corner a margin inside it, as wide as measured and as high as its font; a picture and a line
    // show in their colours where they were placed.
    void pdf()
    {
        TestFolder folder;
        const QString path = folder.path(QStringLiteral("d.pdf"));
        QVERIFY(folder.write(QStringLiteral("d.pdf"), "oud"));
        PdfPrintSurface(path).startJob(1);
        {
            const FileSizeLimit limit(100);
            const PdfResult result = printPdf(path, 2, sheet);
            QVERIFY(!result.ok);
            QVERIFY(!result.error.isEmpty());
        }
        QCOMPARE(folder.read(QStringLiteral("d.pdf")), QByteArray("oud"));
        const PdfResult result = printPdf(path, 2, sheet);
        QVERIFY(result.ok);
        QCOMPARE(result.pages, 2);
        QCOMPARE(pdfInfo(path).pages, 2);
        PdfPrintSurface surface(path);
        surface.startJob(1);
        surface.setFontSize(20);
        surface.setPosition(1440, 2880);
        surface.print(QStringLiteral("Inch"));
        QVERIFY(surface.paintPicture(picture(Photo), QRectF(1440, 5760, 2880, 1440)));
        surface.line(QPointF(1440, 8640), QPointF(4320, 8640), QColor(0, 0, 255));
        const double width = surface.textWidth(QStringLiteral("Inch"));
        QVERIFY(surface.endDoc());
        QCOMPARE(pdfInfo(path).pageSize, QSizeF(595, 842));
        const double m = PdfPrintSurface::MarginTwips;
        const QRectF inch = findWords(pdfWords(path), QStringLiteral("Inch")).value(0).box;
        QVERIFY(qAbs(inch.left() - 1440 - m) < 40);
        QVERIFY(qAbs(inch.top() - 2880 - m) < 40);
        QVERIFY(qAbs(inch.height() - 400) < 80);
        QVERIFY(qAbs(inch.width() - width) < 40);
        // At 144 dpi a pixel is 10 twips: the picture's middle and the line's.
        const QImage page = pdfPage(path, 1, 144);
        const QColor middle = page.pixelColor(324, 684);
        QVERIFY(qAbs(middle.red() - 200) + qAbs(middle.green() - 120) + qAbs(middle.blue() - 40) < 10);
        QCOMPARE(page.pixel(324, 900), qRgb(0, 0, 255));
    }

    // Every step of the album page in order: texts in bold Arial, the picture stretched into its box, the outer
    // and the inner frame. The recording surface measures "Amsterdam" 9 x 200 twips wide.
    void albumPage()
    {
        const SupplementPage page{"Amsterdam", "V123", "1999", {"Eerste", "Tweede"}, "17", picture(Photo)};
        RecordingSurface s;
        QVERIFY(PrintSupplement(s, page, 2));
        const QColor black(0, 0, 0);
        // clang-format off
        const struct { Kind kind; const char* text; QPointF at; double size; QColor colour; } rows[] = {
            {Kind::Job, "", {}, 0, {}},
            {Kind::Text, "Velinor", {3900, 600}, 26, {40, 140, 40}},
            {Kind::Text, "Amsterdam", {5850 - 900, 1350}, 20, {140, 40, 40}},
            {Kind::Picture, "", {1725, 2325}, 0, {}},
            {Kind::Line, "", {1590, 2190}, 0, black}, {Kind::Line, "", {10040, 2190}, 0, black},
            {Kind::Line, "", {10040, 6690}, 0, black}, {Kind::Line, "", {1590, 6690}, 0, black},
            {Kind::Line, "", {1605, 2205}, 0, black}, {Kind::Line, "", {10025, 2205}, 0, black},
            {Kind::Line, "", {10025, 6675}, 0, black}, {Kind::Line, "", {1605, 6675}, 0, black},
            {Kind::Text, "Nr.V123", {1620, 6810}, 14, {90, 90, 90}},
            {Kind::Text, "1999", {9390, 6810}, 14, {90, 90, 90}},
            {Kind::Text, "Eerste", {1560, 7800}, 11, {40, 40, 40}},
            {Kind::Text, "Tweede", {1560, 8100}, 11, {40, 40, 40}},
            {Kind::Text, "17", {10590, 15450}, 16, {0, 0, 200}},
            {Kind::End, "", {}, 0, {}}};
        // clang-format on
        QCOMPARE(s.steps.size(), qsizetype(std::size(rows)));
        for (qsizetype i = 0; i < s.steps.size(); ++i) {
            const auto& [kind, text, at, size, colour] = rows[i];
            const Step& step = s.steps[i];
            QVERIFY2(step.kind == kind, qPrintable(QString::number(i)));
            QVERIFY2(step.text == QLatin1String(text), qPrintable(QString::number(i)));
            QVERIFY2(step.at == at, qPrintable(QString::number(i)));
            QVERIFY2(step.colour == colour, qPrintable(QString::number(i)));
            QVERIFY2((kind != Kind::Text || step.font == PrintFont{QStringLiteral("Arial"), size, true}),
                     qPrintable(QString::number(i)));
        }
        QCOMPARE(s.steps[0].copies, 2);
        QCOMPARE(s.pageCount(), 1);
        QCOMPARE(s.steps[3].box, QRectF(1725, 2325, 8175, 4230));
        QCOMPARE(s.steps[3].picture, page.picture);
    }

    // Without description or picture the frames and the page number still print. The page holds the first 100
    // lines: 25 above the page number, after a question, the rest on continuation pages of 43 under the heading
    // (never off the paper). A place name too long for the frame's width is printed smaller.
    void albumPageDescription()
    {
        RecordingSurface empty;
        PrintSupplement(empty, albumPageOf({"Delft", "1", "2007", "4", {}, {}}, QImage()), 1);
        QCOMPARE(empty.texts(), QStringList({"Velinor", "Delft", "Nr.1", "2007", "4"}));
        QVERIFY(empty.of(Kind::Picture).isEmpty());
        QCOMPARE(empty.of(Kind::Line).size(), 8);
        QStringList lines;
        for (int i = 0; i < 120; ++i)
            lines << QStringLiteral("regel %1").arg(i);
        SupplementPage page = albumPageOf({"Delft", "1", "2007", "4", lines, {}}, QImage());
        QCOMPARE(page.lines, lines.mid(0, 100));
        page.Plaatsnaam = QString(64, 'W');
        RecordingSurface s;
        PrintSupplement(s, page, 1);
        QCOMPARE(s.text("regel 24").at, QPointF(1560, 15000));
        QCOMPARE(s.text("regel 25").at, QPointF(1560, 2325));
        QCOMPARE(s.text("regel 99").at, QPointF(1560, 11625));
        QCOMPARE(s.text("regel 99").page, 3);
        QCOMPARE(s.texts().count(page.Plaatsnaam + " (vervolg)"), 2);
        QCOMPARE(s.texts().count("4"), 3);
        const RecordingSurface::Step place = s.text(page.Plaatsnaam);
        QCOMPARE(place.font.size, 13);
        QCOMPARE(place.at.x(), 5850 - 64 * 130 / 2);
        page.lines = lines.mid(0, 25);
        QVERIFY(overflowQuestion(page).isEmpty());
        page.lines = lines.mid(0, 26);
        QVERIFY(overflowQuestion(page).contains(QStringLiteral("telt 26 regels; op het albumblad passen er 25.")));
    }

    // A saved supplement: its fields, lines and picture (named in any case); a save killed after its commit is
    // finished first, as the windows do. A missing file, one cut short or one not named as a supplement gives no page.
    void albumPageOfASavedSupplement()
    {
        QTemporaryDir dir;
        const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
        QVERIFY(TextFile::writeLines(path("Den Haag.sup"), {"Den Haag", "2331", "2014", "33", "---", "een", "twee"}));
        QVERIFY(picture(Photo).save(path("den haag.BMP"), "BMP"));
        const SupplementPageFile read = readSupplementPage(path("Den Haag.sup"));
        QVERIFY(read.page);
        QVERIFY(read.message.isEmpty());
        const SupplementPage& p = *read.page;
        QCOMPARE(QStringList({p.Plaatsnaam, p.CatalogusNr, p.Jaartal, p.page}) + p.lines,
                 QStringList({"Den Haag", "2331", "2014", "33", "een", "twee"}));
        QCOMPARE(p.picture.pixel(499, 259), Photo);
        QVERIFY(picture(qRgb(20, 60, 220)).save(path("Delft.bmp.nieuw"), "BMP"));
        QVERIFY(TextFile::writeLines(path("Delft.sup"), {"Delft", "1", "2007", "1", "-", "oud"}));
        QVERIFY(TextFile::writeLines(path("Delft.sup.nieuw"), {"Delft", "2", "2007", "1", "-", "nieuw"}));
        QVERIFY(TextFile::writeLines(path("Delft.sup.klaar"), {"afbeelding"}));
        const SupplementPageFile saved = readSupplementPage(path("Delft.sup"));
        QVERIFY(saved.page);
        QCOMPARE(saved.page->lines, QStringList{QStringLiteral("nieuw")});
        QCOMPARE(saved.page->picture.pixel(0, 0), qRgb(20, 60, 220));
        QVERIFY(TextFile::writeLines(path("a?b.sup"), {"a?b", "1", "2007", "1", "-"})); // no name for a supplement
        QVERIFY(!readSupplementPage(path("a?b.sup")).page);
        QVERIFY(!readSupplementPage(path("Nergens.sup")).page);
        QVERIFY(TextFile::writeLines(path("Kort.sup"), {"Kort", "1"}));
        const SupplementPageFile cut = readSupplementPage(path("Kort.sup"));
        QVERIFY(!cut.page);
        QVERIFY(cut.message.contains(QStringLiteral("onvolledig")));
    }

    // The *.jpg files (extension in any case) of the images folder (in any case), by name without regard to case;
    // a picture of another size than a sheetlet's is not read. A caption is cut with "…" to its picture's width:
    // 21 characters of 9 points.
    void contactSheetPicturesAndCaptions()
    {
        TestFolder folder;
        QVERIFY(QDir(folder.root()).rename(QStringLiteral("Images"), QStringLiteral("images")));
        const auto write = [&](const QString& name, QSize size) {
            QVERIFY(picture(Photo, size).save(folder.path(QStringLiteral("Images")) + '/' + name, "JPG"));
        };
        for (const char* name : {"b.jpg", "A.JPG", "a2.jpg", "c.png"})
            write(QString::fromLatin1(name), {50, 26});
        QStringList names;
        for (const QString& path : sheetletFiles(folder.folder()))
            names << QFileInfo(path).fileName();
        QCOMPARE(names, QStringList({"A.JPG", "a2.jpg", "b.jpg"}));
        const std::pair<QSize, QSize> sizes[] = {
            {{500, 260}, {500, 260}}, {{501, 260}, {0, 0}}, {{3200, 1000}, {0, 0}}};
        for (const auto& [size, read] : sizes) {
            write(QStringLiteral("groot.jpg"), size);
            QCOMPARE(readSheetlet(folder.path(QStringLiteral("Images/groot.jpg"))).size(), read);
        }
        RecordingSurface s;
        s.setFontSize(9);
        QCOMPARE(fittedCaption(s, QString(21, 'x')), QString(21, 'x'));
        QCOMPARE(fittedCaption(s, QStringLiteral("2008-Verzamelblokje Noord")),
                 QStringLiteral("2008-Verzamelblokje \u2026"));
    }

    // Five a row at x = 300, 2490, 4680, 6870, 9060, rows 1470 apart from y = 1200, ten rows a page, the caption
    // (the name without ".jpg") 1050 below its picture; the 51st at (300, 600) on page two, without the title:
    // here a picture that cannot be read, which leaves its caption. Fifty fill one page; none give the title alone.
    void contactSheetPages()
    {
        TestFolder folder;
        for (int i = 1; i <= 50; ++i)
            QVERIFY(picture(Photo).save(folder.path(QStringLiteral("Images/%1 Plaats.jpg").arg(1900 + i))));
        QVERIFY(folder.write(QStringLiteral("Images/1951 Plaats.jpg"), "geen jpeg"));
        QStringList files = sheetletFiles(folder.folder());
        RecordingSurface s;
        QVERIFY(PrintVelletjes(s, files, 1));
        const auto pictures = s.of(Kind::Picture);
        QCOMPARE(pictures.size(), 50);
        const std::pair<int, QPointF> boxes[] = {
            {0, {300, 1200}}, {4, {9060, 1200}}, {5, {300, 2670}}, {49, {9060, 14430}}};
        for (const auto& [i, at] : boxes) {
            QVERIFY2(pictures[i].page == 1, qPrintable(QString::number(i)));
            QVERIFY2(pictures[i].box == QRectF(at, QSizeF(1890, 990)), qPrintable(QString::number(i)));
        }
        QCOMPARE(placed(s.text(QStringLiteral("Velinor"))), placed({300, 300}, 26, true, {40, 140, 40}));
        QCOMPARE(placed(s.text(QStringLiteral("1907 Plaats"))), placed({2490, 2670 + 1050}, 9, false, {80, 80, 80}));
        QCOMPARE(placed(s.text(QStringLiteral("1951 Plaats"))), placed({300, 600 + 1050}, 9, false, {80, 80, 80}, 2));
        QCOMPARE(s.texts().count(QStringLiteral("Velinor")), 1);
        files.removeLast();
        RecordingSurface full, empty;
        QVERIFY(PrintVelletjes(full, files, 1));
        QCOMPARE(full.pageCount(), 1);
        QVERIFY(PrintVelletjes(empty, {}, 1));
        QCOMPARE(empty.texts(), QStringList{"Velinor"});
    }

    // Year and place from the key, lines 3 and 6, the last four characters of line 7, line 10, the key and number;
    // the price in euro, the face value as the stamps times the value of one; whole records only, at most
    // MaxRecords; none from a missing file.
    void catalogueRecords()
    {
        QStringList one = records(1);
        one[0] = QStringLiteral("1999 Amsterdam");
        one[6] = QStringLiteral("5 x 0,18 = 0.92");
        QCOMPARE(catalogueEntries(one).value(0), (CatalogueEntry{"1999", "Amsterdam", "V1", "1.000", "0.92",
                                                                 "\u20ac 1.50", "1999 Amsterdam", "1", 1.5, 5 * 0.92}));
        for (const auto& [count, whole] : {std::pair{0, 0}, {10, 0}, {11, 1}, {21, 1}, {22, 2}})
            QVERIFY2(catalogueEntries(records(2).mid(0, count)).size() == whole, qPrintable(QString::number(count)));
        QCOMPARE(catalogueEntries(records(CatalogueRecords::MaxRecords + 1)).size(), CatalogueRecords::MaxRecords);
        TestFolder folder;
        QVERIFY(readCatalogueEntries(folder.folder()).isEmpty());
    }

    // The title; the header in bold black; each row's number and six fields in grey at their columns, 405 apart
    // from y = 1500. 36 rows fill the first page; later pages hold 37 from y = 1200 under the header at y = 600.
    void catalogueListPages()
    {
        RecordingSurface s;
        QVERIFY(PrintLijst(s, catalogueEntries(records(74)), 3));
        QCOMPARE(s.steps[0].copies, 3);
        QCOMPARE(placed(s.text(QStringLiteral("Velinor"))), placed({300, 120}, 26, true, {40, 140, 40}));
        QCOMPARE(s.texts().count(ListLayout::headerLine()), 3);
        for (const Step& step : s.of(Kind::Text))
            if (step.text == ListLayout::headerLine())
                QCOMPARE(placed(step), placed({330, step.page == 1 ? 900.0 : 600.0}, 14, true, {0, 0, 0}, step.page));
        // clang-format off
        const std::pair<const char*, double> cells[] = {{"2", 285}, {"1902", 960}, {"Plaats2", 1950}, {"V2", 4920},
                                                        {"2.000", 6270}, {"1.12", 8250}, {"\u20ac 2.50", 9810}};
        // clang-format on
        for (const auto& [text, x] : cells)
            QCOMPARE(placed(s.text(QString::fromUtf8(text))), placed({x, 1905}, 14, false, {120, 120, 120}));
        QCOMPARE(s.texts().count(QStringLiteral("Velinor")), 1);
        // A full page adds no empty one; no records give the title and the header.
        RecordingSurface full, none;
        QVERIFY(PrintLijst(full, catalogueEntries(records(36)), 1));
        QCOMPARE(full.pageCount(), 1);
        QVERIFY(PrintLijst(none, {}, 1));
        QCOMPARE(none.texts(), QStringList({"Velinor", ListLayout::headerLine()}));
    }

    // The want list of the sample series with Alkmaar and Delft owned: 32 rows of number, year, place and price in
    // catalogue order, the prices under their header, and on the line after the last row the total worked out by
    // hand (the series' 236.25 less 6.00 and 6.75). The list gets the collection's column, the contact sheet the
    // supplements' pictures.
    void collectionPrintouts()
    {
        TestFolder folder(true);
        const Marks marks{{"2005-Alkmaar", {Ownership::Beide, 1, {}, {}}},
                          {"2007-Delft", {Ownership::Postfris, 2, {}, {}}}};
        const QList<CatalogueEntry> wanted = wantList(readCatalogueEntries(folder.folder()), marks);
        const QString pdf = folder.path("nog.pdf");
        QVERIFY(printPdf(pdf, 1, [&](PrintSurface& s, int copies) { return PrintWantList(s, wanted, copies); }).ok);
        const QList<PdfWord> words = pdfWords(pdf);
        const QRectF first = findWords(words, "Deventer").value(0).box, last = findWords(words, "Heusden").value(0).box;
        QCOMPARE(wordsOnLine(words, 1, first.top()), QStringList({"2", "2005", "Deventer", "\u20ac", "8.00"}));
        QCOMPARE(findWords(words, "Alkmaar").size() + findWords(words, "Delft").size(), 0);
        QVERIFY(qAbs(last.top() - first.top() - 31 * ListLayout::RowSpacing) < 20);
        QCOMPARE(wordsOnLine(words, 1, last.top() + ListLayout::RowSpacing),
                 QStringList({"Totaal", "(32", "velletjes)", "\u20ac", "223,50"}));
        QVERIFY(qAbs(findWords(words, "Cat.prijs").value(0).box.left() -
                     findWords(words, "\u20ac 8.00").value(0).box.left()) < 20);
        RecordingSurface list;
        QVERIFY(PrintLijst(list, readCatalogueEntries(folder.folder()), 1, marks));
        QCOMPARE(list.texts().filter(QRegularExpression("^(In bezit|beide|pf|gest\\.)$")),
                 QStringList({"In bezit", "beide", "pf"}));
        QVERIFY(folder.write("Supplementen/Eigen.bmp", "bmp"));
        QCOMPARE(designFiles(folder.folder()).filter("Eigen.bmp").size(), 1);
        QVERIFY(designFiles(folder.folder()).filter(".sup").isEmpty());
    }

    // Where the number of a record lands: the page and the height on it.
    void catalogueListRows()
    {
        RecordingSurface s;
        QVERIFY(PrintLijst(s, catalogueEntries(records(74)), 3));
        const QColor grey(120, 120, 120);
        QCOMPARE(placed(s.text(QStringLiteral("1"))), placed({285, 1500}, 14, false, grey, 1));
        QCOMPARE(placed(s.text(QStringLiteral("36"))), placed({285, 15675}, 14, false, grey, 1));
        QCOMPARE(placed(s.text(QStringLiteral("37"))), placed({285, 1200}, 14, false, grey, 2));
        QCOMPARE(placed(s.text(QStringLiteral("73"))), placed({285, 15780}, 14, false, grey, 2));
        QCOMPARE(placed(s.text(QStringLiteral("74"))), placed({285, 1200}, 14, false, grey, 3));
    }

    // The album page after a full sweep, the dialog left open. On a full disk the old file stays and a message says so.
    void supplementJob()
    {
        Fixture f;
        f.click("OkKnop");
        // The bar shades from magenta to a light cyan over all its rows, on the background RGB(150, 170, 140).
        const QImage& bar = f.form->barPicture();
        QCOMPARE(bar.pixel(0, 0), qRgb(255, 0, 255));
        QCOMPARE(bar.pixel(239, 18), qRgb(16, 239, 255));
        QCOMPARE(Voortgang::emptyBar().pixel(0, 0), qRgb(150, 170, 140));
        QVERIFY(QFile::exists(f.pdf));
        QVERIFY(f.form->isVisible());
        QVERIFY(f.interaction.shown.isEmpty());
        QCOMPARE(f.child<QListWidget>("File1")->item(0)->text(), QStringLiteral("2005-Alkmaar.jpg"));
        const QByteArray before = f.folder.read(QStringLiteral("uit.pdf"));
        f.interaction.yesNoAnswers.enqueue(true); // replace it
        {
            const FileSizeLimit limit(100);
            f.click("OkKnop");
        }
        QCOMPARE(f.folder.read(QStringLiteral("uit.pdf")), before);
        QVERIFY(f.interaction.texts("message").value(0).contains(QStringLiteral("uit.pdf kon niet worden geschreven")));
    }

    // The preview's print button prints the way the dialog does: here into the PDF file the printer was given,
    // not through Qt's printer choice (which a timer would close).
    void previewPrintsLikeTheDialog()
    {
        Fixture f;
        f.child<QCheckBox>("Voorbeeld")->setChecked(true);
        f.interaction.modalScripts.enqueue([](QDialog& preview) {
            for (QAction* action : preview.findChildren<QAction*>())
                if (action->text() == QCoreApplication::translate("QPrintPreviewDialog", "Print"))
                    action->trigger();
            return preview.result();
        });
        QTimer::singleShot(2000, f.form.get(), [] { QApplication::closeAllWindows(); });
        f.click("LijstKnop");
        QVERIFY(!findWords(pdfWords(f.pdf), "Nominaal").isEmpty());
    }

    // Every copy is in the PDF; an existing file is replaced only when the user says so: No asks for another name.
    void pdfHoldsEveryCopyAndReplacesNothingUnasked()
    {
        Fixture f;
        f.child<QComboBox>("Combo1")->setCurrentIndex(2);
        f.click("VelKnop");
        QCOMPARE(findWords(pdfWords(f.pdf), QStringLiteral("2014-Heusden"), 3).size(), 1);
        const QString other = f.folder.root() + QStringLiteral("/lijst.pdf");
        f.interaction.fileAnswers.enqueue(other);
        f.click("LijstKnop");
        QCOMPARE(f.interaction.texts("question"), QStringList{"Het bestand " + f.pdf + " bestaat al. Overschrijven?"});
        QCOMPARE(pdfInfo(f.pdf).pages, 3);
        QVERIFY(!findWords(pdfWords(other), QStringLiteral("Nominaal")).isEmpty());
    }

    // Cancel, Escape or closing the window in the sweep closes the dialog and prints nothing; during the sweep
    // the print buttons are off, so a second click prints nothing twice. Without a printer the question comes
    // before the sweep, and Yes saves a PDF, its extension added to a name typed without. A description longer
    // than the page is asked about first.
    void jobsStoppedBeforePrinting()
    {
        const std::function<void(Fixture&)> stops[] = {
            [](Fixture& f) { f.click("CancelKnop"); },
            [](Fixture& f) { QTest::keyClick(f.form.get(), Qt::Key_Escape); }, [](Fixture& f) { f.form->close(); }};
        for (const auto& stop : stops) {
            Fixture f;
            f.form->setSweepPause(0.001);
            bool printable = true;
            QTimer::singleShot(0, f.form.get(), [&] { // runs in the first pause
                printable = f.child("OkKnop")->isEnabled() || f.child("VelKnop")->isEnabled();
                f.form->OkKnop_Click();
                stop(f);
            });
            f.click("OkKnop");
            QVERIFY(!QFile::exists(f.pdf));
            QVERIFY(!f.form->isVisible());
            QCOMPARE(f.form->result(), QDialog::Rejected);
            QVERIFY(!printable);
            QVERIFY(f.child("OkKnop")->isEnabled());
        }

        Fixture g;
        g.printer.setOutputFileName(QString()); // as on a machine without any printer set up
        g.click("OkKnop");                      // answered No
        QVERIFY(g.interaction.texts("question").value(0).startsWith(QStringLiteral("Er is geen printer ingesteld.")));
        QCOMPARE(g.form->barPicture(), Voortgang::emptyBar());
        g.interaction.yesNoAnswers.enqueue(true);
        g.interaction.fileAnswers.enqueue(g.pdf.chopped(4));
        g.click("OkKnop");
        QCOMPARE(pdfInfo(g.pdf).pages, 1);

        Fixture h(QStringList(26, QStringLiteral("regel")));
        h.click("OkKnop"); // answered No
        QVERIFY(h.interaction.texts("question").value(0).startsWith(QStringLiteral("De omschrijving telt 26 regels")));
        QVERIFY(!QFile::exists(h.pdf));
    }

    // "Afdrukken" works on the printer that "Setup Printer" chooses from; "Opslaan als PDF" names the page after
    // the place and prints the canvas in the frame.
    void fileMenu()
    {
        MainWindowFixture f(true);
        f.model.setPlaatsnaam(QStringLiteral("Harderwijk"));
        f.setCanvas(filtertest::picture(500, 260, qRgb(220, 60, 20)));
        QPrinter* used = nullptr;
        f.interaction.modalScripts.enqueue([&used](QDialog& dialog) {
            used = &dynamic_cast<AfdrukForm&>(dialog).printer();
            return int(QDialog::Rejected);
        });
        f.main->menus().FilePrint->trigger();
        f.main->menus().FileSetupPrinter->trigger();
        QCOMPARE(used, &f.main->findChild<PrintController*>()->printer());
        QCOMPARE(f.interaction.texts(QStringLiteral("printer")).size(), 1);
        const QString pdf = f.folder.root() + QStringLiteral("/Harderwijk.pdf");
        f.interaction.fileAnswers.enqueue(pdf);
        f.main->menus().FileSavePdf[1]->trigger();
        QVERIFY(f.interaction.texts("save").last().endsWith(QStringLiteral("/Harderwijk.pdf")));
        // At 144 dpi a pixel is 10 twips: the middle of the frame, a margin inside the page.
        const QColor middle = pdfPage(pdf, 1, 144).pixelColor(QPoint(5812 + 360, 4440 + 360) / 10);
        QVERIFY(middle.red() > 200);
        QVERIFY(middle.green() < 100);
        QVERIFY(middle.blue() < 60);
    }

    // The printer dialog of "Setup Printer" says it chooses a printer, and does not offer to print, nor copies
    // and pages that each job's dialog chooses.
    void choosingAPrinterIsNotPrinting()
    {
        QtInteraction interaction;
        QPrinter printer;
        QString title, ok;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            title = dialog->windowTitle();
            ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->text();
            for (const char* ignored : {"copies", "gbPrintRange"})
                ok += dialog->findChild<QWidget*>(ignored)->isVisibleTo(dialog) ? ignored : "";
            dialog->reject();
        });
        QVERIFY(!interaction.choosePrinter(nullptr, printer));
        QCOMPARE(title, QStringLiteral("Printer kiezen"));
        QCOMPARE(ok, QStringLiteral("Kiezen"));
    }
};

QTEST_MAIN(TestPrinting)
#include "test_printing.moc"
