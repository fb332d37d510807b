#include "documents/catalogue_records.h"

#include "app/record.h"
#include "app/text_file.h"

#include <cmath>

double catalogueAmount(const QString& text)
{
    constexpr double Largest = 1e9;
    const double value = Record::leadingNumber(text);
    return std::fabs(value) < Largest ? value : 0.0;
}

QList<CatalogueEntry> catalogueEntries(const QStringList& lines)
{
    using namespace CatalogueRecords;
    QList<CatalogueEntry> records;
    for (qsizetype first = 0; first + RecordLines <= lines.size() && records.size() < MaxRecords;
         first += RecordLines) {
        const auto line = [&](int number) -> const QString& { return lines.at(first + number - 1); };
        // Line 7 reads "5 x € 0.39": the number of stamps, then the value of one in its last four characters.
        const double face = line(7).size() >= 7 ? catalogueAmount(line(7)) * catalogueAmount(line(7).right(4)) : 0.0;
        records.append({line(1).left(4), line(1).mid(5), line(3), line(6), line(7).right(4), line(10), line(1), line(2),
                        catalogueAmount(line(10).mid(2)), face});
    }
    return records;
}

QList<CatalogueEntry> readCatalogueEntries(const ProgramFolder& folder)
{
    const auto lines = TextFile::readLines(folder.path(QString::fromLatin1(CatalogueRecords::Path)));
    return lines ? catalogueEntries(*lines) : QList<CatalogueEntry>{};
}
