#include "gui/people/SchedulePrintout.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/output/SchedulePrintLines.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

constexpr double kSmallestPoints = 10;
constexpr double kLargestPoints = 12;

}  // namespace

SchedulePrintout::SchedulePrintout(const Schedule& schedule, const courtlog::output::ClockReading& today)
    : entries_(courtlog::output::schedulePrintLines(schedule)), today_(today) {}

QString SchedulePrintout::title() const { return QStringLiteral("Schedule"); }

const SchedulePrintout::Layout& SchedulePrintout::layoutFor(QPainter& painter, const QRect& page) {
    if (fittedPage_ == page) return layout_;
    Layout layout;
    QPaintDevice* device = painter.device();
    // The longest line and six more characters across the page, in as
    // large a font as that allows within the sizes a schedule is read at.
    const int columns = static_cast<int>(courtlog::output::longestLineLength(entries_)) + 6;
    const int smallest = static_cast<int>(std::ceil(ui::devicePixelsOfPoints(device, kSmallestPoints)));
    const int largest = static_cast<int>(std::floor(ui::devicePixelsOfPoints(device, kLargestPoints)));
    const QFont probe = ui::printFont(ui::PrintFace::CourierNew, largest);
    const double advance = QFontMetricsF(probe, device).horizontalAdvance(QLatin1Char('M'));
    const int filling = advance > 0 ? static_cast<int>(largest * page.width() / (advance * columns)) : largest;
    layout.font = ui::printFont(ui::PrintFace::CourierNew, std::clamp(filling, smallest, std::max(smallest, largest)));

    const QFontMetricsF metrics(layout.font, device);
    const double character = std::max(1.0, metrics.horizontalAdvance(QLatin1Char('M')));
    layout.lineHeight = std::max(1, static_cast<int>(std::ceil(metrics.height())));
    layout.left = page.left() + static_cast<int>(3 * character);
    layout.firstLineTop = page.top() + ui::pageTitleLineHeight(painter, page) + 2 * layout.lineHeight;
    const auto fits = static_cast<std::size_t>(std::max(8.0, std::floor(page.width() / character) - 6));
    std::vector<std::size_t> linesOfEntries;
    for (const std::string& entry : entries_) {
        std::vector<std::string> parts = courtlog::output::wrappedSchedulePrintLine(entry, fits);
        linesOfEntries.push_back(parts.size());
        for (std::string& part : parts) layout.lines.push_back(std::move(part));
    }
    layout.pageStarts = courtlog::output::schedulePageStarts(
        linesOfEntries, courtlog::output::scheduleLinesPerPage(layout.firstLineTop, layout.lineHeight, page.bottom()));
    fittedPage_ = page;
    layout_ = std::move(layout);
    return layout_;
}

int SchedulePrintout::pageCount(QPainter& painter, const QRect& page) {
    return static_cast<int>(layoutFor(painter, page).pageStarts.size());
}

void SchedulePrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    const Layout& layout = layoutFor(painter, page);
    ui::drawPageTitleLine(painter, page, pageNumber, title(), today_);
    if (pageNumber < 1 || pageNumber > static_cast<int>(layout.pageStarts.size())) return;
    painter.setFont(layout.font);
    const auto index = static_cast<std::size_t>(pageNumber - 1);
    const std::size_t first = layout.pageStarts[index];
    const std::size_t end = index + 1 < layout.pageStarts.size() ? layout.pageStarts[index + 1] : layout.lines.size();
    const QFontMetrics metrics(layout.font, painter.device());
    int top = layout.firstLineTop;
    for (std::size_t i = first; i < end; ++i, top += layout.lineHeight)
        painter.drawText(layout.left, top + metrics.ascent(), ui::fromRecordText(layout.lines[i]));
}

}  // namespace courtlog::gui::people
