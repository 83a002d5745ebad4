#pragma once

#include <QString>

#include "core/output/HtmlPage.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::output {

// Score sheets to keep a game on with a pen: the blank game line and a
// "Team:" line with room to write on them, the blocks of a game in halves
// or quarters (no overtime block) across the whole printable width, as
// many empty rows (at least 9 mm, foul boxes at least 5 mm) as the page
// holds, the "Team Total" row and the two blank final score lines, on 1 to
// 9 pages.
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
