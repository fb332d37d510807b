// velinor-cli filter: one canvas operation (a filter, the sepia tint, the
// transparency raster, a flip or a border) on one picture, or on many
// pictures into a folder in one go.

#include "app/picture_file.h"
#include "cli/cli_command.h"
#include "cli/cli_files.h"
#include "filters/canvas_operations.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

const CanvasOperationsRegistration filterOperationNames(filterOperations());

const QCommandLineOption ListOption(QStringLiteral("list"), QStringLiteral("toon de namen van alle bewerkingen"));
const QCommandLineOption OutputOption({QStringLiteral("o"), QStringLiteral("output")},
                                      QStringLiteral("schrijf elke uitkomst in MAP, onder de naam van zijn invoer"),
                                      QStringLiteral("MAP"));
const QCommandLineOption SeedOption(QStringLiteral("seed"),
                                    QStringLiteral("startwaarde van het toeval: dezelfde N geeft dezelfde ruis"),
                                    QStringLiteral("N"));
const QCommandLineOption ColorOption(QStringLiteral("color"),
                                     QStringLiteral("de kleur van bewerkingen met een kleur, drie getallen 0..255"),
                                     QStringLiteral("R,G,B"));

const QList<QByteArray> OutputFormats{"png", "bmp"};

struct FilterJob
{
    const NamedCanvasOperation* operation = nullptr;
    QString name;
    std::optional<std::uint64_t> seed;
    int r = 0, g = 0, b = 0;
};

// The colour of --color: three whole numbers 0..255 separated by commas.
bool parseColour(const QString& text, FilterJob& job)
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
    job.r = values[0];
    job.g = values[1];
    job.b = values[2];
    return true;
}

// The operation and its options; an error text, empty when they are well formed.
QString parseJob(const QCommandLineParser& call, FilterJob& job)
{
    job.name = call.positionalArguments().first();
    job.operation = findCanvasOperation(job.name);
    if (!job.operation)
        return QStringLiteral("Onbekende bewerking: %1 (velinor-cli filter --list toont ze).").arg(job.name);
    bool ok = true;
    if (call.isSet(SeedOption))
        job.seed = call.value(SeedOption).toULongLong(&ok);
    if (!ok)
        return QStringLiteral("Ongeldige waarde voor --seed: %1").arg(call.value(SeedOption));
    if (call.isSet(ColorOption) && !parseColour(call.value(ColorOption), job))
        return QStringLiteral("Ongeldige waarde voor --color: %1").arg(call.value(ColorOption));
    return QString();
}

// Reads, changes and writes one picture; the exit status.
int filterOne(const FilterJob& job, const QString& input, const QString& output, CliContext& context)
{
    const InputFile file(input, context);
    if (!file.ok())
        return 1;
    const PictureFile::Picture read = PictureFile::read(file.path());
    if (!read.ok())
        return context.fail(read.error);
    QImage picture = read.image;
    if (!job.operation->anySize && picture.size() != QSize(500, 260))
        return context.fail(
            QStringLiteral("De bewerking %1 vraagt een afbeelding van 500 x 260 pixels; %2 is %3 x %4 pixels.")
                .arg(job.name, input)
                .arg(picture.width())
                .arg(picture.height()));
    picture = picture.convertToFormat(QImage::Format_RGB32);
    FilterEngine engine(job.seed.value_or(RandomGenerator::clockSeed()));
    CanvasContext canvas{engine, job.r, job.g, job.b, {}, {}, &context.folder};
    job.operation->run(picture, canvas);
    return writePictureOutput(picture, output, pictureFormat(output, OutputFormats), context);
}

// Where each input's result goes in the folder: its own name, as .png unless it is a .png or .bmp.
QStringList outputsInFolder(const QStringList& inputs, const QString& folder)
{
    QStringList outputs;
    for (const QString& input : inputs) {
        const QFileInfo info(input);
        const bool keeps = OutputFormats.contains(info.suffix().toLower().toLatin1());
        outputs << QDir(folder).filePath(keeps ? info.fileName() : info.completeBaseName() + QStringLiteral(".png"));
    }
    return outputs;
}

// An error text when the pairs cannot be done without losing a file; empty when they can.
QString pairsProblem(const QStringList& inputs, const QStringList& outputs)
{
    for (qsizetype i = 0; i < outputs.size(); ++i) {
        if (pictureFormat(outputs[i], OutputFormats).isEmpty())
            return QStringLiteral("Het uitvoerbestand moet eindigen op .png of .bmp: %1").arg(outputs[i]);
        if (outputs.indexOf(outputs[i]) != i)
            return QStringLiteral("%1 en %2 zouden allebei %3 worden.")
                .arg(inputs[outputs.indexOf(outputs[i])], inputs[i], outputs[i]);
    }
    return QString();
}

int runFilter(const QCommandLineParser& call, CliContext& context)
{
    if (call.isSet(ListOption)) {
        if (!call.positionalArguments().isEmpty())
            return context.usageError(QStringLiteral("--list neemt geen argumenten."));
        for (const NamedCanvasOperation& operation : NamedCanvasOperations())
            context.out << operation.name << '\n';
        return 0;
    }
    const QStringList files = call.positionalArguments().mid(1);
    const bool toFolder = call.isSet(OutputOption);
    if (files.isEmpty() || (!toFolder && files.size() != 2))
        return context.usageError(
            QStringLiteral("Geef een bewerking en een invoer- en uitvoerbestand, of invoerbestanden en -o MAP."));
    FilterJob job;
    if (const QString error = parseJob(call, job); !error.isEmpty())
        return context.usageError(error);
    const QStringList inputs = toFolder ? files : files.mid(0, 1);
    if (toFolder && inputs.contains(StandardStream))
        return context.usageError(
            QStringLiteral("Met -o krijgt elke uitkomst de naam van zijn invoer; - heeft geen naam."));
    const QStringList outputs = toFolder ? outputsInFolder(inputs, call.value(OutputOption)) : files.mid(1);
    if (const QString problem = pairsProblem(inputs, outputs); !problem.isEmpty())
        return context.usageError(problem);
    if (readsStandardInputTwice(inputs, context))
        return CliUsageError;
    for (const QString& output : outputs) {
        if (writesOverInput(output, inputs, context))
            return CliUsageError;
    }
    if (toFolder && !QFileInfo(call.value(OutputOption)).isDir())
        return context.fail(QStringLiteral("De map %1 bestaat niet.").arg(call.value(OutputOption)));
    // Each picture on its own: one that cannot be read does not stop the others.
    int status = 0;
    for (qsizetype i = 0; i < inputs.size(); ++i)
        status = std::max(status, filterOne(job, inputs[i], outputs[i], context));
    return status;
}

const CliRegistration filterCommand({
    .name = QStringLiteral("filter"),
    .usage = {QStringLiteral("NAAM INVOER UITVOER [--seed N] [--color R,G,B]"),
              QStringLiteral("NAAM INVOER... -o MAP [--seed N] [--color R,G,B]"), QStringLiteral("--list")},
    .summary = QStringLiteral("pas een tekenfilter, spiegeling of rand toe op een afbeelding (.png of .bmp)"),
    .options = {OutputOption, SeedOption, ColorOption, ListOption},
    .maxArguments = -1,
    .notes = streamNotes() +
             QStringLiteral("Met -o wordt foto.png MAP/foto.png, foto.bmp MAP/foto.bmp en foto.jpg MAP/foto.png. Een\n"
                            "afbeelding die niet lukt, stopt de andere niet; de afsluitcode is dan 1.\n"),
    .run = runFilter,
});

} // namespace
