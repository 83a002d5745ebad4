#include "core/output/HtmlTable.h"

namespace courtlog::output {

std::string tableOpening(TablePadding padding) {
    return "\n<TABLE CELLPADDING=" + std::to_string(static_cast<int>(padding)) + " CELLSPACING=0 BORDER=1>\n";
}

RowLook headingRowLook(const HtmlStyle& style, const FontTags& tags) {
    return {colorText(style.colour(HtmlStyle::HeaderBackground)), tags.header};
}

RowLook bodyRowLook(const HtmlStyle& style, const FontTags& tags, std::size_t rowIndex) {
    const HtmlStyle::Colour background = rowIndex % 2 == 0 ? HtmlStyle::PrimaryRow : HtmlStyle::AlternateRow;
    return {colorText(style.colour(background)), tags.normal};
}

RowLook totalsRowLook(const HtmlStyle& style, const FontTags& tags) { return headingRowLook(style, tags); }

}  // namespace courtlog::output
