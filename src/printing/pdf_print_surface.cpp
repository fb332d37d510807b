#include "printing/pdf_print_surface.h"

#include "app/safe_file.h"

#include <QPageLayout>
#include <QPageSize>

detail::PdfDocument::PdfDocument()
    : buffer(&bytes)
    , writer(&buffer)
{
    buffer.open(QIODevice::WriteOnly);
    writer.setResolution(1440);
    writer.setCreator(QStringLiteral("Velinor"));
    writer.setTitle(QStringLiteral("Velinor"));
    const double margin = PdfPrintSurface::MarginTwips / 20.0; // in points
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Point));
}

PdfPrintSurface::PdfPrintSurface(QString path)
    : PainterPrintSurface(writer)
    , m_path(std::move(path))
{}

bool PdfPrintSurface::completeDocument(bool painted)
{
    if (!painted) {
        m_error = QStringLiteral("het document kon niet worden opgemaakt");
        return false;
    }
    const SafeFile::Result written = SafeFile::replace(m_path, bytes);
    m_error = written.reason;
    return written.ok;
}

PdfResult printPdf(const QString& path, int copies, const PrintLayout& layout)
{
    PdfPrintSurface surface(path);
    if (!printCopies(surface, copies, layout))
        return {false, surface.pageCount(), surface.errorString()};
    return {true, surface.pageCount(), QString()};
}
