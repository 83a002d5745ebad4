#include "core/output/ScoreSheetLayout.h"

#include <algorithm>
#include <cmath>

namespace courtlog::output {

namespace {

// Under the grid's closing line: half a line of air, the two final score
// lines and half a line more before the footer, in lines.
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

ScoreSheetLayout::ScoreSheetLayout(const ScoreSheetMeasures& measures, int blockCount)
    : blockCount_(std::max(blockCount, 1)),
      top_(measures.pageTop),
      pageRight_(measures.pageLeft + measures.pageWidth),
      pageBottom_(measures.pageTop + measures.pageHeight),
      footerTop_(pageBottom_ - 2 * std::max(measures.footerHeight, 0)),
      margin_(measures.pageLeft + measures.pageWidth * 3 / 100),
      l_(std::max(measures.lineHeight, 1)),
      s_(std::max(measures.smallLineHeight, 1)),
      m_(std::max(measures.doubleZeroWidth, 1) / 2.0) {}

int ScoreSheetLayout::px(double units) const { return margin_ + static_cast<int>(std::lround(units * m_)); }

int ScoreSheetLayout::nameLeft() const { return px(4.2); }
int ScoreSheetLayout::numberLeft() const { return px(22); }
int ScoreSheetLayout::foulsLeft() const { return px(22 + 3.5); }
int ScoreSheetLayout::foulBoxLeft(int box) const { return px(22 + 4 + 3 * box); }
int ScoreSheetLayout::foulBoxWidth() const { return static_cast<int>(std::lround(2 * m_)); }
int ScoreSheetLayout::blockLeft(int block) const { return px(22 + 17 + 17.5 * block); }
int ScoreSheetLayout::columnLeft(int block, int column) const { return px(22 + 17 + 17.5 * block + 3.5 * column); }

int ScoreSheetLayout::gameLineTop(bool blank) const { return top_ + (blank ? 5 : 3) * l_; }

int ScoreSheetLayout::closingRule(int rowCount, bool withTeamTotal) const {
    // The closing line takes the place of the last row's separator.
    const int rows = std::max(rowCount + (withTeamTotal ? 1 : 0), 1);
    return separator(rowTop(rows - 1));
}

int ScoreSheetLayout::finalScoreTop(int rowCount, bool withTeamTotal, int line) const {
    return closingRule(rowCount, withTeamTotal) + l_ / 2 + line * l_;
}

int ScoreSheetLayout::filledRowsPerPage() const {
    // With n rows the grid closes under the team total row, at
    // separator(rowTop(n)) = separator(firstRowTop()) + 3 L n, and the final
    // score lines need kClosingLines more above the footer.
    const long long room =
        static_cast<long long>(footerTop_) - kClosingLines * l_ - separator(firstRowTop());
    const long long rows = room / rowHeight();
    return static_cast<int>(std::clamp<long long>(rows, 1, 1 << 16));
}

int ScoreSheetLayout::blankRowCount() const {
    const long long rows = (static_cast<long long>(pageBottom_ - top_) - 20LL * l_) / rowHeight();
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
