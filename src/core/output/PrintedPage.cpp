#include "core/output/PrintedPage.h"

#include <algorithm>

#include "core/ProgramInfo.h"

namespace courtlog::output {

std::string pageNumberText(int pageNumber) { return "Page " + std::to_string(pageNumber); }

std::string pageDateText(const ClockReading& today) {
    return std::to_string(today.month) + "/" + std::to_string(today.day) + "/" + std::to_string(today.year);
}

std::string pageFooterText(std::string_view footLink) {
    std::string text = std::string("This page was created using ") + kShortTitle;
    if (!footLink.empty()) {
        text += ", ";
        text += footLink;
    }
    return text;
}

int listingColumns(std::size_t longestLine, int minimumLength, int maximumLength) {
    long long length = static_cast<long long>(std::min<std::size_t>(longestLine, 100000));
    if (maximumLength > 0) length = std::min<long long>(length, maximumLength);
    length = std::max<long long>(length, minimumLength);
    return static_cast<int>(length) + 6;
}

ListingPagination::ListingPagination(int firstLineTop, int lineHeight, int pageBottom, std::size_t lineCount)
    : lineCount_(lineCount) {
    const int height = std::max(lineHeight, 1);
    // Tops firstLineTop + k * height for k = 0.. while they stay above the
    // limit; a page always takes at least one line so that printing ends.
    const long long room = static_cast<long long>(pageBottom) - 4LL * height - firstLineTop;
    linesPerPage_ = room <= 0 ? 1 : static_cast<int>(std::min<long long>((room + height - 1) / height, 1 << 20));
}

int ListingPagination::pageCount() const {
    if (lineCount_ == 0) return 1;
    return static_cast<int>((lineCount_ + static_cast<std::size_t>(linesPerPage_) - 1) /
                            static_cast<std::size_t>(linesPerPage_));
}

std::size_t ListingPagination::firstLineOf(int pageNumber) const {
    if (pageNumber < 1) return 0;
    return std::min(lineCount_, static_cast<std::size_t>(pageNumber - 1) * static_cast<std::size_t>(linesPerPage_));
}

std::size_t ListingPagination::lineCountOn(int pageNumber) const {
    if (pageNumber < 1 || pageNumber > pageCount()) return 0;
    return std::min(lineCount_ - firstLineOf(pageNumber), static_cast<std::size_t>(linesPerPage_));
}

bool ListingPagination::trailerFits() const { return lineCountOn(pageCount()) < static_cast<std::size_t>(linesPerPage_); }

}  // namespace courtlog::output
