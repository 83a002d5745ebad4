#include "gui/stats/ShotChartDrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/stats/ShotChartFilter.h"
#include "core/stats/ShotChartPageLayout.h"
#include "gui/ui/CourtPainting.h"
#include "gui/ui/PrintFonts.h"

namespace courtlog::gui::stats {

using courtlog::stats::ShotMark;

namespace {

// The marks over a court drawn upright over area: a dot reaching `dot`
// court pixels from the spot's middle; a cross whose arms reach `arm` court
// pixels from it, drawn with a pen `pen` device pixels wide (0: the
// thinnest line).
void drawMarks(QPainter& painter, const QRectF& area, double dot, double arm, double pen,
               const courtlog::stats::ShotChartFigures& figures) {
    const double scale = area.width() / scoring::kUprightCourt.width;
    // At the court's own size the marks keep to whole pixels: a dot spans
    // the 7 pixels x - 3 .. x + 3, a cross's arms x - 2 .. x + 2.
    const bool whole = scale < 1.5;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, !whole);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kMadeShotColour));
    for (const ShotMark& mark : figures.made) {
        const QPointF centre = ui::spotCentre(area, 0, {mark.x, mark.y});
        if (whole) {
            const QPoint pixel = ui::spotPixel(area, 0, {mark.x, mark.y});
            const int reach = static_cast<int>(dot);
            painter.drawEllipse(QRect(pixel - QPoint(reach, reach), QSize(2 * reach + 1, 2 * reach + 1)));
        } else {
            painter.drawEllipse(centre, scale * dot, scale * dot);
        }
    }
    QPen red(Qt::red, pen);
    red.setCapStyle(Qt::FlatCap);
    painter.setPen(red);
    painter.setBrush(Qt::NoBrush);
    for (const ShotMark& mark : figures.missed) {
        if (whole) {
            // A one-pixel line leaves out its end point.
            const QPoint pixel = ui::spotPixel(area, 0, {mark.x, mark.y});
            const int reach = static_cast<int>(arm);
            painter.drawLine(pixel + QPoint(-reach, -reach), pixel + QPoint(reach + 1, reach + 1));
            painter.drawLine(pixel + QPoint(-reach, reach), pixel + QPoint(reach + 1, -reach - 1));
            continue;
        }
        const QPointF centre = ui::spotCentre(area, 0, {mark.x, mark.y});
        const double reach = scale * arm;
        painter.drawLine(centre + QPointF(-reach, -reach), centre + QPointF(reach, reach));
        painter.drawLine(centre + QPointF(-reach, reach), centre + QPointF(reach, -reach));
    }
    painter.restore();
}

QString zoneName(const courtlog::stats::ZoneTally& tally) {
    const std::string_view name = courtlog::stats::shotZoneName(tally.zone);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

void drawShotChart(QPainter& painter, const QRectF& area, int threePointArc,
                   const courtlog::stats::ShotChartFigures& figures) {
    ui::drawCourtMarkings(painter, area, threePointArc, 0, ui::CourtInk::Screen);
    const double scale = area.width() / scoring::kUprightCourt.width;
    // A dot 7 court pixels across, a cross from 2 before the spot to 2
    // after it.
    drawMarks(painter, area, 3.5, 2.5, scale < 1.5 ? 0.0 : scale, figures);
}

void drawShotChartPage(QPainter& painter, const QRect& page, int threePointArc, const ShotChartPageTexts& texts,
                       const courtlog::stats::ShotChartFigures& figures) {
    painter.save();
    const int textHeight = std::max(1, page.width() / 40);
    QFont font = ui::printFont(ui::PrintFace::Arial, textHeight);
    font.setWeight(QFont::DemiBold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int lineHeight = QFontMetrics(font, painter.device()).height();

    const auto& zones = figures.zones;
    const int linesBelow = 2 + static_cast<int>(zones.size());
    const auto layout = courtlog::stats::shotChartPageLayout(page.width(), page.height(), scoring::kUprightCourt,
                                                             lineHeight, linesBelow);
    const QRect pictureRect(page.left() + layout.pictureLeft, page.top() + layout.pictureTop, layout.pictureWidth,
                            layout.pictureHeight);
    auto centred = [&](int top, const QString& text) {
        painter.drawText(QRect(page.left(), page.top() + top, page.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         text);
    };
    centred(layout.titleTop, texts.title);
    centred(layout.subtitleTop, texts.subtitle);
    ui::drawCourtMarkings(painter, pictureRect, threePointArc, 0, ui::CourtInk::Paper);
    // A dot of 2 court pixels each way and a cross of 1, with a pen of
    // about a fifth of the scale (8 units on a page of 600 dots an inch);
    // a spot off the court keeps off the lines printed under it.
    painter.save();
    painter.setClipRect(QRectF(pictureRect).adjusted(-2 * layout.scale, -2 * layout.scale, 2 * layout.scale,
                                                     2 * layout.scale));
    drawMarks(painter, pictureRect, 2, 1, std::max(1, layout.scale / 5), figures);
    painter.restore();

    painter.setPen(Qt::black);
    int top = layout.belowTop;
    centred(top, QString::fromStdString(courtlog::stats::printedLegend(figures.made.size(), figures.missed.size())));
    top += 2 * lineHeight;
    // The zones as a small table centred under the legend.
    const QFontMetrics metrics(font, painter.device());
    int nameWidth = 0;
    for (const auto& tally : zones) nameWidth = std::max(nameWidth, metrics.horizontalAdvance(zoneName(tally)));
    const int figureWidth = metrics.horizontalAdvance(QStringLiteral("000/000  "));
    const int tableLeft = page.left() + (page.width() - nameWidth - 2 * figureWidth) / 2;
    for (const auto& tally : zones) {
        const int y = page.top() + top;
        painter.drawText(QRect(tableLeft, y, nameWidth, lineHeight), Qt::AlignLeft, zoneName(tally));
        painter.drawText(QRect(tableLeft + nameWidth, y, figureWidth, lineHeight), Qt::AlignRight,
                         QString::fromStdString(courtlog::stats::zoneShotsText(tally)));
        painter.drawText(QRect(tableLeft + nameWidth + figureWidth, y, figureWidth, lineHeight), Qt::AlignRight,
                         QString::fromStdString(courtlog::stats::zonePercentText(tally)));
        top += lineHeight;
    }
    painter.restore();
}

}  // namespace courtlog::gui::stats
