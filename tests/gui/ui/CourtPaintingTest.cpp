// The court drawn with the painter: its lines run where the zones of a spot
// change, in every orientation and at any size, and spots go to the drawing
// and back through the same conversions as clicks.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/scoring/CourtGeometry.h"
#include "gui/ui/CourtPainting.h"

namespace courtlog::gui::ui {
namespace {

using scoring::CourtPoint;
using scoring::ThreePointArc;

QImage drawn(const QRectF& area, int arc, int orientation, CourtInk ink) {
    QImage image(static_cast<int>(area.right()) + 2, static_cast<int>(area.bottom()) + 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    drawCourtMarkings(painter, area, arc, orientation, ink);
    return image;
}

// Line ink: the dark brown of the screen's lines, or black on paper.
bool isLine(QRgb pixel) { return qGray(pixel) < 110; }

bool lineWithin(const QImage& image, const QRectF& box) {
    const QRect pixels = box.toAlignedRect().intersected(image.rect());
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (isLine(image.pixel(x, y))) return true;
    return false;
}

// Where the lane or the arc begins, a spot on the inner side of the edge is
// on a drawn line and the spot on the outer side is not: a mark drawn on a
// line counts with the lane or arc the line belongs to.
TEST(CourtPainting, LinesRunAlongTheZoneEdgesInEveryOrientationAndSize) {
    for (const ThreePointArc arc : {ThreePointArc::None, ThreePointArc::College, ThreePointArc::Pro}) {
        for (const int orientation : {0, 90, 180, 270}) {
            for (const double scale : {3.0, 4.5}) {
                SCOPED_TRACE(testing::Message() << "arc " << static_cast<int>(arc) << ", turned " << orientation
                                                << ", scale " << scale);
                const scoring::PictureSize shown = scoring::shownCourtSize(orientation);
                const QRectF area(5, 7, scale * shown.width, scale * shown.height);
                const QImage image = drawn(area, static_cast<int>(arc), orientation, CourtInk::Paper);
                const QTransform toArea = courtToArea(area, orientation);
                auto inner = [arc](int x, int y) {
                    return scoring::inLane({x, y}) * 2 + scoring::insideThreePointLine({x, y}, arc);
                };
                int edges = 0;
                // The half of the top basket, inside the sidelines and the end line.
                for (int y = 4; y < 100; ++y)
                    for (int x = 3; x < 116; ++x)
                        for (const CourtPoint next : {CourtPoint{x + 1, y}, CourtPoint{x, y + 1}}) {
                            const int here = inner(x, y);
                            const int there = inner(next.x, next.y);
                            if (here == there || next.y >= 100 || next.x >= 116) continue;
                            ++edges;
                            const CourtPoint in = here > there ? CourtPoint{x, y} : next;
                            const CourtPoint out = here > there ? next : CourtPoint{x, y};
                            ASSERT_TRUE(lineWithin(image, toArea.mapRect(QRectF(in.x, in.y, 1, 1))))
                                << "no line on " << in.x << "," << in.y;
                            // The free-throw circle meets the lane just below its corners.
                            if (out.y == 48 && (out.x == 45 || out.x == 73)) continue;
                            const QPointF middle = spotCentre(area, orientation, out);
                            ASSERT_FALSE(lineWithin(image, QRectF(middle - QPointF(0.5, 0.5), QSizeF(1, 1))))
                                << "a line on " << out.x << "," << out.y;
                        }
                EXPECT_GT(edges, 50);
            }
        }
    }
}

TEST(CourtPainting, SpotsGoToTheDrawingAndBackAtAnySize) {
    for (const int orientation : {0, 90, 180, 270}) {
        const scoring::PictureSize shown = scoring::shownCourtSize(orientation);
        for (const double scale : {1.0, 2.0, 3.7}) {
            const QRectF area(10, 21, scale * shown.width, scale * shown.height);
            for (const CourtPoint spot : {CourtPoint{59, 3}, CourtPoint{57, 47}, CourtPoint{2, 150}, CourtPoint{116, 197}})
                EXPECT_EQ(spotAt(area, orientation, spotPixel(area, orientation, spot)), spot)
                    << orientation << " at " << scale << ": " << spot.x << "," << spot.y;
        }
        // At the court's own size a spot is the pixel the conversions give.
        const QRectF natural(0, 21, shown.width, shown.height);
        const CourtPoint onShown = scoring::toShown({57, 77}, orientation, shown);
        EXPECT_EQ(spotPixel(natural, orientation, {57, 77}), QPoint(onShown.x, onShown.y + 21));
    }
    EXPECT_EQ(courtAreaIn(QRectF(0, 0, 400, 398), 0), QRectF(82, 0, 236, 398));
    EXPECT_EQ(courtAreaIn(QRectF(0, 0, 398, 500), 90), QRectF(0, 132, 398, 236));
}

TEST(CourtPainting, ScreenCourtHasAFloorAndAPaintedLanePaperOnlyLines) {
    const QRectF area(0, 0, 236, 398);
    const QImage screen = drawn(area, 1, 0, CourtInk::Screen);
    const QImage paper = drawn(area, 1, 0, CourtInk::Paper);
    const QPoint lane = spotPixel(area, 0, {59, 30});
    const QPoint floor = spotPixel(area, 0, {30, 80});
    const QPoint apron = spotPixel(area, 0, {0, 80});
    EXPECT_NE(screen.pixel(lane), screen.pixel(floor));
    EXPECT_NE(screen.pixel(floor), screen.pixel(apron));
    for (const QPoint p : {lane, floor, apron}) EXPECT_EQ(paper.pixel(p), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace courtlog::gui::ui
