#include "documents/supplement_file.h"

#include "app/application_state.h"
#include "app/text_file.h"

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

// Opens a QSaveFile and writes the whole content to its temporary file; the
// target is not touched until commit().
std::unique_ptr<QSaveFile> stage(const QString& path, const QByteArray& bytes)
{
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly) || file->write(bytes) != bytes.size())
        return nullptr;
    return file;
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

std::optional<QByteArray> currentContent(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

// Puts the text file back as it was before this save replaced it.
void restoreText(const QString& path, const std::optional<QByteArray>& before)
{
    if (before)
        TextFile::writeBytes(path, *before);
    else
        QFile::remove(path);
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
    const QString textPath = SupplementTekstPad(folder, name);
    const QString picturePath = SupplementAfbeeldingPad(folder, name);

    // Both new files are complete on disk before either old one is replaced.
    const auto text = stage(textPath, textBytes(supplement));
    if (!text)
        return SchrijfStatus::TekstNietGeschreven;
    std::unique_ptr<QSaveFile> picture;
    if (!supplement.afbeelding.isNull()) {
        const auto bytes = bitmapBytes(supplement.afbeelding);
        picture = bytes ? stage(picturePath, *bytes) : nullptr;
        if (!picture)
            return SchrijfStatus::AfbeeldingNietGeschreven;
    }

    const std::optional<QByteArray> oldText = currentContent(textPath);
    if (!text->commit())
        return SchrijfStatus::TekstNietGeschreven;
    if (betweenFiles)
        betweenFiles();
    if (picture && !picture->commit()) {
        restoreText(textPath, oldText);
        return SchrijfStatus::AfbeeldingNietGeschreven;
    }
    // A supplement saved without a picture must not come back with an old one.
    if (!picture && QFileInfo::exists(picturePath) && !QFile::remove(picturePath))
        return SchrijfStatus::AfbeeldingNietVerwijderd;
    return SchrijfStatus::Gelukt;
}

GelezenSupplement LeesSupplement(const ProgramFolder& folder, const QString& name)
{
    if (!IsGeldigeSupplementNaam(name))
        return {};
    return LeesSupplementBestand(SupplementTekstPad(folder, name));
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
