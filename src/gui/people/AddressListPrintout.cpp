#include "gui/people/AddressListPrintout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::people {

namespace {

constexpr double kTextPoints = 10;

QString shown(std::string_view text) { return ui::fromRecordText(std::string(text)); }

// A cell's text laid out in width: wrapped at blanks, a word longer than
// the column (an e-mail address) anywhere. Returns the height it takes.
double layOutCell(QTextLayout& layout, const QFont& font, QPaintDevice* device, double width) {
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setFont(QFont(font, device));
    layout.setTextOption(option);
    const double spacing = QFontMetricsF(font, device).lineSpacing();
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1.0));
        line.setPosition(QPointF(0, height));
        height += spacing;
    }
    layout.endLayout();
    return std::max(height, QFontMetricsF(font, device).height());
}

}  // namespace

AddressListPrintout::AddressListPrintout(const Team& team, courtlog::output::ClockReading today)
    : team_(team), today_(today) {
    for (std::size_t c = 0; c < kAddressColumnCount; ++c)
        headings_[c] = shown(addressColumnHeading(static_cast<AddressColumn>(c)));
    for (std::size_t i = 0; i < team_.players.size(); ++i) {
        const auto cells = addressListCells(team_, i);
        Cells row;
        for (std::size_t c = 0; c < kAddressColumnCount; ++c) row[c] = ui::fromRecordText(cells[c]);
        rows_.push_back(row);
    }
}

QString AddressListPrintout::title() const {
    return team_.name.empty() ? QStringLiteral("Address/Phone List") : shown(team_.name);
}

void AddressListPrintout::fitTo(QPainter& painter, const QRect& page) {
    QPaintDevice* device = painter.device();
    font_ = ui::printFont(ui::PrintFace::Arial, static_cast<int>(std::lround(ui::devicePixelsOfPoints(device, kTextPoints))));
    headingFont_ = font_;
    headingFont_.setBold(true);
    const QFontMetricsF metrics(font_, device);
    const QFontMetricsF headingMetrics(headingFont_, device);
    air_ = metrics.height() / 4;

    courtlog::output::AddressColumnWidths widest{};
    courtlog::output::AddressColumnWidths least{};
    for (std::size_t c = 0; c < kAddressColumnCount; ++c) {
        least[c] = headingMetrics.horizontalAdvance(headings_[c]) + 2 * air_;
        widest[c] = least[c];
        for (const Cells& row : rows_) widest[c] = std::max(widest[c], metrics.horizontalAdvance(row[c]) + 2 * air_);
    }
    const auto widths = courtlog::output::addressTableColumnWidths(widest, least, page.width() - 1);
    edges_[0] = page.left();
    for (std::size_t c = 0; c < kAddressColumnCount; ++c) edges_[c + 1] = edges_[c] + widths[c];

    rowHeights_.clear();
    for (const Cells& row : rows_) {
        double height = 0;
        for (std::size_t c = 0; c < kAddressColumnCount; ++c) {
            QTextLayout cell(row[c]);
            height = std::max(height, layOutCell(cell, font_, device, widths[c] - 2 * air_));
        }
        rowHeights_.push_back(height + 2 * air_);
    }
    tableTop_ = page.top() + 2 * ui::pageTitleLineHeight(painter, page);
    headingHeight_ = headingMetrics.height() + 2 * air_;
    pageStarts_ = courtlog::output::tablePageStarts(rowHeights_, page.bottom() - tableTop_ - headingHeight_);
    fittedPage_ = page;
}

int AddressListPrintout::pageCount(QPainter& painter, const QRect& page) {
    if (fittedPage_ != page) fitTo(painter, page);
    return static_cast<int>(pageStarts_.size());
}

void AddressListPrintout::drawRow(QPainter& painter, const Cells& cells, const QFont& font, double top,
                                  double height) const {
    for (std::size_t c = 0; c < kAddressColumnCount; ++c) {
        QTextLayout cell(cells[c]);
        layOutCell(cell, font, painter.device(), edges_[c + 1] - edges_[c] - 2 * air_);
        cell.draw(&painter, QPointF(edges_[c] + air_, top + air_));
    }
    painter.drawLine(QPointF(edges_.front(), top + height), QPointF(edges_.back(), top + height));
}

void AddressListPrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    if (fittedPage_ != page) fitTo(painter, page);
    ui::drawPageTitleLine(painter, page, pageNumber, title(), today_);
    if (pageNumber < 1 || pageNumber > static_cast<int>(pageStarts_.size())) return;
    const auto index = static_cast<std::size_t>(pageNumber - 1);
    const std::size_t first = pageStarts_[index];
    const std::size_t end = index + 1 < pageStarts_.size() ? pageStarts_[index + 1] : rows_.size();

    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, ui::devicePixelsOfPoints(painter.device(), 0.5))));
    painter.drawLine(QPointF(edges_.front(), tableTop_), QPointF(edges_.back(), tableTop_));
    drawRow(painter, headings_, headingFont_, tableTop_, headingHeight_);
    double top = tableTop_ + headingHeight_;
    for (std::size_t row = first; row < end; ++row) {
        drawRow(painter, rows_[row], font_, top, rowHeights_[row]);
        top += rowHeights_[row];
    }
    // The lines between the columns, down to the last row of the page.
    for (const double x : edges_) painter.drawLine(QPointF(x, tableTop_), QPointF(x, top));
    painter.restore();
}

}  // namespace courtlog::gui::people
