#include "gui/stats/ShotChartPrintout.h"

#include "core/scoring/ShotSpot.h"
#include "gui/ui/Picture.h"

namespace courtlog::gui::stats {

ShotChartPrintout::ShotChartPrintout(ShotChartPageTexts texts, courtlog::stats::ShotChartFigures figures,
                                     int threePointArc)
    : texts_(std::move(texts)),
      figures_(std::move(figures)),
      court_(ui::Picture::resource(scoring::printCourtPictureId(threePointArc)).image()) {}

void ShotChartPrintout::drawPage(QPainter& painter, const QRect& page, int) {
    drawShotChartPage(painter, page, court_, texts_, figures_);
}

}  // namespace courtlog::gui::stats
