// The menu bar of the main window, entries in the order and with the captions
// collectors know.

#include "app/ui/main_form.h"

#include "app/splash_info.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

QAction* Main::addAction(QMenu* menu, const QString& objectName, const QString& caption)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(objectName);
    return action;
}

namespace {

QMenu* addMenu(QMenu* parent, const QString& objectName, const QString& caption)
{
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName);
    return menu;
}

QMenu* addMenu(QMenuBar* bar, const QString& objectName, const QString& caption)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(objectName);
    return menu;
}

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QString::number(index);
}

} // namespace

// The captions of the menu bar carry mnemonics (Alt + the underlined letter); what they show is the given caption.
void Main::createMenus()
{
    MainMenus& m = m_menus;
    QMenuBar* bar = menuBar();
    bar->setAccessibleName(QStringLiteral("Menubalk"));
    createFileMenu(bar);

    QMenu* tools = addMenu(bar, QStringLiteral("Tools"), QStringLiteral("&Geografie"));
    m.ToolsGeografie = addAction(tools, QStringLiteral("ToolsGeografie"), QStringLiteral("Op de kaart"));
    m.ToolsGoogleMaps = addAction(tools, QStringLiteral("ToolsGoogleMaps"), QStringLiteral("Google Maps"));
    m.GeografieStedenlijst = addAction(tools, QStringLiteral("GeografieStedenlijst"), QStringLiteral("Plaatsnamen"));

    createEditMenu(bar);
    createFormatMenu(bar);

    QMenu* colours = addMenu(bar, QStringLiteral("Configuratie"), QStringLiteral("&Kleuren"));
    m.ConfiguratieInstellingen =
        addAction(colours, QStringLiteral("ConfiguratieInstellingen"), QStringLiteral("Instellingen"));

    QMenu* bereken = addMenu(bar, QStringLiteral("Bereken"), QStringLiteral("Be&rekeningen"));
    m.BerekenTotaal[1] = addAction(bereken, indexed("BerekenTotaal", 1), QStringLiteral("Totaal Cat.prijs"));
    m.BerekenTotaal[2] = addAction(bereken, indexed("BerekenTotaal", 2), QStringLiteral("Totaal Nominaal"));
    m.BerekenTotaal[3] = addAction(bereken, indexed("BerekenTotaal", 3), QStringLiteral("Totaal in bezit"));

    QMenu* help = addMenu(bar, QStringLiteral("Help"), QStringLiteral("&Help"));
    m.HelpHelp = addAction(help, QStringLiteral("HelpHelp"), QStringLiteral("Help"));
    m.HelpHelp->setShortcut(QKeySequence::HelpContents);
    m.HelpGeschiedenis = addAction(help, QStringLiteral("HelpGeschiedenis"), QStringLiteral("Geschiedenis"));
    m.HelpHelp->setCheckable(true);
    m.HelpGeschiedenis->setCheckable(true);
    help->addSeparator();
    m.HelpZegora = addAction(help, QStringLiteral("HelpZegora"), SplashInfo::PartnerShop);
    m.HelpMeerSoftware = addAction(help, QStringLiteral("HelpMeerSoftware"), QStringLiteral("Meer Software"));
    m.HelpInfo = addAction(help, QStringLiteral("HelpInfo"), QStringLiteral("Info..."));
    m.HelpGoogleSearch = addAction(help, QStringLiteral("HelpGoogleSearch"), QStringLiteral("Google Search"));
    m.HelpWikipedia = addAction(help, QStringLiteral("HelpWikipedia"), QStringLiteral("Wikipedia"));

    // Two menus without entries: a divider, and the name of the last loaded picture file.
    m.TussenLas = addMenu(bar, QStringLiteral("TussenLas"), QStringLiteral("|"));
    m.TussenLas->menuAction()->setEnabled(false);
    m.Bestandsnaam = addMenu(bar, QStringLiteral("Bestandsnaam"), QStringLiteral("*.*"));
}

void Main::createFileMenu(QMenuBar* bar)
{
    MainMenus& m = m_menus;
    QMenu* file = addMenu(bar, QStringLiteral("File"), QStringLiteral("&File"));
    m.FileNew = addAction(file, QStringLiteral("FileNew"), QStringLiteral("Nieuw"));
    m.FileOpen = addAction(file, QStringLiteral("FileOpen"), QStringLiteral("Open Supplement"));
    m.FileRecent = addMenu(file, QStringLiteral("FileRecent"), QStringLiteral("Recente supplementen"));
    m.FileSave = addAction(file, QStringLiteral("FileSave"), QStringLiteral("Save Supplement"));
    m.FileFolder = addAction(file, QStringLiteral("FileFolder"), QStringLiteral("Map met supplementen openen"));
    file->addSeparator();
    m.FileSaveAls = addMenu(file, QStringLiteral("FileSaveAls"), QStringLiteral("Velletje Opslaan als..."));
    m.FileSaveAs[1] = addAction(m.FileSaveAls, indexed("FileSaveAs", 1), QStringLiteral("Bmp"));
    m.FileSaveAs[2] = addAction(m.FileSaveAls, indexed("FileSaveAs", 2), QStringLiteral("Jpg"));
    // The three printed documents as PDF files, at the size they print.
    QMenu* pdf = addMenu(file, QStringLiteral("FilePdf"), QStringLiteral("Opslaan als PDF"));
    m.FileSavePdf[1] = addAction(pdf, indexed("FileSavePdf", 1), QStringLiteral("Supplement"));
    m.FileSavePdf[2] = addAction(pdf, indexed("FileSavePdf", 2), QStringLiteral("Velletjes"));
    m.FileSavePdf[3] = addAction(pdf, indexed("FileSavePdf", 3), QStringLiteral("Lijst gegevens"));
    m.FileSavePdf[4] = addAction(pdf, indexed("FileSavePdf", 4), QStringLiteral("Nog te verzamelen"));
    QMenu* collection = addMenu(file, QStringLiteral("FileCollection"), QStringLiteral("Verzameling"));
    m.FileCollectionExport = addAction(collection, QStringLiteral("FileCollectionExport"),
                                       QStringLiteral("Exporteren naar spreadsheet (CSV)..."));
    m.FileCollectionImport = addAction(collection, QStringLiteral("FileCollectionImport"),
                                       QStringLiteral("Importeren uit spreadsheet (CSV)..."));
    file->addSeparator();
    m.FilePrint = addAction(file, QStringLiteral("FilePrint"), QStringLiteral("Afdrukken"));
    m.FileSetupPrinter = addAction(file, QStringLiteral("FileSetupPrinter"), QStringLiteral("Setup Printer"));
    file->addSeparator();
    m.FileExit = addAction(file, QStringLiteral("FileExit"), QStringLiteral("Exit"));
    m.FileNew->setShortcut(QKeySequence::New);
    m.FileOpen->setShortcut(QKeySequence::Open);
    m.FileSave->setShortcut(QKeySequence::Save);
    m.FilePrint->setShortcut(QKeySequence::Print);
    m.FileExit->setShortcut(QKeySequence::Quit);
}

// Bewerken: the drawing buttons, the drawing filters with their two submenus, the flips and the borders.
void Main::createEditMenu(QMenuBar* bar)
{
    MainMenus& m = m_menus;
    QMenu* edit = m.Bewerken = addMenu(bar, QStringLiteral("Bewerken"), QStringLiteral("&Bewerken"));
    m.EditKnoppen = addAction(edit, QStringLiteral("EditKnoppen"), QStringLiteral("Tekenknoppen Aan"));
    m.EditKnoppen->setCheckable(true);
    edit->addSeparator();
    m.EditKopieren = addAction(edit, QStringLiteral("EditKopieren"), QStringLiteral("Kopiëren"));
    m.EditKopieren->setShortcut(QKeySequence::Copy);
    m.EditPlakken = addAction(edit, QStringLiteral("EditPlakken"), QStringLiteral("Plakken"));
    m.EditPlakken->setShortcut(QKeySequence::Paste);
    m.EditVergroting = addAction(edit, QStringLiteral("EditVergroting"), QStringLiteral("Vergroting"));
    m.EditZoomIn = addAction(edit, QStringLiteral("EditZoomIn"), QStringLiteral("Inzoomen"));
    m.EditZoomOut = addAction(edit, QStringLiteral("EditZoomOut"), QStringLiteral("Uitzoomen"));
    // Ctrl++ and Ctrl+- from the enlargement's own window too.
    for (auto [action, keys] :
         {std::pair{m.EditZoomIn, QKeySequence::ZoomIn}, {m.EditZoomOut, QKeySequence::ZoomOut}}) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    QMenu* page = addMenu(edit, QStringLiteral("EditAlbumblad"), QStringLiteral("Albumblad"));
    const QStringList fields = {QStringLiteral("Plaatsnaam..."), QStringLiteral("Catalogusnummer..."),
                                QStringLiteral("Jaartal..."), QStringLiteral("Paginanummer..."),
                                QStringLiteral("Omschrijving...")};
    for (int i = 0; i < fields.size(); ++i)
        m.EditVeld[i] = addAction(page, indexed("EditVeld", i), fields.at(i));
    edit->addSeparator();
    m.EditBewerken = addMenu(edit, QStringLiteral("EditBewerken"), QStringLiteral("Tekenfilters"));
    const QStringList first = {QStringLiteral("Grayscale"), QStringLiteral("Negative"), QStringLiteral("Light"),
                               QStringLiteral("Dark"), QStringLiteral("Sharpen")};
    for (int i = 0; i < first.size(); ++i)
        m.EditConvert[i] = addAction(m.EditBewerken, indexed("EditConvert", i), first.at(i));
    QMenu* contrast = addMenu(m.EditBewerken, indexed("EditConvert", 5), QStringLiteral("Contrast"));
    m.EditConvert[5] = contrast->menuAction();
    m.EditContrastConvert[1] = addAction(contrast, indexed("EditContrastConvert", 1), QStringLiteral("Positive"));
    m.EditContrastConvert[2] = addAction(contrast, indexed("EditContrastConvert", 2), QStringLiteral("Negative"));
    m.EditConvert[6] = addAction(m.EditBewerken, indexed("EditConvert", 6), QStringLiteral("Pixelize"));
    m.EditConvert[7] = addAction(m.EditBewerken, indexed("EditConvert", 7), QStringLiteral("Reliëf"));
    QMenu* swap = addMenu(m.EditBewerken, indexed("EditConvert", 8), QStringLiteral("Swap Colors"));
    m.EditConvert[8] = swap->menuAction();
    const QStringList swaps = {QStringLiteral("RGB --> BRG"), QStringLiteral("RGB --> GBR"),
                               QStringLiteral("RGB --> RBG"), QStringLiteral("RGB --> BGR"),
                               QStringLiteral("RGB --> GRB")};
    for (int i = 1; i <= 5; ++i)
        m.EditSwap[i] = addAction(swap, indexed("EditSwap", i), swaps.at(i - 1));
    const QStringList rest = {QStringLiteral("Scattered"), QStringLiteral("Blur"),      QStringLiteral("Aquarel"),
                              QStringLiteral("Defuse"),    QStringLiteral("Add noise"), QStringLiteral("Edge"),
                              QStringLiteral("Contour"),   QStringLiteral("Sepia"),     QStringLiteral("Transparant")};
    for (int i = 9; i <= 17; ++i)
        m.EditConvert[i] = addAction(m.EditBewerken, indexed("EditConvert", i), rest.at(i - 9));
    const QStringList flips = {QStringLiteral("Flip Horizontaal"), QStringLiteral("Flip Vertikaal"),
                               QStringLiteral("Flip Rechts"), QStringLiteral("Flip Boven")};
    for (int i = 0; i <= 3; ++i)
        m.EditFlipConvert[i] = addAction(edit, indexed("EditFlipConvert", i), flips.at(i));
    QMenu* borders = addMenu(edit, QStringLiteral("EditBorders"), QStringLiteral("Border"));
    for (int width : {1, 2, 5, 10}) {
        const QString caption = width == 1 ? QStringLiteral("1 Pixel") : QStringLiteral("%1 Pixels").arg(width);
        m.EditBordersBreedte[width] = addAction(borders, indexed("EditBordersBreedte", width), caption);
    }
}

// Opmaak: perforation and photos for the sheetlet and the collector's block, and the barcode.
void Main::createFormatMenu(QMenuBar* bar)
{
    MainMenus& m = m_menus;
    QMenu* formatMenu = m.Perforaties = addMenu(bar, QStringLiteral("Perforaties"), QStringLiteral("&Opmaak"));
    auto perforationMenu = [&](const char* sheetName, const char* prefix, const QString& caption,
                               std::array<QAction*, 3>& colour, std::array<QAction*, 3>& photoEntries,
                               const char* colourName, const char* photoName) {
        QMenu* sheet = addMenu(formatMenu, QString::fromLatin1(sheetName), caption);
        QMenu* perforation = addMenu(sheet, QString::fromLatin1(prefix), QStringLiteral("Perforatie"));
        colour[1] = addAction(perforation, indexed(colourName, 1), QStringLiteral("Zwart"));
        colour[2] = addAction(perforation, indexed(colourName, 2), QStringLiteral("Wit"));
        QMenu* photos =
            addMenu(sheet, QString::fromLatin1(prefix) + QStringLiteral("Foto"), QStringLiteral("Foto's Invoegen"));
        photoEntries[1] = addAction(photos, indexed(photoName, 1), QStringLiteral("Groot"));
        photoEntries[2] = addAction(photos, indexed(photoName, 2), QStringLiteral("Klein"));
    };
    perforationMenu("PerforatieVelletje", "PerforatieVel", QStringLiteral("Velletje"), m.PerforatieKleurVel,
                    m.PerforatieVelFotos, "PerforatieKleurVel", "PerforatieVelFotos");
    perforationMenu("PerforatieBlokje", "PerforatieBlok", QStringLiteral("Verzamelblokje"), m.PerforatieKleurBlok,
                    m.PerforatieBlokFotos, "PerforatieKleurBlok", "PerforatieBlokFotos");
    QMenu* barcode = addMenu(formatMenu, QStringLiteral("OpmaakBarcode"), QStringLiteral("Barcode"));
    const QStringList corners = {QStringLiteral("Rechtsonder"), QStringLiteral("Linksonder"),
                                 QStringLiteral("Rechtsboven")};
    for (int i = 1; i <= 3; ++i)
        m.PerforatieBarcode[i] = addAction(barcode, indexed("PerforatieBarcode", i), corners.at(i - 1));
    // For the photo rectangle, the background and the frame photos alike; the first is how photos always went in.
    QMenu* fits = addMenu(formatMenu, QStringLiteral("OpmaakFotoPassen"), QStringLiteral("Foto's plaatsen"));
    auto* group = new QActionGroup(fits);
    const QStringList fitCaptions = {QStringLiteral("Uitrekken"), QStringLiteral("Bijsnijden"),
                                     QStringLiteral("Passen")};
    for (int i = 0; i < 3; ++i) {
        m.OpmaakFotoPassen[std::size_t(i)] = addAction(fits, indexed("OpmaakFotoPassen", i), fitCaptions.at(i));
        m.OpmaakFotoPassen[std::size_t(i)]->setCheckable(true);
        group->addAction(m.OpmaakFotoPassen[std::size_t(i)]);
    }
}
