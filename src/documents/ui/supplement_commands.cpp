#include "documents/ui/supplement_commands.h"

#include "app/application_state.h"
#include "app/picture_file.h"
#include "app/save_path.h"
#include "collection/collection_model.h"
#include "documents/catalogue.h"
#include "documents/field_entry.h"
#include "documents/open_list.h"
#include "documents/picture_export.h"
#include "documents/recent_supplements.h"
#include "documents/supplement_model.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/page_preview.h"
#include "documents/ui/tekstform.h"
#include "widgets/busy_pointer.h"
#include "widgets/interaction.h"
#include "widgets/main_menus.h"
#include "widgets/save_target.h"

#include <QAbstractButton>
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

namespace {

const QString Titel = QStringLiteral("Velinor");

} // namespace

SupplementCommands::SupplementCommands(SupplementModel& model, ApplicationState& state, ProgramFolder folder,
                                       Interaction& interaction, RecentSupplements& recent, CollectionModel& collection,
                                       const MainMenus& menus, QAbstractButton& openKnop, PagePreview& page,
                                       QWidget* window)
    : QObject(window)
    , m_model(model)
    , m_state(state)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
    , m_recent(recent)
    , m_collection(collection)
    , m_window(window)
{
    setObjectName(QStringLiteral("SupplementCommands"));
    connectControls(menus, openKnop, page);
}

void SupplementCommands::connectControls(const MainMenus& m, QAbstractButton& openKnop, PagePreview& page)
{
    connect(m.FileNew, &QAction::triggered, this, &SupplementCommands::FileNew_Click);
    connect(m.FileOpen, &QAction::triggered, this, &SupplementCommands::FileOpen_Click);
    connect(m.FileSave, &QAction::triggered, this, &SupplementCommands::FileSave_Click);
    for (int index : {1, 2}) {
        connect(m.FileSaveAs[index], &QAction::triggered, this, [this, index] { FileSaveAs_Click(index); });
        connect(m.BerekenTotaal[index], &QAction::triggered, this, [this, index] { BerekenTotaal_Click(index); });
    }
    connect(m.FileFolder, &QAction::triggered, this, &SupplementCommands::openSupplementsFolder);
    for (int i = 0; i < int(m.EditVeld.size()); ++i)
        connect(m.EditVeld[i], &QAction::triggered, this, [this, i] { fieldDoubleClicked(SupplementModel::Field(i)); });
    QMenu* recent = m.FileRecent;
    connect(recent, &QMenu::aboutToShow, this, [this, recent] { fillRecentMenu(recent); });
    connect(&openKnop, &QAbstractButton::clicked, this, &SupplementCommands::OpenKnop_Click);
    connect(&page, &PagePreview::fieldDoubleClicked, this, &SupplementCommands::fieldDoubleClicked);
}

void SupplementCommands::fieldDoubleClicked(SupplementModel::Field field)
{
    using Field = SupplementModel::Field;
    switch (field) {
    case Field::Plaatsnaam:
        return PlaatsLabel_DblClick();
    case Field::CatalogusNr:
        return CatalogusLabel_DblClick();
    case Field::Jaartal:
        return JaartalLabel_DblClick();
    case Field::PaginaNr:
        return PagLabel_DblClick();
    case Field::Omschrijving:
        return OmschrijfLabel_DblClick();
    default:
        return;
    }
}

void SupplementCommands::warn(const QString& text)
{
    m_interaction.message(m_window, text, Titel, Interaction::Icon::Warning);
}

bool SupplementCommands::mayLeaveDesign(const QString& question, const QString& beforeWhat, const QString& title)
{
    if (!m_model.isModified())
        return question.isEmpty() || m_interaction.askYesNo(m_window, question, title, Interaction::Icon::Question);
    const QString text =
        QStringLiteral("Het ontwerp is nog niet bewaard. Wilt u het bewaren voordat u %1?").arg(beforeWhat);
    switch (m_interaction.askSaveFirst(m_window, text, title)) {
    case Interaction::SaveChoice::Save:
        return saveSupplement();
    case Interaction::SaveChoice::Discard:
        return true;
    case Interaction::SaveChoice::Cancel:
        return false;
    }
    return false;
}

bool SupplementCommands::mayExit()
{
    return mayLeaveDesign(QStringLiteral("Wilt u dit programma nu afsluiten?"), QStringLiteral("het programma afsluit"),
                          QStringLiteral(" Exit"));
}

void SupplementCommands::FileNew_Click()
{
    if (m_model.canvas().busy() ||
        !mayLeaveDesign(QStringLiteral("Wilt u een nieuw Velletje ontwerpen?"),
                        QStringLiteral("een nieuw Velletje ontwerpt"), QStringLiteral(" Nieuw")))
        return;
    m_model.startNew();
}

void SupplementCommands::OpenKnop_Click()
{
    showLaadVel(std::uint8_t(LaadVelModus::Velletjes));
}

void SupplementCommands::FileOpen_Click()
{
    showLaadVel(std::uint8_t(LaadVelModus::Supplementen));
}

void SupplementCommands::showLaadVel(std::uint8_t mode)
{
    m_state.setGereedschap(ToolMode(mode));
    m_collection.load(); // velinor-cli may have changed the marks meanwhile
    LaadVel dialog(m_folder, LaadVelModusVan(mode), m_interaction, m_collection.marks(), m_window);
    if (m_interaction.showModal(dialog) != QDialog::Accepted || dialog.chosenName().isEmpty())
        return;
    if (m_model.canvas().busy() ||
        !mayLeaveDesign(QString(), QStringLiteral("'%1' opent").arg(dialog.chosenName()), QStringLiteral(" Open")))
        return;
    BusyPointer busy;
    if (dialog.mode() == LaadVelModus::Supplementen) {
        for (const QString& message : m_model.openSupplement(m_folder, dialog.chosenName()))
            warn(message);
        remember();
    } else if (const QString error = m_model.openSheetlet(m_folder, dialog.chosenName()); !error.isEmpty()) {
        warn(error);
    }
}

void SupplementCommands::openFile(const QString& path)
{
    const QFileInfo file(path);
    if (!file.isFile()) {
        warn(QStringLiteral("Het bestand %1 bestaat niet of is geen bestand.").arg(path));
        return;
    }
    if (m_model.canvas().busy() ||
        !mayLeaveDesign(QString(), QStringLiteral("'%1' opent").arg(file.fileName()), QStringLiteral(" Open")))
        return;
    BusyPointer busy;
    if (file.suffix().compare(QLatin1String("sup"), Qt::CaseInsensitive) == 0) {
        for (const QString& message : m_model.openSupplementFile(m_folder, file.absoluteFilePath()))
            warn(message);
        remember();
    } else if (PictureFile::storedSize(path) == SheetletSize) {
        if (const QString error = m_model.openSheetletFile(m_folder, path); !error.isEmpty())
            warn(error);
    } else {
        m_model.startNew();
        Q_EMIT backgroundFileGiven(file.absoluteFilePath());
    }
}

void SupplementCommands::FileSave_Click()
{
    saveSupplement();
}

// The question before a saved supplement is replaced says what of it goes.
QString SupplementCommands::replaceQuestion(const QString& name) const
{
    QString what = QStringLiteral("De tekst van het bewaarde supplement wordt vervangen door dit ontwerp.");
    if (m_model.AfbeeldingOvergezet())
        what = QStringLiteral("De tekst en het plaatje van het bewaarde supplement worden vervangen door dit ontwerp.");
    else if (QFileInfo::exists(supplementPicturePath(m_model.saveFolder(m_folder), name)))
        what = QStringLiteral("De tekst van het bewaarde supplement wordt vervangen en zijn plaatje verwijderd: op dit "
                              "ontwerp is nog geen plaatje overgezet.");
    return QStringLiteral("Bestand '%1' bestaat reeds, overschrijven?\n\n%2").arg(name, what);
}

bool SupplementCommands::saveSupplement()
{
    const QString name = m_model.Plaatsnaam();
    if (!isValidSupplementName(name)) {
        warn(saveFailureMessage({WriteStatus::InvalidName}, name));
        return false;
    }
    if (supplementExists(m_model.saveFolder(m_folder), name) &&
        !m_interaction.askYesNo(m_window, replaceQuestion(name), QStringLiteral(" File exist"),
                                Interaction::Icon::Question, Interaction::Default::No))
        return false;
    SaveResult result;
    {
        BusyPointer busy;
        result = m_model.save(m_folder);
    }
    if (result.status != WriteStatus::Saved)
        warn(saveFailureMessage(result, name));
    const bool saved = result.status == WriteStatus::Saved || result.status == WriteStatus::PictureNotRemoved;
    if (saved)
        remember();
    return saved;
}

void SupplementCommands::remember()
{
    const QString path = supplementTextPath(m_model.saveFolder(m_folder), m_model.Plaatsnaam());
    if (QFileInfo(path).isFile())
        m_recent.add(path, m_model.Plaatsnaam());
}

void SupplementCommands::fillRecentMenu(QMenu* menu)
{
    menu->clear();
    int number = 0;
    for (const RecentSupplements::Entry& entry : m_recent.entries()) {
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(entry.place));
        action->setToolTip(entry.path);
        action->setStatusTip(entry.path);
        const QString path = entry.path;
        connect(action, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (number == 0)
        menu->addAction(QStringLiteral("(nog geen)"))->setEnabled(false);
}

void SupplementCommands::openRecent(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        m_recent.remove(path);
        warn(QStringLiteral("Het supplement %1 staat daar niet meer en is uit de lijst gehaald.").arg(path));
        return;
    }
    openFile(path);
}

void SupplementCommands::openSupplementsFolder()
{
    const QString folder = supplementsFolder(m_folder);
    QDir().mkpath(folder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        warn(QStringLiteral("De map met supplementen kon niet in een bestandsbeheerder worden geopend. De "
                            "supplementen staan in %1.")
                 .arg(folder));
}

void SupplementCommands::FileSaveAs_Click(int index)
{
    if ((index != 1 && index != 2) || m_model.canvas().busy() || !m_model.canvas().fixFloating())
        return;
    const auto format = ExportFormat(index);
    const QStringList extensions = PictureExport::extensions(format);
    const SaveTarget target{QStringLiteral("Velletje Opslaan als..."), QStringLiteral(" Velletje Opslaan als"),
                            index == 1 ? QStringLiteral("Bitmap (*.bmp)") : QStringLiteral("Jpg format (*.jpg)"),
                            extensions};
    const std::optional<QString> path =
        askSaveTarget(m_interaction, m_window, target,
                      SavePath::suggestion(m_model.Plaatsnaam(), QStringLiteral("Velletje"), extensions.value(0)));
    if (!path)
        return;
    const SafeFile::Result written = exportPicture(m_model.canvas().image(), *path, format);
    if (written)
        return;
    const QString why = SafeFile::failureText(QFileInfo(*path).fileName(), written);
    // The old program's own message for a JPEG that was not written, now with the reason.
    warn(format == ExportFormat::Jpg ? QStringLiteral("File save not as JPG!\n\n") + why : why);
}

void SupplementCommands::BerekenTotaal_Click(int index)
{
    QString text;
    if (index == 1)
        text = cataloguePriceText(TotaalCatalogusprijs(m_folder));
    else if (index == 2)
        text = nominalText(TotaalNominaal(m_folder));
    else
        return;
    m_interaction.message(m_window, text, Titel, Interaction::Icon::None);
}

void SupplementCommands::PlaatsLabel_DblClick()
{
    editField(InvoerVeld::Plaatsnaam);
}

void SupplementCommands::CatalogusLabel_DblClick()
{
    editField(InvoerVeld::CatalogusNr);
}

void SupplementCommands::JaartalLabel_DblClick()
{
    editField(InvoerVeld::Jaartal);
}

void SupplementCommands::PagLabel_DblClick()
{
    editField(InvoerVeld::PaginaNr);
}

void SupplementCommands::editField(InvoerVeld entry)
{
    m_state.setGereedschap(ToolMode(entry));
    Invoer dialog(std::uint8_t(m_state.Gereedschap()), m_model.field(modelField(entry)), m_interaction, m_window);
    if (m_interaction.showModal(dialog) == QDialog::Accepted)
        m_model.setField(modelField(entry), dialog.text());
}

void SupplementCommands::OmschrijfLabel_DblClick()
{
    TekstForm dialog(m_model.Omschrijving(), m_interaction, m_window);
    if (m_interaction.showModal(dialog) == QDialog::Accepted)
        m_model.setOmschrijving(dialog.text(), dialog.lines());
}
