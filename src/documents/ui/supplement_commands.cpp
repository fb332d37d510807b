#include "documents/ui/supplement_commands.h"

#include "app/application_state.h"
#include "app/ui/double_click_label.h"
#include "app/ui/interaction.h"
#include "app/ui/main_form.h"
#include "canvas/ui/pic_edit.h"
#include "documents/catalogue.h"
#include "documents/description_lines.h"
#include "documents/field_entry.h"
#include "documents/picture_export.h"
#include "documents/supplement_file.h"
#include "documents/ui/invoer.h"
#include "documents/ui/tekstform.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString Titel = QStringLiteral("Velinor");

// The busy pointer for as long as a command runs.
struct BusyPointer
{
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

SupplementCommands::SupplementCommands(Main& main)
    : QObject(&main)
    , m_main(main)
{
    setObjectName(QStringLiteral("SupplementCommands"));
    connectSignals();
}

void SupplementCommands::connectSignals()
{
    const MainMenus& m = m_main.menus();
    const MainControls& c = m_main.controls();
    connect(m.FileNew, &QAction::triggered, this, &SupplementCommands::FileNew_Click);
    connect(m.FileOpen, &QAction::triggered, this, &SupplementCommands::FileOpen_Click);
    connect(m.FileSave, &QAction::triggered, this, &SupplementCommands::FileSave_Click);
    for (int index : {1, 2}) {
        connect(m.FileSaveAs[index], &QAction::triggered, this, [this, index] { FileSaveAs_Click(index); });
        connect(m.BerekenTotaal[index], &QAction::triggered, this, [this, index] { BerekenTotaal_Click(index); });
    }
    connect(c.OpenKnop, &QPushButton::clicked, this, &SupplementCommands::OpenKnop_Click);
    connect(c.PlaatsLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::PlaatsLabel_DblClick);
    connect(c.CatalogusLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::CatalogusLabel_DblClick);
    connect(c.JaartalLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::JaartalLabel_DblClick);
    connect(c.PagLabel, &DoubleClickLabel::doubleClicked, this, &SupplementCommands::PagLabel_DblClick);
    c.OmschrijfLabel->viewport()->installEventFilter(this);
}

bool SupplementCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && watched == m_main.controls().OmschrijfLabel->viewport()) {
        OmschrijfLabel_DblClick();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SupplementCommands::FileNew_Click()
{
    if (!m_main.interaction().askYesNo(&m_main, QStringLiteral("Wilt u een nieuw Velletje ontwerpen?"),
                                       QStringLiteral(" Nieuw"), Interaction::Icon::Question))
        return;
    NieuwSupplement(m_main.state());
    toonVelden();
    m_main.controls().OmschrijfLabel->setPlainText(m_main.state().Omschrijving);
    toonCatalogusInfo(CatalogusInfo{});
    zetHelpInfo(QStringLiteral("Info..."));
    canvasLeegmaken();
}

void SupplementCommands::FileSave_Click()
{
    ApplicationState& state = m_main.state();
    // What is saved is fixed now, whatever happens while the questions are open.
    const Supplement snapshot = SupplementUitState(state, m_main.picEdit()->image());
    const QString& name = snapshot.Plaatsnaam;
    if (!IsGeldigeSupplementNaam(name)) {
        m_main.interaction().message(&m_main, SchrijfMelding({SchrijfStatus::OngeldigeNaam}, name), Titel,
                                     Interaction::Icon::Warning);
        return;
    }
    if (SupplementBestaat(m_main.folder(), name)
        && !m_main.interaction().askYesNo(&m_main, QStringLiteral("Bestand '%1' bestaat reeds, overschrijven?").arg(name),
                                          QStringLiteral(" File exist"), Interaction::Icon::Question))
        return;
    SaveResult result;
    {
        BusyPointer busy;
        result = SchrijfSupplement(m_main.folder(), snapshot);
    }
    if (result.status != SchrijfStatus::Gelukt)
        m_main.interaction().message(&m_main, SchrijfMelding(result, name), Titel, Interaction::Icon::Warning);
}

void SupplementCommands::FileSaveAs_Click(int index)
{
    if (index != 1 && index != 2)
        return;
    const QString filter = index == 1 ? QStringLiteral("Bitmap (*.bmp)") : QStringLiteral("Jpg format (*.jpg)");
    const QString path =
        m_main.interaction().saveFileName(&m_main, QStringLiteral("Velletje Opslaan als..."), QString(), filter);
    if (path.isEmpty())
        return;
    const QImage picture = m_main.picEdit()->image().copy();
    const ExportResult result = index == 1 ? ExporteerBmp(picture, path) : ExporteerJpg(m_main.folder(), picture, path);
    if (result == ExportStatus::Gelukt)
        return;
    // The old program's own message when not even the temporary bitmap could be written.
    const QString text = index == 2 && result == ExportStatus::BmpNietGeschreven
                             ? QStringLiteral("File save not as JPG!")
                             : QStringLiteral("Het plaatje kon niet worden opgeslagen als '%1': %2.").arg(path, result.reason);
    m_main.interaction().message(&m_main, text, Titel, Interaction::Icon::Warning);
}

void SupplementCommands::BerekenTotaal_Click(int index)
{
    QString text;
    if (index == 1)
        text = CatalogusprijsTekst(TotaalCatalogusprijs(m_main.folder()));
    else if (index == 2)
        text = NominaalTekst(TotaalNominaal(m_main.folder()));
    else
        return;
    m_main.interaction().message(&m_main, text, Titel, Interaction::Icon::None);
}

void SupplementCommands::PlaatsLabel_DblClick()
{
    editField(InvoerVeld::Plaatsnaam, m_main.controls().PlaatsLabel);
}

void SupplementCommands::CatalogusLabel_DblClick()
{
    editField(InvoerVeld::CatalogusNr, m_main.controls().CatalogusLabel);
}

void SupplementCommands::JaartalLabel_DblClick()
{
    editField(InvoerVeld::Jaartal, m_main.controls().JaartalLabel);
}

void SupplementCommands::PagLabel_DblClick()
{
    editField(InvoerVeld::PaginaNr, m_main.controls().PagLabel);
}

void SupplementCommands::editField(InvoerVeld veld, QLabel* label)
{
    m_main.state().Gereedschap = std::uint8_t(veld);
    Invoer dialog(m_main.state(), m_main.interaction(), &m_main);
    if (m_main.interaction().showModal(dialog) != QDialog::Accepted)
        return;
    ZetVeld(m_main.state(), veld, dialog.text());
    zetLabel(label, VeldLabelTekst(veld, dialog.text()));
}

void SupplementCommands::OmschrijfLabel_DblClick()
{
    QPlainTextEdit* box = m_main.controls().OmschrijfLabel;
    TekstForm dialog(box->toPlainText(), m_main.interaction(), &m_main);
    if (m_main.interaction().showModal(dialog) != QDialog::Accepted)
        return;
    box->setPlainText(dialog.text());
    ZetOmschrijvingRegels(m_main.state(), dialog.regels());
}

void SupplementCommands::toonVelden()
{
    const ApplicationState& state = m_main.state();
    const MainControls& c = m_main.controls();
    zetLabel(c.PlaatsLabel, state.Plaatsnaam);
    zetLabel(c.CatalogusLabel, VeldLabelTekst(InvoerVeld::CatalogusNr, state.CatalogusNr));
    zetLabel(c.JaartalLabel, state.Jaartal);
    zetLabel(c.PagLabel, state.PaginaNr);
}

void SupplementCommands::toonStandaardVelden()
{
    const MainControls& c = m_main.controls();
    zetLabel(c.PlaatsLabel, QStringLiteral("Plaatsnaam"));
    zetLabel(c.CatalogusLabel, QStringLiteral("Nr."));
    zetLabel(c.JaartalLabel, QStringLiteral("Jaar"));
    zetLabel(c.PagLabel, QStringLiteral("1"));
    c.OmschrijfLabel->setPlainText(QStringLiteral("Omschrijving"));
}

void SupplementCommands::toonCatalogusInfo(const CatalogusInfo& info)
{
    for (int i = 0; i < int(info.Infolab.size()); ++i)
        m_main.controls().Infolab[i]->setText(info.Infolab[i]);
}

void SupplementCommands::zetLabel(QLabel* label, const QString& text)
{
    label->setText(text);
    label->adjustSize();
}

void SupplementCommands::zetHelpInfo(const QString& caption)
{
    m_main.menus().HelpInfo->setText(caption);
}
