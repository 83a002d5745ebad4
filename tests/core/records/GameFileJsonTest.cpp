// A game file printed as it is read, against the form of the loaded game.
#include "core/records/GameFileJson.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>
#include <string>
#include <thread>

#include "RecordBuilders.h"
#include "core/records/JsonForm.h"
#include "core/records/JsonStreamWriter.h"

namespace courtlog {
namespace {

using testing::ScratchFolder;

// A game of a few thousand plays of every kind, some names beyond ASCII.
Game longGame() {
    Game g = testing::game(testing::team("Br\xE5vik Eagles", 12), testing::team("Tindvik \"Ravens\"", 12));
    g.court = "Hall \\ 2";
    std::mt19937 random(18);
    for (int i = 0; i < 4000; ++i) {
        const Team& side = i % 2 ? g.visitor : g.home;
        PlayEvent e = testing::play(side.players[random() % 12].name, 1 + static_cast<int>(random() % 12),
                                    static_cast<int>(random() % 7), static_cast<int>(random() % 6));
        e.shotX = static_cast<std::int16_t>(random() % 300);
        e.shotY = static_cast<std::int16_t>(random() % 280);
        e.player.playedInPeriod[random() % 8] = 1;
        i % 2 ? g.addVisitorEvent(e) : g.addHomeEvent(e);
    }
    return g;
}

std::string formOf(const Game& game) {
    return gameToJson(game).dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

struct Printed {
    bool ok = false;
    std::string text;
    std::string error;
    int pieces = 0;
};

Printed printFile(const std::string& path) {
    Printed p;
    JsonStreamWriter out([&](std::string_view piece) {
        p.text += piece;
        ++p.pieces;
        return true;
    });
    p.ok = writeGameFileJson(path, out, &p.error) && out.finishDocument();
    return p;
}

std::string printImage(const std::vector<std::uint8_t>& image, bool& ok) {
    std::string text;
    JsonStreamWriter out([&](std::string_view piece) {
        text += piece;
        return true;
    });
    ok = writeGameImageJson(image, out) && out.finishDocument();
    return text;
}

TEST(GameFileJson, ALongGameIsPrintedAsItsFormInManyPieces) {
    ScratchFolder folder;
    const Game game = longGame();
    const std::string path = folder.saveGame(game, "long.gam");
    Game loaded;
    ASSERT_TRUE(loaded.load(path));
    const Printed printed = printFile(path);
    ASSERT_TRUE(printed.ok) << printed.error;
    EXPECT_TRUE(printed.text == formOf(loaded));
    EXPECT_GT(printed.pieces, 10);

    bool ok = false;
    EXPECT_TRUE(printImage(game.toBytes(), ok) == printed.text);
    EXPECT_TRUE(ok);
}

TEST(GameFileJson, EveryCutOfAGameIsRefusedLikeTheReaderRefusesIt) {
    Game game = testing::game("Home", "Away", {testing::shot("Home Player 1", 1, 10, 20)},
                              {testing::play("Away Player 2", 3, 2)});
    const auto bytes = game.toBytes();
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        Game reference;
        ByteReader in(cut);
        const bool reads = reference.readFrom(in);
        bool printed = !reads;
        const std::string text = printImage(cut, printed);
        EXPECT_EQ(printed, reads) << size;
        if (reads) {
            EXPECT_TRUE(text == formOf(reference)) << size;
        }
    }
}

TEST(GameFileJson, ACutFileIsRefusedWithTheReasonOfLoadAndNothingPrinted) {
    ScratchFolder folder;
    const auto bytes = longGame().toBytes();
    const std::string path = folder.file("cut.gam");
    testing::writeBytes(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    Game reference;
    std::string loadError;
    ASSERT_FALSE(reference.load(path, &loadError));
    const Printed printed = printFile(path);
    EXPECT_FALSE(printed.ok);
    EXPECT_EQ(printed.error, loadError);
    EXPECT_EQ(printed.pieces, 0);
}

TEST(GameFileJson, DamagedAndMissingFilesGiveTheReasonsOfLoad) {
    ScratchFolder folder;
    for (const std::string& path :
         {testing::recordData("game_lying_counts.gam"), testing::recordData("game_negative_count.gam"),
          testing::recordData("game_truncated_team.gam"), folder.file("missing.gam"), folder.path()}) {
        Game reference;
        std::string loadError;
        ASSERT_FALSE(reference.load(path, &loadError));
        const Printed printed = printFile(path);
        EXPECT_FALSE(printed.ok);
        EXPECT_EQ(printed.error, loadError);
        EXPECT_EQ(printed.text, "");
    }
}

TEST(GameFileJson, APipeIsReadWholeAndPrintedTheSame) {
    ScratchFolder folder;
    const Game game = longGame();
    const std::string pipe = folder.file("pipe.gam");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&] { testing::writeBytes(pipe, game.toBytes()); });
    const Printed printed = printFile(pipe);
    writer.join();
    ASSERT_TRUE(printed.ok) << printed.error;
    const auto bytes = game.toBytes();
    Game loaded;
    ByteReader in(bytes);
    ASSERT_TRUE(loaded.readFrom(in));
    EXPECT_TRUE(printed.text == formOf(loaded));
}

}  // namespace
}  // namespace courtlog
