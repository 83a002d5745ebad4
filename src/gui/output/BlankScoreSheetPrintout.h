#pragma once

#include <QString>

#include "core/output/HtmlPage.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::output {

// Score sheets to fill in by hand: the blank game line, the blocks of a
// game in halves or quarters (no overtime block), as many empty rows as
// the page holds and the two blank final score lines, on 1 to 9 pages.
class BlankScoreSheetPrintout : public ui::Printout {
public:
    BlankScoreSheetPrintout(int pages, bool halves, QString footLink,
                            courtlog::output::ClockReading today = courtlog::output::localTimeNow());

    QString title() const override { return QStringLiteral("Blank Score Sheet"); }
    int pageCount(QPainter&, const QRect&) override { return pages_; }
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

private:
    int pages_;
    bool halves_;
    QString footLink_;
    courtlog::output::ClockReading today_;
};

}  // namespace courtlog::gui::output
