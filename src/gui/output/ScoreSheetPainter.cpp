#include "gui/output/ScoreSheetPainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "gui/ui/PageFrame.h"
#include "gui/ui/PrintFonts.h"
#include "gui/ui/TextFields.h"

namespace courtlog::gui::output {

namespace {

namespace core = courtlog::output;

constexpr int kBaseWeight = 600;
constexpr int kTeamNameWeight = 700;

const QColor kDarkBlue(0, 0, 157);
const QColor kGreen(0, 128, 0);
const QColor kPurple(128, 0, 128);

QColor foulColour(core::FoulPen pen) {
    switch (pen) {
        case core::FoulPen::Green: return kGreen;
        case core::FoulPen::DarkBlue: return kDarkBlue;
        case core::FoulPen::Purple: return kPurple;
        case core::FoulPen::Red: break;
    }
    return Qt::red;
}

// An Arial font whose line of text (ascent and descent) is lineHeight high,
// as the sheets' heights are meant, rather than its letters' em.
QFont sheetFont(QPaintDevice* device, int lineHeight, int weight) {
    QFont font = ui::printFont(ui::PrintFace::Arial, lineHeight);
    font.setWeight(static_cast<QFont::Weight>(weight));
    const int measured = QFontMetrics(font, device).height();
    if (measured > 0 && measured != lineHeight)
        font.setPixelSize(std::max(1, static_cast<int>(static_cast<long long>(lineHeight) * lineHeight / measured)));
    return font;
}

// Sheet texts hold record texts, which are single-byte Windows-1252.
QString text(const std::string& s) { return ui::fromRecordText(s); }
QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

ScoreSheetPainter::ScoreSheetPainter(QPainter& painter, const QRect& page, bool halves, int blockCount,
                                     core::ScoreSheetForm form)
    : painter_(painter), page_(page), blockCount_(blockCount) {
    QPaintDevice* device = painter.device();
    const int footerHeight = ui::pageFooterHeight(painter, page);
    // The sizes the width asks for; smaller only when the blocks would not
    // fit across the page in this face.
    for (int base = core::scoreSheetSizes(page.width(), halves).base;; --base) {
        sizes_ = core::scoreSheetSizesFromBase(base);
        baseFont_ = sheetFont(device, sizes_.base, kBaseWeight);
        smallFont_ = sheetFont(device, sizes_.small, kBaseWeight);
        teamFont_ = sheetFont(device, sizes_.teamName, kTeamNameWeight);
        const QFontMetrics metrics(baseFont_, device);
        core::ScoreSheetMeasures measures;
        measures.pageLeft = page.left();
        measures.pageTop = page.top();
        measures.pageWidth = page.width();
        measures.pageHeight = page.height();
        measures.doubleZeroWidth = metrics.horizontalAdvance(QStringLiteral("00"));
        measures.lineHeight = metrics.height();
        measures.smallLineHeight = QFontMetrics(smallFont_, device).height();
        measures.footerHeight = footerHeight;
        measures.unitsPerMillimetre = ui::devicePixelsOfMillimetres(device, 1);
        measures.foulLabelWidth = QFontMetrics(smallFont_, device).horizontalAdvance(QStringLiteral("P6"));
        layout_.emplace(measures, blockCount, form);
        if (layout_->fitsAcross() || base <= 1) break;
    }
}

QPen ScoreSheetPainter::pen(const QColor& colour, int width) const {
    QPen p(colour, std::max(width, 1));
    p.setCapStyle(Qt::FlatCap);
    return p;
}

void ScoreSheetPainter::drawTextAt(const QFont& font, int left, int top, const QString& s) {
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QPoint(left, top + QFontMetrics(font, painter_.device()).ascent()), s);
}

void ScoreSheetPainter::drawCentred(const QFont& font, int left, int right, int top, const QString& s) {
    const int width = QFontMetrics(font, painter_.device()).horizontalAdvance(s);
    drawTextAt(font, left + (right - left - width) / 2, top, s);
}

void ScoreSheetPainter::drawTopLines(int pageNumber, const core::ClockReading& today, const QString& gameLine,
                                     bool blank) {
    const QFontMetrics metrics(baseFont_, painter_.device());
    const int left = page_.left() + 4 * metrics.averageCharWidth();
    const QString date = text(core::pageDateText(today));
    const int dateWidth = metrics.horizontalAdvance(date);
    // The date ends 1.2 of its own width before the right edge.
    drawTextAt(baseFont_, page_.right() + 1 - dateWidth - dateWidth * 6 / 5, layout_->firstLineTop(), date);
    drawTextAt(baseFont_, left, layout_->firstLineTop(), text(core::pageNumberText(pageNumber)));
    // A blank sheet's game line starts where its "Team:" line and its grid do.
    const bool blankForm = layout_->form() == core::ScoreSheetForm::Blank;
    drawTextAt(baseFont_, blankForm ? layout_->positionLeft() : left, layout_->gameLineTop(blank), gameLine);
}

void ScoreSheetPainter::drawTeamLine() {
    drawTextAt(baseFont_, layout_->positionLeft(), layout_->teamLineTop(), text(core::kBlankTeamLine));
}

void ScoreSheetPainter::drawTeamName(const QString& name) {
    drawCentred(teamFont_, layout_->positionLeft(), layout_->gridRight(), layout_->teamNameTop(), name);
}

void ScoreSheetPainter::drawHeadings(const std::vector<std::string>& blockTitles) {
    const core::ScoreSheetLayout& l = *layout_;
    const int inset = static_cast<int>(l.unit() / 2);
    drawTextAt(baseFont_, l.positionLeft() + inset, l.headingTop(), QStringLiteral("Pos"));
    drawTextAt(baseFont_, l.nameLeft() + inset, l.headingTop(), QStringLiteral("Player's Name"));
    drawTextAt(baseFont_, l.numberLeft() + inset, l.headingTop(), QStringLiteral("No"));
    drawTextAt(baseFont_, l.foulLabelLeft(0), l.headingTop(), QStringLiteral("Fouls"));
    for (int b = 0; b < blockCount_ && b < static_cast<int>(blockTitles.size()); ++b) {
        drawCentred(baseFont_, l.blockLeft(b), l.blockLeft(b + 1), l.headingTop(), text(blockTitles[b]));
        drawCentred(smallFont_, l.columnLeft(b, 0), l.columnLeft(b, 2), l.fieldGoalTop(), QStringLiteral("FG"));
        drawCentred(smallFont_, l.columnLeft(b, 0), l.columnLeft(b, 1), l.columnHeadingTop(), QStringLiteral("2's"));
        drawCentred(smallFont_, l.columnLeft(b, 1), l.columnLeft(b, 2), l.columnHeadingTop(), QStringLiteral("3's"));
        drawCentred(smallFont_, l.columnLeft(b, 4), l.columnLeft(b, 5), l.columnHeadingTop(), QStringLiteral("TP"));
        // Free throws attempted and made, their letters one under another.
        for (int letter = 0; letter < 3; ++letter) {
            drawCentred(smallFont_, l.columnLeft(b, 2), l.columnLeft(b, 3), l.freeThrowLetterTop(letter),
                        QString(QLatin1Char("FTA"[letter])));
            drawCentred(smallFont_, l.columnLeft(b, 3), l.columnLeft(b, 4), l.freeThrowLetterTop(letter),
                        QString(QLatin1Char("FTM"[letter])));
        }
    }
}

void ScoreSheetPainter::drawCross(const QRect& box, const QColor& colour) {
    painter_.setPen(pen(colour, sizes_.thickPen));
    const int inset = std::max(1, box.width() / 8);
    const QRect r = box.adjusted(inset, inset, -inset, -inset);
    painter_.drawLine(r.topLeft(), r.bottomRight());
    painter_.drawLine(r.topRight(), r.bottomLeft());
}

void ScoreSheetPainter::drawRow(int rowTop, const core::ScoreSheetRow* row) {
    const core::ScoreSheetLayout& l = *layout_;
    // The eight foul boxes, each labelled in its corner, or beside it on
    // a blank sheet so that the box stays free for the pen.
    const bool blank = l.form() == core::ScoreSheetForm::Blank;
    const int labelHeight = QFontMetrics(smallFont_, painter_.device()).height();
    for (int line = 0; line < 2; ++line)
        for (int box = 0; box < 4; ++box) {
            const QRect r(l.foulBoxLeft(box), l.foulLineTop(rowTop, line), l.foulBoxWidth(), l.foulBoxHeight());
            painter_.setPen(pen(Qt::black, sizes_.thinPen));
            painter_.setBrush(Qt::NoBrush);
            painter_.drawRect(r);
            const QString label = text(core::kFoulBoxLabels[line][box]);
            if (blank)
                drawTextAt(smallFont_, l.foulLabelLeft(box), r.top() + (r.height() - labelHeight) / 2, label);
            else
                drawTextAt(smallFont_, r.left() + sizes_.thinPen, r.top(), label);
        }
    if (!row) return;

    const int textTop = l.rowTextTop(rowTop);
    drawTextAt(baseFont_, l.positionLeft(), textTop, QStringLiteral("  ") + text(row->position));
    drawTextAt(baseFont_, l.nameLeft() + static_cast<int>(l.unit() / 2), textTop, text(row->name));
    drawTextAt(baseFont_, l.numberLeft() + static_cast<int>(l.unit() / 2), textTop, text(row->number));
    drawFigures(rowTop, row->blocks);

    // Personal fouls fill P1..P3 on the upper line, P4..P6 on the lower;
    // player technicals T1 and T2.
    for (std::size_t i = 0; i < row->personalCrosses.size() && i < 6; ++i) {
        const int line = static_cast<int>(i) / 3;
        const int box = static_cast<int>(i) % 3;
        drawCross(QRect(l.foulBoxLeft(box), l.foulLineTop(rowTop, line), l.foulBoxWidth(), l.foulBoxHeight()),
                  foulColour(row->personalCrosses[i]));
    }
    for (int t = 0; t < row->technicalCrosses && t < 2; ++t)
        drawCross(QRect(l.foulBoxLeft(3), l.foulLineTop(rowTop, t), l.foulBoxWidth(), l.foulBoxHeight()), kDarkBlue);
}

void ScoreSheetPainter::drawFigures(int rowTop, const std::vector<courtlog::scoring::ShootingFigures>& blocks) {
    const core::ScoreSheetLayout& l = *layout_;
    const int textTop = l.rowTextTop(rowTop);
    for (int b = 0; b < blockCount_ && b < static_cast<int>(blocks.size()); ++b) {
        const std::array<int, 5> values = core::blockColumns(blocks[static_cast<std::size_t>(b)]);
        for (int c = 0; c < 5; ++c)
            drawCentred(baseFont_, l.columnLeft(b, c), l.columnLeft(b, c + 1), textTop,
                        text(core::figureText(values[static_cast<std::size_t>(c)])));
    }
}

void ScoreSheetPainter::drawTeamTotal(int rowTop, const std::vector<courtlog::scoring::ShootingFigures>& blocks) {
    drawTextAt(baseFont_, layout_->positionLeft(), layout_->rowTextTop(rowTop), text(core::kTeamTotalText));
    drawFigures(rowTop, blocks);
}

void ScoreSheetPainter::drawGridAndClosing(int rowCount, bool withTeamTotal,
                                           const std::array<std::string, 2>& finalScore) {
    const core::ScoreSheetLayout& l = *layout_;
    const int top = l.gridTop();
    const int bottom = l.closingRule(rowCount, withTeamTotal);
    const int left = l.positionLeft();
    const int right = l.gridRight();
    painter_.setBrush(Qt::NoBrush);

    // Thin: the row separators; the lines between the first columns (down
    // to the "Team Total" row, whose text runs across them); the columns
    // inside the blocks from below the block names ("2's" and "3's" from
    // below their common "FG"); the line under the block names.
    painter_.setPen(pen(Qt::black, sizes_.thinPen));
    const int rows = rowCount + (withTeamTotal ? 1 : 0);
    for (int r = 0; r + 1 < rows; ++r) painter_.drawLine(left, l.separator(l.rowTop(r)), right, l.separator(l.rowTop(r)));
    const int playersBottom = withTeamTotal && rowCount > 0 ? l.separator(l.rowTop(rowCount - 1))
                              : withTeamTotal                ? l.headingRule()
                                                             : bottom;
    for (int x : {l.nameLeft(), l.numberLeft(), l.foulsLeft()}) painter_.drawLine(x, top, x, playersBottom);
    painter_.drawLine(l.blockLeft(0), l.blockNameBottom(), right, l.blockNameBottom());
    const int belowFieldGoals = l.fieldGoalTop() + QFontMetrics(smallFont_, painter_.device()).height();
    for (int b = 0; b < blockCount_; ++b)
        for (int c = 1; c < 5; ++c)
            painter_.drawLine(l.columnLeft(b, c), c == 1 ? belowFieldGoals : l.blockNameBottom(), l.columnLeft(b, c),
                              bottom);

    // Thick: the outer lines, the line under the headings, the block
    // boundaries from the top, and the closing line.
    painter_.setPen(pen(Qt::black, sizes_.thickPen));
    painter_.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
    painter_.drawLine(left, l.headingRule(), right, l.headingRule());
    for (int b = 0; b < blockCount_; ++b) painter_.drawLine(l.blockLeft(b), top, l.blockLeft(b), bottom);

    // "Final Score, Home  52" and under it, after "Final Score, ", the visitors.
    const int prefixWidth =
        QFontMetrics(baseFont_, painter_.device()).horizontalAdvance(text(core::kFinalScorePrefix));
    drawTextAt(baseFont_, left, l.finalScoreTop(rowCount, withTeamTotal, 0), text(finalScore[0]));
    drawTextAt(baseFont_, left + prefixWidth, l.finalScoreTop(rowCount, withTeamTotal, 1), text(finalScore[1]));
}

void ScoreSheetPainter::drawFooter(const QString& footLink) { ui::drawPageFooter(painter_, page_, footLink); }

}  // namespace courtlog::gui::output
