#pragma once

// The album page of a saved supplement: its fields and description from a
// .sup file anywhere on disk, its picture from the .bmp beside it.

#include "printing/album_page.h"

#include <QString>

#include <optional>

struct SupplementPageFile
{
    std::optional<SupplementPage> page; // none when the file could not be read
    QString message;                    // why not, or a warning about what was left out
};

// Finishes or discards a save of the pair that was interrupted, as every reader of a supplement does,
// then reads it. A bitmap that is there but cannot be read gives no page: a page without its picture
// is not what was saved.
SupplementPageFile readSupplementPage(const QString& supPath);

// The bitmap beside the text file, its name matched without regard to case.
QString supplementPagePicturePath(const QString& supPath);
