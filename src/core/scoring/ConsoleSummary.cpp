#include "core/scoring/ConsoleSummary.h"

#include "core/records/JsonName.h"
#include "core/records/JsonStreamWriter.h"
#include "core/records/JsonTreeBuilder.h"
#include "core/scoring/ConsoleFigures.h"
#include "core/scoring/SheetFigures.h"

namespace courtlog::scoring {

namespace {

// Written once against either a tree or the streamed text.
template <class Out>
void writeShooting(Out& out, JsonName name, const ShootingFigures& f) {
    out.key(name);
    out.beginObject();
    out.member("2M", f.twoMade);
    out.member("3M", f.threeMade);
    out.member("FTA", f.freeThrowsAttempted);
    out.member("FTM", f.freeThrowsMade);
    out.member("TP", f.points);
    out.endObject();
}

template <class Out>
void writeTeam(Out& out, const Game& game, bool home, const LeagueOptions& league) {
    const TeamConsoleFigures figures = teamConsoleFigures(game, home, league);
    out.beginObject();
    out.cp1252Member("name", figures.name);
    out.member("score", figures.score);
    out.member("teamFouls", figures.teamFouls);
    out.member("doubleBonusFouls", figures.doubleBonusFouls);
    out.key("bonus");
    out.string(figures.bonus);
    out.member("fullTimeOutsLeft", figures.fullTimeOutsLeft);
    out.member("shortTimeOutsLeft", figures.shortTimeOutsLeft);
    out.key("onCourt");
    out.beginArray();
    for (const CourtLabel& label : figures.onCourt) {
        out.beginObject();
        out.member("slot", label.slot);
        out.cp1252Member("label", label.text);
        out.key("color");
        out.string(label.red ? "red" : "black");
        out.endObject();
    }
    out.endArray();
    out.key("bench");
    out.beginArray();
    for (const BenchEntry& entry : figures.bench) out.cp1252String(entry.text);
    out.endArray();
    out.key("players");
    out.beginArray();
    for (const SheetRow& row : teamSheetFigures(game, home).rows) {
        out.beginObject();
        out.cp1252Member("name", row.name);
        out.member("number", row.number);
        out.member("personalFouls", row.personalFouls);
        out.member("playerTechnicals", row.playerTechnicals);
        writeShooting(out, "thisPeriod", row.thisPeriod);
        writeShooting(out, "game", row.game);
        out.endObject();
    }
    out.endArray();
    out.endObject();
}

template <class Out>
void writeSummary(Out& out, const Game& game, const LeagueOptions& league) {
    const bool halves = game.halves != 0;
    const PeriodGroup group = periodGroup(game.currentPeriod, halves);
    out.beginObject();
    out.member("currentPeriod", game.currentPeriod);
    out.key("periodGroup");
    out.beginObject();
    out.key("caption");
    out.string(group.caption);
    out.key("labels");
    out.beginArray();
    for (const std::string& label : group.labels) out.string(label);
    out.endArray();
    out.member("checked", group.checked);
    out.endObject();
    out.key("sheetPeriodTitle");
    out.string(sheetPeriodTitle(game.currentPeriod, halves));
    out.key("home");
    writeTeam(out, game, true, league);
    out.key("visitor");
    writeTeam(out, game, false, league);
    out.endObject();
}

}  // namespace

nlohmann::ordered_json consoleSummary(const Game& game, const LeagueOptions& league) {
    JsonTreeBuilder tree;
    writeSummary(tree, game, league);
    return tree.take();
}

void writeConsoleSummary(JsonStreamWriter& out, const Game& game, const LeagueOptions& league) {
    writeSummary(out, game, league);
}

}  // namespace courtlog::scoring
