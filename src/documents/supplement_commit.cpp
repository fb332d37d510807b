#include "documents/supplement_commit.h"

#include "app/safe_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

namespace SupplementCommit {

namespace {

const QByteArray WithPicture = "afbeelding\r\n";
const QByteArray WithoutPicture = "geen afbeelding\r\n";

QString pending(const QString& path)
{
    return path + QStringLiteral(".nieuw");
}

QString marker(const QString& textPath)
{
    return textPath + markerSuffix();
}

// Moves from over to, replacing to in one step.
bool moveOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

std::optional<QByteArray> content(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// What a write cut short by a crash leaves beside its target: the safe writer's temporary file (and, from
// earlier versions, "<name>.XXXXXX"). Under the lock no other write of these names is under way.
void removeTemporaries(const QString& path)
{
    const QFileInfo target(path);
    const QDir folder = target.dir();
    const QString name = target.fileName();
    const QStringList patterns{name + QString::fromLatin1(SafeFile::TemporarySuffix) + QStringLiteral("??????"),
                               name + QStringLiteral(".??????")};
    for (const QString& left : folder.entryList(patterns, QDir::Files))
        QFile::remove(folder.filePath(left));
}

void discardPending(const QString& textPath, const QString& picturePath)
{
    QFile::remove(pending(textPath));
    QFile::remove(pending(picturePath));
}

// The committed pair into place: whatever new file is still waiting moves over the old one.
bool rollForward(const QString& textPath, const QString& picturePath, bool withPicture)
{
    bool ok = true;
    if (QFileInfo::exists(pending(textPath)))
        ok = moveOver(pending(textPath), textPath) && ok;
    if (withPicture && QFileInfo::exists(pending(picturePath)))
        ok = moveOver(pending(picturePath), picturePath) && ok;
    if (!withPicture && QFileInfo::exists(picturePath))
        ok = QFile::remove(picturePath) && ok;
    return ok;
}

} // namespace

QString markerSuffix()
{
    return QStringLiteral(".klaar");
}

void recover(const QString& textPath, const QString& picturePath)
{
    for (const QString& path : {pending(textPath), pending(picturePath), marker(textPath)})
        removeTemporaries(path);
    const auto committed = content(marker(textPath));
    if (!committed) {
        discardPending(textPath, picturePath);
        return;
    }
    if (rollForward(textPath, picturePath, *committed != WithoutPicture))
        QFile::remove(marker(textPath));
}

Result replacePair(const QString& textPath, const QByteArray& text, const QString& picturePath,
                   const std::optional<QByteArray>& picture, const std::function<void()>& betweenFiles)
{
    recover(textPath, picturePath);
    if (const SafeFile::Result written = SafeFile::replace(pending(textPath), text); !written)
        return {Outcome::TextFailed, written.reason};
    if (picture) {
        if (const SafeFile::Result written = SafeFile::replace(pending(picturePath), *picture); !written) {
            discardPending(textPath, picturePath);
            return {Outcome::PictureFailed, written.reason};
        }
    }
    const std::optional<QByteArray> oldText = content(textPath);
    if (const SafeFile::Result written = SafeFile::replace(marker(textPath), picture ? WithPicture : WithoutPicture);
        !written) {
        discardPending(textPath, picturePath);
        return {Outcome::TextFailed, written.reason};
    }
    // From here the new pair is committed: a crash is finished by recover().
    if (!moveOver(pending(textPath), textPath)) {
        const QString why = SafeFile::reason(errno);
        QFile::remove(marker(textPath));
        discardPending(textPath, picturePath);
        return {Outcome::TextFailed, why};
    }
    if (betweenFiles)
        betweenFiles();
    if (picture && !moveOver(pending(picturePath), picturePath)) {
        const QString why = SafeFile::reason(errno);
        // Still running, so the old text can go back rather than leave a new text beside an old picture.
        if (oldText)
            SafeFile::replace(textPath, *oldText);
        else
            QFile::remove(textPath);
        QFile::remove(marker(textPath));
        discardPending(textPath, picturePath);
        return {Outcome::PictureFailed, why};
    }
    const bool removed = picture || !QFileInfo::exists(picturePath) || QFile::remove(picturePath);
    QFile::remove(marker(textPath));
    if (!removed)
        return {Outcome::PictureNotRemoved, SafeFile::reason(EACCES)};
    return {};
}

} // namespace SupplementCommit
