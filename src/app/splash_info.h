#pragma once

// The texts of the splash window: the information block about the program
// file and the screen, and the warning for a screen that is not at 96 dpi.

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace SplashInfo {

inline const QString Maker = QStringLiteral("Velinor Software, Nederland");
inline const QString MakerEmail = QStringLiteral("info@velinor-software.nl");
inline const QString PartnerShop = QStringLiteral("www.velinor-postzegels.nl");

struct Facts
{
    QString version;                // from GetFileVersion
    std::optional<qint64> fileSize; // bytes; nothing when the file cannot be read
    std::optional<QDateTime> fileDate;
    double screenWidthTwips = 0;
    double screenHeightTwips = 0;
    int dpi = 96;
};

// Twips per pixel as the system reports it (a whole number: 15 at 96 dpi, 12 at 120 dpi).
int TwipsPerPixel(double logicalDpi);
// 1440 / twips per pixel, rounded.
int Resolution(int twipsPerPixel);

// The rights and contact text of the window.
QString MakerText();

// The information block, lines separated by CR LF.
QString InformationBlock(const Facts& facts, const QLocale& locale);

// "###,###": digit groups of three with the locale's group separator; 0 gives an empty text.
QString GroupedNumber(qint64 value, const QLocale& locale);

// The warning for a screen that is not at 96 dpi (lines separated by CR LF).
QString DpiWarning(int dpi);

} // namespace SplashInfo
