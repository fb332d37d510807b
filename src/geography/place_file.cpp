#include "geography/place_file.h"

#include "app/text_file.h"

namespace PlaceFile {

bool looksBinary(const QByteArray& bytes)
{
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\r' && u != '\n' && u != 0x1A)
            return true;
    }
    return false;
}

std::optional<Record::FieldReader> open(const QString& path)
{
    const std::optional<QByteArray> bytes = TextFile::readBytes(path, MaximumSize);
    if (!bytes || looksBinary(*bytes))
        return std::nullopt;
    QString text = TextFile::decode(*bytes);
    // What follows an end-of-file mark was never part of the text.
    const qsizetype mark = text.indexOf(QChar(0x1A));
    if (mark >= 0)
        text.truncate(mark);
    return Record::FieldReader(TextFile::splitLines(text));
}

} // namespace PlaceFile
