#include "cli/ConsoleSummary.h"

#include "core/records/Cp1252.h"
#include "core/scoring/ConsoleFigures.h"
#include "core/scoring/SheetFigures.h"

namespace courtlog::cli {

using namespace courtlog::scoring;

namespace {

using json = nlohmann::ordered_json;

json shootingJson(const ShootingFigures& f) {
    return json{{"2M", f.twoMade}, {"3M", f.threeMade}, {"FTA", f.freeThrowsAttempted},
                {"FTM", f.freeThrowsMade}, {"TP", f.points}};
}

json teamJson(const Game& game, bool home, const LeagueOptions& league) {
    const TeamConsoleFigures figures = teamConsoleFigures(game, home, league);
    json out;
    out["name"] = cp1252ToUtf8(figures.name);
    out["score"] = figures.score;
    out["teamFouls"] = figures.teamFouls;
    out["doubleBonusFouls"] = figures.doubleBonusFouls;
    out["bonus"] = figures.bonus;
    out["fullTimeOutsLeft"] = figures.fullTimeOutsLeft;
    out["shortTimeOutsLeft"] = figures.shortTimeOutsLeft;
    json onCourt = json::array();
    for (const CourtLabel& label : figures.onCourt)
        onCourt.push_back(json{{"slot", label.slot},
                               {"label", cp1252ToUtf8(label.text)},
                               {"color", label.red ? "red" : "black"}});
    out["onCourt"] = std::move(onCourt);
    json bench = json::array();
    for (const BenchEntry& entry : figures.bench) bench.push_back(cp1252ToUtf8(entry.text));
    out["bench"] = std::move(bench);
    json players = json::array();
    for (const SheetRow& row : teamSheetFigures(game, home).rows)
        players.push_back(json{{"name", cp1252ToUtf8(row.name)},
                               {"number", row.number},
                               {"personalFouls", row.personalFouls},
                               {"playerTechnicals", row.playerTechnicals},
                               {"thisPeriod", shootingJson(row.thisPeriod)},
                               {"game", shootingJson(row.game)}});
    out["players"] = std::move(players);
    return out;
}

}  // namespace

nlohmann::ordered_json consoleSummary(const Game& game, const LeagueOptions& league) {
    Game scored = game;
    scored.recomputeScores();
    const bool halves = scored.halves != 0;
    const PeriodGroup group = periodGroup(scored.currentPeriod, halves);
    json out;
    out["currentPeriod"] = scored.currentPeriod;
    out["periodGroup"] = json{{"caption", group.caption},
                              {"labels", json(group.labels)},
                              {"checked", group.checked}};
    out["sheetPeriodTitle"] = sheetPeriodTitle(scored.currentPeriod, halves);
    out["home"] = teamJson(scored, true, league);
    out["visitor"] = teamJson(scored, false, league);
    return out;
}

}  // namespace courtlog::cli
