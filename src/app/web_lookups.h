#pragma once

// The web addresses looked up for the current place: a web search, the
// encyclopedia, the map service and the municipality's own site, and the two
// fixed pages. The place name is percent-encoded into the query, so a name
// with "&", "#" or a blank cannot change the address it lands in.

#include <QString>

#include <optional>

namespace WebLookups {

inline const QString DefaultPlace = QStringLiteral("Plaatsnaam");
inline const QString MakerSoftwarePage = QStringLiteral("https://www.velinor-software.nl/software.htm");
inline const QString PartnerShopPage = QStringLiteral("https://www.velinor-postzegels.nl/");

// Nothing while the place name is still the default "Plaatsnaam"; an empty name gives an empty query.
std::optional<QString> searchAddress(const QString& place);
std::optional<QString> encyclopediaAddress(const QString& place);
std::optional<QString> mapAddress(const QString& place);

// The municipality's site: "www." + the place as a host name + ".nl". Nothing for the default
// name, an empty name, a collector's block ("Verzamel...") or a name that makes no host name.
std::optional<QString> municipalityAddress(const QString& place);

// "Info " + place + ".nl": the caption of the municipality item.
QString municipalityCaption(const QString& place);

} // namespace WebLookups
