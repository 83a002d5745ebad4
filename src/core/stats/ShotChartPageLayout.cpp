#include "core/stats/ShotChartPageLayout.h"

#include <algorithm>

namespace courtlog::stats {

ShotChartPageLayout shotChartPageLayout(int pageWidth, int pageHeight, scoring::PictureSize picture, int textHeight,
                                        int linesBelow) {
    ShotChartPageLayout layout;
    if (picture.width <= 0 || picture.height <= 0) return layout;
    const long long top = pageHeight / 15;
    // Taken from the page height too, so the legend and the zones stay on
    // the page instead of falling off its bottom under a page-high picture.
    const long long below = static_cast<long long>(textHeight) * (linesBelow + 1);
    long long scale = pageWidth / picture.width;
    while (scale > 1 && pageHeight - top - below < scale * picture.height) --scale;
    layout.scale = static_cast<int>(std::max(1LL, scale));
    layout.pictureWidth = layout.scale * picture.width;
    layout.pictureHeight = layout.scale * picture.height;
    layout.pictureLeft = (pageWidth - layout.pictureWidth) / 2;
    layout.pictureTop = static_cast<int>(top);
    layout.titleTop = layout.pictureTop - 2 * textHeight;
    layout.subtitleTop = layout.pictureTop - textHeight;
    layout.belowTop = layout.pictureTop + layout.pictureHeight + textHeight / 2;
    return layout;
}

}  // namespace courtlog::stats
