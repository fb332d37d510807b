#include "app/settings_file.h"

#include "app/application_state.h"
#include "app/record.h"
#include "app/text_file.h"

#include <limits>

namespace SettingsFile {

namespace {

// Reads one colour: red and green any whole number, blue a byte.
bool readColour(Record::FieldReader& reader, int& red, int& green, std::uint8_t& blue)
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
    red = int(*r);
    auto g = take(IntMin, IntMax);
    if (!g)
        return false;
    green = int(*g);
    auto b = take(0, 255);
    if (!b)
        return false;
    blue = std::uint8_t(*b);
    return true;
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
    return readColour(reader, state.VensterR, state.VensterG, state.VensterB)
        && readColour(reader, state.SupplementR, state.SupplementG, state.SupplementB);
}

SafeFile::Result write(const QString& path, const ApplicationState& state)
{
    using Record::number;
    const QStringList lines = {
        Record::quoted(Header),
        Record::quoted(Hyphens),
        Record::join({number((long long)state.VensterR), number((long long)state.VensterG), number((long long)state.VensterB)}),
        Record::join({number((long long)state.SupplementR), number((long long)state.SupplementG),
                      number((long long)state.SupplementB)}),
    };
    return TextFile::writeLines(path, lines);
}

void load(const QString& path, ApplicationState& state)
{
    if (!read(path, state))
        write(path, state);
}

} // namespace SettingsFile
