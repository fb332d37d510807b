#pragma once

// The comma-separated record notation of the program's data files: fields
// separated by commas (and by line ends, when records are read as a stream),
// text fields in double quotes, numbers in their shortest decimal form.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Record {

struct Field
{
    QString text; // without the quotes; unquoted fields without surrounding blanks
    bool quoted = false;
};

// The fields of one line. An empty line holds one empty field.
QList<Field> splitFields(const QString& line);

// Reads fields one after another over many lines; a line end ends a field like a comma does.
class FieldReader
{
public:
    explicit FieldReader(QStringList lines);

    bool atEnd() const;
    std::optional<Field> next();

private:
    void skipEmptyLines();

    QStringList m_lines;
    int m_line = 0;
    QList<Field> m_fields;
    int m_field = 0;
};

// A number field as a whole number: the text must be a number (blanks around it allowed);
// fractions round to the nearest whole number, halves to even.
std::optional<long long> wholeNumber(const Field& field);

// The leading decimal number of a text, blanks anywhere skipped; a text that does not
// start with a number gives 0. "12.5 euro" gives 12.5, " 1 2" gives 12, "abc" gives 0.
double leadingNumber(const QString& text);

QString quoted(const QString& text);
QString number(double value);
QString number(long long value);

// Fields joined by commas into one line.
QString join(const QStringList& fields);

} // namespace Record
