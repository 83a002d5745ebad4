#pragma once

#include <string>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/records/Schedule.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::people {

// The printed schedule: under the shared title line ("Schedule", today's
// date), one line per entry in list order in Courier New, three characters
// in from either edge. The font is as large as lets the longest line fit
// across the page, between 10 and 12 points: a line too long for the page
// at 10 points goes on under its event on further lines, kept on the same
// page.
class SchedulePrintout : public ui::Printout {
public:
    SchedulePrintout(const Schedule& schedule, const courtlog::output::ClockReading& today);

    QString title() const override;
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

private:
    // Font, margins, the printed lines and where each page starts, for a
    // page of this size.
    struct Layout {
        QFont font;
        int lineHeight = 0;
        int left = 0;
        int firstLineTop = 0;
        std::vector<std::string> lines;
        std::vector<std::size_t> pageStarts{0};
    };
    const Layout& layoutFor(QPainter& painter, const QRect& page);

    std::vector<std::string> entries_;
    courtlog::output::ClockReading today_;
    QRect fittedPage_;
    Layout layout_;
};

}  // namespace courtlog::gui::people
