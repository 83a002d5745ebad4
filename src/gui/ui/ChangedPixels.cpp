#include "gui/ui/ChangedPixels.h"

#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace courtlog::gui::ui {

namespace {

// Rows are looked at in bands this high: fewer, wider rectangles than one
// per row, and hardly more drawing than the exact difference.
constexpr int kBandRows = 16;

QRect logical(const QRect& pixels, qreal ratio) {
    const int left = static_cast<int>(std::floor(pixels.left() / ratio));
    const int top = static_cast<int>(std::floor(pixels.top() / ratio));
    const int right = static_cast<int>(std::ceil((pixels.right() + 1) / ratio));
    const int bottom = static_cast<int>(std::ceil((pixels.bottom() + 1) / ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace

QRegion changedPixels(const QImage& before, const QImage& after, qreal ratio) {
    if (ratio <= 0) ratio = 1.0;
    if (before.size() != after.size() || before.format() != after.format() || before.depth() != 32)
        return QRegion(logical(QRect(QPoint(0, 0), after.size()), ratio));
    const int width = after.width();
    const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(quint32);
    QRegion changed;
    for (int bandTop = 0; bandTop < after.height(); bandTop += kBandRows) {
        const int bandBottom = std::min(after.height(), bandTop + kBandRows);
        int left = width;
        int right = -1;
        for (int y = bandTop; y < bandBottom; ++y) {
            const auto* was = reinterpret_cast<const quint32*>(before.constScanLine(y));
            const auto* is = reinterpret_cast<const quint32*>(after.constScanLine(y));
            if (std::memcmp(was, is, rowBytes) == 0) continue;
            int x = 0;
            while (x < left && was[x] == is[x]) ++x;
            left = std::min(left, x);
            int last = width - 1;
            while (last > right && was[last] == is[last]) --last;
            right = std::max(right, last);
        }
        if (right >= left) changed += logical(QRect(QPoint(left, bandTop), QPoint(right, bandBottom - 1)), ratio);
    }
    return changed;
}

}  // namespace courtlog::gui::ui
