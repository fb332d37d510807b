#pragma once

// The print surface as a PDF file: A4 portrait at true scale (1440 twips are
// one inch on the page) with the printable area inset by a fixed margin, as
// a typical printer has it. The document is made in memory and the file is
// replaced only when all of it is safely on disk, so a failed job never
// leaves half a PDF behind or takes an old one away.

#include "printing/painter_print_surface.h"

#include <QBuffer>
#include <QByteArray>
#include <QPdfWriter>

namespace detail {

// The document's bytes and their writer, made before the surface that paints on them.
struct PdfDocument
{
    PdfDocument();
    QByteArray bytes;
    QBuffer buffer;
    QPdfWriter writer;
};

} // namespace detail

class PdfPrintSurface final : private detail::PdfDocument, public PainterPrintSurface
{
public:
    // The printable area's origin on the page: a quarter inch from the left and the top edge.
    static constexpr double MarginTwips = 360.0;

    explicit PdfPrintSurface(QString path);

    // Why the file could not be written, after endDoc returned false.
    QString errorString() const { return m_error; }

protected:
    bool completeDocument(bool painted) override;

private:
    QString m_path;
    QString m_error;
};

// What writing a PDF file gave.
struct PdfResult
{
    bool ok = false;
    int pages = 0;
    QString error; // why not, in Dutch, when not ok
};

// The layout's document, copies times, as a PDF file at path: the one way every PDF of the
// program is made (the print dialog, "Opslaan als PDF" and velinor-cli).
PdfResult printPdf(const QString& path, int copies, const PrintLayout& layout);
