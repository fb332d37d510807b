#include "app/record.h"

#include "app/rounding.h"

#include <cmath>
#include <limits>

namespace Record {

QList<Field> splitFields(const QString& line)
{
    QList<Field> fields;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (true) {
        while (i < n && line.at(i) == QLatin1Char(' '))
            ++i;
        Field field;
        if (i < n && line.at(i) == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            field.text = line.mid(i + 1, end - i - 1);
            field.quoted = true;
            i = close < 0 ? n : close + 1;
            // Anything between the closing quote and the next comma is ignored.
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            i = comma < 0 ? n : comma;
        } else {
            const qsizetype comma = line.indexOf(QLatin1Char(','), i);
            const qsizetype end = comma < 0 ? n : comma;
            field.text = line.mid(i, end - i).trimmed();
            i = end;
        }
        fields.append(field);
        if (i >= n)
            break;
        ++i; // past the comma
    }
    return fields;
}

FieldReader::FieldReader(QStringList lines)
    : m_lines(std::move(lines))
{
    skipEmptyLines();
}

void FieldReader::skipEmptyLines()
{
    while (m_field >= m_fields.size() && m_line < m_lines.size()) {
        const QString& line = m_lines.at(m_line++);
        m_fields = line.trimmed().isEmpty() ? QList<Field>{} : splitFields(line);
        m_field = 0;
    }
}

bool FieldReader::atEnd() const
{
    return m_field >= m_fields.size() && m_line >= m_lines.size();
}

std::optional<Field> FieldReader::next()
{
    skipEmptyLines();
    if (m_field >= m_fields.size())
        return std::nullopt;
    Field field = m_fields.at(m_field++);
    skipEmptyLines();
    return field;
}

std::optional<long long> wholeNumber(const Field& field)
{
    bool ok = false;
    const double value = field.text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<int>::max()))
        return std::nullopt;
    return RondAf(value);
}

double leadingNumber(const QString& text)
{
    QString digits;
    bool seenPoint = false, seenDigit = false, seenExponent = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        if (c.isDigit() && c.unicode() < 0x80) {
            digits += c;
            seenDigit = true;
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('+')) &&
                   (digits.isEmpty() || digits.endsWith(QLatin1Char('e')))) {
            digits += c;
        } else if (c == QLatin1Char('.') && !seenPoint && !seenExponent) {
            digits += c;
            seenPoint = true;
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && seenDigit && !seenExponent) {
            digits += QLatin1Char('e');
            seenExponent = true;
        } else {
            break;
        }
    }
    // Drop a dangling exponent or sign so that "12e" reads as 12.
    while (!digits.isEmpty() && !digits.back().isDigit() && digits.back() != QLatin1Char('.'))
        digits.chop(1);
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString number(double value)
{
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<long long>(value));
    return QString::number(value, 'g', 15);
}

QString number(long long value)
{
    return QString::number(value);
}

QString join(const QStringList& fields)
{
    return fields.join(QLatin1Char(','));
}

} // namespace Record
