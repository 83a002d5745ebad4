#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/ShotMark.h"
#include "core/stats/ShotSelection.h"

namespace courtlog::stats {

// One entry of the chart's period list: its text, the periods it shows
// (0-based, both ends included) and the word the command line takes for it.
struct PeriodChoice {
    std::string_view name;
    int from;
    int to;
    std::string_view word;
};

// "Whole Game", "First Half", ... "Overtime", in list order. The halves
// take the period numbers a game in halves uses too (0 and 2), so "Second
// Half" shows the third and fourth quarters of a game in quarters.
const std::array<PeriodChoice, 8>& periodChoices();

// The "2s", "3s" and "All" buttons.
enum class ShotKindChoice { Twos, Threes, All };
std::string_view shotKindButtonText(ShotKindChoice kind);

// What the chart shows of the shots collected.
struct ShotChartFilter {
    int from = 0;
    int to = 30;
    ShotKindChoice kind = ShotKindChoice::All;

    static ShotChartFilter of(const PeriodChoice& period, ShotKindChoice kind) {
        return {period.from, period.to, kind};
    }
    bool shows(const ShotMark& mark) const;
};

// The marks of marks that filter shows, in their order.
std::vector<ShotMark> shownMarks(const std::vector<ShotMark>& marks, const ShotChartFilter& filter);

// The texts under the chart and on its printout.
std::string madeCountText(std::size_t made);      // "Made : 3"
std::string missedCountText(std::size_t missed);  // "Missed : 2"
// "Shot Analysis for Ann", or for the team when the whole team is shown.
std::string chartTitle(const ShotSelection& selection, std::string_view teamName);
// "2 Point Shots for First Half": the kind, " for " and the period text.
std::string chartSubtitle(ShotKindChoice kind, std::string_view periodName);
// "o - Made 3, x - Missed 2", under the printed chart.
std::string printedLegend(std::size_t made, std::size_t missed);

}  // namespace courtlog::stats
