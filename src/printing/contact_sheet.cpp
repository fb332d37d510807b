#include "printing/contact_sheet.h"

#include "app/picture_file.h"
#include "documents/open_list.h"
#include "printing/print_surface.h"

#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

#include <future>
#include <memory>

namespace {

QStringList picturesOf(const ProgramFolder& folder, const QString& subfolder, const QString& pattern)
{
    const QDir images(folder.path(subfolder));
    if (!images.exists())
        return {};
    const QStringList names = images.entryList({pattern}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    QStringList paths;
    paths.reserve(names.size());
    for (const QString& name : names)
        paths.append(images.filePath(name));
    return paths;
}

} // namespace

QStringList sheetletFiles(const ProgramFolder& folder)
{
    return picturesOf(folder, QStringLiteral("Images"), QStringLiteral("*.jpg"));
}

QStringList designFiles(const ProgramFolder& folder)
{
    return picturesOf(folder, QStringLiteral("Supplementen"), QStringLiteral("*.bmp"));
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
    // A sheetlet picture is 500 x 260; anything else is refused from its header, before it is decoded. A
    // picture that cannot be read leaves its frame empty, with its caption below.
    return PictureFile::read(path, PictureFile::ReadOptions::exactly(SheetletSize)).image;
}

namespace {

// Reads the next sheetlet picture on another core while the surface takes the current one: a PDF
// encodes each picture again, which takes about as long as reading it, so a large collection's sheet
// takes half as long. One reading thread serves the whole sheet.
class SheetletReader
{
public:
    explicit SheetletReader(const QStringList& files)
        : m_files(files)
    {
        m_thread.setMaxThreadCount(1);
        if (!m_files.isEmpty())
            start(0);
    }

    // The picture of file i, once read; file i + 1 is read meanwhile. Files are taken in order.
    QImage take(qsizetype i)
    {
        QImage picture = m_next.get();
        if (i + 1 < m_files.size())
            start(i + 1);
        return picture;
    }

private:
    void start(qsizetype i)
    {
        auto picture = std::make_shared<std::promise<QImage>>();
        m_next = picture->get_future();
        m_thread.start([picture, path = m_files.at(i)] { picture->set_value(readSheetlet(path)); });
    }

    const QStringList& m_files;
    QThreadPool m_thread; // waits for a picture still being read when the sheet ends
    std::future<QImage> m_next;
};

} // namespace

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
    SheetletReader pictures(files);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QImage picture = pictures.take(i);
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
