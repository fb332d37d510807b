// velinor-cli commands of the canvas: the frame photos of a sheetlet or a
// collector's block, for a whole folder of sheetlets in one go.

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "perforation/photo_frames.h"
#include "perforation/photo_loader.h"

#include <QFileInfo>
#include <QImageWriter>

namespace {

std::optional<PhotoLayout> layoutOf(const QString& word)
{
    if (word == QLatin1String("sheet"))
        return PhotoLayout::Velletje;
    if (word == QLatin1String("block"))
        return PhotoLayout::Verzamelblokje;
    return std::nullopt;
}

std::optional<PhotoSize> sizeOf(const QString& word)
{
    if (word == QLatin1String("groot"))
        return PhotoSize::Groot;
    if (word == QLatin1String("klein"))
        return PhotoSize::Klein;
    return std::nullopt;
}

// The picture through the reader, from the file or from standard input.
std::optional<QImage> load(const QString& path, QSize target, CliContext& context)
{
    const InputFile file(path, context);
    if (!file.ok())
        return std::nullopt;
    const PhotoFile read = PhotoLoader::load(file.path(), target);
    if (!read.ok()) {
        context.fail(read.error);
        return std::nullopt;
    }
    return read.image;
}

const QCommandLineOption FitOption(QStringLiteral("fit"),
                                   QStringLiteral("hoe de foto in een vak komt: uitrekken (standaard), bijsnijden of "
                                                  "passen"),
                                   QStringLiteral("WIJZE"), QStringLiteral("uitrekken"));

int photos(const QCommandLineParser& call, CliContext& context)
{
    const QStringList arguments = call.positionalArguments();
    const std::optional<PhotoLayout> layout = layoutOf(arguments.at(0));
    const std::optional<PhotoSize> size = sizeOf(arguments.at(1));
    if (!layout || !size)
        return context.usageError(QStringLiteral("Kies sheet of block, en groot of klein."));
    const std::optional<PhotoFit> fit = photoFitOf(call.value(FitOption));
    if (!fit)
        return context.usageError(
            QStringLiteral("Onbekende --fit '%1': kies uitrekken, bijsnijden of passen.").arg(call.value(FitOption)));
    const QString &photoPath = arguments.at(2), &sheetPath = arguments.at(3), &output = arguments.at(4);
    QList<QByteArray> formats = QImageWriter::supportedImageFormats();
    const QByteArray format = pictureFormat(output, formats);
    if (format.isEmpty())
        return context.usageError(
            QStringLiteral("Onbekend soort uitvoer '%1': gebruik .bmp, .jpg of .png.").arg(output));
    if (readsStandardInputTwice({photoPath, sheetPath}, context) ||
        writesOverInput(output, {photoPath, sheetPath}, context))
        return CliUsageError;
    const std::optional<QImage> photo = load(photoPath, PhotoFrames::photoRect({}, *size).size(), context);
    if (!photo)
        return 1;
    const std::optional<QImage> sheet = load(sheetPath, QSize(), context);
    if (!sheet)
        return 1;
    if (sheet->size() != QSize(500, 260))
        return context.fail(
            QStringLiteral("%1 is geen velletje van 500 x 260 pixels.").arg(QFileInfo(sheetPath).fileName()));
    QImage canvas = sheet->convertToFormat(QImage::Format_RGB32);
    PhotoFrames::placeInFrames(canvas, *photo, *layout, *size, *fit);
    if (const int status = writePictureOutput(canvas, output, format, context); status != 0)
        return status;
    context.note(outputName(output) + QStringLiteral(": vijf foto's geplaatst"));
    return 0;
}

const CliRegistration photosCommand({
    .name = QStringLiteral("photos"),
    .usage = {QStringLiteral("sheet|block groot|klein FOTO INVOER UITVOER [--fit uitrekken|bijsnijden|passen]")},
    .summary = QStringLiteral("zet FOTO in de vijf fotovakken van het velletje of verzamelblokje INVOER (500 x 260)"),
    .options = {FitOption},
    .minArguments = 5,
    .maxArguments = 5,
    .notes = QStringLiteral("Uitrekken vult het vak met de hele foto, bijsnijden vult het met het midden van de foto\n"
                            "in de verhouding van het vak, passen zet de hele foto in het midden van het vak.\n") +
             streamNotes(),
    .run = photos,
});

} // namespace
