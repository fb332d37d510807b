// velinor-cli commands of the geography windows: the map with its places as
// a picture, and the place names for a letter.

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/map_plotter.h"
#include "geography/place_names.h"

#include <QImageWriter>

namespace {

int map(const QCommandLineParser& call, CliContext& context)
{
    const QString output = call.positionalArguments().first();
    const QString coordinates = context.folder.path(MapPlaces::FileName);
    if (writesOverInput(output, {coordinates}, context))
        return CliUsageError;
    const QByteArray format = pictureFormat(output, QImageWriter::supportedImageFormats());
    if (format.isEmpty())
        return context.usageError(
            QStringLiteral("Onbekend soort uitvoer '%1': gebruik .png, .bmp of .jpg.").arg(output));
    QImage map = MapPicture::draw();
    MapPlotter plotter(map);
    plotter.start();
    for (const MapPlace& place : MapPlaces::read(coordinates))
        plotter.plot(place);
    if (const int status = writePictureOutput(map, output, format, context); status != 0)
        return status;
    context.note(plotter.counterText());
    return 0;
}

const CliRegistration mapCommand({
    .name = QStringLiteral("kaart"),
    .usage = {QStringLiteral("UIT.png")},
    .summary = QStringLiteral("teken de landkaart met de plaatsen uit Data/coordinaten.cor"),
    .minArguments = 1,
    .maxArguments = 1,
    .notes = streamNotes(),
    .run = map,
});

int placeNames(const QCommandLineParser& call, CliContext& context)
{
    const QString letter = call.positionalArguments().first();
    if (!PlaceNames::letters().contains(letter))
        return context.usageError(QStringLiteral("Geef een hoofdletter A..Z of ' (niet %1).").arg(letter));
    const QStringList names = PlaceNames::forLetter(context.folder.path(PlaceNames::FileName), letter);
    for (const QString& name : names)
        context.out << name << '\n';
    context.out << names.size() << " Plaatsnamen\n";
    return 0;
}

const CliRegistration namesCommand({
    .name = QStringLiteral("plaatsnamen"),
    .usage = {QStringLiteral("LETTER")},
    .summary = QStringLiteral("toon de plaatsnamen die met LETTER beginnen (A..Z of ')"),
    .minArguments = 1,
    .maxArguments = 1,
    .run = placeNames,
});

} // namespace
