// velinor-cli commands of the geography windows: the map with its places as
// a picture, and the place names for a letter.

#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "geography/map_picture.h"
#include "geography/map_places.h"
#include "geography/map_plotter.h"
#include "geography/place_names.h"

#include <QFileInfo>
#include <QImageWriter>

namespace {

const CliRegistration mapCommand({
    QStringLiteral("kaart"),
    QStringLiteral("UIT.png"),
    QStringLiteral("teken de landkaart met de plaatsen uit Data/coordinaten.cor"),
    [](const QStringList& arguments, CliContext& context) {
        if (arguments.size() != 1) {
            context.err << "Gebruik: velinor-cli kaart UIT.png\n";
            return CliUsageError;
        }
        const QString coordinates = context.folder.path(MapPlaces::FileName);
        if (writesOverInput(arguments.first(), {coordinates}, context))
            return CliUsageError;
        QImage map = MapPicture::draw();
        MapPlotter plotter(map);
        plotter.start();
        for (const MapPlace& place : MapPlaces::read(coordinates))
            plotter.plot(place);
        const QByteArray format = QFileInfo(arguments.first()).suffix().toLower().toLatin1();
        if (!QImageWriter::supportedImageFormats().contains(format)) {
            context.err << "Onbekend soort uitvoer '" << arguments.first() << "': gebruik .png, .bmp of .jpg\n";
            return CliUsageError;
        }
        if (const int status = writePictureOutput(map, arguments.first(), format, context); status != 0)
            return status;
        context.out << plotter.counterText() << '\n';
        return 0;
    },
});

const CliRegistration namesCommand({
    QStringLiteral("plaatsnamen"),
    QStringLiteral("LETTER"),
    QStringLiteral("toon de plaatsnamen die met LETTER beginnen (A..Z of ')"),
    [](const QStringList& arguments, CliContext& context) {
        if (arguments.size() != 1 || !PlaceNames::letters().contains(arguments.first())) {
            context.err << "Gebruik: velinor-cli plaatsnamen LETTER   (een hoofdletter A..Z of ')\n";
            return CliUsageError;
        }
        const QStringList names = PlaceNames::forLetter(context.folder.path(PlaceNames::FileName), arguments.first());
        for (const QString& name : names)
            context.out << name << '\n';
        context.out << names.size() << " Plaatsnamen\n";
        return 0;
    },
});

} // namespace
