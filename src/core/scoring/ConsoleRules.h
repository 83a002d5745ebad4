#pragma once

#include <string>
#include <vector>

#include "core/records/Game.h"
#include "core/records/Settings.h"

// The counting rules of the game console. Nothing here keeps a running
// total: every figure is recounted from the two play lists when it is asked
// for, so plays edited or deleted afterwards show at once.
namespace courtlog::scoring {

// Periods [low, high] that a count takes in.
struct PeriodWindow {
    int low = 0;
    int high = 0;
    bool contains(int period) const { return period >= low && period <= high; }
};

// The half holding period c: [0, 1] before the second half, then [2, c], so
// the second half takes in every overtime up to the current one.
PeriodWindow halfWindow(int currentPeriod);
// The bonus (or double-bonus) window: the current quarter alone when quarters
// are played and fouls are counted per quarter, otherwise the half.
PeriodWindow foulWindow(int currentPeriod, bool gameInHalves, bool perQuarter);
// The time-out window: the half when the allowance is per half, otherwise
// the whole game so far [0, c].
PeriodWindow timeOutWindow(int currentPeriod, bool perHalf);

const std::vector<PlayEvent>& plays(const Game& game, bool home);
const Team& team(const Game& game, bool home);
Team& team(Game& game, bool home);

// Fouls and technical fouls whose player carries exactly this name, in any period.
int personalFouls(const Game& game, bool home, const std::string& name);
// Fouls (technical fouls are not team fouls) in the bonus window.
int teamFouls(const Game& game, bool home, const LeagueOptions& league);
// The same fouls in the double-bonus window.
int doubleBonusFouls(const Game& game, bool home, const LeagueOptions& league);
// Time outs (kind 11, or 20-second ones, kind 12) taken in their window.
int timeOutsUsed(const Game& game, bool home, bool shortTimeOut, const LeagueOptions& league);
// Allowed minus used, never below 0 (a lowered allowance leaves none).
int timeOutsLeft(const Game& game, bool home, bool shortTimeOut, const LeagueOptions& league);

// "DOUBLE BONUS", "BONUS" or "": the team on this half is in the bonus
// because of the fouls of the team it plays against.
std::string bonusText(const Game& game, bool home, const LeagueOptions& league);

// A limit of 0 (no value chosen in League Options) never applies.
bool reaches(int count, int limit);

// "%2d-%s" (" 4-Alpha"), "00-%s" for the uniform 00.
std::string playerEntryText(const Player& player);
// "#%2d Fouled Out!" / "#00 Fouled Out!".
std::string fouledOutText(const Player& player);

// Next and previous period; halves skip the unused periods 1 and 3.
int nextPeriod(int currentPeriod, bool halves);
int previousPeriod(int currentPeriod, bool halves);

// Roster index of the player in court slot 1..5, -1 when the slot is empty.
// The first roster player in a slot holds it, should a damaged file put two there.
int rosterIndexInSlot(const Team& team, int slot);

}  // namespace courtlog::scoring
