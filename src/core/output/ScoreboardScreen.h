#pragma once

#include <string>

#include "core/records/Game.h"
#include "core/records/Settings.h"

namespace courtlog::output {

// The time outs a team has left, in words a spectator reads: "4 full,
// 2 short"; "4" alone in a league without 20-second time outs.
std::string timeOutsLeftWords(int fullLeft, int shortLeft, const LeagueOptions& league);

// The period as a gym screen spells it: a word ("Quarter", "Half",
// "Overtime") over its number ("3").
struct ScreenPeriod {
    std::string word;
    std::string number;
    bool operator==(const ScreenPeriod&) const = default;
};
ScreenPeriod screenPeriod(int currentPeriod, bool halves);

// A self-contained page for a screen in the gym (scoreboard-screen.html):
// light on a dark background, filling any screen from 1280 x 720 up, with
// both names and scores, the period, team fouls with the bonus and the time
// outs left, sized to be read from across the hall; it reloads itself
// every second as the overlay does. Every text HTML-escaped, in UTF-8.
std::string scoreboardScreenHtml(const Game& game, const LeagueOptions& league);

}  // namespace courtlog::output
