#pragma once

// The two versions the crash child saves in turn: A with a picture, B without.

#include "documents/supplement_file.h"

#include <QImage>

namespace CrashVersions {

inline Supplement supplement(bool second)
{
    Supplement s;
    s.Plaatsnaam = QStringLiteral("Delft");
    s.CatalogusNr = second ? QStringLiteral("B-2") : QStringLiteral("A-1");
    s.Jaartal = QStringLiteral("2009");
    s.PaginaNr = second ? QStringLiteral("2") : QStringLiteral("1");
    s.regels = {second ? QStringLiteral("versie B") : QStringLiteral("versie A"), QStringLiteral("tweede regel")};
    if (!second) {
        s.afbeelding = QImage(500, 260, QImage::Format_RGB32);
        s.afbeelding.fill(qRgb(200, 30, 40));
    }
    return s;
}

} // namespace CrashVersions
