#pragma once

#include <string>
#include <vector>

#include "core/output/HtmlPage.h"
#include "core/records/Schedule.h"
#include "gui/ui/Printing.h"

namespace courtlog::gui::people {

// The printed schedule: under the shared title line ("Schedule", today's
// date), one line per entry in list order in Courier New, as large as lets
// the longest line and six more characters fit across the page.
class SchedulePrintout : public ui::Printout {
public:
    SchedulePrintout(const Schedule& schedule, const courtlog::output::ClockReading& today);

    QString title() const override;
    int pageCount(QPainter& painter, const QRect& page) override;
    void drawPage(QPainter& painter, const QRect& page, int pageNumber) override;

private:
    // Font, margins and lines per page for a page of this size.
    struct Layout {
        QFont font;
        int lineHeight = 0;
        int left = 0;
        int firstLineTop = 0;
        int linesPerPage = 1;
    };
    Layout layoutFor(QPainter& painter, const QRect& page) const;

    std::vector<std::string> lines_;
    courtlog::output::ClockReading today_;
};

}  // namespace courtlog::gui::people
