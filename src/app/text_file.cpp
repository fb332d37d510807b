#include "app/text_file.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused bytes map to themselves.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The five bytes Windows-1252 gives no character: text holding one was not written in it.
bool cannotBeWindows1252(const QByteArray& bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
    });
}

std::optional<QString> decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless); // skips a leading byte-order mark
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

namespace TextFile {

QString decode(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF") || cannotBeWindows1252(bytes)) {
        if (auto utf8 = decodeUtf8(bytes))
            return *utf8;
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(char(u));
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < int(kHighControls.size()); ++i) {
            if (kHighControls[i] == u) {
                mapped = char(0x80 + i);
                break;
            }
        }
        bytes.append(mapped);
    }
    return bytes;
}

QStringList splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

std::optional<QByteArray> readBytes(const QString& path, qint64 maximumSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumSize)
        return std::nullopt;
    // Only as much as the file holds, and one byte more to notice a file that grew since its size was taken.
    QByteArray bytes = file.read(file.size() + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maximumSize)
        return std::nullopt;
    return bytes;
}

std::optional<QStringList> readLines(const QString& path, qint64 maximumSize)
{
    const std::optional<QByteArray> bytes = readBytes(path, maximumSize);
    if (!bytes)
        return std::nullopt;
    return splitLines(decode(*bytes));
}

std::optional<QStringList> readFirstLines(const QString& path, qint64 maximumSize)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(std::min(file.size(), maximumSize));
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return splitLines(decode(bytes));
}

QStringList unencodable(const QString& text)
{
    QStringList missing;
    const QByteArray bytes = encode(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (bytes.at(i) != '?' || text.at(i) == QLatin1Char('?'))
            continue;
        // A character outside the basic plane is two halves; name it whole.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!missing.contains(character))
            missing << character;
        i += length - 1;
    }
    return missing;
}

SafeFile::Result writeLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return SafeFile::replace(path, bytes);
}

} // namespace TextFile
