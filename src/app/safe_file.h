#pragma once

// Replacing a file so that a failed write leaves the old file whole. The new
// bytes go to a temporary file beside the target; it is flushed to the disk,
// measured and read back, and only when all of it is there does it take the
// target's place in one step. Every writer of the program goes through here:
// Qt's buffered writers can report success after the last write failed on a
// full disk, which would put an empty file in place of the old one.
//
// The temporary file is called "<target>.velinor-XXXXXX", a name no one else
// gives a file, so that what a killed program left behind can be recognised
// and cleared without touching anything of the user's: the next write of the
// same target clears its leftovers.

#include <QByteArray>
#include <QString>

namespace SafeFile {

struct Result
{
    bool ok = false;
    QString reason; // why not, in Dutch ("de schijf is vol"); empty when ok

    explicit operator bool() const { return ok; }
};

Result replace(const QString& path, const QByteArray& bytes);

// The suffix of the temporary files, before their six random characters.
inline constexpr auto TemporarySuffix = ".velinor-";
// A temporary file this old is a leftover: no write of the program takes anywhere near as long.
inline constexpr int LeftoverSeconds = 600;

// The Dutch reason for a system error number.
QString reason(int error);

// "Kan NAAM niet schrijven: REDEN." for a failed result.
QString failureText(const QString& name, const Result& result);

} // namespace SafeFile
