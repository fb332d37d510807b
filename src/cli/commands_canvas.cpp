// velinor-cli commands of the canvas: the frame photos of a sheetlet or a
// collector's block, for a whole folder of sheetlets in one go.

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "perforation/photo_frames.h"
#include "perforation/photo_loader.h"

#include <QFileInfo>
#include <QImageWriter>

namespace {

const QString Usage = QStringLiteral("Gebruik: velinor-cli photos sheet|block groot|klein FOTO INVOER UITVOER\n");

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

int photos(const QStringList& arguments, CliContext& context)
{
    const std::optional<PhotoLayout> layout = arguments.size() == 5 ? layoutOf(arguments.at(0)) : std::nullopt;
    const std::optional<PhotoSize> size = arguments.size() == 5 ? sizeOf(arguments.at(1)) : std::nullopt;
    const QByteArray format =
        arguments.size() == 5 ? QFileInfo(arguments.at(4)).suffix().toLower().toLatin1() : QByteArray();
    if (!layout || !size) {
        context.err << Usage;
        return CliUsageError;
    }
    if (!QImageWriter::supportedImageFormats().contains(format)) {
        context.err << "Onbekend soort uitvoer '" << arguments.at(4) << "': gebruik .bmp, .jpg of .png\n" << Usage;
        return CliUsageError;
    }
    if (writesOverInput(arguments.at(4), {arguments.at(2), arguments.at(3)}, context))
        return CliUsageError;
    const PhotoFile photo = PhotoLoader::load(arguments.at(2), PhotoFrames::photoRect({}, *size).size());
    if (!photo.ok()) {
        context.err << photo.error << '\n';
        return 1;
    }
    const PhotoFile sheet = PhotoLoader::load(arguments.at(3));
    if (!sheet.ok()) {
        context.err << sheet.error << '\n';
        return 1;
    }
    if (sheet.image.size() != QSize(500, 260)) {
        context.err << QFileInfo(arguments.at(3)).fileName() << " is geen velletje van 500 x 260 pixels.\n";
        return 1;
    }
    QImage canvas = sheet.image.convertToFormat(QImage::Format_RGB32);
    PhotoFrames::placeInFrames(canvas, photo.image, *layout, *size);
    if (const int status = writePictureOutput(canvas, arguments.at(4), format, context); status != 0)
        return status;
    context.out << QFileInfo(arguments.at(4)).fileName() << ": vijf foto's geplaatst\n";
    return 0;
}

const CliRegistration photosCommand({
    QStringLiteral("photos"),
    QStringLiteral("sheet|block groot|klein FOTO INVOER UITVOER"),
    QStringLiteral("zet FOTO in de vijf fotovakken van het velletje of verzamelblokje INVOER (500 x 260)"),
    photos,
});

} // namespace
