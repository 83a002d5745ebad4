#include "core/output/ScoreSheetLayout.h"

#include <algorithm>
#include <cmath>

namespace courtlog::output {

namespace {

// Under a filled grid's closing line: half a line of air, the two final
// score lines and half a line more before the footer, in lines.
constexpr int kClosingLines = 3;

}  // namespace

ScoreSheetSizes scoreSheetSizes(int printableWidth, bool halves) {
    return scoreSheetSizesFromBase(printableWidth / (halves ? 65 : 75));
}

ScoreSheetSizes scoreSheetSizesFromBase(int base) {
    ScoreSheetSizes sizes;
    sizes.base = std::max(1, base);
    sizes.small = std::max(1, sizes.base * 3 / 4);
    sizes.teamName = std::max(1, sizes.base * 5 / 4);
    sizes.thinPen = std::max(1, sizes.base / 10);
    sizes.thickPen = std::max(1, sizes.base / 5);
    return sizes;
}

ScoreSheetLayout::ScoreSheetLayout(const ScoreSheetMeasures& measures, int blockCount, ScoreSheetForm form)
    : form_(form),
      blockCount_(std::max(blockCount, 1)),
      top_(measures.pageTop),
      pageRight_(measures.pageLeft + measures.pageWidth),
      pageBottom_(measures.pageTop + measures.pageHeight),
      footerTop_(pageBottom_ - 2 * std::max(measures.footerHeight, 0)),
      margin_(measures.pageLeft + measures.pageWidth * 3 / 100),
      l_(std::max(measures.lineHeight, 1)),
      s_(std::max(measures.smallLineHeight, 1)),
      m_(std::max(measures.doubleZeroWidth, 1) / 2.0),
      mm_(measures.unitsPerMillimetre > 0 ? measures.unitsPerMillimetre : m_) {
    if (!blank()) {
        positionLeft_ = margin_;
        nameLeft_ = px(4.2);
        numberLeft_ = px(22);
        foulsLeft_ = px(22 + 3.5);
        foulBoxWidth_ = static_cast<int>(std::lround(2 * m_));
        foulBoxHeight_ = 5 * l_ / 4;
        rowHeight_ = 3 * l_;
        return;
    }
    const int left = measures.pageLeft + mm(1);
    const int right = pageRight_ - mm(1);
    const int labelGap = mm(0.6);
    const int boxGap = mm(1.2);
    const int air = mm(0.8);
    foulLabelWidth_ = std::max(measures.foulLabelWidth, 0);
    foulBoxWidth_ = std::max(mm(5), static_cast<int>(std::lround(2 * m_)));
    foulBoxHeight_ = foulBoxWidth_;
    foulPitch_ = foulLabelWidth_ + labelGap + foulBoxWidth_ + boxGap;
    const int position = mm(8);
    const int number = mm(9);
    const int fouls = boxGap + 4 * foulPitch_;
    const int remaining = right - left - position - number - fouls;
    const int name = std::max(mm(30), remaining / 4);
    positionLeft_ = left;
    nameLeft_ = left + position;
    numberLeft_ = nameLeft_ + name;
    foulsLeft_ = numberLeft_ + number;
    blocksLeft_ = foulsLeft_ + fouls;
    blankColumnWidth_ = std::max(0.0, static_cast<double>(right - blocksLeft_) / (5.0 * blockCount_));
    rowHeight_ = std::max({mm(9), 2 * foulBoxHeight_ + 3 * air, 3 * l_});
}

int ScoreSheetLayout::px(double units) const { return margin_ + static_cast<int>(std::lround(units * m_)); }
int ScoreSheetLayout::mm(double millimetres) const { return static_cast<int>(std::lround(millimetres * mm_)); }

int ScoreSheetLayout::foulBoxLeft(int box) const {
    if (!blank()) return px(22 + 4 + 3 * box);
    return foulLabelLeft(box) + foulLabelWidth_ + mm(0.6);
}

int ScoreSheetLayout::foulLabelLeft(int box) const {
    if (!blank()) return foulBoxLeft(box);
    return foulsLeft_ + mm(1.2) + box * foulPitch_;
}

int ScoreSheetLayout::blockLeft(int block) const { return columnLeft(block, 0); }

int ScoreSheetLayout::columnLeft(int block, int column) const {
    if (!blank()) return px(22 + 17 + 17.5 * block + 3.5 * column);
    return blocksLeft_ + static_cast<int>(std::lround((5 * block + column) * blankColumnWidth_));
}

int ScoreSheetLayout::gameLineTop(bool blankLine) const {
    if (blank()) return top_ + l_ + mm(7);
    return top_ + (blankLine ? 5 : 3) * l_;
}

int ScoreSheetLayout::teamLineTop() const { return gameLineTop(true) + l_ + mm(6); }

int ScoreSheetLayout::gridTop() const { return blank() ? teamLineTop() + l_ + mm(3) : top_ + 6 * l_; }

int ScoreSheetLayout::rowTextTop(int rowTop) const { return blank() ? rowTop + (rowHeight_ - l_) / 2 : rowTop + l_; }

int ScoreSheetLayout::foulLineTop(int rowTop, int line) const {
    if (!blank()) return rowTop + line * (3 * l_ / 2);
    const int air = (rowHeight_ - 2 * foulBoxHeight_) / 3;
    return rowTop + air + line * (foulBoxHeight_ + air);
}

int ScoreSheetLayout::separator(int rowTop) const { return blank() ? rowTop + rowHeight_ : rowTop + 28 * l_ / 10; }

int ScoreSheetLayout::closingHeight() const {
    // Half a line of air, the two final score lines and half a line more
    // before the footer; on a blank sheet room above each line to write.
    return blank() ? 2 * l_ + mm(13) : kClosingLines * l_;
}

int ScoreSheetLayout::closingRule(int rowCount, bool withTeamTotal) const {
    // The closing line takes the place of the last row's separator.
    const int rows = std::max(rowCount + (withTeamTotal ? 1 : 0), 1);
    return separator(rowTop(rows - 1));
}

int ScoreSheetLayout::finalScoreTop(int rowCount, bool withTeamTotal, int line) const {
    const int closing = closingRule(rowCount, withTeamTotal);
    if (blank()) return closing + mm(6) + line * (l_ + mm(5));
    return closing + l_ / 2 + line * l_;
}

int ScoreSheetLayout::rowsPerPage() const {
    // With n rows the grid closes under the team total row, at
    // separator(rowTop(n)) = separator(firstRowTop()) + n rows, and the
    // final score lines need their room below it above the footer.
    const long long room = static_cast<long long>(footerTop_) - closingHeight() - separator(firstRowTop());
    const long long rows = room / rowHeight();
    return static_cast<int>(std::clamp<long long>(rows, 1, 1 << 16));
}

std::vector<ScoreSheetPage> scoreSheetPages(SheetTeams teams, int homeRows, int visitorRows, int rowsPerPage) {
    std::vector<ScoreSheetPage> pages;
    const int perPage = std::max(rowsPerPage, 1);
    auto addTeam = [&](bool home, int rows) {
        int first = 0;
        do {
            const int count = std::clamp(rows - first, 0, perPage);
            pages.push_back({home, first, count});
            first += count;
        } while (first < rows);
    };
    if (teams != SheetTeams::Visitor) addTeam(true, std::max(homeRows, 0));
    if (teams != SheetTeams::Home) addTeam(false, std::max(visitorRows, 0));
    return pages;
}

}  // namespace courtlog::output
