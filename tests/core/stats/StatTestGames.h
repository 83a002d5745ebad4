#pragma once

// Small builders for the games the statistics tests read.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/records/Codes.h"
#include "core/records/Game.h"

namespace courtlog::stattest {

// A play by name: detail goes to the sub-kind field its kind uses.
inline PlayEvent play(const std::string& who, int kind, int detail = 0, int period = 0, int number = 4) {
    PlayEvent e;
    e.player.name = who;
    e.player.number = static_cast<std::int16_t>(number);
    e.kind = static_cast<std::int16_t>(kind);
    const auto d = static_cast<std::int16_t>(detail);
    switch (kind) {
    case Shot: e.shotResult = d; break;
    case Foul: e.foulKind = d; break;
    case TechnicalFoul: e.technicalKind = d; break;
    case Rebound: e.reboundKind = d; break;
    case GoalTend: e.goalTendKind = d; break;
    case Turnover: e.turnoverKind = d; break;
    default: break;
    }
    e.period = static_cast<std::int16_t>(period);
    return e;
}

inline Player rosterPlayer(const std::string& name, int number, int periodsPlayed) {
    Player p;
    p.name = name;
    p.number = static_cast<std::int16_t>(number);
    for (int i = 0; i < periodsPlayed && i < Player::kPeriodSlots; ++i) p.playedInPeriod[static_cast<std::size_t>(i)] = 1;
    return p;
}

class GameBuilder {
public:
    GameBuilder(const std::string& home, const std::string& visitor) {
        game.homeName = home;
        game.home.name = home;
        game.visitorName = visitor;
        game.visitor.name = visitor;
    }
    GameBuilder& homePlayer(const std::string& name, int number, int periodsPlayed) {
        game.home.addPlayer(rosterPlayer(name, number, periodsPlayed), PersonalInfo{});
        return *this;
    }
    GameBuilder& visitorPlayer(const std::string& name, int number, int periodsPlayed) {
        game.visitor.addPlayer(rosterPlayer(name, number, periodsPlayed), PersonalInfo{});
        return *this;
    }
    GameBuilder& home(const PlayEvent& e) {
        game.addHomeEvent(e);
        return *this;
    }
    GameBuilder& visitor(const PlayEvent& e) {
        game.addVisitorEvent(e);
        return *this;
    }

    Game game;
};

// A folder of its own per test, removed with its files at the end.
class Folder {
public:
    explicit Folder(const std::string& tag) {
        path_ = std::filesystem::temp_directory_path() /
                ("courtlog-stats-" + tag + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Saves the game under name and gives its path.
    std::string save(const Game& game, const std::string& name) const {
        // Written directly: a season of safe saves would wait on the disk.
        const std::string path = file(name);
        const std::vector<std::uint8_t> bytes = game.toBytes();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(out.good()) << path;
        return path;
    }

private:
    std::filesystem::path path_;
};

}  // namespace courtlog::stattest
