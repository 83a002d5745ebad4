#include "gui/stats/StatisticsPrintout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QSet>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/stats/StatisticsColumns.h"
#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/RecordPaths.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::stats {

namespace {

using courtlog::output::StatisticsPrintLayout;
using courtlog::output::statisticsGroups;
using courtlog::stats::kPresentedValueCount;
using courtlog::stats::presentedValues;

constexpr double kSmallestFittedPoints = 7.0;

bool endsGroup(std::size_t column) {
    return std::any_of(statisticsGroups().begin(), statisticsGroups().end(),
                       [column](const auto& g) { return g.last == column; });
}

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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

double widest(const QFontMetricsF& metrics, const std::vector<QString>& texts) {
    double width = 0;
    for (const QString& text : texts) width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

// Each text once, in the order first met.
void addDistinct(std::vector<QString>& texts, QSet<QString>& seen, const QString& text) {
    if (!seen.contains(text)) {
        seen.insert(text);
        texts.push_back(text);
    }
}

}  // namespace

StatisticsPrintout::StatisticsPrintout(Content content) : content_(std::move(content)) {
    QSet<QString> seenNames, seenTeams;
    std::array<QSet<QString>, kPresentedValueCount> seenValues;
    addDistinct(names_, seenNames, QStringLiteral("PLAYER"));
    addDistinct(teams_, seenTeams, QStringLiteral("TEAM"));
    for (std::size_t c = 0; c < kPresentedValueCount; ++c)
        addDistinct(distinctValues_[c], seenValues[c], latin1(presentedValues()[c].printHeading));
    rows_.reserve(content_.lines.size());
    for (std::size_t i = 0; i < content_.lines.size(); ++i) {
        const StatLine& line = content_.lines[i];
        RowTexts row;
        row.name = ui::fromRecordText(courtlog::stats::statNameText(line, i + 1 == content_.lines.size()));
        row.team = ui::fromRecordText(line.teamName);
        addDistinct(names_, seenNames, row.name);
        addDistinct(teams_, seenTeams, row.team);
        for (std::size_t c = 0; c < kPresentedValueCount; ++c) {
            row.values[c] = QString::fromStdString(courtlog::output::printedValue(line, c));
            addDistinct(distinctValues_[c], seenValues[c], row.values[c]);
        }
        rows_.push_back(std::move(row));
    }
}

StatisticsPrintLayout StatisticsPrintout::layoutAt(QPainter& painter, int pixelSize, bool tight, double pageWidth,
                                                   double pageHeight) const {
    const QFont font = ui::printFont(ui::PrintFace::TimesNewRoman, pixelSize);
    const QFontMetricsF metrics(font, painter.device());
    courtlog::output::StatisticsTextWidths widths;
    widths.name = widest(metrics, names_);
    widths.team = widest(metrics, teams_);
    for (std::size_t c = 0; c < kPresentedValueCount; ++c) widths.values[c] = widest(metrics, distinctValues_[c]);
    for (std::size_t g = 0; g < widths.groups.size(); ++g)
        widths.groups[g] = metrics.horizontalAdvance(latin1(statisticsGroups()[g].title));
    // A fifth of the font's size either side of a column's widest text; a
    // tight table a twelfth, the column lines still keeping values apart.
    const double air = std::max(1.0, pixelSize / (tight ? 12.0 : 5.0));
    const StatisticsPrintLayout::FontMeasures measures{metrics.averageCharWidth(), metrics.height(), air};
    return StatisticsPrintLayout(widths, measures, pageWidth, pageHeight, content_.lines.size(),
                                 content_.files.size());
}

void StatisticsPrintout::fitTo(QPainter& painter, const QRect& page) {
    titleHeight_ = ui::pageTitleLineHeight(painter, page);
    // The table keeps clear of the footer, which stands two of its lines
    // above the bottom.
    const double footerTop = page.bottom() + 1 - 3 * QFontMetricsF(footerFont(page), painter.device()).height();
    const double height = footerTop - (page.top() + titleHeight_);
    const double width = page.width();

    int size = std::max(1, page.width() / 80);
    bool tight = false;
    if (content_.fitToWidth && !layoutAt(painter, size, false, width, height).fitsAcross()) {
        // The largest size from the smallest readable one up that fits; at
        // the smallest readable one the columns close up before the table
        // is sliced.
        int low = std::min(size, static_cast<int>(std::ceil(ui::devicePixelsOfPoints(painter.device(),
                                                                                     kSmallestFittedPoints))));
        int high = size - 1;
        size = low;
        tight = !layoutAt(painter, low, false, width, height).fitsAcross();
        while (!tight && low <= high) {
            const int middle = low + (high - low) / 2;
            if (layoutAt(painter, middle, false, width, height).fitsAcross()) {
                size = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
    }
    font_ = ui::printFont(ui::PrintFace::TimesNewRoman, size);
    layout_.emplace(layoutAt(painter, size, tight, width, height));
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
        drawText(painter, left + layout_->nameLeft(), top + tile.fileListTop + static_cast<double>(i) * layout_->textHeight(),
                 page.width() - layout_->nameLeft(), Qt::AlignLeft,
                 ui::fromRecordPath(fileLines[tile.firstFileLine + i]));
    painter.restore();
}

void StatisticsPrintout::drawTable(QPainter& painter, const StatisticsPrintLayout::Page& tile, double left,
                                   double top) const {
    const StatisticsPrintLayout& l = *layout_;
    const std::size_t first = tile.firstColumn;
    const std::size_t end = first + tile.columnCount;  // one past the last value column shown
    auto columnLeft = [&](std::size_t column) { return left + l.valueColumnLeft(first, column); };
    const double nameLeft = left + l.nameLeft();
    const double right = columnLeft(end);
    const double groupTop = top + l.groupRowTop();
    const double firstRowTop = top + l.firstRowTop();
    const double bottom = top + l.rowTop(tile.rowCount);

    // Group titles centred over the part of their span on this page.
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const auto& group : statisticsGroups()) {
        const std::size_t from = std::max(group.first, first);
        const std::size_t to = std::min(group.last, end);
        if (from >= to) continue;
        const double width = columnLeft(to) - columnLeft(from);
        drawText(painter, columnLeft(from), top + l.groupTitleTop(), width, Qt::AlignHCenter,
                 metrics.elidedText(latin1(group.title), Qt::ElideRight, width));
    }
    drawText(painter, nameLeft + l.air(), top + l.headingRowTop(), l.teamLeft() - l.nameLeft(), Qt::AlignLeft,
             QStringLiteral("PLAYER"));
    drawText(painter, left + l.teamLeft() + l.air(), top + l.headingRowTop(), l.valuesLeft() - l.teamLeft(),
             Qt::AlignLeft, QStringLiteral("TEAM"));
    for (std::size_t i = first; i < end; ++i)
        drawText(painter, columnLeft(i), top + l.headingRowTop(), l.valueColumnWidth(i), Qt::AlignHCenter,
                 latin1(presentedValues()[i].printHeading));

    painter.save();
    painter.setPen(QPen(QColor(5, 5, 5), 1));
    // The lines of the player and team columns, the group boundaries and
    // the page's right edge rise to the group row; the lines between
    // columns start at the first row.
    for (const double x : {nameLeft, left + l.teamLeft(), left + l.valuesLeft()})
        painter.drawLine(QPointF(x, groupTop), QPointF(x, bottom));
    for (std::size_t i = first; i < end; ++i) {
        const bool tall = endsGroup(i + 1) || i + 1 == end;
        painter.drawLine(QPointF(columnLeft(i + 1), tall ? groupTop : firstRowTop), QPointF(columnLeft(i + 1), bottom));
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
    for (std::size_t i = 0; i < tile.rowCount; ++i) {
        const std::size_t index = tile.firstRow + i;
        if (index >= rows_.size()) break;
        const RowTexts& row = rows_[index];
        const double textTop = top + l.rowTop(i) + l.rowTextInset();
        drawText(painter, left + l.nameLeft() + l.air(), textTop, l.teamLeft() - l.nameLeft(), Qt::AlignLeft, row.name);
        drawText(painter, left + l.teamLeft() + l.air(), textTop, l.valuesLeft() - l.teamLeft(), Qt::AlignLeft, row.team);
        for (std::size_t c = tile.firstColumn; c < tile.firstColumn + tile.columnCount && c < kPresentedValueCount; ++c)
            drawText(painter, left + l.valueColumnLeft(tile.firstColumn, c), textTop, l.valueColumnWidth(c),
                     Qt::AlignHCenter, row.values[c]);
    }
}

}  // namespace courtlog::gui::stats
