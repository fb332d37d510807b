#include "collection/collection_marks.h"

#include <QRegularExpression>

namespace MarksFile {

namespace {

constexpr auto Title = "Velinor verzameling";
constexpr QChar Tab = u'\t';

const char* const Words[] = {"", "postfris", "gestempeld", "beide"};

} // namespace

QString ownershipWord(Ownership owned)
{
    return QString::fromLatin1(Words[int(owned)]);
}

std::optional<Ownership> ownershipOf(const QString& word)
{
    const QString wanted = word.trimmed().toLower();
    for (int i = 0; i < 4; ++i)
        if (wanted == QLatin1String(Words[i]))
            return Ownership(i);
    return std::nullopt;
}

QStringList ownershipCaptions()
{
    return {QStringLiteral("Niet in bezit"), QStringLiteral("Postfris"), QStringLiteral("Gestempeld"),
            QStringLiteral("Postfris en gestempeld")};
}

std::optional<qint64> centsOf(const QString& text)
{
    static const QRegularExpression Amount(QStringLiteral("^(?:€\\s*)?(\\d{1,7})(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch match = Amount.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QString fraction = match.captured(2).leftJustified(2, QLatin1Char('0'));
    return match.captured(1).toLongLong() * 100 + fraction.toLongLong();
}

QString centsText(qint64 cents, QChar decimalPoint)
{
    return QStringLiteral("%1%2%3").arg(cents / 100).arg(decimalPoint).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

QString storableNote(const QString& note)
{
    QString result = note;
    for (QChar& c : result)
        if (c == Tab || c == u'\r' || c == u'\n')
            c = u' ';
    return result.left(MaxNoteLength);
}

QByteArray encode(const Marks& marks, const QStringList& unreadable)
{
    QString text = QString::fromLatin1(Title) + QStringLiteral("\r\n");
    for (auto it = marks.cbegin(); it != marks.cend(); ++it) {
        const Mark& m = it.value();
        text += QStringList{it.key(), ownershipWord(m.owned), QString::number(m.count),
                            m.paidCents ? centsText(*m.paidCents, QLatin1Char('.')) : QString(), storableNote(m.note)}
                    .join(Tab) +
                QStringLiteral("\r\n");
    }
    for (const QString& line : unreadable)
        text += line + QStringLiteral("\r\n");
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

Decoded decode(const QStringList& lines)
{
    Decoded result;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty() || (i == 0 && lines.at(i) == QLatin1String(Title)))
            continue;
        const QStringList fields = lines.at(i).split(Tab);
        bool countOk = false;
        const int count = fields.value(2).toInt(&countOk);
        const std::optional<Ownership> owned = ownershipOf(fields.value(1));
        const std::optional<qint64> paid = centsOf(fields.value(3));
        if (fields.size() != 5 || fields.at(0).trimmed().isEmpty() || !owned || !countOk || count < 0 ||
            count > MaxCount || (!fields.at(3).isEmpty() && !paid)) {
            result.damagedLines.append(i + 1);
            result.unreadable.append(lines.at(i));
            continue;
        }
        result.marks.insert(fields.at(0), Mark{*owned, count, paid, fields.at(4).left(MaxNoteLength)});
    }
    return result;
}

} // namespace MarksFile
