#pragma once

#include "core/stats/ShotChartFigures.h"
#include "gui/stats/ShotChartDrawing.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::stats {

// "Brenvik Courtlog Shot Analysis": one page with the chart as shown, on the
// court of the arc (0 none, 1 college, 2 pro) in black lines.
class ShotChartPrintout : public ui::Printout {
public:
    ShotChartPrintout(ShotChartPageTexts texts, courtlog::stats::ShotChartFigures figures, int threePointArc);

    QString title() const override { return QStringLiteral("Brenvik Courtlog Shot Analysis"); }
    int pageCount(QPainter&, const QRect&) override { return 1; }
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

private:
    ShotChartPageTexts texts_;
    courtlog::stats::ShotChartFigures figures_;
    int threePointArc_;
};

}  // namespace courtlog::gui::stats
