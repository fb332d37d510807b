#pragma once

// How a photo goes into its target (the photo rectangle, the whole canvas or a
// stamp frame): stretched to the target as the program always did, cropped to
// fill it with the photo's proportions kept, or fitted whole inside it. The
// choice holds for every placement and is remembered between runs in the
// desktop's settings file of the user.

#include <QString>

#include <cstdint>
#include <optional>

enum class PhotoFit : std::uint8_t { Uitrekken, Bijsnijden, Passen };

// "uitrekken", "bijsnijden", "passen", as menus, files and the command line name them, and back.
QString photoFitWord(PhotoFit fit);
std::optional<PhotoFit> photoFitOf(const QString& word);

// The choice kept in the settings file; Uitrekken when none is kept or the file cannot be read.
PhotoFit storedPhotoFit(const QString& settingsPath);
void storePhotoFit(const QString& settingsPath, PhotoFit fit);
