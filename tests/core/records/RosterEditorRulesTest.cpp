#include "core/records/RosterEditorRules.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "RecordBuilders.h"
#include "core/records/PlayerEntry.h"

using namespace courtlog;
using courtlog::testing::player;
using courtlog::testing::playersInSlots;

namespace {

std::vector<int> slotsOf(const std::vector<Player>& players) {
    std::vector<int> slots;
    for (const Player& p : players) slots.push_back(p.courtSlot);
    return slots;
}

enum class Commit { Ok, AddPlayer, UpdateFirstPlayer };

struct LineupCase {
    const char* what;
    Commit commit;
    std::vector<int> slotsBefore;
    LineupChoices chosen;
    std::vector<int> slotsAfter;
};
void PrintTo(const LineupCase& c, std::ostream* out) { *out << c.what; }

const LineupCase kLineupCases[] = {
    {"OkTakesEverySlotFromTheLists", Commit::Ok, {1, 2, 3, 4, 5, 0}, {1, 0, 2, 3, 4}, {2, 1, 3, 4, 5, 0}},
    {"OkGivesAPlayerInTwoListsTheHigherSlot", Commit::Ok, {0, 0, 0, 0, 0}, {0, 1, 2, 0, 4}, {4, 2, 3, 0, 5}},
    {"ListsHoldingNoPlayerAreIgnored", Commit::Ok, {1, 2, 3}, {-1, 7, -1, -1, -1}, {0, 0, 0}},
    {"AddPlayerKeepsTheSlotsOfPlayersInNoList", Commit::AddPlayer, {1, 2, 3, 4, 5, 0}, {5, -1, -1, -1, -1},
     {1, 2, 3, 4, 5, 1}},
    {"UpdateGivesThePlayerShownTheLowerOfHisSlots", Commit::UpdateFirstPlayer, {0, 0, 0, 0, 0}, {0, 1, 2, 0, 4},
     {1, 2, 3, 0, 5}},
};

class LineupListsToCourtSlots : public ::testing::TestWithParam<LineupCase> {};

TEST_P(LineupListsToCourtSlots, SetTheSlots) {
    const LineupCase& c = GetParam();
    std::vector<Player> players = playersInSlots(c.slotsBefore);
    switch (c.commit) {
        case Commit::Ok: setSlotsFromLineup(players, c.chosen); break;
        case Commit::AddPlayer: addSlotsFromLineup(players, c.chosen); break;
        case Commit::UpdateFirstPlayer: updatePlayerFromLineup(players, 0, players[0], c.chosen); break;
    }
    EXPECT_EQ(slotsOf(players), c.slotsAfter);
}

INSTANTIATE_TEST_SUITE_P(Commits, LineupListsToCourtSlots, ::testing::ValuesIn(kLineupCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(RosterEditorRules, UpdatingAPlayerClearsHisPlayedPeriods) {
    std::vector<Player> players = playersInSlots({0, 0});
    Player updated = players[1];
    updated.name = "Renamed";
    updated.playedInPeriod[2] = 1;
    updatePlayerFromLineup(players, 1, updated, {-1, -1, -1, -1, -1});
    EXPECT_EQ(players[1].name, "Renamed");
    EXPECT_EQ(players[1].playedInPeriod, (std::array<std::int16_t, Player::kPeriodSlots>{}));
}

struct PendingCase {
    const char* what;
    std::optional<Player> shown;
    TypedEntry typed;
    bool pending;
};
void PrintTo(const PendingCase& c, std::ostream* out) { *out << c.what; }

const Player kAnn = player("Ann", 7, 1);
const PendingCase kPendingCases[] = {
    {"NothingTypedWithNoPlayerShown", std::nullopt, {"", "", -1}, false},
    {"BlanksAreNothing", std::nullopt, {"  ", " ", 2}, false},
    {"ANameTypedWithNoPlayerShown", std::nullopt, {"Bo", "", -1}, true},
    {"ThePlayerAsShown", kAnn, {"Ann", "7", 1}, false},
    {"AnotherNumber", kAnn, {"Ann", "8", 1}, true},
    {"ANameInAnotherLetterCase", kAnn, {"ann", "7", 1}, true},
    {"AnotherPosition", kAnn, {"Ann", "7", 3}, true},
    {"DoubleZeroForANegativeNumber", player("Ann", -3, 1), {"Ann", "00", 1}, false},
    {"NoPositionShownForOneOutOfRange", player("Ann", 7, 9), {"Ann", "7", -1}, false},
};

class EntryPending : public ::testing::TestWithParam<PendingCase> {};

TEST_P(EntryPending, ComparesTheFieldsWithThePlayerShown) {
    const PendingCase& c = GetParam();
    EXPECT_EQ(entryPending(c.shown ? &*c.shown : nullptr, c.typed), c.pending);
}

INSTANTIATE_TEST_SUITE_P(Fields, EntryPending, ::testing::ValuesIn(kPendingCases),
                         [](const auto& info) { return std::string(info.param.what); });

struct EnterCase {
    const char* what;
    std::optional<Player> shown;
    TypedEntry typed;
    RosterEnterAction action;
};
void PrintTo(const EnterCase& c, std::ostream* out) { *out << c.what; }

const EnterCase kEnterCases[] = {
    {"TypoFixedInTheShownNameUpdatesHim", kAnn, {"Anne", "7", 1}, RosterEnterAction::UpdateShownPlayer},
    {"AnotherNameTypedOverTheShownPlayerUpdatesHim", kAnn, {"Bo", "12", 1}, RosterEnterAction::UpdateShownPlayer},
    {"ShownNameWithAnotherNumberUpdatesHim", kAnn, {"Ann", "8", 1}, RosterEnterAction::UpdateShownPlayer},
    {"ShownPlayerWithAnotherPositionUpdatesHim", kAnn, {"Ann", "7", 3}, RosterEnterAction::UpdateShownPlayer},
    {"ShownNameWithBlanksAroundUpdatesHim", kAnn, {" Ann ", "8", 1}, RosterEnterAction::UpdateShownPlayer},
    {"NameTypedWithNoPlayerShownIsAdded", std::nullopt, {"Bo", "", -1}, RosterEnterAction::AddPlayer},
    {"ShownPlayerUnchangedIsOk", kAnn, {"Ann", "07", 1}, RosterEnterAction::PressOk},
    {"NothingTypedIsOk", std::nullopt, {"", "", -1}, RosterEnterAction::PressOk},
};

class EnterInTheEntryFields : public ::testing::TestWithParam<EnterCase> {};

TEST_P(EnterInTheEntryFields, UpdatesThePlayerShownAndAddsWhenNobodyIsShown) {
    const EnterCase& c = GetParam();
    EXPECT_EQ(rosterEnterAction(c.shown ? &*c.shown : nullptr, c.typed), c.action);
}

INSTANTIATE_TEST_SUITE_P(Keys, EnterInTheEntryFields, ::testing::ValuesIn(kEnterCases),
                         [](const auto& info) { return std::string(info.param.what); });

struct UniformCase {
    const char* what;
    int number;
    UniformPadding padding;
    const char* text;
};
void PrintTo(const UniformCase& c, std::ostream* out) { *out << c.what; }

const UniformCase kUniformCases[] = {
    {"Plain", 7, UniformPadding::None, "7"},
    {"BlankPadded", 7, UniformPadding::Blank, " 7"},
    {"ZeroPadded", 7, UniformPadding::Zero, "07"},
    {"TwoDigitsNeedNoPadding", 42, UniformPadding::Blank, "42"},
    {"MinusOneIsDoubleZero", -1, UniformPadding::Blank, "00"},
    {"AnyNegativeNumberIsDoubleZero", -5, UniformPadding::None, "00"},
    {"ANumberBeyondNinetyNineShowsWhole", 123, UniformPadding::Zero, "123"},
};

class UniformText : public ::testing::TestWithParam<UniformCase> {};

TEST_P(UniformText, IsTheOneWayANumberIsShown) {
    EXPECT_EQ(uniformText(GetParam().number, GetParam().padding), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Numbers, UniformText, ::testing::ValuesIn(kUniformCases),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(RosterEditorRules, ListTextIsNumberNameAndPositionLetter) {
    EXPECT_EQ(rosterListText(player("Jones", 7, 1)), "07 - Jones, G");
    EXPECT_EQ(rosterListText(player("Jones", -1, 3)), "00 - Jones, F");
    EXPECT_EQ(rosterListText(player("Jones", 0, 3)), "0 - Jones, F");
    EXPECT_EQ(rosterListText(player("Jones", 7, -1)), "07 - Jones, ");
}

TEST(PlayerEntry, ARenameOntoAnotherPlayersNameIsFoundButASwapIsNot) {
    const std::vector<Player> before{player("Ann"), player("Bo"), player("Cy")};
    EXPECT_EQ(renamedOntoTakenName(before, {player("Bo"), player("Ann"), player("Cy")}), std::nullopt);
    EXPECT_EQ(renamedOntoTakenName(before, {player("Ann"), player("Cy"), player("Cy")}), 1u);
    EXPECT_EQ(renamedOntoTakenName(before, {player("Di"), player("Bo"), player("Cy")}), std::nullopt);
    // Namesakes who were already there are not a rename.
    EXPECT_EQ(renamedOntoTakenName({player("Ann"), player("Ann")}, {player("Ann"), player("Ann")}), std::nullopt);
}

// After Add Player the editor holds the next entry, and wraps round past
// the last (the new player is last, so a full step comes back to the first).
TEST(RosterEditorRules, AddingMovesToTheNextEntryAndWrapsPastTheLast) {
    EXPECT_EQ(entryAfterAdding(-1, 1), 0);  // nobody held: the first
    EXPECT_EQ(entryAfterAdding(0, 3), 1);
    EXPECT_EQ(entryAfterAdding(1, 3), 2);
    EXPECT_EQ(entryAfterAdding(2, 3), 0);
}

}  // namespace
