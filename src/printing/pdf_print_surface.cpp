#include "printing/pdf_print_surface.h"

#include <QPageLayout>
#include <QPageSize>

detail::PdfBestand::PdfBestand(const QString& path)
    : file(path)
    , writer(&file)
{
    file.open(QIODevice::WriteOnly);
    writer.setResolution(1440);
    writer.setCreator(QStringLiteral("Velinor"));
    writer.setTitle(QStringLiteral("Velinor"));
    const double margin = PdfPrintSurface::MargeTwips / 20.0; // in points
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(margin, margin, margin, margin), QPageLayout::Point));
}

PdfPrintSurface::PdfPrintSurface(const QString& path)
    : detail::PdfBestand(path)
    , PainterPrintSurface(writer)
{}

bool PdfPrintSurface::completeDocument(bool painted)
{
    if (!painted || !file.isOpen()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
