#include "gui/stats/ShotChartPrintout.h"


namespace courtlog::gui::stats {

ShotChartPrintout::ShotChartPrintout(ShotChartPageTexts texts, courtlog::stats::ShotChartFigures figures,
                                     int threePointArc)
    : texts_(std::move(texts)), figures_(std::move(figures)), threePointArc_(threePointArc) {}

void ShotChartPrintout::drawPage(QPainter& painter, const QRect& page, int) {
    drawShotChartPage(painter, page, threePointArc_, texts_, figures_);
}

}  // namespace courtlog::gui::stats
