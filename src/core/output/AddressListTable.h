#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "core/records/PersonalInfoEntry.h"

namespace courtlog::output {

// The address list on paper is a table of the nine columns of the list
// (name, phone, birthday, address, city, state, zip, e-mail, note) across
// the page, one row per player, its cells wrapped onto further lines where
// a column is too narrow for them.

using AddressColumnWidths = std::array<double, kAddressColumnCount>;

// The columns' widths across `available`: each as wide as its widest text
// when they all fit, the room left over going to the columns in proportion
// to their widths. When they do not fit, the widest columns are narrowed
// alike to one width, the narrower keeping theirs, but none below its
// least width (its heading); so wrapping falls on the long addresses and
// notes first.
AddressColumnWidths addressTableColumnWidths(const AddressColumnWidths& widest, const AddressColumnWidths& least,
                                             double available);

// The pages of a table's rows under a heading repeated on every page: the
// first row of each page. Rows are kept whole; room is the height for rows
// on a page, and a row taller than that has a page to itself. One page
// also for no rows (it shows the heading).
std::vector<std::size_t> tablePageStarts(const std::vector<double>& rowHeights, double room);

}  // namespace courtlog::output
