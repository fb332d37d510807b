#pragma once

// The printer model the page layouts are written in: positions and sizes in
// twips from the top-left corner of the printable area, a current position,
// the font (name, size in points, bold) and colour of the text, text placed
// with its top-left at the current position, lines, pictures stretched into a
// box, new page and end of document. Devices derive from it and draw.

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>

struct PrintFont
{
    QString name = QStringLiteral("Arial");
    double size = 12.0; // points; 1 point is 20 twips
    bool bold = false;

    bool operator==(const PrintFont&) const = default;
};

class PrintSurface
{
public:
    virtual ~PrintSurface() = default;

    // The job preamble every layout starts with: twips, portrait, the number of copies, "Arial".
    void startJob(int copies);

    void setPosition(double x, double y);

    void setFontName(const QString& name) { m_font.name = name; }
    void setFontSize(double points) { m_font.size = points; }
    void setFontBold(bool bold) { m_font.bold = bold; }
    const PrintFont& font() const { return m_font; }

    void setColour(const QColor& colour) { m_colour = colour; }
    QColor colour() const { return m_colour; }

    // Prints the text with its top-left at the current position; the position
    // then moves to the start of the next line, as a printer's text output does.
    void print(const QString& text);
    // The printed width of the text in the current font, in twips.
    double textWidth(const QString& text) const;

    void line(QPointF from, QPointF to, const QColor& colour);
    // The whole picture stretched into the box; false when it could not be painted.
    bool paintPicture(const QImage& picture, const QRectF& box);

    void newPage();
    // Ends the document and sends it; false when the device failed somewhere in the job.
    bool endDoc();
    // The next count ends of a document become page breaks within it (see printCopies).
    void holdEnds(int count) { m_endsHeld = count; }

    int pageCount() const { return m_pages; }

protected:
    virtual void beginJob(int copies) = 0;
    virtual void drawText(QPointF topLeft, const QString& text, const PrintFont& font, const QColor& colour) = 0;
    virtual double measureText(const QString& text, const PrintFont& font) const = 0;
    virtual double lineHeight(const PrintFont& font) const = 0;
    virtual void drawLine(QPointF from, QPointF to, const QColor& colour) = 0;
    virtual bool drawPicture(const QImage& picture, const QRectF& box) = 0;
    virtual void beginPage() = 0;
    virtual bool finish() = 0;

private:
    double m_x = 0;
    double m_y = 0;
    PrintFont m_font;
    QColor m_colour = Qt::black;
    int m_pages = 1;
    int m_endsHeld = 0;
    bool m_continuing = false;
};

// A rectangle outline as four black lines: top, right side, bottom, left side.
void PrintKader(PrintSurface& surface, float x1, float y1, float x2, float y2);

// The number of copies from the copies box: a whole number from 1 to 10 as
// given; any other text prints one copy.
int copiesOf(const QString& text);

// A layout run as one document: it starts the job with the copies it is given and ends the document.
using PrintLayout = std::function<bool(PrintSurface& surface, int copies)>;

// Copies of a document on a device that cannot repeat one itself (a PDF file): the layout runs
// once per copy into one document, each copy starting on a new page.
bool printCopies(PrintSurface& surface, int copies, const PrintLayout& layout);
