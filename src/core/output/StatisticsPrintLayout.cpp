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

}  // namespace

bool statisticsTableFitsWidth(double charWidth, double pageWidth) {
    return 2 * charWidth + 23 * charWidth + static_cast<double>(kValueColumns) * 3.4 * charWidth + 2 * charWidth <=
           pageWidth + 1e-9;
}

StatisticsPrintLayout::StatisticsPrintLayout(double charWidth, double textHeight, double pageWidth,
                                             double pageHeight, std::size_t rowCount, std::size_t fileCount)
    : w_(charWidth), t_(textHeight) {
    // Whatever the sizes, every page shows at least one column and one row,
    // so the pages always come to an end.
    const double roomForColumns = pageWidth - valueColumnLeft(0) - 2 * w_;
    columnsPerSlice_ = std::clamp<std::size_t>(wholeFits(roomForColumns, valueColumnWidth()), 1, kValueColumns);
    rowsPerBand_ = std::max<std::size_t>(1, wholeFits(pageHeight - firstRowTop(), rowHeight()));
    const std::size_t linesPerPage = std::max<std::size_t>(1, wholeFits(pageHeight - t_, t_));
    const std::size_t fileLines = 1 + (fileCount + kFilesPerLine - 1) / kFilesPerLine;
    const std::size_t slices = (kValueColumns + columnsPerSlice_ - 1) / columnsPerSlice_;
    // The totals line is always there, so a table has at least one row.
    const std::size_t rows = std::max<std::size_t>(rowCount, 1);
    const std::size_t bands = (rows + rowsPerBand_ - 1) / rowsPerBand_;

    std::size_t fileLinesPlaced = 0;
    for (std::size_t band = 0; band < bands && !cutShort_; ++band) {
        const std::size_t firstRow = band * rowsPerBand_;
        const std::size_t rowCountHere = std::min(rowsPerBand_, rows - firstRow);
        for (std::size_t slice = 0; slice < slices && !cutShort_; ++slice) {
            Page page;
            page.slice = static_cast<int>(slice + 1);
            page.band = static_cast<int>(band + 1);
            page.firstColumn = slice * columnsPerSlice_;
            page.columnCount = std::min(columnsPerSlice_, kValueColumns - page.firstColumn);
            page.firstRow = firstRow;
            page.rowCount = rowCountHere;
            if (slice == 0 && band + 1 == bands) {
                // The file list starts one text height below the last row,
                // as far as it fits.
                page.fileListTop = rowTop(rowCountHere) + t_;
                const std::size_t room = wholeFits(pageHeight - page.fileListTop, t_);
                page.fileLineCount = std::min(room, fileLines);
                fileLinesPlaced = page.fileLineCount;
            }
            addPage(page);
        }
    }
    for (std::size_t band = bands; fileLinesPlaced < fileLines && !cutShort_; ++band) {
        Page page;
        page.band = static_cast<int>(band + 1);
        page.firstFileLine = fileLinesPlaced;
        page.fileLineCount = std::min(linesPerPage, fileLines - fileLinesPlaced);
        page.fileListTop = t_;
        fileLinesPlaced += page.fileLineCount;
        addPage(page);
    }
}

void StatisticsPrintLayout::addPage(const Page& page) {
    if (pages_.size() >= static_cast<std::size_t>(kMaxPages)) {
        cutShort_ = true;
        return;
    }
    pages_.push_back(page);
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

}  // namespace courtlog::output
