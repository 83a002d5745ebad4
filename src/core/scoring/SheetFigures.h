#pragma once

#include <string>
#include <vector>

#include "core/records/Game.h"

namespace courtlog::scoring {

// The five shooting figures of one block of a team sheet.
struct ShootingFigures {
    int twoMade = 0;
    int threeMade = 0;
    int freeThrowsAttempted = 0;
    int freeThrowsMade = 0;
    int points = 0;

    bool operator==(const ShootingFigures&) const = default;
    ShootingFigures& operator+=(const ShootingFigures& other);
};

// Counts one play's shot result into figures (a made free throw is also an
// attempt; every result other than a shot's counts nothing); by -1 takes a
// counted play back out.
void countShot(ShootingFigures& figures, int shotResult, int by = 1);

// One roster player's row of a team sheet.
struct SheetRow {
    std::string name;
    int number = -1;
    std::string numberText;  // the uniform as the sheet shows it (uniformText)
    int position = 0;
    ShootingFigures thisPeriod;  // plays of the game's current period only
    ShootingFigures game;        // all the player's plays
    int personalFouls = 0;       // every one, even past the six boxes
    int playerTechnicals = 0;
    // The period of each personal foul, in recorded order, at most six: the
    // crosses over P1..P6. Likewise the first two player technicals (T1, T2).
    std::vector<int> personalFoulPeriods;
    std::vector<int> technicalPeriods;

    bool operator==(const SheetRow&) const = default;
};

// Everything a team sheet shows, recounted from the side's plays.
struct TeamSheetFigures {
    std::string teamName;
    std::string coach;
    std::string dateText;     // "%d/%d/%d": month, day, year
    std::string periodTitle;  // title of the current period's block
    std::vector<SheetRow> rows;  // roster order

    bool operator==(const TeamSheetFigures&) const = default;
};

// Figures of one player over plays; a play is his when its player's name
// equals name exactly. period < 0 counts every period.
ShootingFigures shootingFigures(const std::vector<PlayEvent>& plays, const std::string& name, int period = -1);

// Title of the current period's block: "1st Quarter" .. "4th Quarter",
// "Overtime"; in halves "1st Half", "2nd Half", "Overtime".
std::string sheetPeriodTitle(int currentPeriod, bool halves);

class PlayTally;

// The whole sheet of one side of game.
TeamSheetFigures teamSheetFigures(const Game& game, bool home);
// The same from the running counts of that side's plays, kept in step with
// its list.
TeamSheetFigures teamSheetFigures(const Game& game, bool home, const PlayTally& tally);

}  // namespace courtlog::scoring
