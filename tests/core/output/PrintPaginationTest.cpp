// Where the roster and address-list printouts break their pages.
#include <gtest/gtest.h>

#include "CaseNames.h"

#include <ostream>
#include <string>
#include <vector>

#include "core/output/AddressListPagination.h"
#include "core/output/RosterPagination.h"
#include "core/output/RosterPrintText.h"
#include "core/records/Player.h"

namespace courtlog::output {
namespace {

// Pages of 100 units, lines of 10: a page ends once the next line's top
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
    const RosterPagination paging(c.firstTop, c.laterTop, 10, 100, c.players);
    std::vector<std::size_t> perPage;
    std::size_t next = 0;
    for (int page = 1; page <= paging.pageCount(); ++page) {
        EXPECT_EQ(paging.firstPlayerOn(page), next);
        perPage.push_back(paging.playerCountOn(page));
        next += perPage.back();
    }
    EXPECT_EQ(perPage, c.perPage);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RosterPaging,
    ::testing::Values(RosterPagingCase{"NoPlayersIsOnePage", 40, 20, 0, {0}},
                      RosterPagingCase{"FirstPageFull", 40, 20, 3, {3}},
                      RosterPagingCase{"OneMoreStartsAPage", 40, 20, 4, {3, 1}},
                      RosterPagingCase{"LaterPagesHoldMore", 40, 20, 12, {3, 5, 4}},
                      RosterPagingCase{"TopBetweenLines", 45, 25, 8, {3, 5}},
                      RosterPagingCase{"NoRoomStillOnePerPage", 95, 95, 2, {1, 1}}),
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
    const AddressListPagination paging(GetParam().detailLines, 20, 10, 150);
    std::vector<std::size_t> perPage;
    std::size_t next = 0;
    for (int page = 1; page <= paging.pageCount(); ++page) {
        EXPECT_EQ(paging.firstEntryOn(page), next);
        perPage.push_back(paging.entryCountOn(page));
        next += perPage.back();
    }
    EXPECT_EQ(perPage, GetParam().perPage);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AddressPaging,
    ::testing::Values(AddressPagingCase{"NoEntriesIsOnePage", {}, {0}},
                      AddressPagingCase{"HeadingsOnly", {0, 0, 0, 0, 0}, {4, 1}},
                      AddressPagingCase{"LastLineJustAbove", {1, 3}, {2}},
                      AddressPagingCase{"TallEntryMovesWhole", {1, 4}, {1, 1}},
                      AddressPagingCase{"ThirdEntryOnTheLimit", {1, 1, 1}, {2, 1}},
                      AddressPagingCase{"TallerThanAPageStillPrints", {9, 9}, {1, 1}}),
    courtlog::testing::NameFromWhat());

TEST(RosterPrintText, ColumnsAndStarterTexts) {
    EXPECT_EQ(rosterPrintHeading(), "#  Name                      Position             Starter             ");
    Player bench;
    bench.name = "Dana Whitlock";
    bench.number = -1;
    EXPECT_EQ(rosterPrintLine(bench), "#00 Dana Whitlock             Bench                -                   ");
    Player forward = bench;
    forward.number = 7;
    forward.position = 3;
    forward.courtSlot = 5;
    EXPECT_EQ(rosterPrintLine(forward), "#7  Dana Whitlock             Forward              Forward             ");
    EXPECT_EQ(starterText(1), "Guard");
    EXPECT_EQ(starterText(3), "Center");
    EXPECT_EQ(starterText(6), "-");
}

}  // namespace
}  // namespace courtlog::output
