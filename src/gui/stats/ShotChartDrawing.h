#pragma once

#include <QImage>
#include <QString>
#include <vector>

#include "core/stats/ShotChartFigures.h"

class QPainter;
class QRect;

namespace courtlog::gui::stats {

// The colour of a made shot's dot, on screen and on paper.
inline constexpr QRgb kMadeShotColour = qRgb(0, 255, 100);

// The chart as the window shows it: the court picture at area's top left at
// its natural size, each shown make a green dot 7 pixels across and each
// shown miss a one-pixel red cross, centred on the spot exactly as stored.
// Without a picture only the marks are drawn.
void drawShotChart(QPainter& painter, const QRect& area, const QImage& court,
                   const courtlog::stats::ShotChartFigures& figures);

// What the printed page says besides the marks.
struct ShotChartPageTexts {
    QString title;     // "Shot Analysis for Hawks"
    QString subtitle;  // "All Shots for Whole Game"
};

// The printed page: the one-bit court enlarged by a whole factor, the two
// title lines above it, the marks, and under it "o - Made %d, x - Missed %d"
// and the zone figures, all in Arial of a fortieth of the page width.
void drawShotChartPage(QPainter& painter, const QRect& page, const QImage& printCourt,
                       const ShotChartPageTexts& texts, const courtlog::stats::ShotChartFigures& figures);

}  // namespace courtlog::gui::stats
