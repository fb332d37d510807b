#pragma once

// The print surface on a paged Qt device (a QPdfWriter, or a QPrinter from the
// windows). The device's painting origin is the printable area's top-left;
// the painter is scaled so that one logical unit is one twip.

#include "printing/print_surface.h"

#include <QPainter>

class QPagedPaintDevice;

class PainterPrintSurface : public PrintSurface
{
public:
    // Lines are drawn this wide: about one dot of a 600 dpi printer.
    static constexpr double LineWidth = 3.0;

    explicit PainterPrintSurface(QPagedPaintDevice& device);
    ~PainterPrintSurface() override;

protected:
    // Settings that must reach the device before painting starts (orientation, copies).
    virtual void prepareDevice(int copies);
    // Called after the painter has ended; false when the finished document could not be kept.
    virtual bool completeDocument(bool painted) { return painted; }

    void beginJob(int copies) override;
    void drawText(QPointF topLeft, const QString& text, const PrintFont& font, const QColor& colour) override;
    double measureText(const QString& text, const PrintFont& font) const override;
    double lineHeight(const PrintFont& font) const override;
    void drawLine(QPointF from, QPointF to, const QColor& colour) override;
    bool drawPicture(const QImage& picture, const QRectF& box) override;
    void beginPage() override;
    bool finish() override;

private:
    bool ensurePainting();

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    bool m_failed = false;
};

// A font in twips: the pixel size is the point size times 20.
QFont TwipsFont(const PrintFont& font);
