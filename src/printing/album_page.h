#pragma once

// The album page of the current supplement: title, place name, the canvas
// picture in a double frame, catalogue number, year, description and page
// number. A description longer than the page holds goes on continuation pages.

#include <QImage>
#include <QString>
#include <QStringList>

class PrintSurface;
struct Supplement;

// What the album page shows.
struct SupplementPage
{
    QString Plaatsnaam;
    QString CatalogusNr;
    QString Jaartal;
    QStringList lines; // the description lines, at most 100
    QString page;      // the page number as the page preview shows it
    QImage picture;    // the canvas picture; a null picture leaves the frame empty
};

namespace AlbumPage {

inline constexpr double TitleX = 3900, TitleY = 600;
inline constexpr double PlaceCentreX = 5850, PlaceY = 1350;
inline constexpr double PictureX = 1725, PictureY = 2325, PictureWidth = 8175, PictureHeight = 4230;
inline constexpr double NumberX = 1620, YearX = 9390, NumberY = 6810;
inline constexpr double LineX = 1560, LineY = 7800, LineSpacing = 300;
inline constexpr double PageX = 10590, PageY = 15450;
// The description lines the page holds above the page number.
inline constexpr int FittingLines = int((PageY - LineY) / LineSpacing);
// A continuation page holds the lines that did not fit from where the picture stands on the first.
inline constexpr double ContinuationLineY = PictureY;
inline constexpr int ContinuationLines = int((PageY - ContinuationLineY) / LineSpacing);
// The place name is made smaller until it fits the frame's width, down to the smallest size.
inline constexpr double PlaceWidth = 8450;
inline constexpr double PlaceSize = 20, SmallestPlaceSize = 8;

} // namespace AlbumPage

// The page of a supplement with the given picture (the canvas, which is what the page prints).
SupplementPage albumPageOf(const Supplement& supplement, const QImage& picture);

// The question to ask before printing a description longer than the page holds; empty when it fits.
QString overflowQuestion(const SupplementPage& page);

// Prints the album page, and its continuation pages, as one document; false when the device failed.
bool PrintSupplement(PrintSurface& surface, const SupplementPage& page, int copies);
