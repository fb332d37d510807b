#include "geography/place_names.h"

#include "geography/place_file.h"

namespace PlaceNames {

QStringList letters()
{
    QStringList result;
    for (char c = 'A'; c <= 'Z'; ++c)
        result << QString(QLatin1Char(c));
    result << QStringLiteral("'");
    return result;
}

QStringList read(const QString& path)
{
    QStringList names;
    std::optional<Record::FieldReader> reader = PlaceFile::open(path);
    if (!reader)
        return names;
    while (std::optional<Record::Field> field = reader->next())
        names << field->text.left(PlaceFile::MaximumNameLength);
    return names;
}

QStringList startingWith(const QStringList& names, const QString& letter)
{
    QStringList result;
    if (letter.isEmpty())
        return result;
    const QChar first = letter.at(0);
    for (const QString& name : names) {
        if (name.size() > 1 && name.at(0) == first)
            result << name;
    }
    return result;
}

QStringList forLetter(const QString& path, const QString& letter)
{
    return startingWith(read(path), letter);
}

} // namespace PlaceNames
