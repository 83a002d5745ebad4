// The team and game writers against files the earlier field-by-field
// writers made (tests/data/golden/saved, and the large game among the game
// fuzzer's seeds): reading one and writing it again must give the same bytes.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>

#include "RecordBuilders.h"
#include "core/records/Game.h"
#include "core/records/Team.h"

namespace courtlog {
namespace {

using testing::readBytes;

struct SavedFile {
    const char* name;  // under tests/data
    bool game;
};

void PrintTo(const SavedFile& file, std::ostream* os) { *os << file.name; }

class SavedBytes : public ::testing::TestWithParam<SavedFile> {};

TEST_P(SavedBytes, WrittenAgainByteForByte) {
    const std::string path = std::string(COURTLOG_TEST_DATA) + "/" + GetParam().name;
    const auto original = readBytes(path);
    ASSERT_FALSE(original.empty()) << path;
    if (GetParam().game) {
        Game game;
        ASSERT_TRUE(game.load(path));
        EXPECT_TRUE(game.toBytes() == original);
    } else {
        Team team;
        team.fileName = path;
        ASSERT_TRUE(team.load());
        // The files were saved under their bare names, which head the file.
        team.fileName = std::filesystem::path(path).filename().string();
        EXPECT_TRUE(team.toBytes() == original);
    }
}

const SavedFile kSavedFiles[] = {
    {"golden/saved/eagles.tem", false},
    {"golden/saved/eagles_no_info.tem", false},
    {"golden/saved/eagles-from-csv.tem", false},
    {"golden/saved/empty.tem", false},
    {"golden/saved/harbor-hawks.tem", false},
    {"golden/saved/valley-miners.tem", false},
    {"golden/saved/harbour_game.gam", true},
    {"fuzz/game_fuzzer/sample.gam", true},
    {"fuzz/game_fuzzer/empty.gam", true},
    {"fuzz/game_fuzzer/large-game.gam", true},
};

INSTANTIATE_TEST_SUITE_P(EarlierWriters, SavedBytes, ::testing::ValuesIn(kSavedFiles),
                         [](const ::testing::TestParamInfo<SavedFile>& info) {
                             std::string name = std::filesystem::path(info.param.name).stem().string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name + (info.param.game ? "_game" : "_team");
                         });

}  // namespace
}  // namespace courtlog
