// How the statistics printout sizes its columns and tiles its table into
// pages, and how it prints its values.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "core/output/StatisticsPrintLayout.h"

namespace courtlog::output {
namespace {

using Page = StatisticsPrintLayout::Page;

// A page as slice, band, value columns [first, first + count), rows
// [first, first + count) and file-list lines.
Page page(int slice, int band, std::size_t firstColumn, std::size_t columns, std::size_t firstRow, std::size_t rows,
          std::size_t firstFileLine = 0, std::size_t fileLines = 0) {
    Page p;
    p.slice = slice;
    p.band = band;
    p.firstColumn = firstColumn;
    p.columnCount = columns;
    p.firstRow = firstRow;
    p.rowCount = rows;
    p.firstFileLine = firstFileLine;
    p.fileLineCount = fileLines;
    return p;
}

// Texts 20 wide in every value column, names 80 and teams 60, group titles
// narrow; no air, W = 10, T = 30. The table is then 10 + 80 + 60 + 42 x 20
// = 990 wide and 10 to spare; its first row 110 down, rows 40 tall.
StatisticsPrintLayout layout(double pageWidth, double pageHeight, std::size_t rows, std::size_t files = 0) {
    StatisticsTextWidths widths;
    widths.name = 80;
    widths.team = 60;
    widths.values.fill(20);
    widths.groups.fill(10);
    return StatisticsPrintLayout(widths, {10, 30, 0}, pageWidth, pageHeight, rows, files);
}

struct TilingCase {
    const char* name;
    double pageWidth;
    double pageHeight;
    std::size_t rows;
    std::size_t files;
    std::vector<Page> pages;
};
void PrintTo(const TilingCase& c, std::ostream* os) { *os << c.name; }

class StatisticsTiling : public ::testing::TestWithParam<TilingCase> {};

TEST_P(StatisticsTiling, CutsTheTableIntoBandsAndSlices) {
    std::vector<Page> pages = layout(GetParam().pageWidth, GetParam().pageHeight, GetParam().rows, GetParam().files).pages();
    for (Page& p : pages) p.fileListTop = 0;  // compared apart
    EXPECT_EQ(pages, GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatisticsTiling,
    ::testing::Values(
        // 110 + 5 x 40 = 310, the files one text height lower: 340 + 2 x 30.
        TilingCase{"OnePage", 1000, 400, 5, 2, {page(1, 1, 0, 42, 0, 5, 0, 2)}},
        // Rows per page: (400 - 110) / 40 = 7.
        TilingCase{"TooTallPrintsBandsTopToBottom",
                   1000,
                   400,
                   16,
                   0,
                   {page(1, 1, 0, 42, 0, 7), page(1, 2, 0, 42, 7, 7), page(1, 3, 0, 42, 14, 2, 0, 1)}},
        // 15 rows: 7, 7 and the totals alone; the second band gives its
        // last row to the totals.
        TilingCase{"TotalsNeverStandAlone",
                   1000,
                   400,
                   15,
                   0,
                   {page(1, 1, 0, 42, 0, 7), page(1, 2, 0, 42, 7, 6), page(1, 3, 0, 42, 13, 2, 0, 1)}},
        // Room for 650 - 160 = 490 of value columns: whole groups GENERAL,
        // SHOOTING, ASSISTS and FOULS (22 columns, 440) go first, the rest
        // (20 columns, 400) on the second slice.
        TilingCase{"TooWidePrintsWholeGroupsLeftToRight",
                   650,
                   400,
                   3,
                   1,
                   {page(1, 1, 0, 22, 0, 3, 0, 2), page(2, 1, 22, 20, 0, 3)}},
        TilingCase{"BothPrintsEachBandsSlicesInTurn",
                   650,
                   400,
                   9,
                   0,
                   {page(1, 1, 0, 22, 0, 7), page(2, 1, 22, 20, 0, 7), page(1, 2, 0, 22, 7, 2, 0, 1),
                    page(2, 2, 22, 20, 7, 2)}},
        // Room for 220: GENERAL (4) and the 12 shooting columns (240) do
        // not go together; SHOOTING alone does not fit, so it is cut after
        // 11 columns and its last one leads the next slice, with the whole
        // groups after it that fit.
        TilingCase{"AGroupTooWideAloneIsCutByColumns",
                   380,
                   400,
                   1,
                   0,
                   {page(1, 1, 0, 4, 0, 1, 0, 1), page(2, 1, 4, 11, 0, 1), page(3, 1, 15, 10, 0, 1),
                    page(4, 1, 25, 4, 0, 1), page(5, 1, 29, 11, 0, 1), page(6, 1, 40, 2, 0, 1)}},
        // The last band is full: the file list goes on a page of its own.
        TilingCase{"FileListThatDoesNotFitFollows",
                   1000,
                   400,
                   7,
                   7,
                   {page(1, 1, 0, 42, 0, 7), page(1, 2, 0, 0, 0, 0, 0, 4)}}),
    [](const auto& info) { return std::string(info.param.name); });

// A season's printout once stopped after nine pages; every row is printed.
TEST(StatisticsTiling, EveryRowIsPrintedHoweverManyPagesItTakes) {
    const StatisticsPrintLayout table = layout(650, 400, 100);
    std::vector<bool> printed(100, false);
    for (const Page& p : table.pages())
        for (std::size_t r = p.firstRow; r < p.firstRow + p.rowCount; ++r) printed.at(r) = true;
    EXPECT_EQ(table.pages().size(), 30u);  // 15 bands of two slices
    EXPECT_EQ(std::count(printed.begin(), printed.end(), true), 100);
    EXPECT_EQ(table.pages().back().firstRow + table.pages().back().rowCount, 100u);
}

TEST(StatisticsColumns, EachAsWideAsItsWidestTextWithAirAndGroupTitlesKeepClear) {
    StatisticsTextWidths widths;
    widths.name = 80;
    widths.team = 60;
    widths.values.fill(20);
    widths.values[4] = 33;   // 2M: "1200"
    widths.groups.fill(10);
    widths.groups[6] = 70;   // "BLCK SHOTS" over BS and BPG, 2 x 24 wide
    const StatisticsPrintLayout table(widths, {10, 30, 2}, 2000, 400, 5, 0);
    EXPECT_DOUBLE_EQ(table.nameLeft(), 10);
    EXPECT_DOUBLE_EQ(table.teamLeft(), 94);
    EXPECT_DOUBLE_EQ(table.valuesLeft(), 158);
    EXPECT_DOUBLE_EQ(table.valueColumnWidth(3), 24);
    EXPECT_DOUBLE_EQ(table.valueColumnWidth(4), 37);
    // 74 wanted, 48 there: each of the two columns 13 wider.
    EXPECT_DOUBLE_EQ(table.valueColumnWidth(27), 37);
    EXPECT_DOUBLE_EQ(table.valueColumnWidth(28), 37);
    EXPECT_DOUBLE_EQ(table.valueColumnLeft(0, 5), 158 + 4 * 24 + 37);
    EXPECT_DOUBLE_EQ(table.valueColumnLeft(4, 5), 158 + 37);
    EXPECT_DOUBLE_EQ(table.tableWidth(), 158 + 39 * 24 + 37 + 2 * 37 + 10);
    EXPECT_TRUE(table.fitsAcross());
    EXPECT_FALSE(StatisticsPrintLayout(widths, {10, 30, 2}, table.tableWidth() - 1, 400, 5, 0).fitsAcross());
    EXPECT_TRUE(StatisticsPrintLayout(widths, {10, 30, 2}, table.tableWidth(), 400, 5, 0).fitsAcross());
}

TEST(StatisticsTiling, PlacesTheRowsBelowTheGroupAndHeadingRows) {
    const StatisticsPrintLayout table = layout(1000, 400, 5);
    EXPECT_DOUBLE_EQ(table.groupRowTop(), 40);
    EXPECT_DOUBLE_EQ(table.groupTitleTop(), 43);
    EXPECT_DOUBLE_EQ(table.headingRowTop(), 77.5);
    EXPECT_DOUBLE_EQ(table.rowTop(2), 190);
    EXPECT_DOUBLE_EQ(table.pages().front().fileListTop, 340);
}

TEST(StatisticsPrintedText, FilesThreeToALineAndValuesAsPrinted) {
    EXPECT_EQ(statisticsFileListLines({"/g/a.gam", "/g/b.gam"}),
              (std::vector<std::string>{"Files used in analysis:", "/g/a.gam, /g/b.gam"}));
    EXPECT_EQ(statisticsFileListLines({"a", "b", "c", "d"}),
              (std::vector<std::string>{"Files used in analysis:", "a, b, c, ", "d"}));
    EXPECT_EQ(printedFloat(0.5f), ".500");
    EXPECT_EQ(printedFloat(0.0f), ".000");
    EXPECT_EQ(printedFloat(1.0f), "1.00");
    EXPECT_EQ(printedFloat(66.666664f), "66.67");
    EXPECT_EQ(printedFloat(100.0f), "100.00");
    EXPECT_EQ(printedCount(12), "12");
}

}  // namespace
}  // namespace courtlog::output
