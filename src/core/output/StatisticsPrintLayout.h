#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/stats/StatLine.h"

namespace courtlog::output {

// Where the statistics printout puts its table, and how the table is cut
// into pages. All lengths are in device units, from W (the width of one
// character of the table's font) and T (its text height); vertical places
// are measured from the bottom of the page title line, horizontal ones from
// the page's left edge.
//
// The table: a name area 23 W wide starting 2 W in, then the 42 value
// columns of 3.4 W each. On every page a group row ("GENERAL", "SHOOTING",
// ...) has its top line 4/3 T down, its titles 3 units below that line,
// the heading row 5/4 T below it and the first row 7/3 T below it; rows are
// 4/3 T tall with their text T/6 below their top. After the last row, one
// text height lower, "Files used in analysis:" and the files, three to a line.
//
// Pages are tiles of the table: bands of whole rows from top to bottom and,
// when the columns do not fit the width, slices of whole columns from left
// to right, each slice repeating the name area and every band repeating the
// group and heading rows. A band's slices follow each other before the next
// band. The file list follows the last row on the first slice, continuing
// on pages of its own when it does not fit. At most nine pages are printed.
class StatisticsPrintLayout {
public:
    static constexpr int kMaxPages = 9;
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

    // pageWidth: the printable width; pageHeight: the height below the title
    // line that the table may fill.
    StatisticsPrintLayout(double charWidth, double textHeight, double pageWidth, double pageHeight,
                          std::size_t rowCount, std::size_t fileCount);

    double charWidth() const { return w_; }
    double textHeight() const { return t_; }

    double nameAreaLeft() const { return 2 * w_; }
    double nameAreaWidth() const { return 23 * w_; }
    double valueColumnWidth() const { return 3.4 * w_; }
    // Left edge of value column i of page (counted from the page's first).
    double valueColumnLeft(std::size_t indexOnPage) const {
        return nameAreaLeft() + nameAreaWidth() + static_cast<double>(indexOnPage) * valueColumnWidth();
    }
    double groupRowTop() const { return 4 * t_ / 3; }
    double groupTitleTop() const { return groupRowTop() + 3; }
    double headingRowTop() const { return groupRowTop() + 5 * t_ / 4; }
    double firstRowTop() const { return groupRowTop() + 7 * t_ / 3; }
    double rowHeight() const { return 4 * t_ / 3; }
    double rowTextInset() const { return t_ / 6; }
    double rowTop(std::size_t indexOnPage) const { return firstRowTop() + static_cast<double>(indexOnPage) * rowHeight(); }

    // Value columns side by side on one page, rows below the headings on one
    // page, lines of the file list on a page of its own.
    std::size_t columnsPerSlice() const { return columnsPerSlice_; }
    std::size_t rowsPerBand() const { return rowsPerBand_; }

    const std::vector<Page>& pages() const { return pages_; }
    // True when the table needed more than the nine pages printed.
    bool cutShort() const { return cutShort_; }

private:
    void addPage(const Page& page);

    double w_;
    double t_;
    std::size_t columnsPerSlice_ = 1;
    std::size_t rowsPerBand_ = 1;
    std::vector<Page> pages_;
    bool cutShort_ = false;
};

// Whether the whole width of the table, with 2 W to spare on either side,
// fits pageWidth: what "Fit Output to Page Width" makes the font small for.
bool statisticsTableFitsWidth(double charWidth, double pageWidth);

// The lines of the file list: "Files used in analysis:", then the names,
// three to a line, each but the very last followed by ", ".
std::vector<std::string> statisticsFileListLines(const std::vector<std::string>& files);

// A value as the printout shows it: counts "%d"; percentages and averages
// "%4.2f" from 1 up, below 1 "%4.3f" without its leading zero (".500").
std::string printedCount(long long value);
std::string printedFloat(float value);

}  // namespace courtlog::output
