#include "documents/field_entry.h"

#include "app/text_file.h"
#include "documents/supplement_file.h"

std::optional<InvoerVeld> InvoerVeldVan(std::uint8_t gereedschap)
{
    if (gereedschap < 21 || gereedschap > 24)
        return std::nullopt;
    return InvoerVeld(gereedschap);
}

QString InvoerPrompt(InvoerVeld field)
{
    switch (field) {
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

SupplementModel::Field modelField(InvoerVeld field)
{
    switch (field) {
    case InvoerVeld::Plaatsnaam:
        return SupplementModel::Field::Plaatsnaam;
    case InvoerVeld::CatalogusNr:
        return SupplementModel::Field::CatalogusNr;
    case InvoerVeld::Jaartal:
        return SupplementModel::Field::Jaartal;
    case InvoerVeld::PaginaNr:
        return SupplementModel::Field::PaginaNr;
    }
    return SupplementModel::Field::Plaatsnaam;
}

QString fieldLabelText(InvoerVeld field, const QString& text)
{
    return field == InvoerVeld::CatalogusNr ? QStringLiteral("Nr.") + text : text;
}

bool isValidJaartal(const QString& text)
{
    return text.trimmed().size() == 4;
}

int fieldMaxLength(InvoerVeld field)
{
    return field == InvoerVeld::Plaatsnaam ? SupplementFile::MaxNameLength : SupplementFile::MaxLineLength;
}

QString fieldEntryError(InvoerVeld field, const QString& text)
{
    if (field == InvoerVeld::Jaartal && !isValidJaartal(text))
        return jaartalMessage;
    if (const QStringList characters = TextFile::unencodable(text); !characters.isEmpty())
        return unstorableCharactersMessage(characters);
    if (text.size() > fieldMaxLength(field))
        return QStringLiteral("De tekst is te lang: ten hoogste %1 tekens.").arg(fieldMaxLength(field));
    return QString();
}
