#pragma once

#include <QRectF>
#include <QRgb>
#include <QString>
#include <vector>

#include "core/stats/ShotChartFigures.h"

class QPainter;
class QRect;

namespace courtlog::gui::stats {

// The colour of a made shot's dot, on screen and on paper.
inline constexpr QRgb kMadeShotColour = qRgb(0, 255, 100);

// The chart as the window shows it: the court of the league's arc drawn
// over area (the upright court at any size), each shown make a green dot and
// each shown miss a red cross, centred on the spot as stored. Drawn at the
// court's own size (118 x 199) a dot is 7 pixels across and a cross one
// pixel thin; larger, both grow with the court.
void drawShotChart(QPainter& painter, const QRectF& area, int threePointArc,
                   const courtlog::stats::ShotChartFigures& figures);

// What the printed page says besides the marks.
struct ShotChartPageTexts {
    QString title;     // "Shot Analysis for Hawks"
    QString subtitle;  // "All Shots for Whole Game"
};

// The printed page: the court in black lines enlarged by a whole factor,
// the two title lines above it, the marks, and under it "o - Made %d, x -
// Missed %d" and the zone figures, all in Arial of a fortieth of the page
// width.
void drawShotChartPage(QPainter& painter, const QRect& page, int threePointArc, const ShotChartPageTexts& texts,
                       const courtlog::stats::ShotChartFigures& figures);

}  // namespace courtlog::gui::stats
