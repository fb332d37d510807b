#pragma once

// What the open dialog lists and how a chosen name is read: the sheetlet
// pictures in Images (mode 13) or the supplements in Supplementen (mode 14),
// sorted by name, and the parts of a sheetlet key. Listing never decodes a
// picture; the size check reads only the picture's header.

#include "app/program_folder.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

enum class LaadVelModus : std::uint8_t { Velletjes = 13, Supplementen = 14 };

// The mode for a value of Gereedschap; anything but 14 lists the sheetlet pictures.
LaadVelModus LaadVelModusVan(std::uint8_t gereedschap);

// The file names of the mode's folder without their extension, sorted by name
// (letter case ignored); a missing folder gives an empty list.
QStringList LaadVelNamen(const ProgramFolder& folder, LaadVelModus mode);

// The instruction text above the preview.
QString LaadVelTekst(LaadVelModus mode, qsizetype count);

// The picture shown as preview and opened: name.jpg in Images or name.bmp in Supplementen.
QString LaadVelAfbeeldingPad(const ProgramFolder& folder, LaadVelModus mode, const QString& name);

inline constexpr QSize SheetletSize{500, 260};

// Year and place of a sheetlet key: four characters of year, a separator, the place.
struct SheetletKey
{
    QString Jaartal;
    QString Plaatsnaam;
};
// A key shorter than six characters names no place and gives nothing.
std::optional<SheetletKey> splitKey(const QString& key);

// The caption of the Help menu's place look-up: "Info..." for a collector's
// block (place starting with "Verzamel"), otherwise "Info " + place + ".nl".
QString helpInfoCaption(const QString& plaatsnaam);
