#include "documents/open_list.h"

#include "app/web_lookups.h"

#include "documents/supplement_file.h"

#include <QDir>

namespace {

QString folderOf(LaadVelModus mode)
{
    return mode == LaadVelModus::Supplementen ? QString::fromLatin1(SupplementFile::Folder) : QStringLiteral("Images");
}

QString patternOf(LaadVelModus mode)
{
    return mode == LaadVelModus::Supplementen ? QStringLiteral("*.sup") : QStringLiteral("*.jpg");
}

} // namespace

LaadVelModus LaadVelModusVan(std::uint8_t gereedschap)
{
    return gereedschap == std::uint8_t(LaadVelModus::Supplementen) ? LaadVelModus::Supplementen
                                                                   : LaadVelModus::Velletjes;
}

QStringList LaadVelNamen(const ProgramFolder& folder, LaadVelModus mode)
{
    if (mode == LaadVelModus::Supplementen)
        recoverSupplements(folder);
    const QDir dir(folder.path(folderOf(mode)), patternOf(mode), QDir::Name | QDir::IgnoreCase,
                   QDir::Files | QDir::Readable);
    QStringList names = dir.entryList();
    for (QString& name : names)
        name.chop(4);
    return names;
}

QString LaadVelTekst(LaadVelModus mode, qsizetype count)
{
    switch (mode) {
    case LaadVelModus::Velletjes:
        return QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de %1 velletjes die u wilt openen.")
            .arg(count);
    case LaadVelModus::Supplementen:
        return QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de %1 ontworpen supplementen.").arg(count);
    }
    return QString();
}

QString LaadVelAfbeeldingPad(const ProgramFolder& folder, LaadVelModus mode, const QString& name)
{
    const QString extension = mode == LaadVelModus::Supplementen ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    return folder.path(folderOf(mode) + QLatin1Char('/') + name + extension);
}

std::optional<SheetletKey> splitKey(const QString& key)
{
    if (key.size() < 6)
        return std::nullopt;
    return SheetletKey{key.left(4), key.mid(5)};
}

QString helpInfoCaption(const QString& plaatsnaam)
{
    if (plaatsnaam.left(8) == QLatin1String("Verzamel"))
        return QStringLiteral("Info...");
    return WebLookups::municipalityCaption(plaatsnaam);
}
