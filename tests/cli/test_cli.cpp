// velinor-cli as a user runs it, every command in one table: the arguments,
// the exit status, a text it must say, and what its output must hold. A
// command that fails says why on a line starting with "velinor-cli:", and
// leaves every file as it was and writes none: not over one of its inputs,
// and not when its output cannot be written whole. Only a batch of pictures
// keeps the results of the pictures that worked.

#include "app/file_version.h"
#include "common/bomb_pictures.h"
#include "common/cli_run.h"
#include "common/test_folder.h"
#include "common/write_failure.h"
#include "geography/map_picture.h"
#include "printing/pdf_reader.h"

#include <QDirIterator>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// The sample program folder with the small files the cases read.
struct Workspace
{
    TestFolder folder{true};

    Workspace()
    {
        const QRgb white = qRgb(255, 255, 255);
        // clang-format off
        const struct { const char* name; int width, height; QRgb colour; } pictures[] = {
            {"klein.png", 7, 5, qRgb(200, 100, 30)}, {"grijs.png", 20, 10, qRgb(128, 128, 128)},
            {"rozen.png", 100, 100, qRgb(200, 10, 10)}, {"wit.png", 500, 260, white}, {"wit.bmp", 500, 260, white},
            {"smal.bmp", 400, 260, white}};
        // clang-format on
        for (const auto& [name, width, height, colour] : pictures) {
            QImage image(width, height, QImage::Format_RGB32);
            image.fill(colour);
            image.save(path(name));
        }
        folder.write("bom.bmp", BombPictures::bitmapHeader(8193, 8192));
        folder.write("kapot.png", "geen afbeelding");
        folder.write("Kapot.sup", "Kapot\r\n1\r\n2007\r\n1\r\n---\r\n");
        folder.write("Kapot.bmp", BombPictures::bitmapHeader(500, 260) + "pixels"); // cut short
        folder.write("Data/Perfin.cor", "100,200\r\n");
        folder.write("Data/coordinaten.cor", "100,200,Gouda\r\n,1,Weg\r\n150,250,\"Rijswijk, Zuid-Holland\"\r\n");
        folder.write("Data/plaatsnamen.cat", "Aalten\r\nA\r\namen\r\n't Zandt\r\nAmen\r\n");
        // A catalogue of two sheetlets, whose prices add up to 14.50.
        folder.write("eigen/Data/Informatie.cat",
                     "2020-Een\r\n1\r\n1\r\nA\r\n1-1-2020\r\n1\r\n5 x \x80 0.39\r\n14\r\n1\r\n\x80 6.00\r\n---\r\n"
                     "2020-Twee\r\n2\r\n2\r\nB\r\n2-1-2020\r\n1\r\n5 x \x80 0.44\r\n14\r\n1\r\n\x80 8.50\r\n---\r\n");
        QDir(folder.root()).mkpath(QStringLiteral("uit"));
        // Two sheetlets owned, by hand: catalogue value 6.00 + 2 x 6.75, face value 5 x 0.39 + 2 x 5 x 0.44.
        folder.write("Data/Verzameling.txt", "2005-Alkmaar\tbeide\t1\t3.00\t\r\n"
                                             "2007-Delft\tpostfris\t2\t12.50\tvan Jansen\r\n");
        folder.write("lijst.csv", "Sleutel;In bezit;Notitie\r\n2007-Delft;postfris;\"ruil; \"\"zegel\"\"\"\r\n"
                                  "2006-Haarlem;gestempeld;\r\n2099-Nergens;postfris;\r\n");
        folder.write("fout.csv", "Sleutel;Aantal\r\n2006-Haarlem;1\r\n2007-Delft;veel\r\n");
    }

    QString path(const QString& name) const { return folder.root() + QLatin1Char('/') + name; }
    QImage picture(const QString& name) const { return QImage(path(name)); }

    // Every file below the folder with its contents.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> result;
        for (QDirIterator it(folder.root(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            QFile file(it.next());
            result[it.filePath()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("?");
        }
        return result;
    }
};

using Pixels = QList<std::pair<QPoint, QRgb>>;

struct Case
{
    QStringList arguments; // "@" stands for the folder's root
    int status;
    QStringList says = {}; // each contained in what the command writes to the terminal
    Pixels pixels = {};    // what the picture named last in the arguments holds
    std::function<void(const Workspace&, const CliRun&)> check = {};
    bool fullDisk = false; // every write past 10 bytes fails, as on a full disk
    QString input = {};    // the workspace file given on stdin
    bool batch = false;    // several pictures: a failed one leaves the others' results
};

void verifyMatches(const QString& text, const QString& pattern)
{
    QVERIFY2(QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$")).match(text).hasMatch(),
             qPrintable(text));
}

QList<Case> cases()
{
    const QRgb red = qRgb(200, 10, 10), white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    const QString overInput = QStringLiteral("is ook een invoerbestand"),
                  full = QStringLiteral("groter dan toegestaan");
    const QString usage = QStringLiteral("Gebruik: velinor-cli ");
    // clang-format off
    QList<Case> list = {
        {{"--help"}, 0, {usage}},
        {{"--version"}, 0, {"velinor-cli " + ProgramVersion()}},
        {{"folder"}, 0, {"Programmamap: @"}},
        {{"--home", "@/nergens", "totals"}, 2, {"De programmamap @/nergens bestaat niet."}},
        {{"onbekend"}, 2, {"Onbekende opdracht: onbekend"}},
        {{}, 2, {"Geef een opdracht."}},
        {{"--kleur"}, 2, {"Onbekende optie: 'kleur'"}},
        {{"folder", "extra"}, 2, {usage + "folder"}},

        {{"info", "2005-Alkmaar"}, 0, {"0: 2301\n1: Bureau Lindeman\n2: 14-06-2005\n3: 470.000\n"
                                       "4: 5 x € 0,39\n5: 13¾\n6: 144 x 75 mm\n7: € 6,00\n8: 1\n"}},
        {{"info", "2005-alkmaar"}, 1, {"2005-alkmaar staat niet in de catalogus"}},
        // After -- an argument that looks like an option is a key.
        {{"info", "--", "--help"}, 1, {"--help staat niet in de catalogus"}},
        {{"info"}, 2, {"Verkeerd aantal argumenten", usage + "info SLEUTEL"}},
        // One line per total, with a decimal comma whatever the language of the terminal.
        {{"totals"}, 0, {}, {}, [](const Workspace&, const CliRun& r) {
             verifyMatches(r.out, "Catalogusprijs voor deze 34 velletjes: € \\d+,\\d\\d\n"
                                  "Nominale waarde voor de \\d+ velletjes: € \\d+,\\d\\d\n"); }},
        {{"--home", "@/eigen", "totals"}, 0, {"Catalogusprijs voor deze 2 velletjes: € 14,50\n"}},
        {{"--home", "@/eigen", "totals", "--csv"}, 0, {}, {}, [](const Workspace&, const CliRun& r) {
             verifyMatches(r.out, "totaal,velletjes,euro\ncatalogusprijs,2,14\\.50\nnominale waarde,2,\\d+\\.\\d\\d\n"); }},

        {{"collection"}, 0, {"In bezit (2 van 34):\n  2005-Alkmaar  beide  1x  betaald € 3,00\n",
                             "Totaal nog te verzamelen: € 223,50\n", "In bezit: 2 van de 34 velletjes (3 exemplaren)."
                             "\nCatalogusprijs.... € 19,50\nNominale waarde.... € 6,35\nBetaald.... € 15,50\n"}},
        {{"want-list", "@/nog.pdf"}, 0, {"32 velletjes nog te verzamelen"}},
        {{"contact-sheet", "@/eigen.pdf", "--with-designs"}, 0, {"35 velletjes"}},
        {{"export-csv", "@/uit/lijst.csv"}, 0, {}, {}, [](const Workspace& w, const CliRun&) {
             QVERIFY(w.folder.read("uit/lijst.csv").contains("\r\n2007-Delft;8;2007;Delft;2308;2,20;6,75;postfris;2;"
                                                             "12,50;van Jansen\r\n")); }},
        {{"export-csv", "@/Data/Verzameling.txt"}, 2, {"is ook een invoerbestand"}},
        {{"import-csv", "@/fout.csv"}, 1, {"Regel 3: \"Aantal\" is \"veel\"", "Er is niets veranderd."}},
        {{"import-csv", "@/lijst.csv", "--dry-run"}, 0, {"3 rijen: 1 bijgewerkt, 1 nieuw, 0 ongewijzigd, 1 niet "
                                                       "herkend: 2099-Nergens.", "Proefdraai"},
         {}, [](const Workspace& w, const CliRun&) { QVERIFY(!w.folder.read("Data/Verzameling.txt").contains("ruil")); }},
        {{"import-csv", "@/lijst.csv"}, 0, {"1 bijgewerkt"}, {}, [](const Workspace& w, const CliRun&) {
             QVERIFY(w.folder.read("Data/Verzameling.txt").contains("postfris\t2\t12.50\truil; \"zegel\"\r\n"));
             QVERIFY(w.folder.read("Data/Verzameling-vorige.txt").contains("van Jansen")); }},

        {{"filter", "--list"}, 0, {"grayscale\n", "border-10\n", "perforate-sheet-black\n", "perforate-block-white\n",
                                   "barcode-1\n", "barcode-3\n"}},
        {{"filter", "grayscale", "@/klein.png", "@/grijs.bmp"}, 0, {}, {{{6, 4}, qRgb(110, 110, 110)}}},
        {{"filter", "swap-bgr", "@/klein.png", "@/wissel.bmp"}, 0, {}, {{{3, 3}, qRgb(30, 100, 200)}}},
        {{"filter", "transparant", "@/wit.png", "--color", "255,0,0", "@/rood.png"}, 0, {},
         {{{2, 0}, qRgb(255, 0, 0)}, {{1, 0}, white}}},
        // The same seed gives the same noise wherever it stands, another seed other noise.
        {{"filter", "noise", "@/grijs.png", "@/ruis.png", "--seed", "12"}, 0},
        {{"filter", "noise", "--seed", "12", "@/grijs.png", "@/ruis2.png"}, 0},
        {{"filter", "noise", "@/grijs.png", "@/ruis3.png", "--seed", "13"}, 0, {}, {}, [](const Workspace& w, const CliRun&) {
             const QImage noise = w.picture("ruis.png");
             QCOMPARE(noise, w.picture("ruis2.png"));
             QVERIFY(noise != w.picture("ruis3.png"));
             QVERIFY(noise != w.picture("grijs.png")); }},
        {{"filter", "sepia", "@/klein.png", "@/sepia.png"}, 1, {"500 x 260"}},
        {{"filter", "perforate-sheet-black", "@/wit.png", "@/vel.png"}, 0, {},
         {{{27, 27}, black}, {{100, 200}, black}}},
        {{"filter", "perforate-block-white", "@/wit.png", "@/blok.bmp"}, 0, {}, {{{101, 149}, qRgb(130, 130, 130)}}},
        {{"filter", "barcode-3", "@/wit.png", "@/barcode.png"}, 0, {}, {{{473, 74}, black}}},
        {{"filter", "negative", "@/kapot.png", "@/uit.png"}, 1, {"kapot.png"}},
        {{"filter", "negative", "@/weg.png", "@/uit.png"}, 1, {"weg.png"}},
        {{"filter", "negative", "@/bom.bmp", "@/uit.png"}, 1, {"bom.bmp is te groot (8193 x 8192 pixels)."}},
        {{"filter", "Grayscale", "@/klein.png", "@/o.png"}, 2, {"Onbekende bewerking: Grayscale"}},
        {{"filter", "grayscale", "@/klein.png", "@/o.jpg"}, 2, {"moet eindigen op .png of .bmp"}},
        {{"filter", "grayscale", "@/klein.png", "@/o.png", "--seed", "x"}, 2, {"Ongeldige waarde"}},
        {{"filter", "grayscale", "@/klein.png", "@/o.png", "--color", "256,0,0"}, 2, {"Ongeldige waarde"}},
        {{"filter", "grayscale", "@/klein.png", "@/o.png", "--color", "1,2"}, 2, {"Ongeldige waarde"}},
        {{"filter", "grayscale", "@/klein.png", "@/o.png", "extra"}, 2, {usage + "filter"}},

        // - is stdin for an input picture and stdout for an output file.
        {.arguments = {"filter", "swap-bgr", "-", "@/wissel2.bmp"}, .status = 0,
         .pixels = {{{3, 3}, qRgb(30, 100, 200)}}, .input = "klein.png"},
        {{"filter", "negative", "@/klein.png", "-"}, 0, {}, {{{6, 4}, qRgb(55, 155, 225)}}},
        {.arguments = {"photos", "sheet", "groot", "-", "@/wit.bmp", "-"}, .status = 0,
         .says = {"velinor-cli: standaarduitvoer: vijf foto's"}, .pixels = {{{230, 159}, red}}, .input = "rozen.png"},
        {{"photos", "sheet", "groot", "-", "-", "@/x.png"}, 2, {"maar één keer"}},
        {.arguments = {"filter", "negative", "-", "@/x.png"}, .status = 1, .says = {"standaardinvoer"}, .input = "kapot.png"},
        // Several pictures into a folder in one go; one that fails does not stop the others.
        {{"filter", "swap-bgr", "@/klein.png", "@/wit.bmp", "@/Images/2005-Alkmaar.jpg", "-o", "@/uit"}, 0, {}, {},
         [](const Workspace& w, const CliRun&) {
             QCOMPARE(w.picture("uit/klein.png").pixel(3, 3), qRgb(30, 100, 200));
             QCOMPARE(w.picture("uit/wit.bmp").size(), QSize(500, 260));
             QVERIFY(!w.picture("uit/2005-Alkmaar.png").isNull()); }},
        {.arguments = {"filter", "negative", "@/kapot.png", "@/klein.png", "--output", "@/uit"}, .status = 1,
         .says = {"kapot.png"}, .check = [](const Workspace& w, const CliRun&) {
             QCOMPARE(w.picture("uit/klein.png").pixel(6, 4), qRgb(55, 155, 225)); }, .batch = true},
        {{"filter", "negative", "@/klein.png", "@/Data/../klein.png", "-o", "@/uit"}, 2, {"zouden allebei"}},
        {{"filter", "negative", "@/klein.png", "-", "-o", "@/uit"}, 2, {"- heeft geen naam"}},
        {{"filter", "negative", "@/klein.png", "-o", "@/nergens"}, 1, {"De map @/nergens bestaat niet."}},
        {{"filter", "negative", "@/klein.png", "-o", "@"}, 2, {"is ook een invoerbestand"}},

        // The five frames of a sheetlet, and of a block in small photos.
        {{"photos", "sheet", "groot", "@/rozen.png", "@/wit.bmp", "@/vijf.bmp"}, 0, {"vijf.bmp: vijf foto's"},
         {{{230, 159}, red}, {{304, 243}, red}, {{305, 243}, white}, {{304, 244}, white}, {{28, 28}, red}}},
        {{"photos", "block", "klein", "@/rozen.png", "@/wit.bmp", "@/blok.png"}, 0, {},
         {{{20, 146}, red}, {{19, 146}, white}, {{88, 224}, red}, {{89, 224}, white}}},
        // Passen: the square photo whole in the 75 x 85 frame, five rows of white above and below it.
        {{"photos", "--fit", "passen", "sheet", "groot", "@/rozen.png", "@/wit.bmp", "@/pas.png"}, 0, {},
         {{{30, 32}, white}, {{30, 33}, red}, {{30, 107}, red}, {{30, 108}, white}}},
        {{"photos", "sheet", "groot", "@/rozen.png", "@/wit.bmp", "@/x.png", "--fit", "rekken"}, 2, {"--fit 'rekken'"}},
        {{"photos", "sheet", "klein", "@/rozen.png", "@/smal.bmp", "@/x.png"}, 1, {"smal.bmp is geen velletje"}},
        {{"photos", "sheet", "klein", "@/kapot.png", "@/wit.bmp", "@/x.png"}, 1, {"kapot.png"}},
        {{"photos", "sheet", "middel", "@/rozen.png", "@/wit.bmp", "@/x.png"}, 2, {usage + "photos"}},
        {{"photos", "sheet", "groot", "@/rozen.png", "@/wit.bmp", "@/x.xyz"}, 2, {"Onbekend soort uitvoer"}},

        {{"kaart", "@/kaart.png"}, 0, {"2 Steden\n"}, {{{100, 200}, white}, {{150, 250}, white}},
         [](const Workspace& w, const CliRun&) { QCOMPARE(w.picture("kaart.png").size(), MapPicture::Size); }},
        {{"kaart", "-"}, 0, {"velinor-cli: 2 Steden\n"}, {{{100, 200}, white}}},
        {{"kaart", "@/geen/map/kaart.png"}, 1, {"Kan @/geen/map/kaart.png niet schrijven: de map bestaat niet."}},
        {{"plaatsnamen", "A"}, 0, {"Aalten\nAmen\n2 Plaatsnamen\n"}},
        {{"plaatsnamen", "'"}, 0, {"'t Zandt\n1 Plaatsnamen\n"}},
        {{"plaatsnamen", "a"}, 2, {usage + "plaatsnamen"}},

        {{"page", "@/Supplementen/Alkmaar.sup", "@/pagina.pdf"}, 0, {"pagina.pdf: 1 pagina"}, {},
         [](const Workspace& w, const CliRun&) {
             for (const char* text : {"Velinor", "Alkmaar", "Nr.2301", "2005", "Alkmaar ligt in Noord-Holland"})
                 QVERIFY2(!findWords(pdfWords(w.path("pagina.pdf")), QString::fromUtf8(text)).isEmpty(), text);
             const QImage page = pdfPage(w.path("pagina.pdf"), 1, 72);
             QVERIFY(page.pixelColor((5812 + 360) / 20, (4440 + 360) / 20) != Qt::white); }},
        {{"page", "@/Supplementen/Alkmaar.sup", "-"}, 0, {"velinor-cli: standaarduitvoer: 1 pagina"}, {},
         [](const Workspace&, const CliRun& r) {
             QVERIFY(r.outBytes.startsWith("%PDF"));
             QVERIFY(r.outBytes.contains("%%EOF")); }},
        {{"page", "-", "@/x.pdf"}, 2, {"- kan hier niet"}},
        {{"page", "@/Nergens.sup", "@/x.pdf"}, 1, {"niet gevonden"}},
        {{"page", "@/Kapot.sup", "@/x.pdf"}, 1, {"Kapot.bmp"}},
        {{"contact-sheet", "@/blad.pdf"}, 0, {"34 velletjes"}, {}, [](const Workspace& w, const CliRun&) {
             QCOMPARE(pdfInfo(w.path("blad.pdf")).pages, 1);
             QVERIFY(!findWords(pdfWords(w.path("blad.pdf")), QStringLiteral("2005-Alkmaar")).isEmpty()); }},
        // The collection's column between the print run and the nominal value.
        {{"list", "@/lijst.pdf"}, 0, {"34 velletjes in de catalogus"}, {}, [](const Workspace& w, const CliRun&) {
             QCOMPARE(wordsOnLine(pdfWords(w.path("lijst.pdf")), 1, 1500 + 360),
                      QStringList({"1", "2005", "Alkmaar", "2301", "470.000", "beide", "0.39", "\u20ac", "6.00"})); }},


        // An output that is one of the inputs, by whatever path, is refused.
        {{"page", "@/Supplementen/Alkmaar.sup", "@/Supplementen/Alkmaar.sup"}, 2, {overInput}},
        {{"page", "@/Supplementen/Alkmaar.sup", "@/Supplementen/../Supplementen/Alkmaar.bmp"}, 2, {overInput}},
        {{"filter", "negative", "@/rozen.png", "@/./rozen.png"}, 2, {overInput}},
        {{"kaart", "@/Data/coordinaten.cor"}, 2, {overInput}},
        {{"photos", "sheet", "groot", "@/rozen.png", "@/wit.bmp", "@/wit.bmp"}, 2, {overInput}},
        {{"list", "@/Data/Informatie.cat"}, 2, {overInput}},
        {{"contact-sheet", "@/Images/2005-Alkmaar.jpg"}, 2, {overInput}},
        // The limit is inherited, so every output fails as on a full disk.
        {{"page", "@/Supplementen/Alkmaar.sup", "@/uit.pdf"}, 1, {full}, {}, {}, true},
        {{"filter", "negative", "@/rozen.png", "@/uit.png"}, 1, {full}, {}, {}, true},
        {{"kaart", "@/uit.png"}, 1, {full}, {}, {}, true},
    };
    // clang-format on
    // Every command explains itself.
    for (const char* name :
         {"folder", "info", "totals", "filter", "photos", "kaart", "plaatsnamen", "page", "contact-sheet", "list"})
        list.append({{name, "--help"}, 0, {usage + name, "--home MAP", "-h, --help"}});
    list.append({{"filter", "-h"}, 0, {"velinor-cli filter NAAM INVOER... -o MAP", "--seed N"}});
    return list;
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyCommand()
    {
        const Workspace w;
        // An English terminal: the tool speaks Dutch and writes amounts with a decimal comma all the same.
        QProcessEnvironment english;
        english.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        for (Case& c : cases()) {
            const QString title = c.arguments.join(QLatin1Char(' '));
            const QStringList arguments = c.arguments.replaceInStrings(QStringLiteral("@"), w.folder.root());
            const bool global = arguments.value(0).startsWith(QLatin1String("--"));
            const QMap<QString, QByteArray> before = c.status ? w.files() : QMap<QString, QByteArray>();
            const QByteArray input = c.input.isEmpty() ? QByteArray() : w.folder.read(c.input);
            auto limit = c.fullDisk ? std::make_unique<FileSizeLimit>(10) : nullptr;
            const CliRun run =
                runCli(global ? arguments : QStringList{"--home", w.folder.root()} + arguments, english, input);
            limit.reset();
            QVERIFY2(run.status == c.status, qPrintable(title + ": " + run.err));
            QVERIFY2(!c.status || run.err.startsWith(QLatin1String("velinor-cli: ")),
                     qPrintable(title + ": " + run.err));
            for (const QString& text : c.says.replaceInStrings(QStringLiteral("@"), w.folder.root()))
                QVERIFY2((run.out + run.err).contains(text), qPrintable(title + ": " + run.out + run.err));
            const QString last = arguments.value(arguments.size() - 1);
            const QImage output = last == QLatin1String("-") ? QImage::fromData(run.outBytes) : QImage(last);
            for (const auto& [point, colour] : c.pixels)
                QVERIFY2(output.pixel(point) == colour,
                         qPrintable(title + QStringLiteral(" at %1,%2").arg(point.x()).arg(point.y())));
            if (c.check)
                c.check(w, run);
            QVERIFY2(!c.status || c.batch || w.files() == before, qPrintable(title));
        }
    }

    // The program answers --help and --version where there is no display to open a window on.
    void velinorWithoutDisplay()
    {
        QProcessEnvironment noDisplay;
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
            noDisplay.insert(QString::fromLatin1(name), QString());
        noDisplay.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        const CliRun help = runProgram(QStringLiteral(VELINOR_GUI), {QStringLiteral("--help")}, noDisplay);
        QCOMPARE(help.status, 0);
        QVERIFY2(help.out.startsWith(QLatin1String("Gebruik: velinor ")), qPrintable(help.out + help.err));
        const CliRun version = runProgram(QStringLiteral(VELINOR_GUI), {QStringLiteral("--version")}, noDisplay);
        QCOMPARE(version.out, QStringLiteral("velinor %1\n").arg(ProgramVersion()));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
