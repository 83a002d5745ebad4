#include "core/stats/StatisticsColumns.h"

#include <algorithm>
#include <cstdio>

#include "core/records/UniformNumber.h"

namespace courtlog::stats {

namespace {

constexpr std::size_t kNoValue = static_cast<std::size_t>(-1);

// The value a viewer column shows, or kNoValue for the name and team columns.
std::size_t valueOfColumn(std::size_t column) {
    if (column < kFirstValueColumn || column >= kFirstValueColumn + kPresentedValueCount) return kNoValue;
    return column - kFirstValueColumn;
}

std::string formatted(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string trimmedLeft(std::string text) {
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

}  // namespace

const std::array<PresentedValue, kPresentedValueCount>& presentedValues() {
    static const std::array<PresentedValue, kPresentedValueCount> values{{
        {"GP", "GP", "GP", "GP", 0, false, false},
        {"PP", "PP", "PP", "PP", 1, false, false},
        {"TP", "Tot Pts", "TP", "TP", 2, false, false},
        {"PPG", "Pts/Game", "PPG", "PPG", 31, true, false},
        {"2M", "2s Made", "2M", "2M", 4, false, false},
        {"2A", "2s Att", "2A", "2A", 3, false, false},
        {"2%", "2s %", "2%", "2%", 32, true, false},
        {"3M", "3s Made", "3M", "3M", 6, false, false},
        {"3A", "3s Att", "3A", "3A", 5, false, false},
        {"3%", "3s %", "3%", "3%", 33, true, false},
        {"FGM", "FG Made", "FGM", "FGM", 8, false, false},
        {"FGA", "FG Att", "FGA", "FGA", 7, false, false},
        {"FG%", "FG %", "FG%", "FG%", 34, true, false},
        {"FTM", "FT Made", "FTM", "FTM", 10, false, false},
        {"FTA", "FT Att", "FTA", "FTA", 9, false, false},
        {"FT%", "FT %", "FT%", "FT%", 35, true, false},
        {"AS", "Assists", "AS", "AS", 11, false, false},
        {"APG", "Assists/Game", "APG", "APG", 36, true, false},
        {"OF", "Off Foul", "OF", "OF", 12, false, false},
        {"DF", "Def Foul", "DF", "DF", 13, false, false},
        {"FPG", "Foul/Game", "FPG", "FPG", 37, true, false},
        {"TF", "Tech Foul", "TECH", "TF", 14, false, false},
        {"OR", "Off Rebound", "OR", "OR", 15, false, false},
        {"DR", "Def Rebound", "DR", "DR", 16, false, false},
        {"RPG", "Rebound/Game", "RPG", "RPG", 38, true, false},
        {"ST", "Steals", "ST", "ST", 17, false, false},
        {"SPG", "Steals/Game", "SPG", "SPG", 39, true, false},
        {"BS", "BlckShot", "BS", "BS", 18, false, false},
        {"BPG", "BlckShot/Game", "BPG", "BPG", 40, true, false},
        {"TO", "TO", "TO", "TO", 19, false, false},
        {"TRV", "Travel", "TRV", "Travel", 20, false, true},
        {"DD", "Dbl Dribble", "DD", "Dbl Dribble", 21, false, true},
        {"BP", "Bad Pass", "BP", "Bad Pass", 22, false, true},
        {"3S", "3 Sec IL", "3SIL", "3 Sec IL", 23, false, true},
        {"CLKEXP", "Clock Exp", "CLK", "Clock Exp", 24, false, true},
        {"PC", "Palm/Carry", "PC", "Palm/Carry", 25, false, true},
        {"BKCT", "Back Court", "BC", "Back Court", 26, false, true},
        {"LB", "Lost Ball", "LB", "Lost Ball", 27, false, true},
        {"IBV", "IB Violat", "IBV", "IB Violat", 28, false, true},
        {"OUTOFBNDS", "Out Bounds", "OB", "Out Bounds", 29, false, true},
        {"OTHER", "Other", "OTH", "Other", 30, false, true},
        {"TPG", "TO/Game", "TPG", "TPG", 41, true, false},
    }};
    return values;
}

std::int32_t presentedCount(const StatLine& line, std::size_t i) {
    return i < kPresentedValueCount ? statCount(line, presentedValues()[i].lineColumn) : 0;
}

float presentedFloat(const StatLine& line, std::size_t i) {
    return i < kPresentedValueCount ? statFloat(line, presentedValues()[i].lineColumn) : 0.0f;
}

const std::array<ViewerColumn, kViewerColumnCount>& viewerColumns() {
    static const std::array<ViewerColumn, kViewerColumnCount> columns = [] {
        std::array<ViewerColumn, kViewerColumnCount> c{};
        c[0] = {"Name", CellAlignment::Left, CellFormat::NameText};
        c[1] = {"Team", CellAlignment::Centre, CellFormat::TeamName};
        for (std::size_t i = 0; i < kPresentedValueCount; ++i) {
            const PresentedValue& v = presentedValues()[i];
            CellFormat format = v.isFloat ? CellFormat::OneDecimal : CellFormat::Count;
            // The four percentages show whole numbers: "2s %" cut off, the
            // other three rounded.
            if (v.key == "2%") format = CellFormat::WholeCutOff;
            if (v.key == "3%" || v.key == "FG%" || v.key == "FT%") format = CellFormat::WholeRounded;
            c[kFirstValueColumn + i] = {v.viewerHeading, CellAlignment::Centre, format};
        }
        c[kLastNameColumn] = {"Name", CellAlignment::Left, CellFormat::NameText};
        return c;
    }();
    return columns;
}

std::string statNameText(const StatLine& line, bool totalsLine) {
    if (totalsLine) return line.playerName;
    return line.playerName + " #" + uniformText(line.number);
}

std::string viewerCellText(const StatLine& line, std::size_t column, bool totalsLine) {
    if (column >= kViewerColumnCount) return {};
    const std::size_t value = valueOfColumn(column);
    switch (viewerColumns()[column].format) {
    case CellFormat::NameText: return statNameText(line, totalsLine);
    case CellFormat::TeamName: return line.teamName;
    case CellFormat::Count: return std::to_string(presentedCount(line, value));
    case CellFormat::OneDecimal: return trimmedLeft(formatted("%3.1f", presentedFloat(line, value)));
    case CellFormat::WholeCutOff: return std::to_string(static_cast<long long>(presentedFloat(line, value)));
    case CellFormat::WholeRounded: return trimmedLeft(formatted("%3.0f", presentedFloat(line, value)));
    }
    return {};
}

void sortStatLines(std::vector<StatLine>& lines, std::size_t column, bool descending) {
    if (column >= kViewerColumnCount) return;
    // The totals line stays last; a set of one line has nothing to keep apart.
    const auto end = lines.size() >= 2 ? lines.end() - 1 : lines.end();
    const std::size_t value = valueOfColumn(column);
    const auto ordered = [descending](const auto& a, const auto& b) { return descending ? b < a : a < b; };
    if (value == kNoValue) {
        const bool byTeam = column == 1;
        std::stable_sort(lines.begin(), end, [&](const StatLine& a, const StatLine& b) {
            return byTeam ? ordered(a.teamName, b.teamName) : ordered(a.playerName, b.playerName);
        });
    } else if (presentedValues()[value].isFloat) {
        std::stable_sort(lines.begin(), end, [&](const StatLine& a, const StatLine& b) {
            return ordered(presentedFloat(a, value), presentedFloat(b, value));
        });
    } else {
        std::stable_sort(lines.begin(), end, [&](const StatLine& a, const StatLine& b) {
            return ordered(presentedCount(a, value), presentedCount(b, value));
        });
    }
}

void ColumnSortDirections::sortBy(std::vector<StatLine>& lines, std::size_t column) {
    if (column >= kViewerColumnCount) return;
    sortStatLines(lines, column, nextIsDescending(column));
    ascendingNext_[column] = !ascendingNext_[column];
}

}  // namespace courtlog::stats
