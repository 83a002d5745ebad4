#include "core/stats/ShotChartFilter.h"

namespace courtlog::stats {

const std::array<PeriodChoice, 8>& periodChoices() {
    static constexpr std::array<PeriodChoice, 8> choices{{
        {"Whole Game", 0, 30, "whole-game"},
        {"First Half", 0, 1, "first-half"},
        {"Second Half", 2, 3, "second-half"},
        {"First Quarter", 0, 0, "first-quarter"},
        {"Second Quarter", 1, 1, "second-quarter"},
        {"Third Quarter", 2, 2, "third-quarter"},
        {"Fourth Quarter", 3, 3, "fourth-quarter"},
        {"Overtime", 4, 30, "overtime"},
    }};
    return choices;
}

std::string_view shotKindButtonText(ShotKindChoice kind) {
    switch (kind) {
    case ShotKindChoice::Twos:
        return "2s";
    case ShotKindChoice::Threes:
        return "3s";
    case ShotKindChoice::All:
        break;
    }
    return "All";
}

bool ShotChartFilter::shows(const ShotMark& mark) const {
    if (mark.period < from || mark.period > to) return false;
    switch (kind) {
    case ShotKindChoice::Twos:
        return mark.isTwo();
    case ShotKindChoice::Threes:
        return mark.isThree();
    case ShotKindChoice::All:
        break;
    }
    return true;
}

std::vector<ShotMark> shownMarks(const std::vector<ShotMark>& marks, const ShotChartFilter& filter) {
    std::vector<ShotMark> shown;
    for (const ShotMark& mark : marks)
        if (filter.shows(mark)) shown.push_back(mark);
    return shown;
}

std::string madeCountText(std::size_t made) { return "Made : " + std::to_string(made); }
std::string missedCountText(std::size_t missed) { return "Missed : " + std::to_string(missed); }

std::string chartTitle(const ShotSelection& selection, std::string_view teamName) {
    const bool team = selection.group == ShotSelection::Group::WholeTeam;
    return "Shot Analysis for " + std::string(team ? teamName : selection.text());
}

std::string chartSubtitle(ShotKindChoice kind, std::string_view periodName) {
    const char* what = kind == ShotKindChoice::Twos     ? "2 Point Shots"
                       : kind == ShotKindChoice::Threes ? "3 Point Shots"
                                                        : "All Shots";
    // The period's text is taken to 19 characters, as long as the longest entry.
    return std::string(what) + " for " + std::string(periodName.substr(0, 19));
}

std::string printedLegend(std::size_t made, std::size_t missed) {
    return "o - Made " + std::to_string(made) + ", x - Missed " + std::to_string(missed);
}

}  // namespace courtlog::stats
