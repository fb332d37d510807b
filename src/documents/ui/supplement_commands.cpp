#include "documents/ui/supplement_commands.h"

#include "app/application_state.h"
#include "app/ui/busy_pointer.h"
#include "app/ui/double_click_label.h"
#include "app/ui/interaction.h"
#include "app/ui/page_preview.h"
#include "documents/catalogue.h"
#include "documents/field_entry.h"
#include "documents/open_list.h"
#include "documents/picture_export.h"
#include "documents/supplement_model.h"
#include "documents/ui/invoer.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/tekstform.h"

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QStandardPaths>

namespace {

const QString Titel = QStringLiteral("Velinor");

} // namespace

SupplementCommands::SupplementCommands(SupplementModel& model, ApplicationState& state, ProgramFolder folder,
                                       Interaction& interaction, const SupplementControls& controls,
                                       QWidget* window)
    : QObject(window)
    , m_model(model)
    , m_state(state)
    , m_folder(std::move(folder))
    , m_interaction(interaction)
    , m_window(window)
{
    setObjectName(QStringLiteral("SupplementCommands"));
    connectControls(controls);
}

void SupplementCommands::connectControls(const SupplementControls& c)
{
    connect(c.FileNew, &QAction::triggered, this, &SupplementCommands::FileNew_Click);
    connect(c.FileOpen, &QAction::triggered, this, &SupplementCommands::FileOpen_Click);
    connect(c.FileSave, &QAction::triggered, this, &SupplementCommands::FileSave_Click);
    for (int index : {1, 2}) {
        connect(c.FileSaveAs[index], &QAction::triggered, this, [this, index] { FileSaveAs_Click(index); });
        connect(c.BerekenTotaal[index], &QAction::triggered, this, [this, index] { BerekenTotaal_Click(index); });
    }
    connect(c.OpenKnop, &QAbstractButton::clicked, this, &SupplementCommands::OpenKnop_Click);
    connect(c.Pic->PlaatsLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::PlaatsLabel_DblClick);
    connect(c.Pic->CatalogusLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::CatalogusLabel_DblClick);
    connect(c.Pic->JaartalLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::JaartalLabel_DblClick);
    connect(c.Pic->PagLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::PagLabel_DblClick);
    connect(c.Pic, &PagePreview::descriptionDoubleClicked, this, &SupplementCommands::OmschrijfLabel_DblClick);
}

void SupplementCommands::warn(const QString& text)
{
    m_interaction.message(m_window, text, Titel, Interaction::Icon::Warning);
}

void SupplementCommands::FileNew_Click()
{
    if (!m_interaction.askYesNo(m_window, unsavedWarning(m_model) + QStringLiteral("Wilt u een nieuw Velletje ontwerpen?"),
                                QStringLiteral(" Nieuw"), Interaction::Icon::Question))
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
    m_state.Gereedschap = ToolMode(mode);
    LaadVel dialog(m_folder, LaadVelModusVan(mode), m_interaction, m_window);
    if (m_interaction.showModal(dialog) != QDialog::Accepted || dialog.chosenName().isEmpty())
        return;
    if (m_model.isModified()
        && !m_interaction.askYesNo(m_window, unsavedWarning(m_model) + QStringLiteral("Toch openen?"),
                                   QStringLiteral(" Open"), Interaction::Icon::Question))
        return;
    BusyPointer busy;
    if (dialog.mode() == LaadVelModus::Supplementen) {
        for (const QString& message : m_model.openSupplement(m_folder, dialog.chosenName()))
            warn(message);
    } else if (const QString error = m_model.openSheetlet(m_folder, dialog.chosenName()); !error.isEmpty()) {
        warn(error);
    }
}

void SupplementCommands::FileSave_Click()
{
    const QString name = m_model.Plaatsnaam();
    if (!isValidSupplementName(name)) {
        warn(saveFailureMessage({WriteStatus::InvalidName}, name));
        return;
    }
    if (supplementExists(m_folder, name) &&
        !m_interaction.askYesNo(m_window, QStringLiteral("Bestand '%1' bestaat reeds, overschrijven?").arg(name),
                                QStringLiteral(" File exist"), Interaction::Icon::Question))
        return;
    SaveResult result;
    {
        BusyPointer busy;
        result = m_model.save(m_folder);
    }
    if (result.status != WriteStatus::Saved)
        warn(saveFailureMessage(result, name));
}

void SupplementCommands::FileSaveAs_Click(int index)
{
    if (index != 1 && index != 2)
        return;
    const QString filter = index == 1 ? QStringLiteral("Bitmap (*.bmp)") : QStringLiteral("Jpg format (*.jpg)");
    // An empty name in the user's documents, not the program's working folder.
    const QString path = m_interaction.saveFileName(
        m_window, QStringLiteral("Velletje Opslaan als..."),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
    if (path.isEmpty())
        return;
    const QImage picture = m_model.canvas().image().copy();
    const ExportResult result = index == 1 ? exportBmp(picture, path) : exportJpg(m_folder, picture, path);
    if (result == ExportStatus::Exported)
        return;
    // The old program's own message when not even the temporary bitmap could be written.
    warn(index == 2 && result == ExportStatus::BmpNotWritten
             ? QStringLiteral("File save not as JPG!")
             : QStringLiteral("Het plaatje kon niet worden opgeslagen als '%1': %2.").arg(path, result.reason));
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
    m_state.Gereedschap = ToolMode(entry);
    Invoer dialog(std::uint8_t(m_state.Gereedschap), m_model.field(modelField(entry)), m_interaction, m_window);
    if (m_interaction.showModal(dialog) == QDialog::Accepted)
        m_model.setField(modelField(entry), dialog.text());
}

void SupplementCommands::OmschrijfLabel_DblClick()
{
    TekstForm dialog(m_model.Omschrijving(), m_interaction, m_window);
    if (m_interaction.showModal(dialog) == QDialog::Accepted)
        m_model.setOmschrijving(dialog.text(), dialog.lines());
}
