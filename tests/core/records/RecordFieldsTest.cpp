// The record descriptions against the forms that walk them: every field
// they list survives the game file, the JSON form and (where it goes) the
// handheld payload, and both team readers hold the ranges they give.
#include "core/records/RecordFields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>

#include "RecordBuilders.h"
#include "core/handheld/PalmPayload.h"
#include "core/records/FieldBytes.h"
#include "core/records/JsonForm.h"

namespace courtlog {
namespace {

template <class Field>
using ValueOf = typename std::decay_t<Field>::ValueType;

// A value in each field, different from its neighbours' and from a new
// record's, that every form the field goes to can carry.
template <class Record>
void fillEveryField(Record& record, int& next) {
    forEachField<Record>([&](const auto& field) {
        using Value = ValueOf<decltype(field)>;
        Value& value = field.of(record);
        if constexpr (DescribedRecord<Value>) {
            fillEveryField(value, next);
        } else if constexpr (std::is_same_v<Value, std::string>) {
            value = std::string(field.name.text()).substr(0, 20) + char('A' + next++ % 26);
        } else if constexpr (std::is_same_v<Value, BirthDate>) {
            value = {1990 + next++, 9, 4};
        } else {
            // Within the field's range and a handheld's signed byte.
            const long long low = std::max<long long>(field.valid.lowest, 0);
            const long long span = std::min<long long>(field.valid.highest, 120) - low + 1;
            auto pick = [&]() -> long long {
                if (field.palm == PalmForm::Flag || field.palm == PalmForm::SignedFlag) return 1;
                if (field.palm == PalmForm::Season) return 2005;
                return low + (next++ % span);
            };
            if constexpr (IsNumberList<Value>::value) {
                for (auto& number : value) number = static_cast<typename Value::value_type>(pick());
            } else {
                value = static_cast<Value>(pick());
            }
        }
    });
}

Game filledGame() {
    Game game = testing::game(testing::team("Hawks", 3), testing::team("Owls", 2));
    int next = 1;
    fillEveryField(game, next);
    for (Team* team : {&game.home, &game.visitor}) {
        fillEveryField(*team, next);
        for (Player& player : team->players) fillEveryField(player, next);
    }
    for (const bool home : {true, false}) {
        std::vector<PlayEvent> plays(3);
        for (PlayEvent& play : plays) fillEveryField(play, next);
        game.setEvents(home, plays);
    }
    return game;
}

// Each field the handheld carries holds the same value in both records.
template <class Record>
void expectCarriedFieldsEqual(const Record& a, const Record& b) {
    forEachField<Record>([&](const auto& field) {
        using Value = ValueOf<decltype(field)>;
        if constexpr (DescribedRecord<Value>) {
            expectCarriedFieldsEqual(field.of(a), field.of(b));
        } else if (field.palm != PalmForm::None) {
            EXPECT_EQ(field.of(a), field.of(b)) << field.name.text();
        }
    });
}

TEST(RecordFields, EveryFieldSurvivesTheGameFileAndTheJsonForm) {
    const Game game = filledGame();
    const std::vector<std::uint8_t> bytes = game.toBytes();

    Game fromFile;
    ByteReader in(bytes);
    ASSERT_TRUE(fromFile.readFrom(in));
    EXPECT_EQ(fromFile.toBytes(), bytes);

    Game fromJson;
    std::string error;
    ASSERT_TRUE(gameFromJson(gameToJson(game), fromJson, &error)) << error;
    EXPECT_EQ(fromJson.toBytes(), bytes);
}

TEST(RecordFields, EveryFieldTheHandheldCarriesSurvivesItsPayload) {
    const Game game = filledGame();
    Game back;
    ASSERT_TRUE(PalmPayload::readGame(PalmPayload::game(game), back));
    expectCarriedFieldsEqual(back, game);
    for (const bool home : {true, false}) {
        const Team& sent = home ? game.home : game.visitor;
        const Team& read = home ? back.home : back.visitor;
        expectCarriedFieldsEqual(read, sent);
        ASSERT_EQ(read.players.size(), sent.players.size());
        for (std::size_t i = 0; i < sent.players.size(); ++i) expectCarriedFieldsEqual(read.players[i], sent.players[i]);
        ASSERT_EQ(back.events(home).size(), game.events(home).size());
        for (std::size_t i = 0; i < game.events(home).size(); ++i)
            expectCarriedFieldsEqual(back.events(home)[i], game.events(home)[i]);
    }
}

// A number the team readers hold in range, one past its highest value: the
// file reader brings it back and marks the team damaged, the JSON form
// refuses it by name. Any field the description marks is checked.
template <class Record>
void expectBothReadersHoldTheRanges(Team& team, Record& record) {
    forEachField<Record>([&](const auto& field) {
        using Value = ValueOf<decltype(field)>;
        if constexpr (std::is_integral_v<Value>) {
            if (field.onRead != OnRead::HeldInRange) return;
            SCOPED_TRACE(field.name.text());
            const Value kept = field.of(record);
            field.of(record) = static_cast<Value>(field.valid.highest + 1);
            const nlohmann::ordered_json json = teamToJson(team);
            const std::vector<std::uint8_t> bytes = team.toBytes();
            field.of(record) = kept;

            Team fromFile;
            ByteReader in(bytes);
            fromFile.readFrom(in);
            EXPECT_TRUE(fromFile.damaged);
            EXPECT_FALSE(fromFile.bringIntoRange());  // already in range

            Team fromJson;
            std::string error;
            EXPECT_FALSE(teamFromJson(json, fromJson, &error));
            EXPECT_NE(error.find(std::string(field.name.text()) + ": expected an integer from " +
                                 std::to_string(field.valid.lowest) + " to " + std::to_string(field.valid.highest)),
                      std::string::npos)
                << error;
        }
    });
}

TEST(RecordFields, BothTeamReadersHoldTheRangesTheDescriptionGives) {
    Team team = testing::team("Hawks", 2);
    expectBothReadersHoldTheRanges(team, team);
    expectBothReadersHoldTheRanges(team, team.players[1]);
    EXPECT_EQ(validRange(&Team::logoLayout).highest, 2);
    EXPECT_EQ(validRange(&Player::courtSlot).highest, 5);
}

TEST(RecordFields, StoredSizesAndOffsetsAreTheFileLayouts) {
    EXPECT_EQ(kStoredSize<Player>, 47u);
    EXPECT_EQ(kStoredSize<PersonalInfo>, 331u);
    EXPECT_EQ(kStoredSize<PlayEvent>, 71u);
    EXPECT_EQ(kStoredSize<Game>, 193u + 4u);
    EXPECT_EQ(storedOffsetOf(&Game::homeName), 125u);
    EXPECT_EQ(storedOffsetOf(&Game::season), 191u);
    EXPECT_EQ(storedOffsetOf(&Player::courtSlot), 45u);
    EXPECT_EQ(storedOffsetOf(&PersonalInfo::email), 231u);
}

}  // namespace
}  // namespace courtlog
