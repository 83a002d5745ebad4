#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/stats/StatLine.h"
#include "core/stats/StatisticsColumns.h"

namespace courtlog::output {

// A group title over a run of value columns: "GENERAL" over GP PP TP PPG,
// "SHOOTING" over the twelve shooting columns, ... "TURNOVERS" over TO, the
// eleven kinds and TPG. Columns count from 0 (GP); last is one past the end.
struct StatisticsGroup {
    std::string_view title;
    std::size_t first;
    std::size_t last;
};
inline constexpr std::size_t kStatisticsGroupCount = 8;
const std::array<StatisticsGroup, kStatisticsGroupCount>& statisticsGroups();

// What the page drawing measured in the table's font, in device units: the
// widest text each column must hold (its heading included) and each group
// title.
struct StatisticsTextWidths {
    double name = 0;  // "PLAYER" and every name text ("Ann #12", "TEAM TOTALS")
    double team = 0;  // "TEAM" and every team name
    std::array<double, stats::kPresentedValueCount> values{};
    std::array<double, kStatisticsGroupCount> groups{};
};

// Where the statistics printout puts its table, and how the table is cut
// into pages. All lengths are in device units; vertical places are measured
// from the bottom of the page title line, horizontal ones from the page's
// left edge.
//
// Across: one character width in, the player column, the team column and
// the 42 value columns, each as wide as the widest text it holds with air
// on both sides, so that no value runs into its neighbour; a group whose
// title is wider than its columns widens them alike.
//
// Down, with T the text height: the group row's top line 4/3 T down, its
// titles 3 units below that line, the heading row 5/4 T below it and the
// first row 7/3 T below it; rows 4/3 T tall with their text T/6 below their
// top. After the last row, one text height lower, "Files used in analysis:"
// and the files, three to a line.
//
// Pages are tiles of the table: bands of whole rows from top to bottom and,
// when the columns do not fit the width, slices of whole groups (of whole
// columns when one group alone is too wide) from left to right, each slice
// repeating the player and team columns and every band the group and
// heading rows. A band's slices follow each other before the next band.
// Every row is printed, however many pages that takes; the last row (the
// team totals) never stands alone on a band when a row before it can go
// with it. The file list follows the last row on the first slice,
// continuing on pages of its own when it does not fit.
class StatisticsPrintLayout {
public:
    static constexpr std::size_t kFilesPerLine = 3;

    // One printed page.
    struct Page {
        int slice = 1;  // from 1, left to right
        int band = 1;   // from 1, top to bottom
        std::size_t firstColumn = 0;  // value columns shown (0..41)
        std::size_t columnCount = 0;  // 0: a page of the file list alone
        std::size_t firstRow = 0;
        std::size_t rowCount = 0;
        std::size_t firstFileLine = 0;  // lines of the file list, its heading being line 0
        std::size_t fileLineCount = 0;
        double fileListTop = 0;  // top of the first of them

        bool showsTable() const { return columnCount > 0; }
        bool operator==(const Page&) const = default;
    };

    // The font's measures: W the width of one character, T the text height,
    // and the air left on each side of a column's widest text.
    struct FontMeasures {
        double charWidth = 1;
        double textHeight = 1;
        double air = 0;
    };

    // pageWidth: the printable width; pageHeight: the height below the title
    // line that the table may fill.
    StatisticsPrintLayout(const StatisticsTextWidths& widths, const FontMeasures& font, double pageWidth,
                          double pageHeight, std::size_t rowCount, std::size_t fileCount);

    double charWidth() const { return w_; }
    double textHeight() const { return t_; }
    double air() const { return air_; }

    double nameLeft() const { return w_; }
    double teamLeft() const { return nameLeft() + nameWidth_; }
    double valuesLeft() const { return teamLeft() + teamWidth_; }
    double valueColumnWidth(std::size_t column) const { return columnWidths_.at(column); }
    // Left edge of value column `column` (0..42, 42 being the right edge
    // after the last) on a page whose slice starts at firstColumn.
    double valueColumnLeft(std::size_t firstColumn, std::size_t column) const;
    // The whole table's width with a character width to spare on either
    // side: what "Fit Output to Page Width" makes the font small for.
    double tableWidth() const { return valueColumnLeft(0, stats::kPresentedValueCount) + w_; }
    bool fitsAcross() const { return slices_.size() == 1; }

    double groupRowTop() const { return 4 * t_ / 3; }
    double groupTitleTop() const { return groupRowTop() + 3; }
    double headingRowTop() const { return groupRowTop() + 5 * t_ / 4; }
    double firstRowTop() const { return groupRowTop() + 7 * t_ / 3; }
    double rowHeight() const { return 4 * t_ / 3; }
    double rowTextInset() const { return t_ / 6; }
    double rowTop(std::size_t indexOnPage) const { return firstRowTop() + static_cast<double>(indexOnPage) * rowHeight(); }

    // Rows below the headings that one page holds.
    std::size_t rowsPerBand() const { return rowsPerBand_; }

    const std::vector<Page>& pages() const { return pages_; }

private:
    struct Span {
        std::size_t first;
        std::size_t count;
    };
    void sliceColumns(double pageWidth);

    double w_;
    double t_;
    double air_;
    double nameWidth_;
    double teamWidth_;
    std::array<double, stats::kPresentedValueCount> columnWidths_{};
    std::vector<Span> slices_;
    std::size_t rowsPerBand_ = 1;
    std::vector<Page> pages_;
};

// The lines of the file list: "Files used in analysis:", then the names,
// three to a line, each but the very last followed by ", ".
std::vector<std::string> statisticsFileListLines(const std::vector<std::string>& files);

// A value as the printout shows it: counts "%d"; percentages and averages
// "%4.2f" from 1 up, below 1 "%4.3f" without its leading zero (".500").
std::string printedCount(long long value);
std::string printedFloat(float value);
// Value column `column` of line as the printout shows it.
std::string printedValue(const StatLine& line, std::size_t column);

}  // namespace courtlog::output
