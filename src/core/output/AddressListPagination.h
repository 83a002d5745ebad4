#pragma once

#include <vector>

#include "core/output/PageStarts.h"

namespace courtlog::output {

// Where the entries of the address-list printout fall on its pages. An
// entry is its heading line and its detail lines, one line height each, and
// is followed by one empty line. An entry goes on a page only whole: when
// its last detail line's top would come to six line heights above the
// page's bottom or below, it starts the next page, so a heading is never
// parted from its details. A page always takes at least one entry, so an
// entry taller than a page cannot hold up the printout.
//
// detailLines: the number of detail lines of each entry, in order.
// firstTop: the top of the first heading on every page, from the page's
// top, in the units of pageHeight.
PageStarts addressListPages(const std::vector<int>& detailLines, int firstTop, int lineHeight, int pageHeight);

}  // namespace courtlog::output
