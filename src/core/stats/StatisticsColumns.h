#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/StatLine.h"

namespace courtlog::stats {

// The 42 values of a statistics line in the order every view presents them:
// the viewer's columns 2 to 43, the printout's columns, and the comma-
// separated and HTML exports (the Benchboss file leaves out the eleven
// turnover kinds). GP, PP, TP, PPG, the shooting (2M 2A 2% 3M 3A 3% FGM FGA
// FG% FTM FTA FT%), AS APG, OF DF FPG TF, OR DR RPG, ST SPG, BS BPG, TO, the
// turnover kinds TRV ... OTHER, TPG.
struct PresentedValue {
    std::string_view key;            // "GP" ... "TF" ... "TRV" ... "TPG": the export files' keys
    std::string_view viewerHeading;  // "GP", "Tot Pts", "Pts/Game", ...
    std::string_view printHeading;   // "GP", "TP", "PPG", ... "TECH", ... "OTH", "TPG"
    std::string_view htmlHeading;    // "GP", ... "TF", ... "Travel", ... "Other", "TPG"
    std::size_t lineColumn;          // index into statColumns()
    bool isFloat;
    bool isTurnoverKind;
};
constexpr std::size_t kPresentedValueCount = 42;
const std::array<PresentedValue, kPresentedValueCount>& presentedValues();

// A counter of the line as presented value i.
std::int32_t presentedCount(const StatLine& line, std::size_t i);
// A percentage or average of the line as presented value i.
float presentedFloat(const StatLine& line, std::size_t i);

// The statistics viewer's 45 columns: "Name", "Team", the 42 values, and
// "Name" again.
constexpr std::size_t kViewerColumnCount = 45;
constexpr std::size_t kFirstValueColumn = 2;
constexpr std::size_t kLastNameColumn = 44;

enum class CellAlignment { Left, Centre };

// How a viewer cell shows its value.
enum class CellFormat {
    NameText,       // "Ann Lee #12", "Oli #00", "TEAM TOTALS"
    TeamName,
    Count,          // "%d"
    OneDecimal,     // "%3.1f"
    WholeCutOff,    // the whole number, fraction cut off: 66.67 shows 66
    WholeRounded,   // "%3.0f": 66.67 shows " 67"
};

struct ViewerColumn {
    std::string_view heading;
    CellAlignment alignment;
    CellFormat format;
};
const std::array<ViewerColumn, kViewerColumnCount>& viewerColumns();

// The name text of a line: "%s #%d" with the player's name and number,
// "#00" for a negative number; the totals line shows its name alone.
std::string statNameText(const StatLine& line, bool totalsLine);

// What the viewer shows in column of line; totalsLine for the last line of
// the set.
std::string viewerCellText(const StatLine& line, std::size_t column, bool totalsLine);

// Sorts lines by a viewer column, the last line (the totals) staying last
// when there are two lines or more. Numbers compare by value, texts exactly
// (case-sensitive): the name columns by player name, the team column by team
// name. Lines that compare equal keep their order.
void sortStatLines(std::vector<StatLine>& lines, std::size_t column, bool descending);

// The viewer's sort directions, one per column: the first click on a column
// sorts it descending (largest first, texts in descending order), the next
// ascending, and so on.
class ColumnSortDirections {
public:
    // Sorts lines by column and turns that column's direction round.
    void sortBy(std::vector<StatLine>& lines, std::size_t column);
    bool nextIsDescending(std::size_t column) const { return column >= kViewerColumnCount || !ascendingNext_[column]; }

private:
    std::array<bool, kViewerColumnCount> ascendingNext_{};
};

}  // namespace courtlog::stats
