// How the statistics printout tiles its table into pages, and how it prints
// its values.
#include <gtest/gtest.h>

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

// W = 10 and T = 30: the table is 2 + 23 + 42 x 3.4 = 167.8 W wide plus 2 W
// to spare, its first row 40 + 70 = 110 down, rows 40 tall.
struct TilingCase {
    const char* name;
    double pageWidth;
    double pageHeight;
    std::size_t rows;
    std::size_t files;
    std::vector<Page> pages;
    bool cutShort;
};
void PrintTo(const TilingCase& c, std::ostream* os) { *os << c.name; }

class StatisticsTiling : public ::testing::TestWithParam<TilingCase> {};

TEST_P(StatisticsTiling, CutsTheTableIntoBandsAndSlices) {
    const StatisticsPrintLayout layout(10, 30, GetParam().pageWidth, GetParam().pageHeight, GetParam().rows,
                                       GetParam().files);
    std::vector<Page> pages = layout.pages();
    for (Page& p : pages) p.fileListTop = 0;  // compared apart
    EXPECT_EQ(pages, GetParam().pages);
    EXPECT_EQ(layout.cutShort(), GetParam().cutShort);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StatisticsTiling,
    ::testing::Values(
        // 110 + 5 x 40 = 310, the files one text height lower: 340 + 2 x 30.
        TilingCase{"OnePage", 1700, 400, 5, 2, {page(1, 1, 0, 42, 0, 5, 0, 2)}, false},
        // Rows per page: (400 - 110) / 40 = 7.
        TilingCase{"TooTallPrintsBandsTopToBottom",
                   1700,
                   400,
                   16,
                   0,
                   {page(1, 1, 0, 42, 0, 7), page(1, 2, 0, 42, 7, 7), page(1, 3, 0, 42, 14, 2, 0, 1)},
                   false},
        // (1000 - 250 - 20) / 34 = 21 columns a page.
        TilingCase{"TooWidePrintsSlicesLeftToRight",
                   1000,
                   400,
                   3,
                   1,
                   {page(1, 1, 0, 21, 0, 3, 0, 2), page(2, 1, 21, 21, 0, 3)},
                   false},
        TilingCase{"BothPrintsEachBandsSlicesInTurn",
                   1000,
                   400,
                   9,
                   0,
                   {page(1, 1, 0, 21, 0, 7), page(2, 1, 21, 21, 0, 7), page(1, 2, 0, 21, 7, 2, 0, 1),
                    page(2, 2, 21, 21, 7, 2)},
                   false},
        // The last band is full: the file list goes on a page of its own.
        TilingCase{"FileListThatDoesNotFitFollows",
                   1700,
                   400,
                   7,
                   7,
                   {page(1, 1, 0, 42, 0, 7), page(1, 2, 0, 0, 0, 0, 0, 4)},
                   false},
        TilingCase{"NoMoreThanNinePages",
                   1700,
                   400,
                   100,
                   0,
                   {page(1, 1, 0, 42, 0, 7), page(1, 2, 0, 42, 7, 7), page(1, 3, 0, 42, 14, 7),
                    page(1, 4, 0, 42, 21, 7), page(1, 5, 0, 42, 28, 7), page(1, 6, 0, 42, 35, 7),
                    page(1, 7, 0, 42, 42, 7), page(1, 8, 0, 42, 49, 7), page(1, 9, 0, 42, 56, 7)},
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StatisticsTiling, PlacesTheRowsBelowTheGroupAndHeadingRows) {
    const StatisticsPrintLayout layout(10, 30, 1700, 400, 5, 0);
    EXPECT_DOUBLE_EQ(layout.groupRowTop(), 40);
    EXPECT_DOUBLE_EQ(layout.groupTitleTop(), 43);
    EXPECT_DOUBLE_EQ(layout.headingRowTop(), 77.5);
    EXPECT_DOUBLE_EQ(layout.rowTop(2), 190);
    EXPECT_DOUBLE_EQ(layout.valueColumnLeft(1), 284);
    EXPECT_DOUBLE_EQ(layout.pages().front().fileListTop, 340);
    EXPECT_TRUE(statisticsTableFitsWidth(10, 1698));
    EXPECT_FALSE(statisticsTableFitsWidth(10, 1697));
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
    EXPECT_EQ(printedCount(12), "12");
}

}  // namespace
}  // namespace courtlog::output
