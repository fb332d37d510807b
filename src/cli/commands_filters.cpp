// velinor-cli filter: one canvas operation (a filter, the sepia tint, the
// transparency raster, a flip or a border) on a picture file.

#include "app/picture_file.h"
#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "filters/canvas_operations.h"

#include <QFileInfo>

#include <optional>

namespace {

const CanvasOperationsRegistration filterOperationNames(filterOperations());

const QString Usage = QStringLiteral("Gebruik: velinor-cli filter NAAM INVOER UITVOER [--seed N] [--color R,G,B]\n"
                                     "        velinor-cli filter --list\n");

struct FilterArguments
{
    QStringList positional;
    std::optional<std::uint64_t> seed;
    int r = 0, g = 0, b = 0;
};

// The colour of --color: three whole numbers 0..255 separated by commas.
bool parseColour(const QString& text, FilterArguments& arguments)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return false;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < 0 || values[i] > 255)
            return false;
    }
    arguments.r = values[0];
    arguments.g = values[1];
    arguments.b = values[2];
    return true;
}

// Returns an error text, empty when the arguments are well formed.
QString parseArguments(const QStringList& list, FilterArguments& arguments)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString& argument = list[i];
        if (argument == QLatin1String("--seed") || argument == QLatin1String("--color")) {
            if (i + 1 >= list.size())
                return QStringLiteral("%1 vraagt een waarde.").arg(argument);
            const QString value = list[++i];
            bool ok = true;
            if (argument == QLatin1String("--seed"))
                arguments.seed = value.toULongLong(&ok);
            else
                ok = parseColour(value, arguments);
            if (!ok)
                return QStringLiteral("Ongeldige waarde voor %1: %2").arg(argument, value);
        } else if (argument.startsWith(QLatin1String("--"))) {
            return QStringLiteral("Onbekende optie: %1").arg(argument);
        } else {
            arguments.positional << argument;
        }
    }
    if (arguments.positional.size() != 3)
        return QStringLiteral("Geef een bewerking, een invoerbestand en een uitvoerbestand.");
    return QString();
}

QByteArray outputFormat(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "PNG";
    if (suffix == QLatin1String("bmp"))
        return "BMP";
    return {};
}

int usageError(CliContext& context, const QString& message)
{
    context.err << message << "\n\n" << Usage;
    return CliUsageError;
}

int runFilter(const QStringList& list, CliContext& context)
{
    if (list == QStringList{QStringLiteral("--list")}) {
        for (const NamedCanvasOperation& operation : NamedCanvasOperations())
            context.out << operation.name << '\n';
        return 0;
    }
    FilterArguments arguments;
    if (const QString error = parseArguments(list, arguments); !error.isEmpty())
        return usageError(context, error);
    const QString& name = arguments.positional[0];
    const QString& input = arguments.positional[1];
    const QString& output = arguments.positional[2];
    const NamedCanvasOperation* operation = findCanvasOperation(name);
    if (!operation)
        return usageError(context, QStringLiteral("Onbekende bewerking: %1 (velinor-cli filter --list toont ze)").arg(name));
    const QByteArray format = outputFormat(output);
    if (format.isEmpty())
        return usageError(context, QStringLiteral("Het uitvoerbestand moet eindigen op .png of .bmp: %1").arg(output));

    if (writesOverInput(output, {input}, context))
        return CliUsageError;
    const PictureFile::Picture read = PictureFile::read(input);
    if (!read.ok()) {
        context.err << read.error << '\n';
        return 1;
    }
    QImage picture = read.image;
    if (!operation->anySize && picture.size() != QSize(500, 260)) {
        context.err << QStringLiteral("De bewerking %1 vraagt een afbeelding van 500 x 260 pixels; %2 is %3 x %4 pixels.\n")
                           .arg(name, input)
                           .arg(picture.width())
                           .arg(picture.height());
        return 1;
    }
    picture = picture.convertToFormat(QImage::Format_RGB32);
    FilterEngine engine(arguments.seed.value_or(RandomGenerator::clockSeed()));
    CanvasContext canvas{engine, arguments.r, arguments.g, arguments.b, {}, {}, &context.folder};
    operation->run(picture, canvas);
    return writePictureOutput(picture, output, format, context);
}

const CliRegistration filterCommand({
    QStringLiteral("filter"),
    QStringLiteral("NAAM INVOER UITVOER [--seed N] [--color R,G,B] | --list"),
    QStringLiteral("pas een tekenfilter, spiegeling of rand toe op een afbeelding (.png of .bmp)"),
    runFilter,
});

} // namespace
