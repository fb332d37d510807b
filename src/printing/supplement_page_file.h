#pragma once

// The album page of a saved supplement: its fields and description from a
// .sup file anywhere on disk, its picture from the .bmp beside it.

#include "printing/album_page.h"

#include <QString>

#include <optional>

struct SupplementPaginaBestand
{
    std::optional<SupplementPagina> pagina; // none when the file could not be read
    QString melding;                        // why not, or a warning about what was left out
};

SupplementPaginaBestand LeesSupplementPagina(const QString& supPath);
