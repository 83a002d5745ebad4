#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/records/Codes.h"
#include "core/records/GameFileImage.h"

using namespace courtlog;
using courtlog::testing::play;

// A snapshot may still be on its way to disk while the game goes on: the
// plays added or taken back after it, across the end of a block and back,
// never change the bytes it holds, and the image follows the game.
TEST(GameFileImage, ASnapshotKeepsItsBytesWhileTheGameGoesOn) {
    Game game = courtlog::testing::game("Hawks", "Owls");
    GameFileImage image;
    const auto addPlay = [&](int i) {
        const PlayEvent made = play(game.home.players[0].name, Shot, i % 2 ? TwoPointMade : FreeThrowMade);
        ASSERT_TRUE(game.addHomeEvent(made));
        image.plays(true).add(game.homeEvents().back());
    };
    const std::size_t block = GameFileImage::Plays::kBlockPlays;
    for (int i = 0; i < static_cast<int>(block) - 1; ++i) addPlay(i);
    image.encode(game);

    const GameFileImage::Snapshot before = image.snapshot(game);
    const std::vector<std::uint8_t> bytesBefore = game.toBytes();
    ASSERT_EQ(before.bytes(), bytesBefore);

    // Over the end of the block, then back under the snapshot's count.
    for (int i = 0; i < 3; ++i) addPlay(i);
    EXPECT_EQ(image.snapshot(game).bytes(), game.toBytes());
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(game.removeLastEvent(true));
        image.plays(true).removeLast(PlayEvent{});
    }
    EXPECT_EQ(image.snapshot(game).bytes(), game.toBytes());
    EXPECT_EQ(before.bytes(), bytesBefore);

    // A list replaced behind the image's back is encoded afresh.
    std::vector<PlayEvent> edited = game.homeEvents();
    edited.back().period = 3;
    game.setEvents(true, edited);
    EXPECT_EQ(image.snapshot(game).bytes(), game.toBytes());
    EXPECT_EQ(before.bytes(), bytesBefore);
}
