#include "collection/collection_csv.h"

#include "app/text_file.h"

#include <QSet>
#include <QStringDecoder>

namespace CollectionCsv {

namespace {

constexpr QChar Separator = u';';
const QStringList Header{QStringLiteral("Sleutel"),
                         QStringLiteral("Nr"),
                         QStringLiteral("Jaar"),
                         QStringLiteral("Plaats"),
                         QStringLiteral("Catalogusnummer"),
                         QStringLiteral("Nominale waarde"),
                         QStringLiteral("Catalogusprijs"),
                         QStringLiteral("In bezit"),
                         QStringLiteral("Aantal"),
                         QStringLiteral("Aankoopprijs"),
                         QStringLiteral("Notitie")};

QString quoted(const QString& field)
{
    if (!field.contains(Separator) && !field.contains(u'"') && !field.contains(u'\n') && !field.contains(u'\r'))
        return field;
    return u'"' + QString(field).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QString decimal(double amount)
{
    return QString::number(amount, 'f', 2).replace(u'.', u',');
}

QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? TextFile::decode(bytes) : text;
}

} // namespace

QByteArray exportCatalogue(const QList<CatalogueEntry>& series, const Marks& marks)
{
    QString text = Header.join(Separator) + QStringLiteral("\r\n");
    for (const CatalogueEntry& entry : series) {
        const Mark mark = marks.value(entry.key);
        const QStringList fields{entry.key,
                                 entry.number,
                                 entry.jaartal,
                                 entry.place,
                                 entry.catalogusNr,
                                 decimal(entry.faceAmount),
                                 decimal(entry.priceAmount),
                                 MarksFile::ownershipWord(mark.owned),
                                 mark.isOwned() ? QString::number(std::max(mark.count, 1)) : QString(),
                                 mark.paidCents ? MarksFile::centsText(*mark.paidCents) : QString(),
                                 mark.note};
        QStringList cells;
        for (const QString& field : fields)
            cells << quoted(field);
        text += cells.join(Separator) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

Table parse(const QByteArray& bytes)
{
    Table table;
    const QString text = decodeText(bytes);
    QStringList row;
    QString field;
    bool inQuotes = false, rowHasContent = false;
    int line = 1, rowLine = 1, quoteLine = 0;
    const auto endRow = [&] {
        row << field;
        if (rowHasContent || row.size() > 1 || !row.first().isEmpty()) {
            table.rows << row;
            table.lineOfRow << rowLine;
        }
        row.clear();
        field.clear();
        rowHasContent = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            rowHasContent = true;
            quoteLine = line;
        } else if (c == Separator) {
            row << field;
            field.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            endRow();
            rowLine = ++line;
        } else {
            field += c;
        }
    }
    if (inQuotes) {
        table.error = QStringLiteral("Regel %1: een aanhalingsteken wordt niet gesloten.").arg(quoteLine);
        return table;
    }
    if (!field.isEmpty() || !row.isEmpty() || rowHasContent)
        endRow();
    return table;
}

QString Import::summary() const
{
    QString text = QStringLiteral("%1 rijen: %2 bijgewerkt, %3 nieuw, %4 ongewijzigd, %5 niet herkend")
                       .arg(rows)
                       .arg(updated)
                       .arg(added)
                       .arg(unchanged)
                       .arg(unknown.size());
    return unknown.isEmpty() ? text + u'.' : text + QStringLiteral(": ") + unknown.join(QStringLiteral(", ")) + u'.';
}

Import importMarks(const QByteArray& bytes, const QList<CatalogueEntry>& series, const Marks& current)
{
    Import result;
    const Table table = parse(bytes);
    if (!table.error.isEmpty()) {
        result.error = table.error;
        return result;
    }
    const QStringList header = table.rows.value(0);
    const auto column = [&header](const char* name) {
        for (int i = 0; i < header.size(); ++i)
            if (header.at(i).trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                return i;
        return -1;
    };
    const int keyColumn = column("Sleutel"), ownedColumn = column("In bezit"), countColumn = column("Aantal"),
              paidColumn = column("Aankoopprijs"), noteColumn = column("Notitie");
    if (keyColumn < 0) {
        result.error = QStringLiteral("Regel 1: de kolom \"Sleutel\" ontbreekt; daaraan worden de velletjes herkend. "
                                      "De velden staan gescheiden door puntkomma's, zoals bij de export.");
        return result;
    }
    QSet<QString> known;
    for (const CatalogueEntry& entry : series)
        known.insert(entry.key);
    result.marks = current;
    for (int r = 1; r < table.rows.size(); ++r) {
        const QStringList& row = table.rows.at(r);
        const int line = table.lineOfRow.at(r);
        const QString key = row.value(keyColumn).trimmed();
        const auto fail = [&](const QString& what) {
            result = Import{};
            result.error = QStringLiteral("Regel %1: %2").arg(line).arg(what);
        };
        ++result.rows;
        if (!known.contains(key)) {
            result.unknown << (key.isEmpty() ? QStringLiteral("(regel %1 zonder sleutel)").arg(line) : key);
            continue;
        }
        Mark mark = current.value(key);
        if (ownedColumn >= 0) {
            const std::optional<Ownership> owned = MarksFile::ownershipOf(row.value(ownedColumn));
            if (!owned) {
                fail(QStringLiteral("\"In bezit\" is \"%1\"; verwacht postfris, gestempeld, beide of leeg.")
                         .arg(row.value(ownedColumn)));
                return result;
            }
            mark.owned = *owned;
        }
        if (countColumn >= 0) {
            const QString text = row.value(countColumn).trimmed();
            bool ok = text.isEmpty();
            const int count = ok ? 0 : text.toInt(&ok);
            if (!ok || count < 0 || count > MarksFile::MaxCount) {
                fail(QStringLiteral("\"Aantal\" is \"%1\"; verwacht een heel getal van 0 tot %2.")
                         .arg(text)
                         .arg(MarksFile::MaxCount));
                return result;
            }
            mark.count = count;
        }
        if (paidColumn >= 0) {
            const QString text = row.value(paidColumn).trimmed();
            mark.paidCents = MarksFile::centsOf(text);
            if (!text.isEmpty() && !mark.paidCents) {
                fail(QStringLiteral("\"Aankoopprijs\" is \"%1\"; verwacht een bedrag als 12,50.").arg(text));
                return result;
            }
        }
        if (noteColumn >= 0)
            mark.note = MarksFile::storableNote(row.value(noteColumn));
        mark.count = mark.isOwned() ? std::max(mark.count, 1) : 0;
        if (mark == current.value(key))
            ++result.unchanged;
        else
            (current.contains(key) ? result.updated : result.added) += 1;
        if (mark.isEmpty())
            result.marks.remove(key);
        else
            result.marks.insert(key, mark);
    }
    return result;
}

Import importFile(const QString& path, const QList<CatalogueEntry>& series, const Marks& current)
{
    const std::optional<QByteArray> bytes = TextFile::readBytes(path, MaxSize);
    if (!bytes) {
        Import unreadable;
        unreadable.error = QStringLiteral("%1 kan niet worden gelezen (ontbreekt, is geen bestand of is groter dan "
                                          "%2 MB).")
                               .arg(path)
                               .arg(MaxSize / (1024 * 1024));
        return unreadable;
    }
    return importMarks(*bytes, series, current);
}

} // namespace CollectionCsv
