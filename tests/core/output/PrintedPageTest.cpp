// Texts of the printed page frame and where a text listing's lines fall.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/output/PrintedPage.h"

namespace courtlog::output {
namespace {

TEST(PrintedPage, FrameTexts) {
    EXPECT_EQ(pageNumberText(3), "Page 3");
    EXPECT_EQ(pageDateText({2024, 3, 4, 23, 0, 0}), "3/4/2024");
    EXPECT_EQ(pageFooterText(""), "This page was created using Basketball Courtlog");
    EXPECT_EQ(pageFooterText("https://example.org/club"),
              "This page was created using Basketball Courtlog, https://example.org/club");
}

TEST(PrintedPage, ListingColumnsFollowTheLongestLineWithinItsBounds) {
    EXPECT_EQ(listingColumns(80, 0, 0), 86);
    EXPECT_EQ(listingColumns(150, 0, 114), 120);  // the maximum governs
    EXPECT_EQ(listingColumns(10, 40, 114), 46);   // the minimum governs
    EXPECT_EQ(listingColumns(0, 0, 0), 6);
}

struct PagingCase {
    const char* name;
    int top, lineHeight, bottom;
    std::size_t lines;
    std::vector<std::size_t> linesOnPages;
    bool trailerFits;
};
void PrintTo(const PagingCase& c, std::ostream* os) { *os << c.name; }

class ListingPaging : public ::testing::TestWithParam<PagingCase> {};

TEST_P(ListingPaging, FillsPagesToFourLinesAboveTheBottom) {
    const PagingCase& c = GetParam();
    const ListingPagination paging(c.top, c.lineHeight, c.bottom, c.lines);
    std::vector<std::size_t> onPages;
    std::size_t next = 0;
    for (int page = 1; page <= paging.pageCount(); ++page) {
        EXPECT_EQ(paging.firstLineOf(page), next) << "page " << page;
        onPages.push_back(paging.lineCountOn(page));
        next += paging.lineCountOn(page);
    }
    EXPECT_EQ(onPages, c.linesOnPages);
    EXPECT_EQ(paging.trailerFits(), c.trailerFits);
}

// Tops 100, 110, ... on a page whose bottom is 200: the top 160 is the
// first within four lines (40) of the bottom, so six lines fit.
INSTANTIATE_TEST_SUITE_P(
    Table, ListingPaging,
    ::testing::Values(PagingCase{"LastPagePartlyFull", 100, 10, 200, 13, {6, 6, 1}, true},
                      PagingCase{"PagesExactlyFull", 100, 10, 200, 12, {6, 6}, false},
                      PagingCase{"NoLines", 100, 10, 200, 0, {0}, true},
                      PagingCase{"OneMoreUnitMakesRoom", 100, 10, 201, 7, {7}, false},
                      PagingCase{"NoRoomStillOneLineAPage", 100, 50, 200, 2, {1, 1}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace courtlog::output
