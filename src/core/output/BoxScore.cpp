#include "core/output/BoxScore.h"

#include <span>

#include "core/output/FixedWidthText.h"
#include "core/records/Calendar.h"
#include "core/records/Cp1252.h"
#include "core/records/Game.h"
#include "core/records/Player.h"

namespace courtlog::output {

namespace {

// The periods the text's and the page's period tables show; later
// overtimes count in the game total only.
constexpr int kQuarterPeriods[] = {0, 1, 2, 3, 4, 5};
constexpr int kHalfPeriods[] = {0, 2, 4, 5};

std::string utf8(const std::string& recordText) { return cp1252ToUtf8(recordText); }

std::string refereeText(const Game& game, int which) {
    return utf8(which == 1 ? game.referee1 : which == 2 ? game.referee2 : game.referee3);
}

std::string ruleLine() { return std::string(BoxScore::kRuleWidth, '-'); }

// One row of a team's table: name, PP, TP, 2M, 2A, 2%, 3M, 3A, 3%, FGM, FGA,
// FG%, FTM, FTA, FT%, AS, OF, DF, TotF, OR, DR, TotR, ST, BS, TO, spaced to
// stand under the column heading.
std::string tableRow(const StatLine& line, bool totals) {
    std::string row = leftAligned(utf8(BoxScore::rowName(line, totals)), 29);
    const auto count = [&row](const char* gap, long long value) {
        row += gap;
        row += rightAligned(value, 2);
    };
    const auto percent = [&row](float value) {
        row += ' ';
        row += fixedPoint(value, 0, 3);
    };
    count(" ", line.pp);
    count(" ", line.tp);
    count(" ", line.twoM);
    count(" ", line.twoA);
    percent(line.twoPct);
    count(" ", line.threeM);
    count(" ", line.threeA);
    percent(line.threePct);
    count("  ", line.fgm);
    count("  ", line.fga);
    percent(line.fgPct);
    count("  ", line.ftm);
    count("  ", line.fta);
    percent(line.ftPct);
    count(" ", line.as);
    count(" ", line.of);
    count(" ", line.df);
    count("  ", static_cast<long long>(line.of) + line.df + line.tf);
    count("  ", line.oreb);
    count(" ", line.dreb);
    count("  ", static_cast<long long>(line.oreb) + line.dreb);
    count("  ", line.st);
    count(" ", line.bs);
    count(" ", line.to);
    return row;
}

bool isDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= calendar::daysInMonth(month, year);
}

}  // namespace

BoxScore::BoxScore(const Game& game) : game_(&game) { recompute(); }

void BoxScore::recompute() {
    home_.computeSide(*game_, Stat::Side::Home);
    visitor_.computeSide(*game_, Stat::Side::Visitor);
}

std::string BoxScore::rowName(const StatLine& line, bool totals) {
    if (totals) return std::string(Stat::kTotalsName);
    return line.playerName + " #" + uniformText(line.number);
}

std::string BoxScore::fileBaseName() const {
    const std::string& path = game_->fileName;
    const std::size_t slash = path.find_last_of("/\\");
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    // File names on this system are UTF-8; one that is not came from
    // elsewhere and is read as the records' own single-byte text.
    return isValidUtf8(base) ? base : utf8(base);
}

std::string BoxScore::weekdayName() const {
    if (!isDate(game_->year, game_->month, game_->day)) return {};
    return std::string(calendar::weekdayName(calendar::weekdayOf(game_->year, game_->month, game_->day)));
}

std::string BoxScore::monthName() const {
    if (!isDate(game_->year, game_->month, game_->day)) return {};
    return std::string(calendar::monthName(game_->month));
}

int BoxScore::homePoints(int period) const { return game_->homePointsInPeriod(period); }
int BoxScore::visitorPoints(int period) const { return game_->visitorPointsInPeriod(period); }

std::string BoxScore::playedOnLine() const {
    return utf8(game_->visitor.name) + " VS " + utf8(game_->home.name) + " played on " +
           std::to_string(game_->month) + "/" + std::to_string(game_->day) + "/" +
           std::to_string(game_->year) + " at " + utf8(game_->court);
}

void BoxScore::appendTeamTable(std::vector<std::string>& lines, bool home) const {
    const std::string self = home ? utf8(game_->home.name) : utf8(game_->visitor.name);
    const std::string other = home ? utf8(game_->visitor.name) : utf8(game_->home.name);
    lines.push_back(ruleLine());
    lines.push_back((home ? "Home" : "Visitor") + std::string(" Game Stats for ") + self + " [vs " + other +
                    "]");
    lines.push_back(ruleLine());
    lines.push_back(kColumnHeading);
    lines.push_back(ruleLine());
    const std::vector<StatLine>& rows = (home ? home_ : visitor_).lines();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        // finish keeps the totals line last.
        const bool totals = i + 1 == rows.size();
        if (totals) lines.push_back(ruleLine());
        lines.push_back(tableRow(rows[i], totals));
    }
    lines.push_back(ruleLine());
}

void BoxScore::appendPeriodTable(std::vector<std::string>& lines) const {
    const bool halves = game_->halves != 0;
    lines.push_back(halves
                        ? "                                   Half1  Half2  OT1  OT2  Game Total"
                        : "                                   Qtr1  Qtr2  Qtr3  Qtr4  OT1  OT2  Game Total");
    lines.push_back(ruleLine());
    const auto sideRow = [&](const char* label, const Stat& stat, bool home) {
        std::string row = label + leftAligned(utf8(stat.teamName()), 25);
        const auto points = [&](int period) { return home ? homePoints(period) : visitorPoints(period); };
        const std::span<const int> periods =
            halves ? std::span<const int>(kHalfPeriods) : std::span<const int>(kQuarterPeriods);
        for (const int period : periods)
            row += (period == 0 ? " " : period == 5 ? "  " : "   ") + rightAligned(points(period), 3);
        row += "     " + rightAligned(home ? game_->homeScore() : game_->visitorScore(), 3);
        return row;
    };
    lines.push_back(sideRow("Home:    ", home_, true));
    lines.push_back(sideRow("Visitor: ", visitor_, false));
    lines.push_back(ruleLine());
}

std::vector<std::string> BoxScore::textLines() const {
    std::vector<std::string> lines;
    lines.reserve(home_.lineCount() + visitor_.lineCount() + 32);
    lines.push_back(centred(fileBaseName(), kCentreWidth));
    lines.push_back(centred(utf8(game_->home.name) + " vs " + utf8(game_->visitor.name), kCentreWidth));
    lines.push_back(centred(weekdayName() + " " + monthName() + " " + std::to_string(game_->day) + ", " +
                                std::to_string(game_->year) + "      " + utf8(game_->court),
                            kCentreWidth));
    appendTeamTable(lines, true);
    lines.emplace_back();
    appendPeriodTable(lines);
    lines.push_back("Attendance:  " + utf8(game_->attendance) +
                    "   Officials:    " + leftAligned(refereeText(*game_, 1), 25) + " " +
                    leftAligned(refereeText(*game_, 2), 25) + " " + leftAligned(refereeText(*game_, 3), 25));
    lines.emplace_back();
    appendTeamTable(lines, false);
    return lines;
}

}  // namespace courtlog::output
