#pragma once

// The catalogue file Data/Informatie.cat read record by record for the list:
// eleven lines a record, in file order, six fields of each taken as they stand.

#include "app/program_folder.h"

#include <QList>
#include <QString>
#include <QStringList>

struct CatalogusRegel
{
    QString jaartal;     // the first four characters of the key
    QString plaats;      // the key from its sixth character
    QString catalogusNr; // line 3
    QString oplage;      // line 6
    QString nominaal;    // the last four characters of line 7
    QString prijs;       // line 10, currency sign and blank included

    bool operator==(const CatalogusRegel&) const = default;
};

namespace CatalogusLijst {

inline constexpr auto Bestand = "Data/Informatie.cat";
inline constexpr int RecordRegels = 11;
// Far more than the series will ever hold; it bounds the job for a damaged file.
inline constexpr int MaxRecords = 1000;

} // namespace CatalogusLijst

// The records made of eleven whole lines, at most MaxRecords; a record cut
// short at the end of the lines is left out.
QList<CatalogusRegel> CatalogusRegels(const QStringList& lines);

// The records of the program folder's catalogue file; none when it is missing or unreadable.
QList<CatalogusRegel> LeesCatalogusRegels(const ProgramFolder& folder);
