#include "canvas/picture_difference.h"

#include <algorithm>

QRect changedRect(const QImage& a, const QImage& b)
{
    int top = -1, bottom = -1, left = a.width(), right = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        if (std::equal(ra, ra + a.width(), rb))
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int l = 0;
        while (ra[l] == rb[l])
            ++l;
        int r = a.width() - 1;
        while (ra[r] == rb[r])
            --r;
        left = std::min(left, l);
        right = std::max(right, r);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}
