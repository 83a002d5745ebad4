#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

namespace courtlog {

struct PlayEvent;

// One statistics line: one player of one team, or the "TEAM TOTALS" line.
// Counters are 32-bit so a league's totals over a whole season fit; they
// stop at the largest value instead of wrapping.
struct StatLine {
    static constexpr std::size_t kTurnoverKinds = 11;

    std::string playerName;
    std::string teamName;
    std::int16_t number = 0;  // -1 is the uniform "00"; the totals line holds -1

    std::int32_t gp = 0;      // GP games played
    std::int32_t pp = 0;      // PP periods played
    std::int32_t tp = 0;      // TP total points
    std::int32_t twoA = 0;    // 2A
    std::int32_t twoM = 0;    // 2M
    std::int32_t threeA = 0;  // 3A
    std::int32_t threeM = 0;  // 3M
    std::int32_t fga = 0;     // FGA (derived by finish)
    std::int32_t fgm = 0;     // FGM (derived by finish)
    std::int32_t fta = 0;     // FTA
    std::int32_t ftm = 0;     // FTM
    std::int32_t as = 0;      // AS assists
    std::int32_t of = 0;      // OF offensive fouls
    std::int32_t df = 0;      // DF defensive fouls
    std::int32_t tf = 0;      // TF technical fouls
    std::int32_t oreb = 0;    // OR offensive rebounds
    std::int32_t dreb = 0;    // DR defensive rebounds
    std::int32_t st = 0;      // ST steals
    std::int32_t bs = 0;      // BS blocked shots
    std::int32_t to = 0;      // TO turnovers
    // TRV, DD, BP, 3S, CLKEXP, PC, BKCT, LB, IBV, OUTOFBNDS, OTHER: turnovers
    // by turnoverKind 1 to 11.
    std::array<std::int32_t, kTurnoverKinds> turnovers{};

    float ppg = 0;       // PPG
    float twoPct = 0;    // 2%
    float threePct = 0;  // 3%
    float fgPct = 0;     // FG%
    float ftPct = 0;     // FT%
    float apg = 0;       // APG
    float fpg = 0;       // FPG (offensive and defensive fouls, not technicals)
    float rpg = 0;       // RPG
    float spg = 0;       // SPG
    float bpg = 0;       // BPG
    float tpg = 0;       // TPG

    // Counts one play for this line by the crediting rules: shots by result,
    // fouls, player technicals, rebounds, steals, blocks, assists and
    // turnovers by kind. Jump balls, goal tending and time outs count nothing.
    void credit(const PlayEvent& play);

    // Adds the counters a totals line sums (everything except GP, PP, FGA and
    // FGM) from another line.
    void addCountsOf(const StatLine& other);

    // FGA, FGM, the percentages and the per-game averages from the counters.
    void computeDerived();

    bool operator==(const StatLine&) const = default;
};

// Adds by to counter, stopping at the largest (or smallest) 32-bit value.
inline void addCapped(std::int32_t& counter, long long by) {
    const long long sum = static_cast<long long>(counter) + by;
    counter = static_cast<std::int32_t>(sum > INT32_MAX ? INT32_MAX : (sum < INT32_MIN ? INT32_MIN : sum));
}

// The short keys of a statistics line in line order, "GP" through "TPG", as
// the command line, the viewer's columns and the exports name them.
struct StatColumn {
    std::string_view key;
    bool isFloat;
};
constexpr std::size_t kStatColumnCount = 42;
const std::array<StatColumn, kStatColumnCount>& statColumns();
// Value of column i (0..kStatColumnCount-1) of a line; counters as whole numbers.
double statValue(const StatLine& line, std::size_t column);
std::int32_t statCount(const StatLine& line, std::size_t column);
float statFloat(const StatLine& line, std::size_t column);

}  // namespace courtlog
