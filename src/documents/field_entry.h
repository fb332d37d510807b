#pragma once

// The four fields of a supplement as the field entry edits them (modes 21 to
// 24 of Gereedschap).

#include "documents/supplement_model.h"

#include <QString>

#include <cstdint>
#include <optional>

enum class InvoerVeld : std::uint8_t { Plaatsnaam = 21, CatalogusNr = 22, Jaartal = 23, PaginaNr = 24 };

// The field for a value of Gereedschap; nothing for any other mode.
std::optional<InvoerVeld> InvoerVeldVan(std::uint8_t gereedschap);

QString InvoerPrompt(InvoerVeld field);
// The supplement's field that the entry mode edits.
SupplementModel::Field modelField(InvoerVeld field);
// What the page label shows for an entered text: "Nr." before the catalogue number.
QString fieldLabelText(InvoerVeld field, const QString& text);

// A year is four characters once blanks around it are left out.
bool isValidJaartal(const QString& text);
inline const QString jaartalMessage = QStringLiteral("Lengte jaartal is 4 tekens!");

// The longest text the field takes: what the supplement file reads back, and for
// the place name, which is also the file name, what the folder holds.
int fieldMaxLength(InvoerVeld field);

// Why the text cannot be stored in the field, in Dutch; empty when it can. Only
// what the supplement file could not give back unchanged is refused.
QString fieldEntryError(InvoerVeld field, const QString& text);
