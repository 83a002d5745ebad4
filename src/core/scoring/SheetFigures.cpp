#include "core/scoring/SheetFigures.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "core/records/Codes.h"

namespace courtlog::scoring {

ShootingFigures& ShootingFigures::operator+=(const ShootingFigures& other) {
    twoMade += other.twoMade;
    threeMade += other.threeMade;
    freeThrowsAttempted += other.freeThrowsAttempted;
    freeThrowsMade += other.freeThrowsMade;
    points += other.points;
    return *this;
}

void countShot(ShootingFigures& f, int shotResult) {
    // The figures look at the shot result alone, whatever the kind says.
    switch (shotResult) {
        case TwoPointMade:
            ++f.twoMade;
            f.points += 2;
            break;
        case ThreePointMade:
            ++f.threeMade;
            f.points += 3;
            break;
        case FreeThrowMade:
            ++f.freeThrowsMade;
            ++f.freeThrowsAttempted;
            ++f.points;
            break;
        case FreeThrowMissed: ++f.freeThrowsAttempted; break;
        default: break;
    }
}

ShootingFigures shootingFigures(const std::vector<PlayEvent>& plays, const std::string& name, int period) {
    ShootingFigures f;
    for (const PlayEvent& play : plays) {
        if (play.player.name != name) continue;
        if (period >= 0 && play.period != period) continue;
        countShot(f, play.shotResult);
    }
    return f;
}

std::string sheetPeriodTitle(int currentPeriod, bool halves) {
    static constexpr std::array<const char*, 5> quarters{"1st Quarter", "2nd Quarter", "3rd Quarter",
                                                         "4th Quarter", "Overtime"};
    static constexpr std::array<const char*, 3> halfTitles{"1st Half", "2nd Half", "Overtime"};
    const int clamped = std::clamp(currentPeriod, 0, 4);
    return halves ? halfTitles[static_cast<std::size_t>(clamped / 2)] : quarters[static_cast<std::size_t>(clamped)];
}

TeamSheetFigures teamSheetFigures(const Game& game, bool home) {
    const Team& team = home ? game.home : game.visitor;
    const std::vector<PlayEvent>& plays = game.events(home);

    TeamSheetFigures sheet;
    sheet.teamName = team.name;
    sheet.coach = team.coach;
    char date[48];
    std::snprintf(date, sizeof date, "%d/%d/%d", static_cast<int>(game.month), static_cast<int>(game.day),
                  static_cast<int>(game.year));
    sheet.dateText = date;
    sheet.periodTitle = sheetPeriodTitle(game.currentPeriod, game.halves != 0);

    // The rows of each name: a play counts for every player of its name.
    std::unordered_map<std::string_view, std::vector<std::size_t>> rowsNamed;
    for (const Player& player : team.players) {
        SheetRow row;
        row.name = player.name;
        row.number = player.number;
        row.numberText = uniformText(player.number);
        row.position = player.position;
        rowsNamed[player.name].push_back(sheet.rows.size());
        sheet.rows.push_back(std::move(row));
    }
    // One pass over the plays, however long the game.
    for (const PlayEvent& play : plays) {
        const auto named = rowsNamed.find(play.player.name);
        if (named == rowsNamed.end()) continue;
        for (const std::size_t index : named->second) {
            SheetRow& row = sheet.rows[index];
            countShot(row.game, play.shotResult);
            if (game.currentPeriod < 0 || play.period == game.currentPeriod) countShot(row.thisPeriod, play.shotResult);
            if (play.kind == Foul) {
                ++row.personalFouls;
                if (row.personalFoulPeriods.size() < 6) row.personalFoulPeriods.push_back(play.period);
            } else if (play.kind == TechnicalFoul && play.technicalKind == PlayerTechnical) {
                ++row.playerTechnicals;
                if (row.technicalPeriods.size() < 2) row.technicalPeriods.push_back(play.period);
            }
        }
    }
    return sheet;
}

}  // namespace courtlog::scoring
