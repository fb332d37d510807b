#include "printing/supplement_page_file.h"

#include "app/picture_file.h"
#include "documents/open_list.h"
#include "documents/supplement_commit.h"
#include "documents/supplement_file.h"
#include "documents/supplement_lock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString readMessage(const SupplementReadResult& reading, const QString& path)
{
    switch (reading.status) {
    case ReadStatus::Complete:
        return {};
    case ReadStatus::Missing:
        return QStringLiteral("Supplement niet gevonden of niet leesbaar: %1").arg(path);
    case ReadStatus::TooShort:
        return QStringLiteral("Supplement onvolledig (minder dan vijf regels): %1").arg(path);
    case ReadStatus::TooManyLines:
        return QStringLiteral("Meer dan 100 omschrijvingsregels; alleen de eerste 100 worden afgedrukt.");
    case ReadStatus::LineTooLong:
        return QStringLiteral("Supplement beschadigd: regel %1 is te lang; alleen de regels ervoor worden afgedrukt.")
            .arg(reading.damagedLine);
    }
    return {};
}

} // namespace

QString supplementPagePicturePath(const QString& supPath)
{
    const QFileInfo info(supPath);
    return ProgramFolder(info.absolutePath()).path(info.completeBaseName() + QStringLiteral(".bmp"));
}

SupplementPageFile readSupplementPage(const QString& supPath)
{
    const QFileInfo info(supPath);
    const QString name = info.completeBaseName();
    if (!info.isFile() || !isValidSupplementName(name))
        return {std::nullopt, readMessage({}, supPath)};
    const QString bitmap = supplementPagePicturePath(supPath);
    // Text and bitmap of one save; without the lock another copy is saving, and its files are left alone.
    const SupplementLock lock(info.absolutePath());
    if (lock.held())
        SupplementCommit::recover(info.absoluteFilePath(), bitmap);
    const SupplementReadResult reading = readSupplementFile(info.absoluteFilePath());
    if (reading.status == ReadStatus::Missing || reading.status == ReadStatus::TooShort)
        return {std::nullopt, readMessage(reading, supPath)};
    // The picture is optional: a supplement saved without one has no bitmap.
    QImage picture;
    if (QFileInfo::exists(bitmap)) {
        const PictureFile::Picture read = PictureFile::read(bitmap, PictureFile::ReadOptions::exactly(SheetletSize));
        if (!read.ok())
            return {std::nullopt, read.error};
        picture = read.image;
    }
    const SupplementPage page{reading.Plaatsnaam.value_or(name),    reading.CatalogusNr.value_or(QString()),
                              reading.Jaartal.value_or(QString()),  reading.lines,
                              reading.PaginaNr.value_or(QString()), picture};
    return {page, readMessage(reading, supPath)};
}
