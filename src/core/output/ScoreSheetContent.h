#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/records/Game.h"
#include "core/scoring/SheetFigures.h"

namespace courtlog::output {

// What a printed score sheet says, worked out from a game (the filled sheet)
// or from the layout alone (the blank sheet); the page drawing only places it.

// Which teams a filled sheet prints, numbered as the "Print Game" dialog
// returns its choice. With both, the home team's pages come first.
enum class SheetTeams { Visitor = 0, Home = 1, Both = 2 };

// The pen a foul cross is drawn with.
enum class FoulPen { Green, DarkBlue, Purple, Red };

// A personal foul's cross by the period it was committed in: the first
// period green, the second dark blue, the third purple, any later one red.
// Player technicals are always crossed in dark blue.
FoulPen personalFoulPen(int period);

// Headings of the period blocks, left to right: "1st Quarter" .. "4th
// Quarter" (or "1st Half", "2nd Half"), "Over Time" when the game went past
// the fourth period, and "Game Totals" last.
std::vector<std::string> scoreSheetBlockTitles(bool halves, bool overtime);

// The block a play of period counts in (an index into the titles above),
// -1 for none. Every overtime shares the one "Over Time" block. In halves
// the periods go to their halves as the period names have them (0 and 1 the
// first half, 2 and 3 the second), so no play drops out of the totals.
int scoreSheetBlockOf(int period, bool halves);

// True when either team has a play past the fourth period; both teams'
// pages then show the "Over Time" block, so the two sheets line up.
bool gameHasOvertime(const Game& game);

// One roster player's row.
struct ScoreSheetRow {
    std::string position;  // the position's letter
    std::string name;
    std::string number;  // "%2d", or "00"
    // One set of figures per block, "Game Totals" (the sum of the others) last.
    std::vector<scoring::ShootingFigures> blocks;
    // The crosses over P1..P6 in recorded order (at most six), and how many
    // of T1, T2 are crossed (player technicals, at most two).
    std::vector<FoulPen> personalCrosses;
    int technicalCrosses = 0;
};

struct ScoreSheetTeam {
    std::string name;
    std::vector<ScoreSheetRow> rows;  // roster order
    // Per block, over every play of the team (players no longer on the
    // roster included), "Game Totals" last.
    std::vector<scoring::ShootingFigures> teamTotal;
};

// Everything the filled sheets of a game print.
struct ScoreSheetContent {
    std::string gameLine;  // "Home vs Visitors ,scored on 3/14/2024 at 7:05 Town Hall"
    std::vector<std::string> blockTitles;
    ScoreSheetTeam home;
    ScoreSheetTeam visitor;
    // "Final Score, " and the home name padded to 25 with the home score;
    // below it the visitors' name and score, standing after "Final Score, ".
    std::array<std::string, 2> finalScore;
};

// The game's scores as recomputed from its plays.
ScoreSheetContent scoreSheetContent(const Game& game);

// The game line at the top: home and visiting names, month/day/year, the
// hour, the minute with its leading "0", a blank and the court.
std::string scoreSheetGameLine(const Game& game);

// A figure as it stands in its column.
std::string figureText(int value);
// The five figures of a block in column order: 2's, 3's, free throws
// attempted and made, points.
std::array<int, 5> blockColumns(const scoring::ShootingFigures& figures);

// Fixed texts of both sheets.
inline constexpr std::string_view kFinalScorePrefix = "Final Score, ";
inline constexpr std::string_view kTeamTotalText = "  Team Total";
inline constexpr std::string_view kBlankGameLine =
    "______________________________ vs ______________________________ ,scored on _____/_____/_____ at "
    "_____:_____";
// Which team a blank sheet is kept for, written in by hand.
inline constexpr std::string_view kBlankTeamLine = "Team: ______________________________________";
inline constexpr std::array<std::string_view, 2> kBlankFinalScore{
    "Final Score, _________________________________________ _______",
    "_________________________________________ _______"};
// The labels of the foul boxes: the upper line, then the lower one.
inline constexpr std::array<std::array<std::string_view, 4>, 2> kFoulBoxLabels{
    {{"P1", "P2", "P3", "T1"}, {"P4", "P5", "P6", "T2"}}};

// A blank sheet is printed on 1 to 9 pages.
int blankSheetPageCount(int requested);

}  // namespace courtlog::output
