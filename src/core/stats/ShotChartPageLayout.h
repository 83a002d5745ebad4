#pragma once

#include "core/scoring/ShotSpot.h"

namespace courtlog::stats {

// Where the printed shot chart goes on a page, in page units from the page's
// top left. The court picture is enlarged by the largest whole factor that
// fits the page width and leaves the top fifteenth of the page free for the
// title and room under the picture for the lines printed below it (the
// legend and the zone figures), never less than 1.
struct ShotChartPageLayout {
    int scale = 1;
    int pictureLeft = 0;  // the enlarged picture, centred across the page
    int pictureTop = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    int titleTop = 0;     // "Shot Analysis for ...", two text heights above the picture
    int subtitleTop = 0;  // "All Shots for ...", one text height above it
    int belowTop = 0;     // the first line under the picture
};

ShotChartPageLayout shotChartPageLayout(int pageWidth, int pageHeight, scoring::PictureSize picture, int textHeight,
                                        int linesBelow);

}  // namespace courtlog::stats
