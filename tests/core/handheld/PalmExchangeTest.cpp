#include "core/handheld/PalmExchange.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/handheld/PalmDatabase.h"
#include "core/handheld/PalmPayload.h"
#include "RecordBuilders.h"

using namespace courtlog;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

TEST(PalmExchange, TeamGoesToTheHandheldAndBackWithoutScratchFiles) {
    courtlog::testing::ScratchFolder folder;
    const fs::path before = fs::current_path();
    fs::current_path(folder.path());  // a scratch file in the current folder would show here

    Team team = courtlog::testing::variedTeam(20);
    team.players[4].number = -1;
    const std::string path = folder.file("Hawks.pdb");
    PalmResult r = exportToPalm(team, path);
    EXPECT_TRUE(r) << r.text();
    EXPECT_EQ(team.fileName, path);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Hawks.pdb"});
    EXPECT_EQ(fs::file_size(path), 897u);

    Team back;
    r = importFromPalm(path, back);
    EXPECT_TRUE(r) << r.text();
    EXPECT_EQ(back.fileName, path);
    EXPECT_EQ(back.players, team.players);
    EXPECT_EQ(back.name, team.name);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"Hawks.pdb"});
    fs::current_path(before);
}

TEST(PalmExchange, GameGoesToTheHandheldAndBack) {
    courtlog::testing::ScratchFolder folder;
    Game game = courtlog::testing::variedGame(120, 90);  // two blocks
    const std::string path = folder.file("Final.pdb");
    ASSERT_TRUE(exportToPalm(game, path));
    EXPECT_EQ(game.fileName, path);
    EXPECT_GT(fs::file_size(path), PalmDatabase::blockOffset(2, 1));

    Game back;
    ASSERT_TRUE(importFromPalm(path, back));
    EXPECT_EQ(back.fileName, path);
    EXPECT_EQ(back.isNew, 0);
    EXPECT_EQ(back.homeEvents(), game.homeEvents());
    EXPECT_EQ(back.visitorEvents(), game.visitorEvents());
    EXPECT_EQ(back.homeScore(), game.homeScore());

    // The wrong kind for the same file.
    Team team;
    EXPECT_EQ(importFromPalm(path, team).message, "Not a Palm Team");
}

TEST(PalmExchange, ReportsFilesThatCannotBeOpenedOrWritten) {
    courtlog::testing::ScratchFolder folder;
    Team team;
    PalmResult r = importFromPalm(folder.file("missing.pdb"), team);
    EXPECT_EQ(r.message, "Could not Open Input File");
    EXPECT_EQ(r.caption, "Error");

    Team good = courtlog::testing::variedTeam(2);
    r = exportToPalm(good, folder.file("no-such-folder/Hawks.pdb"));
    EXPECT_EQ(r.message, "Could not Open Output File");
    EXPECT_EQ(r.caption, "Error");

    // A roster the count byte cannot carry is not written at all.
    Team big = courtlog::testing::variedTeam(128);
    r = exportToPalm(big, folder.file("Big.pdb"));
    EXPECT_FALSE(r);
    EXPECT_FALSE(fs::exists(folder.file("Big.pdb")));
}

TEST(PalmExchange, EveryTruncationIsRefusedOrReadWhole) {
    struct Sample {
        const char* what;
        Bytes payload;
        bool game;
    };
    const std::vector<Sample> samples{
        {"team", PalmPayload::team(courtlog::testing::variedTeam(20)), false},
        {"game", PalmPayload::game(courtlog::testing::variedGame(60, 40)), true},  // two blocks
    };
    for (const Sample& s : samples) {
        const Bytes image = PalmDatabase::build(s.payload, "cut", 0);
        int whole = 0;
        for (std::size_t length = 0; length <= image.size(); ++length) {
            const Bytes cut(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(length));
            Bytes payload;
            if (!PalmDatabase::extract(cut, payload)) continue;
            Bytes again;
            bool read = false;
            if (s.game) {
                Game game;
                read = static_cast<bool>(PalmPayload::readGame(payload, game));
                if (read) again = PalmPayload::game(game);
            } else {
                Team team;
                read = static_cast<bool>(PalmPayload::readTeam(payload, team));
                if (read) again = PalmPayload::team(team);
            }
            if (!read) continue;
            EXPECT_EQ(again, s.payload) << s.what << " cut to " << length << " bytes read as something else";
            ++whole;
        }
        EXPECT_EQ(whole, 1) << s.what << ": only the whole file reads";
    }
}
