#pragma once

#include <QPoint>
#include <QRectF>
#include <QTransform>

#include "core/scoring/ShotSpot.h"

class QPainter;

namespace courtlog::gui::ui {

// The full court the shot spot dialog, the shot chart and its printout
// show, drawn with the painter at any size: floor, boundary, half-court
// line and centre circle, and at each end the lane, the free-throw circle,
// backboard and rim and the league's three-point line.
//
// area is where the court as shown goes: the upright frame of 118 x 199
// (shot spots are stored in it) or, turned on its side, 199 x 118, each
// enlarged or reduced alike to area's size. Spots map to area and back
// through the same conversions the clicks use, so a spot clicked on the
// drawing is drawn where it was clicked at any size.

// On screen the court is in colour; on paper black lines on white.
enum class CourtInk { Screen, Paper };

void drawCourtMarkings(QPainter& painter, const QRectF& area, int threePointArc, int orientation, CourtInk ink);

// From the upright frame (a spot (x, y) being the square from (x, y) to
// (x + 1, y + 1)) to area showing the court in orientation.
QTransform courtToArea(const QRectF& area, int orientation);
// The middle of a spot in area, and the device pixel it falls on.
QPointF spotCentre(const QRectF& area, int orientation, courtlog::scoring::CourtPoint upright);
QPoint spotPixel(const QRectF& area, int orientation, courtlog::scoring::CourtPoint upright);
// The spot under a device pixel of area (the inverse of spotPixel).
courtlog::scoring::CourtPoint spotAt(const QRectF& area, int orientation, QPoint pixel);

// The largest area of the court's proportions in orientation centred in
// bounds.
QRectF courtAreaIn(const QRectF& bounds, int orientation);

}  // namespace courtlog::gui::ui
