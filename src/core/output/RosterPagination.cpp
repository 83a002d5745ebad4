#include "core/output/RosterPagination.h"

#include <algorithm>

namespace courtlog::output {

namespace {

// Lines a page takes from top: the line that moves y to the limit or
// beyond is the last, and there is always one.
std::size_t linesFrom(int top, int lineHeight, int pageHeight) {
    const long long height = std::max(lineHeight, 1);
    const long long room = static_cast<long long>(pageHeight) - 3 * height - top;
    if (room <= height) return 1;
    return static_cast<std::size_t>(std::min<long long>((room + height - 1) / height, 1 << 20));
}

}  // namespace

RosterPagination::RosterPagination(int firstPageTop, int laterPageTop, int lineHeight, int pageHeight,
                                   std::size_t playerCount)
    : playerCount_(playerCount) {
    const std::size_t first = linesFrom(firstPageTop, lineHeight, pageHeight);
    const std::size_t later = linesFrom(laterPageTop, lineHeight, pageHeight);
    firstPlayer_.push_back(0);
    for (std::size_t next = first; next < playerCount; next += later) firstPlayer_.push_back(next);
}

std::size_t RosterPagination::firstPlayerOn(int page) const {
    if (page < 1 || page > pageCount()) return playerCount_;
    return firstPlayer_[static_cast<std::size_t>(page - 1)];
}

std::size_t RosterPagination::playerCountOn(int page) const {
    if (page < 1 || page > pageCount()) return 0;
    const std::size_t end = page < pageCount() ? firstPlayer_[static_cast<std::size_t>(page)] : playerCount_;
    return end - firstPlayerOn(page);
}

}  // namespace courtlog::output
