#pragma once

// Replacing the two files of a supplement so that a crash at any moment
// leaves either the old pair or the new pair. Each new file is first written
// whole beside its target ("….nieuw"); then a marker ("….sup.klaar") is
// written, which commits the new pair; then the files are moved into place
// and the marker removed. recover() finishes a committed replacement that
// was interrupted and throws away an uncommitted one; every reader of a
// supplement calls it first.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace SupplementCommit {

enum class Outcome {
    Done,
    TextFailed,       // the text file could not be written; nothing changed
    PictureFailed,    // the bitmap could not be written or put in place; the old pair is back
    PictureNotRemoved // saved without a picture, but the old bitmap could not be removed
};

struct Result
{
    Outcome outcome = Outcome::Done;
    QString reason; // why a step failed, in Dutch
};

// picture empty: the new pair has no bitmap, and an old one is removed.
// betweenFiles runs after the new text file is in place, before the bitmap is (tests inject failures there).
Result replacePair(const QString& textPath, const QByteArray& text, const QString& picturePath,
                   const std::optional<QByteArray>& picture, const std::function<void()>& betweenFiles = {});

// Finishes or discards an interrupted replacement of this pair.
void recover(const QString& textPath, const QString& picturePath);

QString markerSuffix();

} // namespace SupplementCommit
