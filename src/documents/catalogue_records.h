#pragma once

// The catalogue file Data/Informatie.cat read record by record for the lists
// and the collection: eleven lines a record, in file order, the fields taken
// as they stand.

#include "app/program_folder.h"

#include <QList>
#include <QString>
#include <QStringList>

struct CatalogueEntry
{
    QString jaartal;        // the first four characters of the key
    QString place;          // the key from its sixth character
    QString catalogusNr;    // line 3
    QString printRun;       // line 6
    QString nominal;        // the last four characters of line 7
    QString price;          // line 10, currency sign and blank included
    QString key;            // line 1: year, dash and place ("2007-Delft"), as the picture is named
    QString number;         // line 2: the sheetlet's number in the series
    double priceAmount = 0; // the catalogue price in euro
    double faceAmount = 0;  // the face value of the whole sheetlet: its stamps times their value (line 7)

    bool operator==(const CatalogueEntry&) const = default;
};

namespace CatalogueRecords {

inline constexpr auto Path = "Data/Informatie.cat";
inline constexpr int RecordLines = 11;
// Far more than the series will ever hold; it bounds the job for a damaged file.
inline constexpr int MaxRecords = 1000;

} // namespace CatalogueRecords

// An amount of a record: the leading number of the text. No sheetlet is worth a billion euro; a larger
// number is damage, counted as nothing so that totals stay amounts.
double catalogueAmount(const QString& text);

// The records made of eleven whole lines, at most MaxRecords; a record cut
// short at the end of the lines is left out.
QList<CatalogueEntry> catalogueEntries(const QStringList& lines);

// The records of the program folder's catalogue file; none when it is missing or unreadable.
QList<CatalogueEntry> readCatalogueEntries(const ProgramFolder& folder);
