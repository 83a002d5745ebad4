#include "gui/ui/CourtPainting.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/scoring/CourtGeometry.h"

namespace courtlog::gui::ui {

namespace {

using scoring::CourtPoint;
using scoring::PictureSize;
namespace court = scoring::court;

struct CourtColours {
    QColor apron, floor, paint, line, rim;
    bool filled;
};

const CourtColours& coloursOf(CourtInk ink) {
    static const CourtColours screen{QColor(40, 92, 56), QColor(236, 204, 150), QColor(214, 150, 96),
                                     QColor(64, 36, 16), QColor(232, 96, 24), true};
    static const CourtColours paper{Qt::white, Qt::white, Qt::white, Qt::black, Qt::black, false};
    return ink == CourtInk::Screen ? screen : paper;
}

QPointF toPointF(CourtPoint p) { return QPointF(p.x, p.y); }

// A place at one end, in the upright frame: across (ft, from the long axis)
// and depth (ft, from that end line into the court).
QPointF atEnd(bool top, double across, double depth) {
    const double x = court::kMiddleColumn + 0.5 + across * court::kPixelsPerFoot;
    return top ? QPointF(x, court::kTopEndLineRow + 0.5 + depth * court::kPixelsPerFoot)
               : QPointF(x, court::kBottomEndLineRow + 0.5 - depth * court::kPixelsPerFoot);
}

QRectF circleAround(QPointF centre, double radiusFeet) {
    const double r = radiusFeet * court::kPixelsPerFoot;
    return QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
}

// The part of a circle facing into the court from one end, leaving out
// `cut` degrees at either side (Qt's angles run anticlockwise from three
// o'clock; the top end's court lies below).
void addArcIntoCourt(QPainterPath& path, bool top, QPointF centre, double radiusFeet, double cut) {
    const QRectF box = circleAround(centre, radiusFeet);
    const double start = top ? 180 + cut : cut;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, 180 - 2 * cut);
}

void drawEnd(QPainter& painter, bool top, scoring::ThreePointArc arc, const CourtColours& colours,
             const QPen& line, const QPen& rim) {
    QPolygonF lane;
    lane << atEnd(top, -court::kLaneHalfWidth, 0) << atEnd(top, court::kLaneHalfWidth, 0)
         << atEnd(top, court::kLaneHalfWidth, court::kFreeThrowLine)
         << atEnd(top, -court::kLaneHalfWidth, court::kFreeThrowLine);
    if (colours.filled) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.paint);
        painter.drawPolygon(lane);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(line);
    QPainterPath lines;
    lines.moveTo(lane[0]);
    lines.lineTo(lane[3]);
    lines.lineTo(lane[2]);
    lines.lineTo(lane[1]);
    addArcIntoCourt(lines, top, atEnd(top, 0, court::kFreeThrowLine), court::kCircleRadius, 0);
    lines.moveTo(atEnd(top, -court::kBackboardHalfWidth, court::kBackboardDepth));
    lines.lineTo(atEnd(top, court::kBackboardHalfWidth, court::kBackboardDepth));

    if (arc != scoring::ThreePointArc::None) {
        const bool pro = arc == scoring::ThreePointArc::Pro;
        const double radius = pro ? court::kProArcRadius : court::kCollegeArcRadius;
        const double corner = pro ? court::kProCornerDistance : court::kCollegeArcRadius;
        const double cornerDepth = scoring::threePointCornerDepth(arc);
        const double cut =
            std::asin(std::clamp((cornerDepth - court::kBasketCentre) / radius, 0.0, 1.0)) * 180.0 / std::numbers::pi;
        for (const double side : {-1.0, 1.0}) {
            lines.moveTo(atEnd(top, side * corner, 0));
            lines.lineTo(atEnd(top, side * corner, cornerDepth));
        }
        addArcIntoCourt(lines, top, atEnd(top, 0, court::kBasketCentre), radius, cut);
    }
    painter.drawPath(lines);
    painter.setPen(rim);
    painter.drawEllipse(circleAround(atEnd(top, 0, court::kBasketCentre), court::kRimRadius));
}

}  // namespace

QTransform courtToArea(const QRectF& area, int orientation) {
    const PictureSize shown = scoring::shownCourtSize(orientation);
    const QPointF origin = toPointF(scoring::toShown({0, 0}, orientation, shown));
    const QPointF across = toPointF(scoring::toShown({1, 0}, orientation, shown)) - origin;
    const QPointF down = toPointF(scoring::toShown({0, 1}, orientation, shown)) - origin;
    const double sx = area.width() / shown.width;
    const double sy = area.height() / shown.height;
    // The square of a spot goes where the conversions put the spot: its
    // middle (x + 0.5, y + 0.5) onto the middle of the shown pixel.
    const QPointF offset = origin + QPointF(0.5, 0.5) - 0.5 * across - 0.5 * down;
    return QTransform(sx * across.x(), sy * across.y(), sx * down.x(), sy * down.y(), area.left() + sx * offset.x(),
                      area.top() + sy * offset.y());
}

QPointF spotCentre(const QRectF& area, int orientation, CourtPoint upright) {
    return courtToArea(area, orientation).map(QPointF(upright.x + 0.5, upright.y + 0.5));
}

QPoint spotPixel(const QRectF& area, int orientation, CourtPoint upright) {
    const QPointF centre = spotCentre(area, orientation, upright);
    return QPoint(static_cast<int>(std::floor(centre.x())), static_cast<int>(std::floor(centre.y())));
}

CourtPoint spotAt(const QRectF& area, int orientation, QPoint pixel) {
    const PictureSize shown = scoring::shownCourtSize(orientation);
    const double sx = area.width() / shown.width;
    const double sy = area.height() / shown.height;
    if (!(sx > 0) || !(sy > 0)) return {};
    // The middle of the device pixel, in pixels of the court as shown.
    const CourtPoint onShown{static_cast<int>(std::floor((pixel.x() + 0.5 - area.left()) / sx)),
                             static_cast<int>(std::floor((pixel.y() + 0.5 - area.top()) / sy))};
    return scoring::toUpright(onShown, orientation, shown);
}

QRectF courtAreaIn(const QRectF& bounds, int orientation) {
    const PictureSize shown = scoring::shownCourtSize(orientation);
    const double scale = std::min(bounds.width() / shown.width, bounds.height() / shown.height);
    const QSizeF size(scale * shown.width, scale * shown.height);
    return QRectF(bounds.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

void drawCourtMarkings(QPainter& painter, const QRectF& area, int threePointArc, int orientation, CourtInk ink) {
    const CourtColours& colours = coloursOf(ink);
    const PictureSize shown = scoring::shownCourtSize(orientation);
    const double scale = std::min(area.width() / shown.width, area.height() / shown.height);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (colours.filled) painter.fillRect(area, colours.apron);
    painter.setTransform(courtToArea(area, orientation), true);

    // Lines about two inches wide, on screen never thinner than a pixel.
    const double width = ink == CourtInk::Screen ? std::max(1.0, 0.7 * scale) : std::max(1.0, 0.4 * scale);
    QPen line(colours.line, width);
    line.setCosmetic(true);
    QPen rim(colours.rim, width * 1.5);
    rim.setCosmetic(true);

    const QRectF floor(QPointF(court::kLeftSidelineColumn + 0.5, court::kTopEndLineRow + 0.5),
                       QPointF(court::kRightSidelineColumn + 0.5, court::kBottomEndLineRow + 0.5));
    if (colours.filled) painter.fillRect(floor, colours.floor);
    const scoring::ThreePointArc arc = scoring::pictureArc(threePointArc);
    for (const bool top : {true, false}) drawEnd(painter, top, arc, colours, line, rim);

    painter.setPen(line);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(floor);
    const double middle = court::kHalfCourtRow + 0.5;
    painter.drawLine(QPointF(floor.left(), middle), QPointF(floor.right(), middle));
    painter.drawEllipse(circleAround(QPointF(court::kMiddleColumn + 0.5, middle), court::kCircleRadius));
    painter.restore();
}

}  // namespace courtlog::gui::ui
