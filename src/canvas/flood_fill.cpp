#include "canvas/flood_fill.h"

#include <vector>

namespace {

struct Span
{
    int left, right, y;
};

// A scan-line fill: each stack entry is a span already painted whose rows
// above and below still have to be searched for pixels of the old colour.
class ScanlineFill
{
public:
    ScanlineFill(QImage& image, QRgb target, QRgb fill)
        : m_image(image)
        , m_target(target & 0xffffffu)
        , m_fill(fill | 0xff000000u)
    {}

    int run(QPoint start)
    {
        m_stack.push_back(paintSpan(start.x(), start.y()));
        while (!m_stack.empty()) {
            const Span span = m_stack.back();
            m_stack.pop_back();
            searchRow(span, span.y - 1);
            searchRow(span, span.y + 1);
        }
        return m_painted;
    }

private:
    bool matches(const QRgb* row, int x) const { return (row[x] & 0xffffffu) == m_target; }

    // Paints the run of target pixels through (x, y) and returns it.
    Span paintSpan(int x, int y)
    {
        auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        int left = x, right = x;
        while (left > 0 && matches(row, left - 1))
            --left;
        while (right < m_image.width() - 1 && matches(row, right + 1))
            ++right;
        for (int i = left; i <= right; ++i)
            row[i] = m_fill;
        m_painted += right - left + 1;
        return {left, right, y};
    }

    void searchRow(const Span& span, int y)
    {
        if (y < 0 || y >= m_image.height())
            return;
        const auto* row = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
        for (int x = span.left; x <= span.right; ++x) {
            if (!matches(row, x))
                continue;
            const Span painted = paintSpan(x, y);
            m_stack.push_back(painted);
            x = painted.right;
        }
    }

    QImage& m_image;
    QRgb m_target;
    QRgb m_fill;
    int m_painted = 0;
    std::vector<Span> m_stack;
};

} // namespace

int fillConnectedArea(QImage& image, QPoint start, QRgb fill)
{
    if (!image.rect().contains(start))
        return 0;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        return 0;
    const QRgb target = image.pixel(start);
    // Filling an area with its own colour would change nothing; it must not loop either.
    if ((target & 0xffffffu) == (fill & 0xffffffu))
        return 0;
    return ScanlineFill(image, target, fill).run(start);
}
