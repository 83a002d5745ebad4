#include "gui/people/AddressListPrintout.h"

#include <QFontMetrics>
#include <QPainter>
#include <vector>

#include "core/output/AddressList.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

QString shown(const std::string& recordText) { return ui::fromRecordText(recordText); }

}  // namespace

AddressListPrintout::AddressListPrintout(const Team& team, courtlog::output::ClockReading today)
    : team_(team), today_(today) {}

QString AddressListPrintout::title() const {
    return team_.name.empty() ? QStringLiteral("Address/Phone List") : shown(team_.name);
}

void AddressListPrintout::fitTo(QPainter& painter, const QRect& page) {
    // The entries are written in the title line's face and size.
    font_ = ui::printFont(ui::PrintFace::Arial, page.width() / 50);
    fittedPage_ = page;
    std::vector<int> detailLines;
    for (std::size_t i = 0; i < team_.players.size(); ++i)
        detailLines.push_back(static_cast<int>(courtlog::output::addressEntryLines(team_, i).details.size()));
    paging_ = courtlog::output::addressListPages(detailLines, firstTop(painter, page) - page.top(),
                    QFontMetrics(font_, painter.device()).height(), page.height());
}

int AddressListPrintout::firstTop(QPainter& painter, const QRect& page) const {
    return page.top() + ui::pageTitleLineHeight(painter, page) +
           2 * QFontMetrics(font_, painter.device()).height();
}

int AddressListPrintout::pageCount(QPainter& painter, const QRect& page) {
    if (!paging_ || fittedPage_ != page) fitTo(painter, page);
    return paging_->pageCount();
}

void AddressListPrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    if (!paging_ || fittedPage_ != page) fitTo(painter, page);
    ui::drawPageTitleLine(painter, page, pageNumber, title(), today_);
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font_, painter.device());
    const int line = metrics.height();
    const int x = page.left() + 3 * metrics.horizontalAdvance(QLatin1Char('W'));
    int y = firstTop(painter, page);
    const std::size_t first = paging_->firstOn(pageNumber);
    const std::size_t count = paging_->countOn(pageNumber);
    for (std::size_t i = first; i < first + count; ++i) {
        const courtlog::output::AddressEntryLines entry = courtlog::output::addressEntryLines(team_, i);
        painter.drawText(x, y + metrics.ascent(), shown(entry.heading));
        for (const std::string& detail : entry.details) {
            y += line;
            painter.drawText(x, y + metrics.ascent(), shown(detail));
        }
        y += 2 * line;
    }
    painter.restore();
}

}  // namespace courtlog::gui::people
