// Opening a sheetlet picture or a saved supplement through LaadVel, and the
// canvas changes those commands and New make.

#include "app/application_state.h"
#include "app/picture_file.h"
#include "app/ui/interaction.h"
#include "app/ui/main_form.h"
#include "canvas/ui/pic_edit.h"
#include "documents/catalogue.h"
#include "documents/open_list.h"
#include "documents/supplement_file.h"
#include "documents/ui/laadvel.h"
#include "documents/ui/supplement_commands.h"

#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>

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
    m_main.state().Gereedschap = mode;
    LaadVel dialog(m_main.folder(), LaadVelModusVan(mode), m_main.interaction(), &m_main);
    if (m_main.interaction().showModal(dialog) != QDialog::Accepted || dialog.gekozenNaam().isEmpty())
        return;
    if (dialog.modus() == LaadVelModus::Supplementen)
        openSupplement(dialog.gekozenNaam());
    else
        openVelletje(dialog.gekozenNaam());
    zetHelpInfo(HelpInfoTitel(m_main.state().Plaatsnaam));
}

void SupplementCommands::openVelletje(const QString& name)
{
    ApplicationState& state = m_main.state();
    const QImage picture = PictureFile::read(LaadVelAfbeeldingPad(m_main.folder(), LaadVelModus::Velletjes, name)).image;
    m_main.ToonInfo(name, 0);
    if (const auto key = SplitsSleutel(name)) {
        state.Plaatsnaam = key->Plaatsnaam;
        state.Jaartal = key->Jaartal;
    }
    canvasVanVelletje(picture);
    const CatalogusInfo info = LeesInformatie(m_main.folder(), name);
    toonCatalogusInfo(info);
    state.CatalogusNr = info.Infolab[0];
}

void SupplementCommands::openSupplement(const QString& name)
{
    ApplicationState& state = m_main.state();
    // The text first: reading it finishes or discards a save that was interrupted, bitmap included.
    const GelezenSupplement read = LeesSupplement(m_main.folder(), name);
    state.Plaatsnaam = name;
    state.AfbeeldingOvergezet = true;
    canvasVanSupplement(leesSupplementAfbeelding(name));
    ZetGelezenSupplement(state, read);
    if (read.status == LeesStatus::TeLangeRegel)
        m_main.interaction().message(&m_main, supplementReadMessage(read, name), QStringLiteral("Velinor"),
                                     Interaction::Icon::Warning);
    if (read.status != LeesStatus::Gelukt) {
        toonStandaardVelden();
        return;
    }
    toonVelden();
    m_main.controls().OmschrijfLabel->setPlainText(OmschrijvingTekst(read.regels));
}

QImage SupplementCommands::leesSupplementAfbeelding(const QString& name)
{
    // A supplement saved without a picture has no bitmap; one that is there but cannot be read is reported.
    const QString path = SupplementAfbeeldingPad(m_main.folder(), name);
    if (!QFileInfo::exists(path))
        return QImage();
    const PictureFile::Picture picture = PictureFile::read(path);
    if (!picture.ok())
        m_main.interaction().message(&m_main, picture.error + QStringLiteral(" Het supplement wordt zonder plaatje geopend."),
                                     QStringLiteral("Velinor"), Interaction::Icon::Warning);
    return picture.image;
}

namespace {

QImage emptyCanvas()
{
    QImage empty(PicEdit::CanvasSize, QImage::Format_RGB32);
    empty.fill(Qt::white);
    return empty;
}

} // namespace

void SupplementCommands::canvasLeegmaken()
{
    m_main.picEdit()->document().replace(QStringLiteral("Nieuw"), emptyCanvas());
    m_main.controls().PicImage->clear();
}

void SupplementCommands::canvasVanVelletje(const QImage& picture)
{
    // The sheetlet goes to the canvas only; the page gets it through the transfer button.
    m_main.picEdit()->document().replace(QStringLiteral("Open Velletje"), picture.isNull() ? emptyCanvas() : picture);
    m_main.controls().PicImage->clear();
}

void SupplementCommands::canvasVanSupplement(const QImage& picture)
{
    m_main.picEdit()->document().replace(QStringLiteral("Open Supplement"), picture.isNull() ? emptyCanvas() : picture);
    if (picture.isNull())
        m_main.controls().PicImage->clear();
    else
        m_main.controls().PicImage->setPixmap(QPixmap::fromImage(m_main.picEdit()->image()));
}
