#include "core/output/PageStarts.h"

namespace courtlog::output {

std::size_t PageStarts::firstOn(int page) const {
    if (page < 1 || page > pageCount()) return itemCount_;
    return first_[static_cast<std::size_t>(page - 1)];
}

std::size_t PageStarts::countOn(int page) const {
    if (page < 1 || page > pageCount()) return 0;
    const std::size_t end = page < pageCount() ? first_[static_cast<std::size_t>(page)] : itemCount_;
    return end - firstOn(page);
}

}  // namespace courtlog::output
