#include "documents/field_entry.h"

#include "app/application_state.h"
#include "app/text_file.h"
#include "documents/supplement_file.h"

std::optional<InvoerVeld> InvoerVeldVan(std::uint8_t gereedschap)
{
    if (gereedschap < 21 || gereedschap > 24)
        return std::nullopt;
    return InvoerVeld(gereedschap);
}

QString InvoerPrompt(InvoerVeld veld)
{
    switch (veld) {
    case InvoerVeld::Plaatsnaam:
        return QStringLiteral("Geef in bovenstaande invoerbalk de Plaatsnaam in.");
    case InvoerVeld::CatalogusNr:
        return QStringLiteral("Geef in bovenstaande invoerbalk het Catalogusnummer in.");
    case InvoerVeld::Jaartal:
        return QStringLiteral("Geef in bovenstaande invoerbalk het Jaar van uitgifte in.");
    case InvoerVeld::PaginaNr:
        return QStringLiteral("Geef in bovenstaande invoerbalk het Paginanummer in.");
    }
    return QString();
}

QString VeldWaarde(const ApplicationState& state, InvoerVeld veld)
{
    switch (veld) {
    case InvoerVeld::Plaatsnaam:
        return state.Plaatsnaam;
    case InvoerVeld::CatalogusNr:
        return state.CatalogusNr;
    case InvoerVeld::Jaartal:
        return state.Jaartal;
    case InvoerVeld::PaginaNr:
        return state.PaginaNr;
    }
    return QString();
}

QString VeldLabelTekst(InvoerVeld veld, const QString& text)
{
    return veld == InvoerVeld::CatalogusNr ? QStringLiteral("Nr.") + text : text;
}

void ZetVeld(ApplicationState& state, InvoerVeld veld, const QString& text)
{
    switch (veld) {
    case InvoerVeld::Plaatsnaam:
        state.Plaatsnaam = text;
        break;
    case InvoerVeld::CatalogusNr:
        state.CatalogusNr = text;
        break;
    case InvoerVeld::Jaartal:
        state.Jaartal = text;
        break;
    case InvoerVeld::PaginaNr:
        state.PaginaNr = text;
        break;
    }
}

bool IsGeldigJaartal(const QString& text)
{
    return text.trimmed().size() == 4;
}

int fieldMaxLength(InvoerVeld veld)
{
    return veld == InvoerVeld::Plaatsnaam ? SupplementBestand::MaxNameLength : SupplementBestand::MaxRegelLengte;
}

QString fieldEntryError(InvoerVeld veld, const QString& text)
{
    if (veld == InvoerVeld::Jaartal && !IsGeldigJaartal(text))
        return JaartalMelding;
    if (const QStringList characters = TextFile::unencodable(text); !characters.isEmpty())
        return unstorableCharactersMessage(characters);
    if (text.size() > fieldMaxLength(veld))
        return QStringLiteral("De tekst is te lang: ten hoogste %1 tekens.").arg(fieldMaxLength(veld));
    return QString();
}

void NieuwSupplement(ApplicationState& state)
{
    state.Plaatsnaam = QStringLiteral("Plaatsnaam");
    state.CatalogusNr = QStringLiteral("Nr.");
    state.Jaartal = QStringLiteral("Jaar");
    state.Omschrijving = QStringLiteral("Omschrijving");
    state.PaginaNr = QStringLiteral("1");
    state.AfbeeldingOvergezet = false;
    state.OmschrijvingRegels.fill(QString());
    state.AantalRegels = 0;
}
