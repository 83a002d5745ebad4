#include "core/records/TeamDamage.h"

#include <gtest/gtest.h>

#include <ostream>

#include "CaseNames.h"
#include "RecordBuilders.h"
#include "core/records/Team.h"
#include "core/records/TeamSource.h"

namespace courtlog {
namespace {

struct DamageCase {
    const char* what;
    std::size_t keptBytes;  // of an 11-player team file without personal information
    std::int16_t fade;      // written into the file
    const char* message;
};
void PrintTo(const DamageCase& c, std::ostream* out) { *out << c.what; }

constexpr std::size_t kWhole = Team::kHeaderSize + 11 * Player::kRecordSize;

const DamageCase kDamageCases[] = {
    {"whole file says nothing", kWhole, 10, ""},
    {"cut after nine players counts them", Team::kHeaderSize + 9 * Player::kRecordSize + 20, 10,
     "The team file Owls.tem is damaged: 9 of its 11 players could be read."},
    {"values out of range", kWhole, 300,
     "The team file Owls.tem is damaged: it is not a whole team as this program writes it; values out of range "
     "were brought into range."},
};

class OpeningADamagedTeam : public ::testing::TestWithParam<DamageCase> {};

TEST_P(OpeningADamagedTeam, SaysWhatCouldBeRead) {
    const DamageCase& c = GetParam();
    Team written = testing::team("Owls", 11);
    written.noPersonalInfo = true;
    written.logoFade = c.fade;
    std::vector<std::uint8_t> bytes = written.toBytes();
    ASSERT_EQ(bytes.size(), kWhole);
    bytes.resize(c.keptBytes);
    testing::ScratchFolder dir;
    testing::writeBytes(dir.file("Owls.tem"), bytes);

    Team read;
    read.fileName = dir.file("Owls.tem");
    ASSERT_TRUE(read.load());
    EXPECT_EQ(teamDamageText(read, "Owls.tem"), c.message);
}

INSTANTIATE_TEST_SUITE_P(Files, OpeningADamagedTeam, ::testing::ValuesIn(kDamageCases), testing::NameFromWhat{});

// A side of a game being set up takes a team file only when it can be used.
TEST(ReplaceTeamFromFile, TakesAWholeTeamAndKeepsTheSideAsItWasOtherwise) {
    testing::ScratchFolder dir;
    Team side = testing::team("Hawks", 5);
    side.noPersonalInfo = true;
    const Team before = side;

    std::string message;
    EXPECT_EQ(replaceTeamFromFile(dir.file("missing.tem"), side, &message), TeamLoad::CannotLoad);
    EXPECT_EQ(side.name, before.name);
    EXPECT_EQ(side.players, before.players);

    Team damaged = testing::team("Owls", 11);
    damaged.noPersonalInfo = true;
    std::vector<std::uint8_t> bytes = damaged.toBytes();
    bytes.resize(Team::kHeaderSize + 9 * Player::kRecordSize + 20);
    testing::writeBytes(dir.file("cut.tem"), bytes);
    EXPECT_EQ(replaceTeamFromFile(dir.file("cut.tem"), side, &message), TeamLoad::Damaged);
    EXPECT_EQ(side.players, before.players);

    const Team owls = testing::team("Owls", 7);
    EXPECT_EQ(replaceTeamFromFile(dir.saveTeam(owls, "owls.tem"), side, &message), TeamLoad::Loaded);
    EXPECT_EQ(side.name, "Owls");
    EXPECT_EQ(side.players, owls.players);
    EXPECT_TRUE(side.noPersonalInfo);  // still a side of a game
}

}  // namespace
}  // namespace courtlog
