#include "printing/supplement_page_file.h"

#include "app/picture_file.h"
#include "documents/supplement_commit.h"
#include "documents/supplement_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString leesMelding(const SupplementReadResult& gelezen, const QString& path)
{
    switch (gelezen.status) {
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
            .arg(gelezen.damagedLine);
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
        return {std::nullopt, leesMelding({}, supPath)};
    const QString bitmap = supplementPagePicturePath(supPath);
    SupplementCommit::recover(info.absoluteFilePath(), bitmap);
    const SupplementReadResult gelezen = readSupplementFile(info.absoluteFilePath());
    if (gelezen.status == ReadStatus::Missing || gelezen.status == ReadStatus::TooShort)
        return {std::nullopt, leesMelding(gelezen, supPath)};
    // The picture is optional: a supplement saved without one has no bitmap.
    QImage picture;
    if (QFileInfo::exists(bitmap)) {
        const PictureFile::Picture read = PictureFile::read(bitmap);
        if (!read.ok())
            return {std::nullopt, read.error};
        picture = read.image;
    }
    const SupplementPage pagina{gelezen.Plaatsnaam.value_or(name), gelezen.CatalogusNr.value_or(QString()),
                                  gelezen.Jaartal.value_or(QString()), gelezen.regels,
                                  gelezen.PaginaNr.value_or(QString()), picture};
    return {pagina, leesMelding(gelezen, supPath)};
}
