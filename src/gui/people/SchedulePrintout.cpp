#include "gui/people/SchedulePrintout.h"

#include <QFontMetrics>
#include <QPainter>

#include "core/output/SchedulePrintLines.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

SchedulePrintout::SchedulePrintout(const Schedule& schedule, const courtlog::output::ClockReading& today)
    : lines_(courtlog::output::schedulePrintLines(schedule)), today_(today) {}

QString SchedulePrintout::title() const { return QStringLiteral("Schedule"); }

SchedulePrintout::Layout SchedulePrintout::layoutFor(QPainter& painter, const QRect& page) const {
    Layout layout;
    // The font starts at the width each character would have and shrinks a
    // step at a time until the longest line and six more characters fit.
    const int columns = static_cast<int>(courtlog::output::longestLineLength(lines_)) + 6;
    const QString sample(columns, QLatin1Char('M'));
    for (int height = std::max(1, page.width() / columns); height >= 1; --height) {
        layout.font = ui::printFont(ui::PrintFace::CourierNew, height);
        if (QFontMetrics(layout.font, painter.device()).horizontalAdvance(sample) <= page.width()) break;
    }
    const QFontMetrics metrics(layout.font, painter.device());
    layout.lineHeight = std::max(1, metrics.height());
    layout.left = page.left() + 3 * metrics.horizontalAdvance(QLatin1Char('M'));
    layout.firstLineTop = page.top() + ui::pageTitleLineHeight(painter, page) + 2 * layout.lineHeight;
    layout.linesPerPage =
        courtlog::output::scheduleLinesPerPage(layout.firstLineTop, layout.lineHeight, page.bottom());
    return layout;
}

int SchedulePrintout::pageCount(QPainter& painter, const QRect& page) {
    return courtlog::output::schedulePageCount(lines_.size(), layoutFor(painter, page).linesPerPage);
}

void SchedulePrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    const Layout layout = layoutFor(painter, page);
    ui::drawPageTitleLine(painter, page, pageNumber, title(), today_);
    painter.setFont(layout.font);
    const std::size_t per = static_cast<std::size_t>(layout.linesPerPage);
    const std::size_t first = static_cast<std::size_t>(std::max(0, pageNumber - 1)) * per;
    const QFontMetrics metrics(layout.font, painter.device());
    int top = layout.firstLineTop;
    for (std::size_t i = first; i < lines_.size() && i < first + per; ++i, top += layout.lineHeight)
        painter.drawText(layout.left, top + metrics.ascent(), ui::fromRecordText(lines_[i]));
}

}  // namespace courtlog::gui::people
