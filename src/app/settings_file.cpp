#include "app/settings_file.h"

#include "app/application_state.h"
#include "app/record.h"
#include "app/text_file.h"

#include <limits>

namespace SettingsFile {

namespace {

// Reads one colour into colour: red and green any whole number, blue a byte; a component read before a
// failure is kept.
bool readColour(Record::FieldReader& reader, ColourParts& colour)
{
    constexpr long long IntMin = std::numeric_limits<int>::min(), IntMax = std::numeric_limits<int>::max();
    auto take = [&reader](long long lo, long long hi) -> std::optional<long long> {
        auto field = reader.next();
        if (!field || field->quoted)
            return std::nullopt;
        auto value = Record::wholeNumber(*field);
        if (!value || *value < lo || *value > hi)
            return std::nullopt;
        return value;
    };
    auto r = take(IntMin, IntMax);
    if (!r)
        return false;
    colour.r = int(*r);
    auto g = take(IntMin, IntMax);
    if (!g)
        return false;
    colour.g = int(*g);
    auto b = take(0, 255);
    if (!b)
        return false;
    colour.b = int(*b);
    return true;
}

QString colourRecord(const ColourParts& colour)
{
    using Record::number;
    return Record::join({number((long long)colour.r), number((long long)colour.g), number((long long)colour.b)});
}

} // namespace

bool read(const QString& path, ApplicationState& state)
{
    const auto lines = TextFile::readLines(path, MaximumSize);
    if (!lines)
        return false;
    Record::FieldReader reader(*lines);
    if (!reader.next() || !reader.next()) // the header and the hyphens
        return false;
    ColourParts venster = state.VensterKleur(), supplement = state.SupplementKleur();
    const bool whole = readColour(reader, venster) && readColour(reader, supplement);
    // What was read up to a failure stays, as it always did.
    state.setVensterKleur(venster.r, venster.g, venster.b);
    state.setSupplementKleur(supplement.r, supplement.g, supplement.b);
    return whole;
}

SafeFile::Result write(const QString& path, const ApplicationState& state)
{
    const QStringList lines = {
        Record::quoted(Header),
        Record::quoted(Hyphens),
        colourRecord(state.VensterKleur()),
        colourRecord(state.SupplementKleur()),
    };
    return TextFile::writeLines(path, lines);
}

void load(const QString& path, ApplicationState& state)
{
    if (!read(path, state))
        write(path, state);
}

} // namespace SettingsFile
