#include "printing/contact_sheet.h"

#include "app/picture_file.h"
#include "printing/print_surface.h"

#include <QDir>
#include <QFileInfo>

#include <QThreadPool>

#include <future>
#include <memory>

QStringList sheetletFiles(const ProgramFolder& folder)
{
    const QDir images(folder.path(QStringLiteral("Images")));
    if (!images.exists())
        return {};
    const QStringList names =
        images.entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names)
        paths.append(images.filePath(name));
    return paths;
}

QString sheetletCaption(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

QString fittedCaption(const PrintSurface& surface, const QString& caption)
{
    if (surface.textWidth(caption) <= ContactSheetLayout::CaptionWidth)
        return caption;
    const QChar ellipsis(0x2026);
    QString cut = caption;
    while (!cut.isEmpty() && surface.textWidth(cut + ellipsis) > ContactSheetLayout::CaptionWidth)
        cut.chop(1);
    return cut + ellipsis;
}

QImage readSheetlet(const QString& path)
{
    // Twice the printed size at 600 dpi is ample for any printer. A picture that
    // cannot be read leaves its frame empty, with its caption below.
    return PictureFile::read(path, PictureFile::ReadOptions::within(QSize(1600, 850))).image;
}

bool PrintVelletjes(PrintSurface& surface, const QStringList& files, int copies)
{
    using namespace ContactSheetLayout;
    surface.startJob(copies);
    surface.setFontBold(true);
    surface.setFontSize(26);
    surface.setColour(QColor(40, 140, 40));
    surface.setPosition(300, 300);
    surface.print(QStringLiteral("Velinor"));

    surface.setColour(QColor(80, 80, 80));
    surface.setFontBold(false);
    surface.setFontSize(9);
    double x = StartX;
    double y = StartY;
    // The next picture is read on another core while the surface takes this one (a PDF encodes
    // it again): the two take about as long, and the sheet of a large collection half as long.
    // One reading thread serves the whole sheet, rather than a new thread for every picture.
    QThreadPool reader;
    reader.setMaxThreadCount(1);
    const auto readAhead = [&reader](const QString& path) {
        auto picture = std::make_shared<std::promise<QImage>>();
        reader.start([picture, path] { picture->set_value(readSheetlet(path)); });
        return picture->get_future();
    };
    std::future<QImage> next;
    if (!files.isEmpty())
        next = readAhead(files.first());
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QImage picture = next.get();
        if (i + 1 < files.size())
            next = readAhead(files.at(i + 1));
        surface.paintPicture(picture, QRectF(x, y, PictureWidth, PictureHeight));
        surface.setPosition(x, y + CaptionY);
        surface.print(fittedCaption(surface, sheetletCaption(files.at(i))));
        x += ColumnSpacing;
        if (x > LastX) {
            x = StartX;
            y += RowSpacing;
        }
        // A new page only when another picture follows, so a full last page adds no empty one.
        if (y > LastY && i + 1 < files.size()) {
            surface.newPage();
            x = StartX;
            y = NextPageY;
        }
    }
    return surface.endDoc();
}
