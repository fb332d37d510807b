#pragma once

// The catalogue data file Data/Informatie.cat: eleven-line records, one per
// sheetlet, looked up by the sheetlet's key, and the two totals of the series.
// The file is read afresh at every use; a missing or damaged file gives the
// defaults ("0" fields, a total of 0 sheetlets), never an error.

#include "app/program_folder.h"

#include <QLocale>
#include <QString>

#include <array>

namespace CatalogueFile {

inline constexpr auto Path = "Data/Informatie.cat";
inline constexpr int RecordLines = 11;
inline constexpr int MaxFieldLength = 256;

} // namespace CatalogueFile

// The nine values of the catalogue panel, indexed like the panel's Infolab labels:
// 0 catalogue number, 1 design, 2 date of issue, 3 print run, 4 nominal value,
// 5 perforation, 6 size, 7 catalogue price, 8 the sheetlet's number.
struct CatalogueInfo
{
    std::array<QString, 9> Infolab{"0", "0", "0", "0", "0", "0", "0", "0", "0"};
};

// A total of the series: how many sheetlets contributed and the sum of their amounts.
struct CatalogueTotal
{
    int count = 0;
    double total = 0.0;
};

// The panel values of the record whose key equals the given one exactly (case
// included); a later record with the same key wins. Amounts show a decimal comma.
CatalogueInfo LeesInformatie(const ProgramFolder& folder, const QString& key);

// The catalogue prices (line 10 of each record) and the face values of the sheetlets
// (every line that begins with "5 x": five stamps of the amount it ends in) added up.
CatalogueTotal TotaalCatalogusprijs(const ProgramFolder& folder);
CatalogueTotal TotaalNominaal(const ProgramFolder& folder);

// The messages that show the totals, amounts formatted "###0.00" with the
// locale's decimal separator.
QString cataloguePriceText(const CatalogueTotal& total, const QLocale& locale = QLocale());
QString nominalText(const CatalogueTotal& total, const QLocale& locale = QLocale());
QString amountText(double amount, const QLocale& locale = QLocale());
