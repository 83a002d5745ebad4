#include "core/output/AddressListPagination.h"

#include <algorithm>

namespace courtlog::output {

AddressListPagination::AddressListPagination(const std::vector<int>& detailLines, int firstTop,
                                             int lineHeight, int pageHeight)
    : entryCount_(detailLines.size()) {
    const long long height = std::max(lineHeight, 1);
    const long long limit = static_cast<long long>(pageHeight) - 6 * height;
    firstEntry_.push_back(0);
    long long y = firstTop;
    bool pageEmpty = true;
    for (std::size_t i = 0; i < detailLines.size(); ++i) {
        const long long lines = std::max(detailLines[i], 0);
        if (!pageEmpty && (y >= limit || y + lines * height >= limit)) {
            firstEntry_.push_back(i);
            y = firstTop;
        }
        y += (lines + 2) * height;
        pageEmpty = false;
    }
}

std::size_t AddressListPagination::firstEntryOn(int page) const {
    if (page < 1 || page > pageCount()) return entryCount_;
    return firstEntry_[static_cast<std::size_t>(page - 1)];
}

std::size_t AddressListPagination::entryCountOn(int page) const {
    if (page < 1 || page > pageCount()) return 0;
    const std::size_t end = page < pageCount() ? firstEntry_[static_cast<std::size_t>(page)] : entryCount_;
    return end - firstEntryOn(page);
}

}  // namespace courtlog::output
