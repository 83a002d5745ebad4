#include "core/output/StatisticsPrintLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/stats/StatisticsColumns.h"

namespace courtlog::output {

namespace {

constexpr std::size_t kValueColumns = stats::kPresentedValueCount;

std::size_t wholeFits(double room, double each) {
    if (!(each > 0) || !(room > 0)) return 0;
    return static_cast<std::size_t>(std::floor(room / each + 1e-9));
}

double sum(const std::array<double, kValueColumns>& widths, std::size_t first, std::size_t last) {
    double total = 0;
    for (std::size_t i = first; i < last && i < kValueColumns; ++i) total += widths[i];
    return total;
}

}  // namespace

const std::array<StatisticsGroup, kStatisticsGroupCount>& statisticsGroups() {
    static constexpr std::array<StatisticsGroup, kStatisticsGroupCount> groups{{{"GENERAL", 0, 4},
                                                                                 {"SHOOTING", 4, 16},
                                                                                 {"ASSISTS", 16, 18},
                                                                                 {"FOULS", 18, 22},
                                                                                 {"REBOUNDS", 22, 25},
                                                                                 {"STEALS", 25, 27},
                                                                                 {"BLCK SHOTS", 27, 29},
                                                                                 {"TURNOVERS", 29, 42}}};
    return groups;
}

StatisticsPrintLayout::StatisticsPrintLayout(const StatisticsTextWidths& widths, const FontMeasures& font,
                                             double pageWidth, double pageHeight, std::size_t rowCount,
                                             std::size_t fileCount)
    : w_(std::max(font.charWidth, 1e-3)),
      t_(std::max(font.textHeight, 1e-3)),
      air_(std::max(font.air, 0.0)),
      nameWidth_(std::max(widths.name, 0.0) + 2 * air_),
      teamWidth_(std::max(widths.team, 0.0) + 2 * air_) {
    for (std::size_t i = 0; i < kValueColumns; ++i) columnWidths_[i] = std::max(widths.values[i], 0.0) + 2 * air_;
    // A group title keeps clear of the lines at its ends too.
    for (std::size_t g = 0; g < kStatisticsGroupCount; ++g) {
        const StatisticsGroup& group = statisticsGroups()[g];
        const double missing = widths.groups[g] + 2 * air_ - sum(columnWidths_, group.first, group.last);
        if (missing <= 0) continue;
        for (std::size_t i = group.first; i < group.last; ++i)
            columnWidths_[i] += missing / static_cast<double>(group.last - group.first);
    }
    sliceColumns(pageWidth);

    // Whatever the sizes, every page shows at least one column and one row,
    // so the pages always come to an end.
    rowsPerBand_ = std::max<std::size_t>(1, wholeFits(pageHeight - firstRowTop(), rowHeight()));
    const std::size_t linesPerPage = std::max<std::size_t>(1, wholeFits(pageHeight - t_, t_));
    const std::size_t fileLines = 1 + (fileCount + kFilesPerLine - 1) / kFilesPerLine;
    // The totals line is always there, so a table has at least one row.
    const std::size_t rows = std::max<std::size_t>(rowCount, 1);
    std::vector<Span> bands;
    for (std::size_t first = 0; first < rows; first += rowsPerBand_)
        bands.push_back({first, std::min(rowsPerBand_, rows - first)});
    // The totals alone on the last band take the row before them along.
    if (bands.size() > 1 && bands.back().count == 1 && bands[bands.size() - 2].count > 1) {
        --bands[bands.size() - 2].count;
        --bands.back().first;
        ++bands.back().count;
    }

    std::size_t fileLinesPlaced = 0;
    for (std::size_t band = 0; band < bands.size(); ++band) {
        for (std::size_t slice = 0; slice < slices_.size(); ++slice) {
            Page page;
            page.slice = static_cast<int>(slice + 1);
            page.band = static_cast<int>(band + 1);
            page.firstColumn = slices_[slice].first;
            page.columnCount = slices_[slice].count;
            page.firstRow = bands[band].first;
            page.rowCount = bands[band].count;
            if (slice == 0 && band + 1 == bands.size()) {
                // The file list starts one text height below the last row,
                // as far as it fits.
                page.fileListTop = rowTop(page.rowCount) + t_;
                const std::size_t room = wholeFits(pageHeight - page.fileListTop, t_);
                page.fileLineCount = std::min(room, fileLines);
                fileLinesPlaced = page.fileLineCount;
            }
            pages_.push_back(page);
        }
    }
    for (std::size_t band = bands.size(); fileLinesPlaced < fileLines; ++band) {
        Page page;
        page.band = static_cast<int>(band + 1);
        page.firstFileLine = fileLinesPlaced;
        page.fileLineCount = std::min(linesPerPage, fileLines - fileLinesPlaced);
        page.fileListTop = t_;
        fileLinesPlaced += page.fileLineCount;
        pages_.push_back(page);
    }
}

void StatisticsPrintLayout::sliceColumns(double pageWidth) {
    const double room = pageWidth - valuesLeft() - w_;
    // Whole groups as far as they go; a group too wide for a page alone is
    // cut into as many columns as fit (at least one, so slicing ends).
    std::size_t first = 0;
    while (first < kValueColumns) {
        std::size_t end = first;
        for (const StatisticsGroup& group : statisticsGroups())
            if (group.last > end && sum(columnWidths_, first, group.last) <= room + 1e-9)
                end = group.last;
        if (end == first) {
            double used = 0;
            while (end < kValueColumns && (end == first || used + columnWidths_[end] <= room + 1e-9))
                used += columnWidths_[end++];
        }
        slices_.push_back({first, end - first});
        first = end;
    }
}

double StatisticsPrintLayout::valueColumnLeft(std::size_t firstColumn, std::size_t column) const {
    return valuesLeft() + sum(columnWidths_, firstColumn, std::max(column, firstColumn));
}

std::vector<std::string> statisticsFileListLines(const std::vector<std::string>& files) {
    std::vector<std::string> lines{"Files used in analysis:"};
    for (std::size_t i = 0; i < files.size(); i += StatisticsPrintLayout::kFilesPerLine) {
        std::string line;
        for (std::size_t j = i; j < std::min(files.size(), i + StatisticsPrintLayout::kFilesPerLine); ++j) {
            line += files[j];
            if (j + 1 < files.size()) line += ", ";
        }
        lines.push_back(line);
    }
    return lines;
}

std::string printedCount(long long value) { return std::to_string(value); }

std::string printedFloat(float value) {
    char text[64];
    if (value >= 1.0f) {
        std::snprintf(text, sizeof text, "%4.2f", static_cast<double>(value));
        return text;
    }
    std::snprintf(text, sizeof text, "%4.3f", static_cast<double>(value));
    std::string out = text;
    // "0.500" prints as ".500".
    if (out.size() > 1 && out[0] == '0' && out[1] == '.') out.erase(0, 1);
    return out;
}

std::string printedValue(const StatLine& line, std::size_t column) {
    return stats::presentedValues().at(column).isFloat ? printedFloat(stats::presentedFloat(line, column))
                                                       : printedCount(stats::presentedCount(line, column));
}

}  // namespace courtlog::output
