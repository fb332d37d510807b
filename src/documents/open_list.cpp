#include "documents/open_list.h"

#include "app/web_lookups.h"

#include "documents/supplement_file.h"

#include <QDir>
#include <QImageReader>

namespace {

QString folderOf(LaadVelModus modus)
{
    return modus == LaadVelModus::Supplementen ? QString::fromLatin1(SupplementFile::Folder)
                                               : QStringLiteral("Images");
}

QString patternOf(LaadVelModus modus)
{
    return modus == LaadVelModus::Supplementen ? QStringLiteral("*.sup") : QStringLiteral("*.jpg");
}

} // namespace

LaadVelModus LaadVelModusVan(std::uint8_t gereedschap)
{
    return gereedschap == std::uint8_t(LaadVelModus::Supplementen) ? LaadVelModus::Supplementen
                                                                   : LaadVelModus::Velletjes;
}

QStringList LaadVelNamen(const ProgramFolder& folder, LaadVelModus modus)
{
    if (modus == LaadVelModus::Supplementen)
        recoverSupplements(folder);
    const QDir dir(folder.path(folderOf(modus)), patternOf(modus), QDir::Name | QDir::IgnoreCase,
                   QDir::Files | QDir::Readable);
    QStringList names = dir.entryList();
    for (QString& name : names)
        name.chop(4);
    return names;
}

QString LaadVelTekst(LaadVelModus modus, qsizetype aantal)
{
    switch (modus) {
    case LaadVelModus::Velletjes:
        return QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de %1 velletjes die u wilt openen.")
            .arg(aantal);
    case LaadVelModus::Supplementen:
        return QStringLiteral("Maak d.m.v. de lijst een keuze uit één van de %1 ontworpen supplementen.").arg(aantal);
    }
    return QString();
}

QString LaadVelAfbeeldingPad(const ProgramFolder& folder, LaadVelModus modus, const QString& name)
{
    const QString extension = modus == LaadVelModus::Supplementen ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    return folder.path(folderOf(modus) + QLatin1Char('/') + name + extension);
}

std::optional<QSize> pictureFileSize(const QString& path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid())
        return std::nullopt;
    return size;
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
