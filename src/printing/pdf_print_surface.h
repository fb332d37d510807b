#pragma once

// The print surface as a PDF file: A4 portrait at true scale (1440 twips are
// one inch on the page) with the printable area inset by a fixed margin, as
// a typical printer has it. The file is replaced only when the document is
// complete, so a failed job never leaves half a PDF behind.

#include "printing/painter_print_surface.h"

#include <QPdfWriter>
#include <QSaveFile>

namespace detail {

// The file and its writer, made before the surface that paints on them.
struct PdfBestand
{
    explicit PdfBestand(const QString& path);
    QSaveFile file;
    QPdfWriter writer;
};

} // namespace detail

class PdfPrintSurface final : private detail::PdfBestand, public PainterPrintSurface
{
public:
    // The printable area's origin on the page: a quarter inch from the left and the top edge.
    static constexpr double MargeTwips = 360.0;

    explicit PdfPrintSurface(const QString& path);

    // Why the file could not be written, after endDoc returned false.
    QString errorString() const { return file.errorString(); }

protected:
    bool completeDocument(bool painted) override;
};
