#include "cli/cli_files.h"

#include "app/picture_file.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

bool sameFile(const QString& a, const QString& b)
{
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath())
        return true;
    std::error_code error;
    const std::filesystem::path pa(QFile::encodeName(a).toStdString()), pb(QFile::encodeName(b).toStdString());
    return std::filesystem::equivalent(pa, pb, error) && !error;
}

} // namespace

bool writesOverInput(const QString& output, const QStringList& inputs, CliContext& context)
{
    for (const QString& input : inputs) {
        if (sameFile(output, input)) {
            context.err << "Het uitvoerbestand " << output << " is ook een invoerbestand (" << input
                        << "); kies een ander uitvoerbestand.\n";
            return true;
        }
    }
    return false;
}

int writePictureOutput(const QImage& picture, const QString& path, const QByteArray& format, CliContext& context)
{
    if (const SafeFile::Result written = PictureFile::write(picture, path, format); !written) {
        context.err << SafeFile::failureText(path, written) << '\n';
        return 1;
    }
    return 0;
}
