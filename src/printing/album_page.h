#pragma once

// The album page of the current supplement: title, place name, the canvas
// picture in a double frame, catalogue number, year, description and page number.

#include <QImage>
#include <QString>
#include <QStringList>

class PrintSurface;
struct Supplement;

// What the album page shows.
struct SupplementPagina
{
    QString Plaatsnaam;
    QString CatalogusNr;
    QString Jaartal;
    QStringList regels; // the description lines, at most 100
    QString pagina;     // the page number as the page preview shows it
    QImage afbeelding;  // the canvas picture; a null picture leaves the frame empty
};

namespace AlbumPagina {

inline constexpr double TitelX = 3900, TitelY = 600;
inline constexpr double PlaatsMidden = 5850, PlaatsY = 1350;
inline constexpr double AfbeeldingX = 1725, AfbeeldingY = 2325, AfbeeldingB = 8175, AfbeeldingH = 4230;
inline constexpr double NummerX = 1620, JaartalX = 9390, NummerY = 6810;
inline constexpr double RegelX = 1560, RegelY = 7800, RegelAfstand = 300;
inline constexpr double PaginaX = 10590, PaginaY = 15450;
// The description lines the page holds above the page number; more run into it and off the page.
inline constexpr int FittingLines = int((PaginaY - RegelY) / RegelAfstand);

} // namespace AlbumPagina

// The page of a supplement with the given picture (the canvas, which is what the page prints).
SupplementPagina albumPageOf(const Supplement& supplement, const QImage& picture);

// The question to ask before printing a description longer than the page holds; empty when it fits.
QString overflowQuestion(const SupplementPagina& pagina);

// Prints the album page as one document; false when the device failed.
bool PrintSupplement(PrintSurface& surface, const SupplementPagina& pagina, int copies);
