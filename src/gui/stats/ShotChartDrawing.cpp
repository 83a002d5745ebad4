#include "gui/stats/ShotChartDrawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "core/stats/ShotChartFilter.h"
#include "core/stats/ShotChartPageLayout.h"
#include "gui/ui/PrintFonts.h"

namespace courtlog::gui::stats {

using courtlog::stats::ShotMark;

namespace {

// The marks at scale: a dot reaching `dot` picture pixels from the spot; a
// cross whose arms run from `crossFrom` before the spot to `crossTo` after it.
void drawMarks(QPainter& painter, QPoint origin, int scale, int dot, int crossFrom, int crossTo, int crossPen,
               const courtlog::stats::ShotChartFigures& figures) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(kMadeShotColour));
    for (const ShotMark& mark : figures.made) {
        const QPoint centre = origin + QPoint(scale * mark.x, scale * mark.y);
        // Both ends included: 2 * dot + 1 pixels across on screen.
        painter.drawEllipse(QRect(centre - QPoint(scale * dot, scale * dot),
                                  QSize(2 * scale * dot + 1, 2 * scale * dot + 1)));
    }
    QPen red(Qt::red, crossPen);
    red.setCapStyle(Qt::FlatCap);
    painter.setPen(red);
    painter.setBrush(Qt::NoBrush);
    for (const ShotMark& mark : figures.missed) {
        const QPoint centre = origin + QPoint(scale * mark.x, scale * mark.y);
        const int from = scale * crossFrom;
        const int to = scale * crossTo;
        painter.drawLine(centre + QPoint(-from, -from), centre + QPoint(to, to));
        painter.drawLine(centre + QPoint(-from, from), centre + QPoint(to, -to));
    }
    painter.restore();
}

QString zoneName(const courtlog::stats::ZoneTally& tally) {
    const std::string_view name = courtlog::stats::shotZoneName(tally.zone);
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

void drawShotChart(QPainter& painter, const QRect& area, const QImage& court,
                   const courtlog::stats::ShotChartFigures& figures) {
    if (!court.isNull()) painter.drawImage(area.topLeft(), court);
    // The dot spans x - 3 .. x + 3; a one-pixel line leaves out its end
    // point, so the cross's arms from x - 2 to x + 3 cover x - 2 .. x + 2.
    drawMarks(painter, area.topLeft(), 1, 3, 2, 3, 0, figures);
}

void drawShotChartPage(QPainter& painter, const QRect& page, const QImage& printCourt,
                       const ShotChartPageTexts& texts, const courtlog::stats::ShotChartFigures& figures) {
    painter.save();
    const int textHeight = std::max(1, page.width() / 40);
    QFont font = ui::printFont(ui::PrintFace::Arial, textHeight);
    font.setWeight(QFont::DemiBold);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const int lineHeight = QFontMetrics(font, painter.device()).height();

    const auto& zones = figures.zones;
    const int linesBelow = 2 + static_cast<int>(zones.size());
    const scoring::PictureSize picture =
        printCourt.isNull() ? scoring::kUprightCourt : scoring::PictureSize{printCourt.width(), printCourt.height()};
    const auto layout =
        courtlog::stats::shotChartPageLayout(page.width(), page.height(), picture, lineHeight, linesBelow);
    const QRect pictureRect(page.left() + layout.pictureLeft, page.top() + layout.pictureTop, layout.pictureWidth,
                            layout.pictureHeight);
    auto centred = [&](int top, const QString& text) {
        painter.drawText(QRect(page.left(), page.top() + top, page.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop,
                         text);
    };
    centred(layout.titleTop, texts.title);
    centred(layout.subtitleTop, texts.subtitle);
    if (!printCourt.isNull()) painter.drawImage(pictureRect, printCourt);
    // A dot of 2 picture pixels each way and a cross of 1, with a pen of
    // about a fifth of the scale (8 units on a page of 600 dots an inch).
    drawMarks(painter, pictureRect.topLeft(), layout.scale, 2, 1, 1, std::max(1, layout.scale / 5), figures);

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
