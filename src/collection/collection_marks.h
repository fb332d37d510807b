#pragma once

// What a collector has of each sheetlet: owned or not (mint "postfris", used
// "gestempeld", or both), how many, what was paid and a short note, by the
// sheetlet's key ("2007-Delft").
//
// The marks live in Data/Verzameling.txt beside the catalogue, whose own
// format stays as it is. Unlike the program's older files it is UTF-8 (with a
// byte-order mark, CR LF): the note is the collector's own free text (a
// dealer's name, a city abroad, the € sign) and Windows-1252 would turn what
// it lacks into '?'; the byte-order mark is what the shared text reader and
// the desktop's editors recognise it by. One line a mark after a title line:
//   key TAB state TAB count TAB paid TAB note
// state "postfris", "gestempeld", "beide" or empty; paid in euro with a
// decimal point ("12.50") or empty when not given.

#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

enum class Ownership : std::uint8_t { None, Postfris, Gestempeld, Beide };

struct Mark
{
    Ownership owned = Ownership::None;
    int count = 0;                   // how many copies; at least one when owned
    std::optional<qint64> paidCents; // what was paid, in euro cents
    QString note;

    bool operator==(const Mark&) const = default;
    bool isEmpty() const { return *this == Mark{}; }
    bool isOwned() const { return owned != Ownership::None; }
};

using Marks = QMap<QString, Mark>;

namespace MarksFile {

inline constexpr auto Path = "Data/Verzameling.txt";
inline constexpr int MaxNoteLength = 200;
inline constexpr int MaxCount = 9999;

// The word of a state as the files and the windows spell it ("postfris"), and back; nothing for a word
// that is none of them (case and surrounding blanks do not matter; empty is None).
QString ownershipWord(Ownership owned);
std::optional<Ownership> ownershipOf(const QString& word);
// The states in the order the windows offer them, their captions ("Niet in bezit", "Postfris", ...).
QStringList ownershipCaptions();

// An amount in cents from "12,50", "12.50", "€ 12,50" or "12"; nothing when it is none.
std::optional<qint64> centsOf(const QString& text);
// "12,50" with the given decimal separator.
QString centsText(qint64 cents, QChar decimalPoint = QLatin1Char(','));

// A note as it can be stored on one line: tabs and line breaks become blanks, cut to MaxNoteLength.
QString storableNote(const QString& note);

// The file's bytes; unreadable lines of the file as it was are written back after the marks as they were, so
// that a line damaged by hand is never lost by a change of another mark.
QByteArray encode(const Marks& marks, const QStringList& unreadable = {});

struct Decoded
{
    Marks marks;
    QList<int> damagedLines; // counted from 1
    QStringList unreadable;  // those lines as they stand
};
// The marks of the file's lines; a damaged line is passed over, so that one bad line does not cost the rest.
Decoded decode(const QStringList& lines);

} // namespace MarksFile
