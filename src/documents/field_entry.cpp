#include "documents/field_entry.h"

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

SupplementModel::Field modelField(InvoerVeld veld)
{
    switch (veld) {
    case InvoerVeld::Plaatsnaam: return SupplementModel::Field::Plaatsnaam;
    case InvoerVeld::CatalogusNr: return SupplementModel::Field::CatalogusNr;
    case InvoerVeld::Jaartal: return SupplementModel::Field::Jaartal;
    case InvoerVeld::PaginaNr: return SupplementModel::Field::PaginaNr;
    }
    return SupplementModel::Field::Plaatsnaam;
}

QString fieldLabelText(InvoerVeld veld, const QString& text)
{
    return veld == InvoerVeld::CatalogusNr ? QStringLiteral("Nr.") + text : text;
}

bool isValidJaartal(const QString& text)
{
    return text.trimmed().size() == 4;
}

int fieldMaxLength(InvoerVeld veld)
{
    return veld == InvoerVeld::Plaatsnaam ? SupplementFile::MaxNameLength : SupplementFile::MaxLineLength;
}

QString fieldEntryError(InvoerVeld veld, const QString& text)
{
    if (veld == InvoerVeld::Jaartal && !isValidJaartal(text))
        return jaartalMessage;
    if (const QStringList characters = TextFile::unencodable(text); !characters.isEmpty())
        return unstorableCharactersMessage(characters);
    if (text.size() > fieldMaxLength(veld))
        return QStringLiteral("De tekst is te lang: ten hoogste %1 tekens.").arg(fieldMaxLength(veld));
    return QString();
}
