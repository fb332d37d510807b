#include "cli/cli_files.h"

#include "app/picture_file.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

bool sameFile(const QString& a, const QString& b)
{
    if (a == StandardStream || b == StandardStream)
        return false;
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath())
        return true;
    std::error_code error;
    const std::filesystem::path pa(QFile::encodeName(a).toStdString()), pb(QFile::encodeName(b).toStdString());
    return std::filesystem::equivalent(pa, pb, error) && !error;
}

// Standard input whole, or nothing when it holds more than any picture the program reads.
std::optional<QByteArray> readStandardInput()
{
    QFile stream;
    if (!stream.open(fileno(stdin), QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
        return std::nullopt;
    QByteArray bytes;
    while (bytes.size() <= PictureFile::MaximumDecodeBytes) {
        const QByteArray block = stream.read(1 << 20);
        if (block.isEmpty())
            return stream.error() == QFileDevice::NoError ? std::optional(bytes) : std::nullopt;
        bytes += block;
    }
    return std::nullopt;
}

} // namespace

int writeStandardOutput(const QByteArray& bytes, CliContext& context)
{
    context.stdoutCarriesData();
    QFile stream;
    errno = 0;
    if (stream.open(fileno(stdout), QIODevice::WriteOnly, QFileDevice::DontCloseHandle) &&
        stream.write(bytes) == bytes.size() && stream.flush())
        return 0;
    return context.fail(
        QStringLiteral("Kan niet naar de standaarduitvoer schrijven: %1.").arg(SafeFile::reason(errno)));
}

QString outputName(const QString& path)
{
    return path == StandardStream ? QStringLiteral("standaarduitvoer") : QFileInfo(path).fileName();
}

bool writesOverInput(const QString& output, const QStringList& inputs, CliContext& context)
{
    for (const QString& input : inputs) {
        if (sameFile(output, input)) {
            context.fail(
                QStringLiteral("Het uitvoerbestand %1 is ook een invoerbestand (%2); kies een ander uitvoerbestand.")
                    .arg(output, input));
            return true;
        }
    }
    return false;
}

bool readsStandardInputTwice(const QStringList& inputs, CliContext& context)
{
    if (inputs.count(StandardStream) < 2)
        return false;
    context.usageError(QStringLiteral("De standaardinvoer kan maar één keer gelezen worden; geef één - als invoer."));
    return true;
}

QByteArray pictureFormat(const QString& path, const QList<QByteArray>& allowed)
{
    if (path == StandardStream)
        return "png";
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    return allowed.contains(suffix) ? suffix : QByteArray();
}

int writePictureOutput(const QImage& picture, const QString& path, const QByteArray& format, CliContext& context)
{
    if (path == StandardStream) {
        const std::optional<QByteArray> bytes = PictureFile::encode(picture, format);
        return bytes ? writeStandardOutput(*bytes, context)
                     : context.fail(QStringLiteral("De afbeelding kan niet als %1 worden opgeslagen.")
                                        .arg(QString::fromLatin1(format)));
    }
    if (const SafeFile::Result written = PictureFile::write(picture, path, format); !written)
        return context.fail(SafeFile::failureText(path, written));
    return 0;
}

int copyToStandardOutput(const QString& madePath, CliContext& context)
{
    QFile made(madePath);
    if (!made.open(QIODevice::ReadOnly))
        return context.fail(QStringLiteral("Het tijdelijke bestand %1 is verdwenen.").arg(madePath));
    return writeStandardOutput(made.readAll(), context);
}

InputFile::InputFile(const QString& path, CliContext& context)
{
    if (path != StandardStream) {
        m_path = path;
        return;
    }
    const std::optional<QByteArray> bytes = readStandardInput();
    if (!bytes) {
        context.fail(
            QStringLiteral("De standaardinvoer kan niet gelezen worden of is groter dan een afbeelding mag zijn."));
        return;
    }
    m_folder = std::make_unique<QTemporaryDir>();
    const QString copy = m_folder->filePath(QStringLiteral("standaardinvoer"));
    if (const SafeFile::Result written = SafeFile::replace(copy, *bytes); !written) {
        context.fail(SafeFile::failureText(copy, written));
        return;
    }
    m_path = copy;
}
