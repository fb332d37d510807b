#pragma once

// The supplement pair in Supplementen/: place.sup (four fields, 48 hyphens and
// the description lines, Windows-1252 with CR LF) and place.bmp (the canvas).
// Saving replaces the old pair only once the new files are complete, and
// reports every failure as a status the window turns into a message.

#include "app/program_folder.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace SupplementFile {

inline constexpr auto Folder = "Supplementen";
inline constexpr int MaxLines = 100;
// No line the program writes comes near this; a longer one marks a damaged file.
inline constexpr int MaxLineLength = 4096;
// The place name is also the file name; this leaves room for the longest name the folder gets.
inline constexpr int MaxNameLength = 64;
// A hundred lines of the longest kind and more; reading goes no further into a larger file.
inline constexpr qint64 MaxFileSize = 1024 * 1024;
QString separatorLine(); // the 48 hyphens of line 5

} // namespace SupplementFile

// Everything a supplement file holds, taken from the state when a save starts.
struct Supplement
{
    QString Plaatsnaam, CatalogusNr, Jaartal, PaginaNr;
    QStringList lines; // the description lines, at most 100
    QImage picture;    // the canvas picture; null when the page holds none
};

enum class WriteStatus {
    Saved,
    InvalidName,       // the place name cannot be a file name in the folder
    FolderNotMade,     // Supplementen is missing and cannot be made
    TextNotWritten,    // place.sup could not be written; the old pair is untouched
    PictureNotWritten, // place.bmp could not be written; the old pair is untouched
    PictureNotRemoved, // saved without a picture, but an old place.bmp could not be removed
    UnknownCharacters, // a field or line holds characters the file cannot hold; nothing was written
    TextTooLong,       // a field or line is longer than the reader takes; nothing was written
    ProgramFolderGone, // the program folder itself is gone; nothing was written (reason: its path)
    FolderGone,        // the folder of a supplement opened from elsewhere is gone; nothing was written (reason: it)
    FolderBusy,        // another copy of the program kept the folder too long; nothing was written
    CommandRunning     // a command is still working on the canvas; nothing was written
};

struct SaveResult
{
    SaveResult(WriteStatus status = WriteStatus::Saved, QString reason = {}, QStringList characters = {})
        : status(status)
        , reason(std::move(reason))
        , characters(std::move(characters))
    {}

    WriteStatus status;
    QString reason;         // why, in Dutch, as the disk said it
    QStringList characters; // with UnknownCharacters: the characters the file cannot hold
};

enum class ReadStatus {
    Complete,
    Missing,      // missing or unreadable; nothing was read
    TooShort,     // ended before the four fields and the separator line
    TooManyLines, // more than 100 description lines; the first 100 were read
    LineTooLong   // a line longer than MaxLineLength; the lines before it were read
};

// What reading place.sup gave: the fields read before any failure, and how it ended.
struct SupplementReadResult
{
    ReadStatus status = ReadStatus::Missing;
    std::optional<QString> Plaatsnaam, CatalogusNr, Jaartal, PaginaNr;
    bool linesRead = false; // reading got past the separator line
    QStringList lines;
    int damagedLine = 0; // with LineTooLong: the line of the file (from 1) that could not be read
};

// A place name that names a file inside the folder: not empty or only blanks,
// not "." or "..", without / \ : * ? " < > | and without control characters.
bool isValidSupplementName(const QString& name);

// The program folder's Supplementen, where the program keeps its pairs.
QString supplementsFolder(const ProgramFolder& folder);

// The paths of the pair; the folder and the names are matched without regard to case.
QString supplementTextPath(const ProgramFolder& folder, const QString& name);
QString supplementPicturePath(const ProgramFolder& folder, const QString& name);
bool supplementExists(const ProgramFolder& folder, const QString& name);

// betweenFiles runs after the new text file is in place and before the bitmap
// replaces the old one; tests use it to make the second step fail.
SaveResult SchrijfSupplement(const ProgramFolder& folder, const Supplement& supplement,
                             const std::function<void()>& betweenFiles = {});
SupplementReadResult LeesSupplement(const ProgramFolder& folder, const QString& name);

// The same for a pair in any other folder, given by its path: a supplement opened from elsewhere is saved
// back where it came from. That folder is never made: when it is gone, the save says so.
QString supplementTextPath(const QString& directory, const QString& name);
QString supplementPicturePath(const QString& directory, const QString& name);
bool supplementExists(const QString& directory, const QString& name);
SaveResult SchrijfSupplement(const QString& directory, const Supplement& supplement,
                             const std::function<void()>& betweenFiles = {});
SupplementReadResult LeesSupplement(const QString& directory, const QString& name);
// Finishes or discards every save in the folder that a crash interrupted (see supplement_commit.h).
void recoverSupplements(const ProgramFolder& folder);
// The same for a supplement text file anywhere, given by its path.
SupplementReadResult readSupplementFile(const QString& path);

// The characters of the supplement's fields and lines that the file cannot hold; empty when all fit.
QStringList unstorableCharacters(const Supplement& supplement);
// The message that names them, for the field entry, the description window and the save.
QString unstorableCharactersMessage(const QStringList& characters);

// The Dutch message for a failed save; empty for Saved.
QString saveFailureMessage(const SaveResult& result, const QString& name);

// The Dutch message for a file that could not be read whole; empty for Complete.
QString supplementReadMessage(const SupplementReadResult& reading, const QString& name);
