#include "core/stats/StatLine.h"

#include "core/records/Codes.h"
#include "core/records/Game.h"

namespace courtlog {

namespace {

constexpr std::size_t kCountColumns = 31;

// A per-game or percentage value; zero when there is nothing to divide.
float ratio(std::int32_t numerator, std::int32_t denominator, double scale = 1.0) {
    if (numerator < 1 || denominator < 1) return 0.0f;
    return static_cast<float>(static_cast<double>(numerator) / static_cast<double>(denominator) * scale);
}

}  // namespace

void StatLine::credit(const PlayEvent& play, int by) {
    switch (play.kind) {
    case Shot:
        switch (play.shotResult) {
        case TwoPointMade:
            addCapped(twoA, by);
            addCapped(twoM, by);
            addCapped(tp, 2 * by);
            break;
        case ThreePointMade:
            addCapped(threeA, by);
            addCapped(threeM, by);
            addCapped(tp, 3 * by);
            break;
        case FreeThrowMade:
            addCapped(fta, by);
            addCapped(ftm, by);
            addCapped(tp, by);
            break;
        case TwoPointMissed: addCapped(twoA, by); break;
        case ThreePointMissed: addCapped(threeA, by); break;
        case FreeThrowMissed: addCapped(fta, by); break;
        default: break;
        }
        break;
    case Assist: addCapped(as, by); break;
    case Foul: addCapped(play.foulKind == OffensiveFoul ? of : df, by); break;
    case TechnicalFoul:
        if (play.technicalKind == PlayerTechnical) addCapped(tf, by);
        break;
    case Steal: addCapped(st, by); break;
    case Rebound: addCapped(play.reboundKind == OffensiveRebound ? oreb : dreb, by); break;
    case Turnover:
        addCapped(to, by);
        if (play.turnoverKind >= Travel && play.turnoverKind <= OtherTurnover)
            addCapped(turnovers[static_cast<std::size_t>(play.turnoverKind - 1)], by);
        break;
    case BlockedShot: addCapped(bs, by); break;
    default: break;  // no event, jump ball, goal tend, time outs
    }
}

void StatLine::addCountsOf(const StatLine& o) {
    addCapped(tp, o.tp);
    addCapped(twoM, o.twoM);
    addCapped(threeM, o.threeM);
    addCapped(ftm, o.ftm);
    addCapped(twoA, o.twoA);
    addCapped(threeA, o.threeA);
    addCapped(fta, o.fta);
    addCapped(as, o.as);
    addCapped(of, o.of);
    addCapped(df, o.df);
    addCapped(tf, o.tf);
    addCapped(st, o.st);
    addCapped(oreb, o.oreb);
    addCapped(dreb, o.dreb);
    addCapped(bs, o.bs);
    addCapped(to, o.to);
    for (std::size_t i = 0; i < kTurnoverKinds; ++i) addCapped(turnovers[i], o.turnovers[i]);
}

void StatLine::computeDerived() {
    ppg = ratio(tp, gp);
    twoPct = ratio(twoM, twoA, 100.0);
    threePct = ratio(threeM, threeA, 100.0);
    ftPct = ratio(ftm, fta, 100.0);
    fgm = 0;
    addCapped(fgm, static_cast<long long>(twoM) + threeM);
    fga = 0;
    addCapped(fga, static_cast<long long>(twoA) + threeA);
    fgPct = ratio(fgm, fga, 100.0);
    apg = ratio(as, gp);
    std::int32_t fouls = 0;
    addCapped(fouls, static_cast<long long>(of) + df);
    fpg = ratio(fouls, gp);
    std::int32_t rebounds = 0;
    addCapped(rebounds, static_cast<long long>(oreb) + dreb);
    rpg = ratio(rebounds, gp);
    spg = ratio(st, gp);
    bpg = ratio(bs, gp);
    tpg = ratio(to, gp);
}

const std::array<StatColumn, kStatColumnCount>& statColumns() {
    static const std::array<StatColumn, kStatColumnCount> columns{{
        {"GP", false},     {"PP", false},     {"TP", false},        {"2A", false},    {"2M", false},
        {"3A", false},     {"3M", false},     {"FGA", false},       {"FGM", false},   {"FTA", false},
        {"FTM", false},    {"AS", false},     {"OF", false},        {"DF", false},    {"TF", false},
        {"OR", false},     {"DR", false},     {"ST", false},        {"BS", false},    {"TO", false},
        {"TRV", false},    {"DD", false},     {"BP", false},        {"3S", false},    {"CLKEXP", false},
        {"PC", false},     {"BKCT", false},   {"LB", false},        {"IBV", false},   {"OUTOFBNDS", false},
        {"OTHER", false},  {"PPG", true},     {"2%", true},         {"3%", true},     {"FG%", true},
        {"FT%", true},     {"APG", true},     {"FPG", true},        {"RPG", true},    {"SPG", true},
        {"BPG", true},     {"TPG", true},
    }};
    return columns;
}

std::int32_t statCount(const StatLine& l, std::size_t column) {
    const std::int32_t counts[kCountColumns] = {
        l.gp,  l.pp, l.tp, l.twoA, l.twoM, l.threeA, l.threeM, l.fga, l.fgm, l.fta, l.ftm,
        l.as,  l.of, l.df, l.tf,   l.oreb, l.dreb,   l.st,     l.bs,  l.to,
        l.turnovers[0], l.turnovers[1], l.turnovers[2], l.turnovers[3], l.turnovers[4], l.turnovers[5],
        l.turnovers[6], l.turnovers[7], l.turnovers[8], l.turnovers[9], l.turnovers[10],
    };
    return column < kCountColumns ? counts[column] : 0;
}

float statFloat(const StatLine& l, std::size_t column) {
    const float values[kStatColumnCount - kCountColumns] = {
        l.ppg, l.twoPct, l.threePct, l.fgPct, l.ftPct, l.apg, l.fpg, l.rpg, l.spg, l.bpg, l.tpg,
    };
    if (column < kCountColumns || column >= kStatColumnCount) return 0.0f;
    return values[column - kCountColumns];
}

double statValue(const StatLine& line, std::size_t column) {
    return column < kCountColumns ? static_cast<double>(statCount(line, column))
                                  : static_cast<double>(statFloat(line, column));
}

}  // namespace courtlog
