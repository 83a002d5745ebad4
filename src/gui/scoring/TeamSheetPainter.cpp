#include "gui/scoring/TeamSheetPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>

#include "core/records/Codes.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::scoring {

// The scoring core's rules used here.
using courtlog::scoring::SheetRow;
using courtlog::scoring::ShootingFigures;
using courtlog::scoring::TeamSheetFigures;

namespace sheet {

namespace {

// Figure columns within a block: 2's and 3's under "FG", then FTA, FTM, TP.
// The game block ends at the form's right edge, 118 pixels in, so both
// blocks use that width and the current period's keeps a small gap.
constexpr int kBlockInnerWidth = kWidth - kGameBlockLeft;
constexpr std::array<int, kFigureColumns> kFigureLeft{0, 23, 46, 70, 94};
constexpr std::array<int, kFigureColumns> kFigureWidth{23, 23, 24, 24, kBlockInnerWidth - 94};
// Foul boxes: P1/P4, P2/P5, P3/P6, T1/T2.
constexpr std::array<int, 4> kFoulBoxLeft{215, 239, 261, 284};
constexpr std::array<int, 4> kFoulBoxWidth{23, 23, 23, 22};
// One line of the stacked block headings and of the foul boxes.
constexpr int kSmallLine = 14;

// The sheet's sizes are cell heights (ascent plus descent), as on the paper
// form it copies; Liberation Sans has Arial's metrics, so the largest pixel
// size whose line fits the cell keeps every column where it was designed.
QFont cellFont(int cellHeight, QFont::Weight weight) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(weight);
    int pixels = cellHeight;
    font.setPixelSize(pixels);
    while (pixels > 6 && QFontMetrics(font).height() > cellHeight) font.setPixelSize(--pixels);
    return font;
}

int mainLineHeight() { return QFontMetrics(mainFont()).height(); }

int headingsTop() { return headerHeight() + 3; }

}  // namespace

QFont mainFont() {
    static const QFont font = cellFont(16, QFont::DemiBold);
    return font;
}

QFont smallFont() {
    static const QFont font = cellFont(14, QFont::Medium);
    return font;
}

int headerHeight() {
    const int d = mainLineHeight();
    return 3 * (d + 2 * (d / 3));
}

int headingsLine() { return headingsTop() + 2 * mainLineHeight() + 2; }

int rowTop(int row) { return headingsLine() + kFirstRowBelowHeadings + row * kRowHeight; }

QSize size(int rowCount) { return {kWidth + 1, rowTop(rowCount) + 1}; }

QRect foulCell(int row, int box) {
    const int column = box < 6 ? box % 3 : 3;
    const bool lowerLine = box < 6 ? box >= 3 : box == 7;
    const int top = rowTop(row) + 1 + (lowerLine ? kSecondFoulLine : 0);
    return {kFoulBoxLeft[static_cast<std::size_t>(column)], top, kFoulBoxWidth[static_cast<std::size_t>(column)],
            kSmallLine};
}

QRect figureCell(int row, bool gameBlock, int column) {
    const auto c = static_cast<std::size_t>(column);
    const int left = (gameBlock ? kGameBlockLeft : kPeriodBlockLeft) + kFigureLeft[c];
    return {left, rowTop(row), kFigureWidth[c], kRowHeight};
}

QRect periodTitleRect() {
    const int d = mainLineHeight();
    return {kPeriodBlockLeft, headingsTop() + d / 2, kBlockInnerWidth, d};
}

QRect gameTotalsRect() { return periodTitleRect().translated(kGameBlockLeft - kPeriodBlockLeft, 0); }

QRect figuresArea(int rowCount) {
    return {kPeriodBlockLeft, headerHeight(), kWidth - kPeriodBlockLeft + 1, rowTop(rowCount) - headerHeight() + 1};
}

QColor foulColor(int period) {
    switch (period) {
        case 0: return {0, 128, 0};
        case 1: return {0, 0, 157};
        case 2: return {128, 0, 128};
        default: return {255, 0, 0};
    }
}

QColor technicalColor() { return {0, 0, 157}; }

QRect rowArea(int row) { return {0, rowTop(row), kWidth + 1, kRowHeight + 1}; }

QRect headingsArea() { return {0, 0, kWidth + 1, rowTop(0) + 1}; }

}  // namespace sheet

namespace {

using namespace sheet;

void drawLeft(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

void drawCentred(QPainter& p, int left, int width, int y, const QString& text) {
    p.drawText(QRect(left, y, width, p.fontMetrics().height()), Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip,
               text);
}

void drawHeader(QPainter& p, const TeamSheetFigures& figures) {
    p.setFont(mainFont());
    const int d = p.fontMetrics().height();
    const int g = d / 3;
    const int boxHeight = d + 2 * g;
    const std::array<std::pair<QString, QString>, 3> boxes{{
        {QStringLiteral("Team:"), ui::fromRecordText(figures.teamName)},
        {QStringLiteral("Coach:"), ui::fromRecordText(figures.coach)},
        {QStringLiteral("Date:"), QString::fromStdString(figures.dateText)},
    }};
    int top = 0;
    for (const auto& [label, value] : boxes) {
        p.drawRect(QRect(0, top, kWidth, boxHeight));
        drawLeft(p, kTextMargin, top + g, label);
        const int valueLeft = 2 * kTextMargin + p.fontMetrics().horizontalAdvance(label);
        drawLeft(p, valueLeft, top + g,
                 p.fontMetrics().elidedText(value, Qt::ElideRight, kWidth - valueLeft - kTextMargin));
        top += boxHeight;
    }
}

void drawColumnHeadings(QPainter& p, const TeamSheetFigures& figures) {
    p.setFont(mainFont());
    const int d = p.fontMetrics().height();
    const int line1 = headingsTop();
    const int line2 = line1 + d;
    const int foulWidth = kPeriodBlockLeft - kFoulLeft;
    drawCentred(p, kFoulLeft, foulWidth, line1, QStringLiteral("Personal"));
    drawCentred(p, kFoulLeft, foulWidth, line2, QStringLiteral("Fouls"));
    drawLeft(p, kTextMargin, line2, QStringLiteral("Pos"));
    drawLeft(p, kNameLeft, line2, QStringLiteral("Player's Name"));
    drawLeft(p, kNumberLeft, line2, QStringLiteral("No."));
    const int titleFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip;
    p.drawText(periodTitleRect(), titleFlags, QString::fromStdString(figures.periodTitle));
    p.drawText(gameTotalsRect(), titleFlags, QStringLiteral("Game Totals"));
    p.drawLine(0, headingsLine(), kWidth, headingsLine());
}

// A vertical rule from y1 down to y2, only as far as it crosses wanted: a
// long rule clipped away still costs its whole length.
void drawRule(QPainter& p, int x, int y1, int y2, const QRect& wanted) {
    if (x < wanted.left() || x > wanted.right()) return;
    const int from = std::max(y1, wanted.top());
    const int to = std::min(y2, wanted.bottom() + 1);
    if (from <= to) p.drawLine(x, from, x, to);
}

// The captions of one figures block (left out when captions is false) and
// the rules that run from them down through the rows.
void drawBlockHeadings(QPainter& p, int left, int bottom, bool captions, const QRect& wanted) {
    const int top = headingsLine() + 1;
    const int fgWidth = kFigureLeft[2];
    drawRule(p, left + kFigureLeft[1], top + kSmallLine, bottom, wanted);
    for (std::size_t c = 2; c < kFigureLeft.size(); ++c) drawRule(p, left + kFigureLeft[c], headingsLine(), bottom, wanted);
    if (!captions) return;
    p.setFont(smallFont());
    drawCentred(p, left, fgWidth, top, QStringLiteral("FG"));
    p.drawLine(left, top + kSmallLine, left + fgWidth, top + kSmallLine);
    drawCentred(p, left + kFigureLeft[0], kFigureWidth[0], top + kSmallLine + 1, QStringLiteral("2's"));
    drawCentred(p, left + kFigureLeft[1], kFigureWidth[1], top + kSmallLine + 1, QStringLiteral("3's"));
    const std::array<const char*, 3> attempted{"F", "T", "A"};
    const std::array<const char*, 3> made{"F", "T", "M"};
    for (std::size_t i = 0; i < 3; ++i) {
        const int y = top + static_cast<int>(i) * kSmallLine;
        drawCentred(p, left + kFigureLeft[2], kFigureWidth[2], y, QString::fromLatin1(attempted[i]));
        drawCentred(p, left + kFigureLeft[3], kFigureWidth[3], y, QString::fromLatin1(made[i]));
    }
    drawCentred(p, left + kFigureLeft[4], kFigureWidth[4], top + kSmallLine, QStringLiteral("TP"));
}


void drawCross(QPainter& p, const QRect& cell, const QColor& color) {
    const QRect r = cell.adjusted(3, 1, -3, -1);
    for (const QPen& pen : {QPen(Qt::white, 4), QPen(color, 2)}) {
        p.setPen(pen);
        p.drawLine(r.topLeft(), r.bottomRight());
        p.drawLine(r.bottomLeft(), r.topRight());
    }
}

void drawFigures(QPainter& p, int row, bool gameBlock, const ShootingFigures& f) {
    const std::array<int, kFigureColumns> values{f.twoMade, f.threeMade, f.freeThrowsAttempted, f.freeThrowsMade,
                                                 f.points};
    for (std::size_t c = 0; c < values.size(); ++c) {
        const QRect cell = figureCell(row, gameBlock, static_cast<int>(c));
        p.drawText(cell, Qt::AlignCenter | Qt::TextDontClip, QString::number(values[c]));
    }
}

void drawRow(QPainter& p, int row, const SheetRow& player) {
    const QPen rule(Qt::black, 1);
    const int top = rowTop(row);
    p.setPen(rule);
    p.setFont(mainFont());
    const QFontMetrics fm = p.fontMetrics();
    const int textTop = top + (kRowHeight - fm.height()) / 2;
    const std::string_view letter = positionLetter(player.position);
    drawLeft(p, kTextMargin + fm.horizontalAdvance(QStringLiteral("  ")), textTop,
             QString::fromLatin1(letter.data(), static_cast<qsizetype>(letter.size())));
    drawLeft(p, kNameLeft, textTop,
             fm.elidedText(ui::fromRecordText(player.name), Qt::ElideRight, kNumberLeft - kNameLeft - 4));
    p.drawText(QRect(kNumberLeft, textTop, fm.horizontalAdvance(QStringLiteral("00")), fm.height()),
               Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, QString::fromStdString(player.numberText));
    drawFigures(p, row, false, player.thisPeriod);
    drawFigures(p, row, true, player.game);

    p.setFont(smallFont());
    static const std::array<const char*, 8> labels{"P1", "P2", "P3", "P4", "P5", "P6", "T1", "T2"};
    for (std::size_t box = 0; box < labels.size(); ++box)
        p.drawText(foulCell(row, static_cast<int>(box)), Qt::AlignCenter | Qt::TextDontClip,
                   QString::fromLatin1(labels[box]));
    // The figures hold at most six personal and two technical fouls, one per box.
    for (std::size_t i = 0; i < player.personalFoulPeriods.size(); ++i)
        drawCross(p, foulCell(row, static_cast<int>(i)), foulColor(player.personalFoulPeriods[i]));
    for (std::size_t i = 0; i < player.technicalPeriods.size(); ++i)
        drawCross(p, foulCell(row, 6 + static_cast<int>(i)), technicalColor());

    p.setPen(rule);
    p.drawLine(0, top + kRowHeight, kWidth, top + kRowHeight);
}

}  // namespace

void paintTeamSheet(QPainter& painter, const QRect& area, const TeamSheetFigures& figures, const SheetLogo& logo,
                    QPoint scroll, const QRect& exposed) {
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    ui::drawPicture(painter, area, logo.image, logo.layout);

    // The exposed part in form coordinates; every part of the form that
    // misses it is left out (a rule or a cross reaches at most 2 pixels past
    // its cell).
    const QPoint origin = area.topLeft() - scroll;
    const QRect wanted = (exposed.isEmpty() ? area : exposed & area).translated(-origin).adjusted(-2, -2, 2, 2);
    painter.translate(origin);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));

    const int rowCount = static_cast<int>(figures.rows.size());
    const int bottom = rowTop(rowCount);
    // Every text of the form lies on a pale ground of its own, so no logo
    // behind the sheet at any fade (a dark "0" under a dark ball, an orange
    // ball under a red cross) can swallow it; the logo still shows through.
    // The rules are drawn over it.
    painter.fillRect(QRect(0, 0, kWidth, bottom), QColor(255, 255, 255, 190));
    const bool headings = wanted.intersects(headingsArea());
    if (headings) {
        drawHeader(painter, figures);
        drawColumnHeadings(painter, figures);
    }
    drawBlockHeadings(painter, kPeriodBlockLeft, bottom, headings, wanted);
    drawBlockHeadings(painter, kGameBlockLeft, bottom, headings, wanted);
    painter.drawLine(0, rowTop(0), kWidth, rowTop(0));

    // The form's frame and the rules that separate names, foul boxes and
    // the two blocks run from under the header to the last row.
    for (int x : {0, kFoulLeft, kPeriodBlockLeft, kGameBlockLeft, kWidth}) drawRule(painter, x, headerHeight(), bottom, wanted);
    for (std::size_t i = 1; i < kFoulBoxLeft.size(); ++i)
        drawRule(painter, kFoulBoxLeft[i], headingsLine(), bottom, wanted);

    for (int row = 0; row < rowCount; ++row)
        if (wanted.intersects(rowArea(row))) drawRow(painter, row, figures.rows[static_cast<std::size_t>(row)]);
    painter.restore();
}

}  // namespace courtlog::gui::scoring
