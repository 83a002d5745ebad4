// Where the roster and address-list printouts break their pages.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "core/output/AddressListPagination.h"
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

// Lines of 10 from a top of 20 on pages of 150: an entry fits while the top
// of its last detail line stays above 90 (six lines above the bottom).
struct AddressPagingCase {
    const char* what;
    std::vector<int> detailLines;
    std::vector<std::size_t> perPage;
};
void PrintTo(const AddressPagingCase& c, std::ostream* os) { *os << c.what; }

class AddressPaging : public ::testing::TestWithParam<AddressPagingCase> {};

TEST_P(AddressPaging, KeepsEachEntryWholeOnOnePage) {
    EXPECT_EQ(perPage(addressListPages(GetParam().detailLines, 20, 10, 150)), GetParam().perPage);
}

INSTANTIATE_TEST_SUITE_P(Table, AddressPaging,
                         ::testing::Values(AddressPagingCase{"no entries is one page", {}, {0}},
                                           AddressPagingCase{"headings only", {0, 0, 0, 0, 0}, {4, 1}},
                                           AddressPagingCase{"last line just above", {1, 3}, {2}},
                                           AddressPagingCase{"tall entry moves whole", {1, 4}, {1, 1}},
                                           AddressPagingCase{
                                               "taller than a page still prints", {9, 9}, {1, 1}}),
                         courtlog::testing::NameFromWhat());

TEST(RosterPrintText, StarterTextsAndLogoForms) {
    EXPECT_EQ(starterText(2), "Guard");
    EXPECT_EQ(starterText(0), "-");
    EXPECT_EQ(rosterLogoForms("C:\\logos\\owl.bmp"),
              (std::vector<std::string>{"C:\\logos\\owl.bmp", "\\logos\\owl.bmp", "owl.bmp"}));
    EXPECT_EQ(rosterLogoForms("owl.bmp"), (std::vector<std::string>{"owl.bmp"}));
}

}  // namespace
}  // namespace courtlog::output
