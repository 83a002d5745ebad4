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

PageStarts rosterPages(int firstPageTop, int laterPageTop, int lineHeight, int pageHeight, std::size_t playerCount) {
    PageStarts pages(playerCount);
    const std::size_t first = linesFrom(firstPageTop, lineHeight, pageHeight);
    const std::size_t later = linesFrom(laterPageTop, lineHeight, pageHeight);
    for (std::size_t next = first; next < playerCount; next += later) pages.startPageAt(next);
    return pages;
}

}  // namespace courtlog::output
