#pragma once

#include <ctime>
#include <string>

#include <nlohmann/json.hpp>

#include "core/records/Game.h"
#include "core/records/Settings.h"

namespace courtlog::output {

// The files a streaming overlay or a gym screen reads while a game is
// scored, all computed from the game as the console shows it.
struct ScoreboardFeedTexts {
    std::string json;    // scoreboard.json
    std::string line;    // scoreboard.txt
    std::string html;    // scoreboard.html, the overlay
    std::string screen;  // scoreboard-screen.html, the gym screen (ScoreboardScreen.h)
};

// The period as a scoreboard shows it: "Q1".."Q4", "H1"/"H2", "OT1"...
std::string scoreboardPeriod(int currentPeriod, bool halves);

// One play as the feed names it: "Home #23 Alpha: Three Point Made",
// "Visitor: Time Out". Texts in UTF-8.
std::string scoreboardPlayText(const PlayEvent& event, bool home);

// "HOME 45 - 38 VISITOR  Q3", with the team names as stored (UTF-8).
std::string scoreboardLine(const Game& game);

// The console summary of the game, plus "updated" and "lastPlay".
nlohmann::ordered_json scoreboardJson(const Game& game, const LeagueOptions& league, const std::string& updated,
                                      const std::string& lastPlay);

// A self-contained page on a transparent background that reloads itself
// every second: names, scores, the period, team fouls with the bonus and
// the time outs left, every text HTML-escaped.
std::string scoreboardHtml(const Game& game, const LeagueOptions& league);

ScoreboardFeedTexts scoreboardFeedTexts(const Game& game, const LeagueOptions& league, const std::string& updated,
                                        const std::string& lastPlay);

// ISO 8601 local time with its offset: "2026-12-07T18:20:05+01:00".
std::string isoLocalTime(std::time_t when);

// The folder the feed goes to: the one chosen, else the game file's folder
// (the current folder for a game not yet saved).
std::string scoreboardFolder(const std::string& chosenFolder, const std::string& gameFileName);

// Replaces the four files in folder, each atomically through the safe
// save, so a reader never sees half a file; a symbolic link in the place of
// one is refused, never written through. false with the reason when any
// file could not be written.
bool writeScoreboardFeed(const std::string& folder, const ScoreboardFeedTexts& texts, std::string* error = nullptr);

}  // namespace courtlog::output
