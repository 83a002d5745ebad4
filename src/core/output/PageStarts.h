#pragma once

#include <cstddef>
#include <vector>

namespace courtlog::output {

// Where the pages of a printout start in its list of items (entries,
// players): the first item of each page. There is always a first page,
// starting at item 0. Pages are numbered from 1.
class PageStarts {
public:
    explicit PageStarts(std::size_t itemCount) : itemCount_(itemCount) {}

    // The next page starts at item.
    void startPageAt(std::size_t item) { first_.push_back(item); }

    int pageCount() const { return static_cast<int>(first_.size()); }
    // The first item on page, and how many items the page holds; the end
    // of the list and none for a page there is not.
    std::size_t firstOn(int page) const;
    std::size_t countOn(int page) const;

private:
    std::size_t itemCount_;
    std::vector<std::size_t> first_{0};
};

}  // namespace courtlog::output
