#include "documents/supplement_file.h"

#include "app/application_state.h"
#include "app/text_file.h"
#include "documents/supplement_commit.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <memory>

namespace {

QString inFolder(const ProgramFolder& folder, const QString& fileName)
{
    return folder.path(QString::fromLatin1(SupplementBestand::Map) + QLatin1Char('/') + fileName);
}

QByteArray textBytes(const Supplement& supplement)
{
    QStringList lines{supplement.Plaatsnaam, supplement.CatalogusNr, supplement.Jaartal, supplement.PaginaNr,
                      SupplementBestand::scheidingsRegel()};
    lines += supplement.regels.mid(0, SupplementBestand::MaxRegels);
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += TextFile::encode(line) + "\r\n";
    return bytes;
}

std::optional<QByteArray> bitmapBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"))
        return std::nullopt;
    return bytes;
}

} // namespace

QString SupplementBestand::scheidingsRegel()
{
    return QString(48, QLatin1Char('-'));
}

bool IsGeldigeSupplementNaam(const QString& name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || forbidden.contains(c))
            return false;
    }
    return true;
}

QString SupplementTekstPad(const ProgramFolder& folder, const QString& name)
{
    return inFolder(folder, name + QStringLiteral(".sup"));
}

QString SupplementAfbeeldingPad(const ProgramFolder& folder, const QString& name)
{
    return inFolder(folder, name + QStringLiteral(".bmp"));
}

bool SupplementBestaat(const ProgramFolder& folder, const QString& name)
{
    return IsGeldigeSupplementNaam(name) && QFileInfo(SupplementTekstPad(folder, name)).isFile();
}

Supplement SupplementUitState(const ApplicationState& state, const QImage& canvas)
{
    Supplement supplement{state.Plaatsnaam, state.CatalogusNr, state.Jaartal, state.PaginaNr, {}, {}};
    for (int i = 0; i < state.AantalRegels && i < ApplicationState::MaxRegels; ++i)
        supplement.regels.append(state.OmschrijvingRegels[i]);
    if (state.AfbeeldingOvergezet)
        supplement.afbeelding = canvas.copy();
    return supplement;
}

SchrijfStatus SchrijfSupplement(const ProgramFolder& folder, const Supplement& supplement,
                                const std::function<void()>& betweenFiles)
{
    const QString& name = supplement.Plaatsnaam;
    if (!IsGeldigeSupplementNaam(name))
        return SchrijfStatus::OngeldigeNaam;
    if (!QDir().mkpath(folder.path(QString::fromLatin1(SupplementBestand::Map))))
        return SchrijfStatus::MapNietAangemaakt;
    std::optional<QByteArray> picture;
    if (!supplement.afbeelding.isNull()) {
        picture = bitmapBytes(supplement.afbeelding);
        if (!picture)
            return SchrijfStatus::AfbeeldingNietGeschreven;
    }
    switch (SupplementCommit::replacePair(SupplementTekstPad(folder, name), textBytes(supplement),
                                          SupplementAfbeeldingPad(folder, name), picture, betweenFiles)) {
    case SupplementCommit::Result::Gelukt: return SchrijfStatus::Gelukt;
    case SupplementCommit::Result::TekstMislukt: return SchrijfStatus::TekstNietGeschreven;
    case SupplementCommit::Result::AfbeeldingMislukt: return SchrijfStatus::AfbeeldingNietGeschreven;
    case SupplementCommit::Result::AfbeeldingNietVerwijderd: return SchrijfStatus::AfbeeldingNietVerwijderd;
    }
    return SchrijfStatus::TekstNietGeschreven;
}

GelezenSupplement LeesSupplement(const ProgramFolder& folder, const QString& name)
{
    if (!IsGeldigeSupplementNaam(name))
        return {};
    SupplementCommit::recover(SupplementTekstPad(folder, name), SupplementAfbeeldingPad(folder, name));
    return LeesSupplementBestand(SupplementTekstPad(folder, name));
}

void HerstelSupplementen(const ProgramFolder& folder)
{
    const QDir dir(inFolder(folder, QString()));
    const QString marker = QStringLiteral(".sup") + SupplementCommit::markerSuffix();
    for (const QString& file : dir.entryList({QLatin1Char('*') + marker}, QDir::Files)) {
        const QString name = file.left(file.size() - marker.size());
        if (IsGeldigeSupplementNaam(name))
            SupplementCommit::recover(SupplementTekstPad(folder, name), SupplementAfbeeldingPad(folder, name));
    }
}

GelezenSupplement LeesSupplementBestand(const QString& path)
{
    GelezenSupplement result;
    std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines)
        return result;
    // Reading stops at a line too long to be the program's own, as it stops at any other damage.
    bool damaged = false;
    for (qsizetype i = 0; i < lines->size(); ++i) {
        if (lines->at(i).size() > SupplementBestand::MaxRegelLengte) {
            *lines = lines->mid(0, i);
            damaged = true;
            break;
        }
    }
    std::optional<QString>* fields[] = {&result.Plaatsnaam, &result.CatalogusNr, &result.Jaartal, &result.PaginaNr};
    for (qsizetype i = 0; i < 4 && i < lines->size(); ++i)
        *fields[i] = lines->at(i);
    if (lines->size() < 5) {
        result.status = damaged ? LeesStatus::TeLangeRegel : LeesStatus::TeKort;
        return result;
    }
    result.regelsGelezen = true;
    result.regels = lines->mid(5, SupplementBestand::MaxRegels);
    if (lines->size() - 5 > SupplementBestand::MaxRegels)
        result.status = LeesStatus::TeveelRegels;
    else
        result.status = damaged ? LeesStatus::TeLangeRegel : LeesStatus::Gelukt;
    return result;
}

void ZetGelezenSupplement(ApplicationState& state, const GelezenSupplement& gelezen)
{
    const std::pair<const std::optional<QString>&, QString&> fields[] = {
        {gelezen.Plaatsnaam, state.Plaatsnaam},
        {gelezen.CatalogusNr, state.CatalogusNr},
        {gelezen.Jaartal, state.Jaartal},
        {gelezen.PaginaNr, state.PaginaNr}};
    for (const auto& [read, field] : fields) {
        if (read)
            field = *read;
    }
    if (!gelezen.regelsGelezen)
        return;
    // The lines and their count always agree, also when a too long file was cut at 100.
    state.OmschrijvingRegels.fill(QString());
    for (qsizetype i = 0; i < gelezen.regels.size() && i < ApplicationState::MaxRegels; ++i)
        state.OmschrijvingRegels[i] = gelezen.regels.at(i);
    state.AantalRegels = std::uint8_t(std::min<qsizetype>(gelezen.regels.size(), ApplicationState::MaxRegels));
}

QString OmschrijvingTekst(const QStringList& regels)
{
    QString text;
    for (const QString& line : regels)
        text += line + QLatin1Char('\n');
    return text;
}

QString SchrijfMelding(SchrijfStatus status, const QString& name)
{
    switch (status) {
    case SchrijfStatus::Gelukt:
        return QString();
    case SchrijfStatus::OngeldigeNaam:
        return QStringLiteral("De plaatsnaam '%1' kan geen bestandsnaam zijn. Het supplement is niet opgeslagen.")
            .arg(name);
    case SchrijfStatus::MapNietAangemaakt:
        return QStringLiteral("De map Supplementen kon niet worden aangemaakt. Het supplement is niet opgeslagen.");
    case SchrijfStatus::TekstNietGeschreven:
        return QStringLiteral("Het bestand '%1.sup' kon niet worden geschreven. Het supplement is niet opgeslagen.")
            .arg(name);
    case SchrijfStatus::AfbeeldingNietGeschreven:
        return QStringLiteral("Het bestand '%1.bmp' kon niet worden geschreven. Het supplement is niet opgeslagen.")
            .arg(name);
    case SchrijfStatus::AfbeeldingNietVerwijderd:
        return QStringLiteral("Het supplement is opgeslagen, maar het oude plaatje '%1.bmp' kon niet worden verwijderd.")
            .arg(name);
    }
    return QString();
}
