#pragma once

#include <cstddef>
#include <string>

#include "core/output/FontTags.h"
#include "core/output/HtmlStyle.h"

namespace courtlog::output {

// The cell padding of each page's tables; otherwise every table opens alike.
enum class TablePadding {
    Schedule = 1,
    Standard = 2,  // statistics, box score, address list
    Roster = 3,
};

// "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1>\n" (with the padding given).
std::string tableOpening(TablePadding padding);

// How one table row looks: its background as colour text (for
// "<tr bgcolor=%s>") and the font tag its cells open with; cells close with
// FontTags::close.
struct RowLook {
    std::string background;
    std::string fontTag;
};

// Title and heading rows: the header background, the header font.
RowLook headingRowLook(const HtmlStyle& style, const FontTags& tags);
// Body rows alternate from the first: index 0, 2, 4... the primary row
// colour, odd indexes the alternate row colour; the normal font.
RowLook bodyRowLook(const HtmlStyle& style, const FontTags& tags, std::size_t rowIndex);
// A table's totals row: the header background and the header font.
RowLook totalsRowLook(const HtmlStyle& style, const FontTags& tags);

}  // namespace courtlog::output
