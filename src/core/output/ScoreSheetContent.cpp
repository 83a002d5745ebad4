#include "core/output/ScoreSheetContent.h"

#include <algorithm>
#include <cstdio>

#include "core/records/Codes.h"
#include "core/records/UniformNumber.h"

namespace courtlog::output {

namespace {

using scoring::ShootingFigures;

constexpr int kQuarterBlocks = 4;
constexpr int kHalfBlocks = 2;
constexpr int kLastRegularPeriod = 3;

int regularBlocks(bool halves) { return halves ? kHalfBlocks : kQuarterBlocks; }

// Figures per block of the plays that count, with the sum of the blocks in
// the last one.
std::vector<ShootingFigures> figuresByBlock(const std::vector<PlayEvent>& plays, const std::string* name,
                                            bool halves, std::size_t blockCount) {
    std::vector<ShootingFigures> blocks(blockCount);
    for (const PlayEvent& play : plays) {
        if (name && play.player.name != *name) continue;
        const int block = scoreSheetBlockOf(play.period, halves);
        // A block the sheet does not show (no overtime column) cannot hold
        // plays: the overtime column is there whenever a play needs it.
        if (block < 0 || static_cast<std::size_t>(block) + 1 >= blockCount) continue;
        scoring::countShot(blocks[static_cast<std::size_t>(block)], play.shotResult);
    }
    ShootingFigures& totals = blocks.back();
    for (std::size_t b = 0; b + 1 < blockCount; ++b) totals += blocks[b];
    return blocks;
}

std::string printed(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

ScoreSheetTeam sheetTeam(const Game& game, bool home, bool halves, std::size_t blockCount) {
    const std::vector<PlayEvent>& plays = game.events(home);
    // The names, numbers and foul crosses as the team sheets count them.
    const scoring::TeamSheetFigures figures = scoring::teamSheetFigures(game, home);
    ScoreSheetTeam team;
    team.name = figures.teamName;
    for (const scoring::SheetRow& player : figures.rows) {
        ScoreSheetRow row;
        row.position = std::string(positionLetter(player.position));
        row.name = player.name;
        row.number = uniformText(player.number, UniformPadding::Blank);
        row.blocks = figuresByBlock(plays, &player.name, halves, blockCount);
        for (int period : player.personalFoulPeriods) row.personalCrosses.push_back(personalFoulPen(period));
        row.technicalCrosses = static_cast<int>(player.technicalPeriods.size());
        team.rows.push_back(std::move(row));
    }
    team.teamTotal = figuresByBlock(plays, nullptr, halves, blockCount);
    return team;
}

}  // namespace

FoulPen personalFoulPen(int period) {
    switch (period) {
        case 0: return FoulPen::Green;
        case 1: return FoulPen::DarkBlue;
        case 2: return FoulPen::Purple;
        default: return FoulPen::Red;
    }
}

std::vector<std::string> scoreSheetBlockTitles(bool halves, bool overtime) {
    static constexpr const char* kOrdinals[] = {"1st", "2nd", "3rd", "4th"};
    std::vector<std::string> titles;
    for (int block = 0; block < regularBlocks(halves); ++block)
        titles.push_back(printed(halves ? "%s Half" : "%s Quarter", kOrdinals[block]));
    if (overtime) titles.emplace_back("Over Time");
    titles.emplace_back("Game Totals");
    return titles;
}

int scoreSheetBlockOf(int period, bool halves) {
    if (period < 0) return -1;
    if (period > kLastRegularPeriod) return regularBlocks(halves);
    return halves ? period / 2 : period;
}

bool gameHasOvertime(const Game& game) {
    const auto pastRegulation = [](const PlayEvent& play) { return play.period > kLastRegularPeriod; };
    return std::any_of(game.homeEvents().begin(), game.homeEvents().end(), pastRegulation) ||
           std::any_of(game.visitorEvents().begin(), game.visitorEvents().end(), pastRegulation);
}

std::string scoreSheetGameLine(const Game& game) {
    return printed("%s vs %s ,scored on %d/%d/%d at %d:", game.homeName.c_str(), game.visitorName.c_str(),
                   static_cast<int>(game.month), static_cast<int>(game.day), static_cast<int>(game.year),
                   static_cast<int>(game.hour)) +
           (game.minute < 10 ? "0" : "") + std::to_string(game.minute) + " " + game.court;
}

ScoreSheetContent scoreSheetContent(const Game& game) {
    const bool halves = game.halves != 0;
    ScoreSheetContent content;
    content.gameLine = scoreSheetGameLine(game);
    content.blockTitles = scoreSheetBlockTitles(halves, gameHasOvertime(game));
    content.home = sheetTeam(game, true, halves, content.blockTitles.size());
    content.visitor = sheetTeam(game, false, halves, content.blockTitles.size());
    content.finalScore = {std::string(kFinalScorePrefix) + printed("%-25s %d", game.homeName.c_str(),
                                                                   game.homeScore()),
                          printed("%-25s %d", game.visitorName.c_str(), game.visitorScore())};
    return content;
}

std::string figureText(int value) { return std::to_string(value); }

std::array<int, 5> blockColumns(const ShootingFigures& f) {
    return {f.twoMade, f.threeMade, f.freeThrowsAttempted, f.freeThrowsMade, f.points};
}

int blankSheetPageCount(int requested) { return std::clamp(requested, 1, 9); }

}  // namespace courtlog::output
