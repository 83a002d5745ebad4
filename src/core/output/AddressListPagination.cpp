#include "core/output/AddressListPagination.h"

#include <algorithm>

namespace courtlog::output {

PageStarts addressListPages(const std::vector<int>& detailLines, int firstTop, int lineHeight, int pageHeight) {
    PageStarts pages(detailLines.size());
    const long long height = std::max(lineHeight, 1);
    const long long limit = static_cast<long long>(pageHeight) - 6 * height;
    long long y = firstTop;
    bool pageEmpty = true;
    for (std::size_t i = 0; i < detailLines.size(); ++i) {
        const long long lines = std::max(detailLines[i], 0);
        if (!pageEmpty && (y >= limit || y + lines * height >= limit)) {
            pages.startPageAt(i);
            y = firstTop;
        }
        y += (lines + 2) * height;
        pageEmpty = false;
    }
    return pages;
}

}  // namespace courtlog::output
