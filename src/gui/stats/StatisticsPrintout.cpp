#include "gui/stats/StatisticsPrintout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>

#include "core/stats/StatisticsColumns.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::stats {

namespace {

using courtlog::output::StatisticsPrintLayout;
using courtlog::stats::kPresentedValueCount;
using courtlog::stats::presentedValues;

// The group titles over the value columns, numbered from 1.
struct Group {
    const char* title;
    std::size_t first;
    std::size_t last;
};
constexpr std::array<Group, 8> kGroups{{{"GENERAL", 1, 4},
                                        {"SHOOTING", 5, 16},
                                        {"ASSISTS", 17, 18},
                                        {"FOULS", 19, 22},
                                        {"REBOUNDS", 23, 25},
                                        {"STEALS", 26, 27},
                                        {"BLCK SHOTS", 28, 29},
                                        {"TURNOVERS", 30, 42}}};

bool endsGroup(std::size_t column) {
    return std::any_of(kGroups.begin(), kGroups.end(), [column](const Group& g) { return g.last == column; });
}

QFont footerFont(const QRect& page) {
    QFont font = ui::printFont(ui::PrintFace::Arial, page.width() / 70);
    font.setItalic(true);
    return font;
}

// Text whose top stands at (x, top), aligned within width from x.
void drawText(QPainter& painter, double x, double top, double width, Qt::Alignment alignment, const QString& text) {
    painter.drawText(QRectF(x, top, width, painter.fontMetrics().height() * 2.0), alignment | Qt::AlignTop, text);
}

// Text kept within width: condensed as far as half its width when it is
// too long, and cut at the edge beyond that.
void drawFitted(QPainter& painter, double x, double top, double width, double height, const QString& text) {
    painter.save();
    const double natural = QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
    if (natural > width && width > 0) {
        QFont condensed = painter.font();
        condensed.setStretch(std::max(50, static_cast<int>(100.0 * width / natural)));
        painter.setFont(condensed);
    }
    painter.setClipRect(QRectF(x, top, width, height));
    drawText(painter, x, top, width, Qt::AlignLeft, text);
    painter.restore();
}

}  // namespace

StatisticsPrintout::StatisticsPrintout(Content content) : content_(std::move(content)) {}

void StatisticsPrintout::fitTo(QPainter& painter, const QRect& page) {
    int height = std::max(1, page.width() / 80);
    font_ = ui::printFont(ui::PrintFace::TimesNewRoman, height);
    if (content_.fitToWidth) {
        while (height > 1 && !courtlog::output::statisticsTableFitsWidth(
                                 QFontMetricsF(font_, painter.device()).averageCharWidth(), page.width()))
            font_ = ui::printFont(ui::PrintFace::TimesNewRoman, --height);
    }
    const QFontMetricsF metrics(font_, painter.device());
    titleHeight_ = ui::pageTitleLineHeight(painter, page);
    // The table keeps clear of the footer, which stands two of its lines
    // above the bottom.
    const double footerTop = page.bottom() + 1 - 3 * QFontMetricsF(footerFont(page), painter.device()).height();
    layout_.emplace(metrics.averageCharWidth(), metrics.height(), page.width(), footerTop - (page.top() + titleHeight_),
                    content_.lines.size(), content_.files.size());
    fittedPage_ = page;
}

int StatisticsPrintout::pageCount(QPainter& painter, const QRect& page) {
    if (!layout_ || fittedPage_ != page) fitTo(painter, page);
    return static_cast<int>(layout_->pages().size());
}

void StatisticsPrintout::drawPage(QPainter& painter, const QRect& page, int pageNumber) {
    if (!layout_ || fittedPage_ != page) fitTo(painter, page);
    if (pageNumber < 1 || pageNumber > static_cast<int>(layout_->pages().size())) return;
    ui::drawPageTitleLine(painter, page, pageNumber, QStringLiteral("Statistics for %1").arg(content_.name),
                          content_.today);
    ui::drawPageFooter(painter, page, content_.footLink);

    const StatisticsPrintLayout::Page& tile = layout_->pages()[static_cast<std::size_t>(pageNumber - 1)];
    const double left = page.left();
    const double top = page.top() + titleHeight_;
    painter.save();
    painter.setFont(font_);
    painter.setPen(Qt::black);
    if (tile.showsTable()) {
        drawTable(painter, tile, left, top);
        drawRows(painter, tile, left, top);
    }
    const std::vector<std::string> fileLines = courtlog::output::statisticsFileListLines(content_.files);
    for (std::size_t i = 0; i < tile.fileLineCount && tile.firstFileLine + i < fileLines.size(); ++i)
        drawText(painter, left + layout_->nameAreaLeft(), top + tile.fileListTop + static_cast<double>(i) * layout_->textHeight(),
                 page.width() - layout_->nameAreaLeft(), Qt::AlignLeft,
                 ui::fromRecordPath(fileLines[tile.firstFileLine + i]));
    painter.restore();
}

void StatisticsPrintout::drawTable(QPainter& painter, const StatisticsPrintLayout::Page& tile, double left,
                                   double top) const {
    const StatisticsPrintLayout& l = *layout_;
    const double columnWidth = l.valueColumnWidth();
    const std::size_t first = tile.firstColumn;
    const std::size_t end = first + tile.columnCount;  // one past the last value column shown (0-based)
    const double nameLeft = left + l.nameAreaLeft();
    const double valuesLeft = left + l.valueColumnLeft(0);
    const double right = left + l.valueColumnLeft(tile.columnCount);
    const double groupTop = top + l.groupRowTop();
    const double firstRowTop = top + l.firstRowTop();
    const double bottom = top + l.rowTop(tile.rowCount);

    // Group titles centred over the part of their span on this page.
    for (const Group& group : kGroups) {
        const std::size_t from = std::max(group.first - 1, first);
        const std::size_t to = std::min(group.last, end);
        if (from >= to) continue;
        drawText(painter, left + l.valueColumnLeft(from - first), top + l.groupTitleTop(),
                 static_cast<double>(to - from) * columnWidth, Qt::AlignHCenter, QString::fromLatin1(group.title));
    }
    drawText(painter, nameLeft, top + l.headingRowTop(), l.nameAreaWidth(), Qt::AlignLeft,
             QStringLiteral(" PLAYER                TEAM    "));
    for (std::size_t i = first; i < end; ++i)
        drawText(painter, left + l.valueColumnLeft(i - first), top + l.headingRowTop(), columnWidth, Qt::AlignHCenter,
                 QString::fromLatin1(presentedValues()[i].printHeading));

    painter.save();
    painter.setPen(QPen(QColor(5, 5, 5), 1));
    // The name area's two lines, the group boundaries and the page's right
    // edge rise to the group row; the lines between columns start at the
    // first row.
    painter.drawLine(QPointF(nameLeft, groupTop), QPointF(nameLeft, bottom));
    painter.drawLine(QPointF(valuesLeft, groupTop), QPointF(valuesLeft, bottom));
    for (std::size_t i = first; i < end; ++i) {
        const double x = left + l.valueColumnLeft(i - first + 1);
        const bool tall = endsGroup(i + 1) || i + 1 == end;
        painter.drawLine(QPointF(x, tall ? groupTop : firstRowTop), QPointF(x, bottom));
    }
    painter.drawLine(QPointF(nameLeft, groupTop), QPointF(right, groupTop));
    for (std::size_t row = 0; row <= tile.rowCount; ++row) {
        const double y = top + l.rowTop(row);
        painter.drawLine(QPointF(nameLeft, y), QPointF(right, y));
    }
    painter.restore();
}

void StatisticsPrintout::drawRows(QPainter& painter, const StatisticsPrintLayout::Page& tile, double left,
                                  double top) const {
    const StatisticsPrintLayout& l = *layout_;
    const double w = l.charWidth();
    const double nameLeft = left + l.nameAreaLeft() + 4;
    const double teamLeft = nameLeft + 12 * w;
    for (std::size_t i = 0; i < tile.rowCount; ++i) {
        const std::size_t index = tile.firstRow + i;
        if (index >= content_.lines.size()) break;
        const StatLine& line = content_.lines[index];
        const bool totals = index + 1 == content_.lines.size();
        const double textTop = top + l.rowTop(i) + l.rowTextInset();
        // The name and the team each keep to their part of the name area.
        drawFitted(painter, nameLeft, textTop, teamLeft - nameLeft - w / 2, l.rowHeight(),
                   ui::fromRecordText(courtlog::stats::statNameText(line, totals)));
        drawFitted(painter, teamLeft, textTop, left + l.valueColumnLeft(0) - teamLeft - w / 2, l.rowHeight(),
                   ui::fromRecordText(line.teamName));
        for (std::size_t c = tile.firstColumn; c < tile.firstColumn + tile.columnCount && c < kPresentedValueCount; ++c) {
            const std::string text = presentedValues()[c].isFloat
                                         ? courtlog::output::printedFloat(courtlog::stats::presentedFloat(line, c))
                                         : courtlog::output::printedCount(courtlog::stats::presentedCount(line, c));
            drawText(painter, left + l.valueColumnLeft(c - tile.firstColumn), textTop, l.valueColumnWidth(),
                     Qt::AlignHCenter, QString::fromLatin1(text));
        }
    }
}

}  // namespace courtlog::gui::stats
