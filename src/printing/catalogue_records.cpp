#include "printing/catalogue_records.h"

#include "app/text_file.h"

QList<CatalogueEntry> catalogueEntries(const QStringList& lines)
{
    using namespace CatalogueRecords;
    QList<CatalogueEntry> records;
    for (qsizetype first = 0; first + RecordLines <= lines.size() && records.size() < MaxRecords;
         first += RecordLines) {
        const auto line = [&](int number) -> const QString& { return lines.at(first + number - 1); };
        records.append({line(1).left(4), line(1).mid(5), line(3), line(6), line(7).right(4), line(10)});
    }
    return records;
}

QList<CatalogueEntry> readCatalogueEntries(const ProgramFolder& folder)
{
    const auto lines = TextFile::readLines(folder.path(QString::fromLatin1(CatalogueRecords::Path)));
    return lines ? catalogueEntries(*lines) : QList<CatalogueEntry>{};
}
