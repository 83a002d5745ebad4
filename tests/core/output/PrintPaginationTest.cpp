// Where the roster and address-list printouts break their pages.
#include <gtest/gtest.h>

#include <numeric>
#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "core/output/AddressListTable.h"
#include "core/output/RosterPagination.h"
#include "core/output/RosterPrintText.h"

namespace courtlog::output {
namespace {

// How many each page holds, checking that the pages follow each other and
// that no page past the last holds any.
std::vector<std::size_t> perPage(const PageStarts& pages) {
    std::vector<std::size_t> out;
    std::size_t next = 0;
    for (int page = 1; page <= pages.pageCount(); ++page) {
        EXPECT_EQ(pages.firstOn(page), next) << "page " << page;
        out.push_back(pages.countOn(page));
        next += out.back();
    }
    EXPECT_EQ(pages.countOn(pages.pageCount() + 1), 0u);
    EXPECT_EQ(pages.firstOn(pages.pageCount() + 1), next);
    return out;
}

// Pages of 100 with lines of 10: a page ends once the next line's top
// reaches 70 (three lines above the bottom).
struct RosterPagingCase {
    const char* what;
    int firstTop;
    int laterTop;
    std::size_t players;
    std::vector<std::size_t> perPage;
};
void PrintTo(const RosterPagingCase& c, std::ostream* os) { *os << c.what; }

class RosterPaging : public ::testing::TestWithParam<RosterPagingCase> {};

TEST_P(RosterPaging, PrintsEveryPlayerOnceAndNoEmptyPage) {
    const RosterPagingCase& c = GetParam();
    EXPECT_EQ(perPage(rosterPages(c.firstTop, c.laterTop, 10, 100, c.players)), c.perPage);
}

INSTANTIATE_TEST_SUITE_P(Table, RosterPaging,
                         ::testing::Values(RosterPagingCase{"no players is one page", 40, 20, 0, {0}},
                                           RosterPagingCase{"first page full", 40, 20, 3, {3}},
                                           RosterPagingCase{"one more starts a page", 40, 20, 4, {3, 1}},
                                           RosterPagingCase{"later pages hold more", 40, 20, 12, {3, 5, 4}},
                                           RosterPagingCase{"no room still one per page", 95, 95, 2, {1, 1}}),
                         courtlog::testing::NameFromWhat());

// Rows kept whole under a heading on pages with 100 of room.
struct TablePagingCase {
    const char* what;
    std::vector<double> rowHeights;
    std::vector<std::size_t> starts;
};
void PrintTo(const TablePagingCase& c, std::ostream* os) { *os << c.what; }

class TablePaging : public ::testing::TestWithParam<TablePagingCase> {};

TEST_P(TablePaging, KeepsEachRowWholeOnOnePage) {
    EXPECT_EQ(tablePageStarts(GetParam().rowHeights, 100), GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TablePaging,
    ::testing::Values(TablePagingCase{"no rows is one page", {}, {0}},
                      TablePagingCase{"rows that fill the page exactly", {25, 25, 25, 25}, {0}},
                      TablePagingCase{"a row one over moves whole", {25, 25, 25, 26, 10}, {0, 3}},
                      TablePagingCase{"a wrapped row goes over with its lines", {40, 40, 30}, {0, 2}},
                      TablePagingCase{"taller than a page still prints", {150, 150, 10}, {0, 1, 2}}),
    courtlog::testing::NameFromWhat());

TEST(AddressTableColumns, WidestTextsWhenTheyFitElseTheWidestNarrowedAlike) {
    const AddressColumnWidths least{40, 40, 50, 50, 30, 30, 20, 40, 30};
    // They fit: each grows in proportion to fill 1200.
    const AddressColumnWidths widest{100, 80, 60, 200, 90, 30, 40, 160, 120};
    const AddressColumnWidths across = addressTableColumnWidths(widest, least, 1320);
    EXPECT_DOUBLE_EQ(across[0], 150);
    EXPECT_DOUBLE_EQ(across[3], 300);
    EXPECT_NEAR(std::accumulate(across.begin(), across.end(), 0.0), 1320, 1e-6);
    // 880 wanted on 700: the address, e-mail and note (and only they) come
    // down to 700 - 400 = 300 shared, 100 each.
    const AddressColumnWidths narrowed = addressTableColumnWidths(widest, least, 700);
    EXPECT_NEAR(narrowed[3], 100, 1e-6);
    EXPECT_NEAR(narrowed[7], 100, 1e-6);
    EXPECT_NEAR(narrowed[8], 100, 1e-6);
    for (const std::size_t kept : {0u, 1u, 2u, 4u, 5u, 6u}) EXPECT_DOUBLE_EQ(narrowed[kept], widest[kept]);
    // Never below a column's least: a page too narrow for the headings.
    EXPECT_EQ(addressTableColumnWidths(widest, least, 100), least);
}

TEST(RosterPrintText, StarterTextsAndLogoForms) {
    EXPECT_EQ(starterText(2), "Guard");
    EXPECT_EQ(starterText(0), "-");
    EXPECT_EQ(rosterLogoForms("C:\\logos\\owl.bmp"),
              (std::vector<std::string>{"C:\\logos\\owl.bmp", "\\logos\\owl.bmp", "owl.bmp"}));
    EXPECT_EQ(rosterLogoForms("owl.bmp"), (std::vector<std::string>{"owl.bmp"}));
}

}  // namespace
}  // namespace courtlog::output
