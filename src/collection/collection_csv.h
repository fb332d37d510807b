#pragma once

// The catalogue with the collection's marks as a spreadsheet file, and marks
// read back from one. The file is what Dutch spreadsheet programs open by a
// double click: fields separated by semicolons, amounts with a decimal comma,
// UTF-8 with a byte-order mark (so "€" and accents arrive whole), CR LF, and
// a field holding a semicolon, a quote or a line break in double quotes (a
// quote doubled). An import matches rows by the sheetlet's key and takes the
// columns "In bezit", "Aantal", "Aankoopprijs" and "Notitie" where the file
// has them; it is checked whole before anything changes.

#include "collection/collection_marks.h"
#include "documents/catalogue_records.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace CollectionCsv {

// Larger than any spreadsheet of the series; a larger file is not read.
inline constexpr qint64 MaxSize = 8 * 1024 * 1024;

QByteArray exportCatalogue(const QList<CatalogueEntry>& series, const Marks& marks);

// The rows of a file: fields split as above; a text that is not UTF-8 is read as Windows-1252. An
// unclosed quote is an error naming the line it opened on.
struct Table
{
    QList<QStringList> rows;
    QList<int> lineOfRow; // the file line each row starts on, counted from 1
    QString error;
};
Table parse(const QByteArray& bytes);

struct Import
{
    QString error;       // in Dutch, naming the line; when set nothing may change
    Marks marks;         // every mark after the import: the old ones with the rows applied
    int rows = 0;        // the rows below the header
    int updated = 0;     // rows that change a sheetlet's mark
    int added = 0;       // rows that mark a sheetlet that had no mark
    int unchanged = 0;   // rows that leave the mark as it was
    QStringList unknown; // keys of rows the catalogue does not hold: left out

    // "34 rijen: 28 bijgewerkt, 2 nieuw, 2 ongewijzigd, 2 niet herkend: 2099-Nergens, …".
    QString summary() const;
};
Import importMarks(const QByteArray& bytes, const QList<CatalogueEntry>& series, const Marks& current);
// The same from a file; one that cannot be read, or is larger than MaxSize, is an error naming it.
Import importFile(const QString& path, const QList<CatalogueEntry>& series, const Marks& current);

} // namespace CollectionCsv
