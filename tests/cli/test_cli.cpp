// velinor-cli as a user runs it, every command in one table: the arguments,
// the exit status, a text it must say, and what its output must hold. Then
// the two guarantees every command gives: it never writes over one of its
// inputs, and an output that cannot be written whole leaves no file.

#include "app/file_version.h"
#include "common/cli_run.h"
#include "common/test_folder.h"
#include "common/write_failure.h"
#include "geography/map_picture.h"
#include "printing/pdf_reader.h"

#include <QDir>
#include <QImage>
#include <QtTest>

#include <functional>

namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The sample program folder with the small files the cases read; "@" in an argument stands for its root.
struct Workspace
{
    TestFolder folder{true};

    Workspace()
    {
        QImage small = filled(QSize(7, 5), qRgb(200, 100, 30));
        small.setPixel(0, 0, qRgb(31, 20, 10));
        small.save(path("klein.png"));
        filled(QSize(20, 10), qRgb(128, 128, 128)).save(path("grijs.png"));
        filled(QSize(100, 100), qRgb(200, 10, 10)).save(path("rozen.png"));
        filled(QSize(500, 260), qRgb(255, 255, 255)).save(path("wit.png"));
        filled(QSize(500, 260), qRgb(255, 255, 255)).save(path("wit.bmp"));
        filled(QSize(400, 260), qRgb(255, 255, 255)).save(path("smal.bmp"));
        folder.write("kapot.png", "geen afbeelding");
        folder.write("Kapot.sup", "Kapot\r\n1\r\n2007\r\n1\r\n---\r\n");
        folder.write("Kapot.bmp", "BM kapot");
        folder.write("Data/Perfin.cor", "100,200\r\n");
        folder.write("Data/coordinaten.cor", "100,200,Gouda\r\n,1,Weg\r\n150,250,\"Rijswijk, Zuid-Holland\"\r\n");
        folder.write("Data/plaatsnamen.cat", "Aalten\r\nA\r\namen\r\n't Zandt\r\nAmen\r\n");
    }

    QString path(const QString& name) const { return folder.root() + QLatin1Char('/') + name; }
    QImage picture(const QString& name) const { return QImage(path(name)); }
    QList<PdfWoord> words(const QString& name) const { return PdfWoorden(path(name)); }
};

using Check = std::function<void(const Workspace&)>;

struct Case
{
    const char* title;
    QStringList arguments;
    int status;
    QStringList says; // each contained in what the command writes to the terminal
    Check check;
};

QStringList inFolder(const QStringList& arguments, const QString& root)
{
    QStringList result;
    for (const QString& argument : arguments)
        result << QString(argument).replace(QLatin1Char('@'), root);
    return result;
}

void pixels(const Workspace& w, const QString& file, const QList<std::pair<QPoint, QRgb>>& expected)
{
    const QImage image = w.picture(file);
    for (const auto& [point, colour] : expected)
        QVERIFY2(image.pixel(point) == colour, qPrintable(QStringLiteral("%1 at %2,%3").arg(file).arg(point.x()).arg(point.y())));
}

QList<Case> cases()
{
    const QRgb red = qRgb(200, 10, 10), white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    return {
        {"help", {"--help"}, 0, {"Gebruik: velinor-cli"}, {}},
        {"version", {"--version"}, 0, {"velinor-cli " + ProgramVersion()}, {}},
        {"folder", {"folder"}, 0, {"Programmamap: @"}, {}},
        {"missing folder", {"--home", "@/nergens", "totals"}, 2, {"De programmamap @/nergens bestaat niet."}, {}},
        {"unknown option", {"--kleur"}, 2, {"Gebruik: velinor-cli"}, {}},
        {"unknown command", {"onbekend"}, 2, {"Onbekende opdracht: onbekend"}, {}},
        {"no command", {}, 2, {"Gebruik: velinor-cli"}, {}},
        {"home without folder", {"--home"}, 2, {}, {}},
        {"folder with an argument", {"folder", "extra"}, 2, {"Gebruik: velinor-cli folder"}, {}},

        {"info", {"info", "2005-Alkmaar"}, 0,
         {"0: 2301\n1: Bureau Lindeman\n2: 14-06-2005\n3: 470.000\n4: 5 x € 0,39\n5: 13¾\n6: 144 x 75 mm\n7: € 6,00\n8: 1\n"}, {}},
        {"info is exact about case", {"info", "2005-alkmaar"}, 0, {"0: 0\n1: 0\n"}, {}},
        {"totals", {"totals"}, 0,
         {"Catalogusprijs voor deze \n34 velletjes.... € ", "Nominale waarde voor de \n34 velletjes..... € "}, {}},
        {"info without key", {"info"}, 2, {"Gebruik: velinor-cli info"}, {}},
        {"totals with an argument", {"totals", "x"}, 2, {"Gebruik: velinor-cli totals"}, {}},

        {"filter list", {"filter", "--list"}, 0,
         {"grayscale\n", "contrast-negative\n", "swap-grb\n", "relief\n", "aquarel\n", "noise\n", "sepia\n",
          "transparant\n", "flip-top\n", "border-10\n", "perforate-sheet-black\n", "perforate-block-white\n",
          "barcode-1\n", "barcode-3\n"},
         {}},
        {"grayscale of any size", {"filter", "grayscale", "@/klein.png", "@/grijs-uit.png"}, 0, {},
         [](const Workspace& w) { pixels(w, "grijs-uit.png", {{{0, 0}, qRgb(20, 20, 20)}, {{6, 4}, qRgb(110, 110, 110)}}); }},
        {"channel swap as BMP", {"filter", "swap-bgr", "@/klein.png", "@/wissel.bmp"}, 0, {},
         [](const Workspace& w) { pixels(w, "wissel.bmp", {{{3, 3}, qRgb(30, 100, 200)}}); }},
        {"transparant in the draw colour", {"filter", "transparant", "@/wit.png", "@/rood.png", "--color", "255,0,0"}, 0, {},
         [=](const Workspace& w) { pixels(w, "rood.png", {{{2, 0}, qRgb(255, 0, 0)}, {{1, 0}, white}}); }},
        {"sepia needs the canvas size", {"filter", "sepia", "@/klein.png", "@/sepia.png"}, 1, {"500 x 260"}, {}},
        {"perforation with the file holes", {"filter", "perforate-sheet-black", "@/wit.png", "@/vel.png"}, 0, {},
         [=](const Workspace& w) { pixels(w, "vel.png", {{{27, 27}, black}, {{100, 200}, black}}); }},
        {"block perforation in white", {"filter", "perforate-block-white", "@/wit.png", "@/blok.bmp"}, 0, {},
         [](const Workspace& w) { pixels(w, "blok.bmp", {{{101, 149}, qRgb(130, 130, 130)}}); }},
        {"barcode", {"filter", "barcode-3", "@/wit.png", "@/barcode.png"}, 0, {},
         [=](const Workspace& w) { pixels(w, "barcode.png", {{{473, 74}, black}}); }},
        {"unreadable picture", {"filter", "negative", "@/kapot.png", "@/uit.png"}, 1, {"kapot.png"}, {}},
        {"missing picture", {"filter", "negative", "@/weg.png", "@/uit.png"}, 1, {"weg.png"}, {}},
        {"unknown filter", {"filter", "Grayscale", "@/klein.png", "@/o.png"}, 2, {"Onbekende bewerking: Grayscale"}, {}},
        {"filter to JPEG", {"filter", "grayscale", "@/klein.png", "@/o.jpg"}, 2, {"moet eindigen op .png of .bmp"}, {}},
        {"seed without value", {"filter", "grayscale", "@/klein.png", "@/o.png", "--seed"}, 2, {"--seed vraagt een waarde"}, {}},
        {"seed not a number", {"filter", "grayscale", "@/klein.png", "@/o.png", "--seed", "x"}, 2, {"Ongeldige waarde"}, {}},
        {"colour out of range", {"filter", "grayscale", "@/klein.png", "@/o.png", "--color", "256,0,0"}, 2, {"Ongeldige waarde"}, {}},
        {"colour of two parts", {"filter", "grayscale", "@/klein.png", "@/o.png", "--color", "1,2"}, 2, {"Ongeldige waarde"}, {}},
        {"unknown filter option", {"filter", "grayscale", "@/klein.png", "@/o.png", "--kleur", "1"}, 2, {"Onbekende optie"}, {}},
        {"filter with four files", {"filter", "grayscale", "@/klein.png", "@/o.png", "extra"}, 2,
         {"Gebruik: velinor-cli filter"}, {}},

        {"photos in the five frames", {"photos", "sheet", "groot", "@/rozen.png", "@/wit.bmp", "@/vijf.bmp"}, 0,
         {"vijf.bmp: vijf foto's geplaatst"}, [=](const Workspace& w) {
             for (QPoint corner : {QPoint(28, 28), QPoint(136, 20), QPoint(278, 15), QPoint(389, 27), QPoint(230, 159)})
                 pixels(w, "vijf.bmp", {{corner, red}, {corner + QPoint(74, 84), red}, {corner + QPoint(75, 84), white},
                                        {corner + QPoint(74, 85), white}});
         }},
        {"small photos in a block", {"photos", "block", "klein", "@/rozen.png", "@/wit.bmp", "@/blok.png"}, 0, {},
         [=](const Workspace& w) {
             pixels(w, "blok.png", {{{20, 146}, red}, {{19, 146}, white}, {{88, 224}, red}, {{89, 224}, white}});
         }},
        {"photos on a sheet of the wrong size", {"photos", "sheet", "klein", "@/rozen.png", "@/smal.bmp", "@/x.png"}, 1,
         {"smal.bmp is geen velletje van 500 x 260 pixels"}, {}},
        {"unreadable photo", {"photos", "sheet", "klein", "@/kapot.png", "@/wit.bmp", "@/x.png"}, 1, {"kapot.png"}, {}},
        {"photos: unknown layout", {"photos", "vel", "groot", "@/rozen.png", "@/wit.bmp", "@/x.png"}, 2, {"Gebruik: velinor-cli photos"}, {}},
        {"photos: unknown size", {"photos", "sheet", "middel", "@/rozen.png", "@/wit.bmp", "@/x.png"}, 2, {"Gebruik: velinor-cli photos"}, {}},
        {"photos: unknown output", {"photos", "sheet", "groot", "@/rozen.png", "@/wit.bmp", "@/x.xyz"}, 2, {"Onbekend soort uitvoer"}, {}},

        {"map with its places", {"kaart", "@/kaart.png"}, 0, {"2 Steden\n"}, [](const Workspace& w) {
             QCOMPARE(w.picture("kaart.png").size(), MapPicture::Size);
             pixels(w, "kaart.png", {{{100, 200}, qRgb(255, 255, 255)}, {{150, 250}, qRgb(255, 255, 255)}});
         }},
        {"map without output", {"kaart"}, 2, {"Gebruik: velinor-cli kaart"}, {}},
        {"map into a missing folder", {"kaart", "@/geen/map/kaart.png"}, 1, {"Kan @/geen/map/kaart.png niet schrijven: de map bestaat niet."}, {}},
        {"place names", {"plaatsnamen", "A"}, 0, {"Aalten\nAmen\n2 Plaatsnamen\n"}, {}},
        {"place names with an apostrophe", {"plaatsnamen", "'"}, 0, {"'t Zandt\n1 Plaatsnamen\n"}, {}},
        {"place names: small letter", {"plaatsnamen", "a"}, 2, {"Gebruik: velinor-cli plaatsnamen"}, {}},
        {"place names: two letters", {"plaatsnamen", "AB"}, 2, {"Gebruik: velinor-cli plaatsnamen"}, {}},

        {"album page", {"page", "@/Supplementen/Alkmaar.sup", "@/pagina.pdf"}, 0, {"pagina.pdf: 1 pagina"}, [](const Workspace& w) {
             for (const char* text : {"Velinor", "Alkmaar", "Nr.2301", "2005", "Alkmaar ligt in Noord-Holland"})
                 QVERIFY2(!PdfZoek(w.words("pagina.pdf"), QString::fromUtf8(text)).isEmpty(), text);
             QVERIFY(PdfPagina(w.path("pagina.pdf"), 1, 72).pixelColor((5812 + 360) / 20, (4440 + 360) / 20) != Qt::white);
         }},
        {"album page of a missing supplement", {"page", "@/Nergens.sup", "@/x.pdf"}, 1, {"niet gevonden"}, {}},
        {"album page without its picture", {"page", "@/Kapot.sup", "@/x.pdf"}, 1, {"Kapot.bmp"}, {}},
        {"contact sheet", {"contact-sheet", "@/blad.pdf"}, 0, {"34 velletjes"}, [](const Workspace& w) {
             QCOMPARE(PdfInformatie(w.path("blad.pdf")).pages, 1);
             QVERIFY(!PdfZoek(w.words("blad.pdf"), QStringLiteral("2005-Alkmaar")).isEmpty());
         }},
        {"series list", {"list", "@/lijst.pdf"}, 0, {"34 velletjes in de catalogus"}, [](const Workspace& w) {
             QCOMPARE(PdfRegel(w.words("lijst.pdf"), 1, 1500 + 360),
                      QStringList({"1", "2005", "Alkmaar", "2301", "470.000", "0.39", "\u20ac", "6.00"}));
         }},
        {"list into a missing folder", {"list", "@/geen/map/lijst.pdf"}, 1, {"Kan @/geen/map/lijst.pdf niet schrijven"}, {}},
        {"page with one file", {"page", "a.sup"}, 2, {"Gebruik: velinor-cli page"}, {}},
        {"list with two files", {"list", "a.pdf", "b.pdf"}, 2, {"Gebruik: velinor-cli list"}, {}},
    };
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyCommand()
    {
        const Workspace w;
        QProcessEnvironment dutch;
        dutch.insert(QStringLiteral("LC_ALL"), QStringLiteral("nl_NL.UTF-8"));
        for (const Case& c : cases()) {
            const QStringList arguments = inFolder(c.arguments, w.folder.root());
            const bool global = arguments.value(0).startsWith(QLatin1String("--"));
            const CliRun run = runCli(global ? arguments : QStringList{"--home", w.folder.root()} + arguments, dutch);
            QVERIFY2(run.status == c.status, qPrintable(QString::fromLatin1(c.title) + QLatin1Char(' ') + run.err));
            for (const QString& text : inFolder(c.says, w.folder.root()))
                QVERIFY2((run.out + run.err).contains(text),
                         qPrintable(QString::fromLatin1(c.title) + QStringLiteral(": ") + run.out + run.err));
            if (c.check)
                c.check(w);
        }
        for (const char* file : {"uit.png", "o.png", "x.png", "x.pdf"})
            QVERIFY2(!QFile::exists(w.path(file)), file);
    }

    void noiseIsRepeatableWithASeed()
    {
        const Workspace w;
        const QString in = w.path("grijs.png");
        QCOMPARE(runCli({"filter", "noise", in, w.path("a.png"), "--seed", "12"}).status, 0);
        QCOMPARE(runCli({"filter", "noise", "--seed", "12", in, w.path("b.png")}).status, 0);
        QCOMPARE(runCli({"filter", "noise", in, w.path("c.png"), "--seed", "13"}).status, 0);
        QCOMPARE(w.picture("a.png"), w.picture("b.png"));
        QVERIFY(w.picture("a.png") != w.picture("c.png"));
        QVERIFY(w.picture("a.png") != w.picture("grijs.png"));
    }

    void noCommandWritesOverItsInput()
    {
        const Workspace w;
        const QString sup = w.path("Supplementen/Alkmaar.sup");
        const QList<std::pair<QStringList, QString>> cases = {
            {{"page", sup, sup}, sup},
            {{"page", sup, w.path("Supplementen/../Supplementen/Alkmaar.bmp")}, w.path("Supplementen/Alkmaar.bmp")},
            {{"filter", "negative", w.path("rozen.png"), w.folder.root() + "/./rozen.png"}, w.path("rozen.png")},
            {{"photos", "sheet", "groot", w.path("rozen.png"), w.path("wit.bmp"), w.path("wit.bmp")}, w.path("wit.bmp")},
            {{"kaart", w.path("Data/coordinaten.cor")}, w.path("Data/coordinaten.cor")},
            {{"list", w.path("Data/Informatie.cat")}, w.path("Data/Informatie.cat")},
            {{"contact-sheet", w.path("Images/2005-Alkmaar.jpg")}, w.path("Images/2005-Alkmaar.jpg")},
        };
        for (const auto& [arguments, input] : cases) {
            QFile file(input);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray before = file.readAll();
            file.close();
            const CliRun run = runCli(QStringList{"--home", w.folder.root()} + arguments);
            QVERIFY2(run.status == 2, qPrintable(arguments.join(' ')));
            QVERIFY2(run.err.contains(QStringLiteral("is ook een invoerbestand")), qPrintable(run.err));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
            file.close();
        }
    }

    // The child inherits the limit, so every output it writes fails as on a full disk.
    void anOutputThatCannotBeWrittenLeavesNoFile()
    {
        const Workspace w;
        const QList<QStringList> cases = {
            {"page", w.path("Supplementen/Alkmaar.sup"), w.path("uit.pdf")},
            {"list", w.path("uit.pdf")},
            {"filter", "negative", w.path("rozen.png"), w.path("uit.png")},
            {"photos", "sheet", "klein", w.path("rozen.png"), w.path("wit.bmp"), w.path("uit.png")},
            {"kaart", w.path("uit.png")},
        };
        for (const QStringList& arguments : cases) {
            const QStringList before = QDir(w.folder.root()).entryList(QDir::Files);
            CliRun run;
            {
                const FileSizeLimit limit(10);
                run = runCli(QStringList{"--home", w.folder.root()} + arguments);
            }
            QVERIFY2(run.status == 1, qPrintable(arguments.join(' ') + run.err));
            QVERIFY2(run.err.contains(QStringLiteral("groter dan toegestaan")), qPrintable(run.err));
            QCOMPARE(QDir(w.folder.root()).entryList(QDir::Files), before);
        }
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
