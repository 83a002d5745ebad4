#pragma once

#include <string>

#include "core/output/HtmlStyle.h"

namespace courtlog::output {

// The three tags around every cell text of an HTML page: the normal font tag
// (font colour, body size), the header font tag (header font colour, header
// size) and the closing tag. Their form depends on the face:
//   "Variable Width": <font color=000000 size=3>          ... </font>
//   "Fixed Width":    <tt><font color=000000 size=3>      ... </font></tt>
//   any other face:   <font color=000000 face="Arial" size=3> ... </font>
// A face name is written escaped, so a quote in it cannot end the attribute.
struct FontTags {
    std::string normal;
    std::string header;
    std::string close;

    static FontTags of(const HtmlStyle& style);

    // text between the normal tag and the closing tag; the text is a
    // ready piece of HTML (escape record texts with htmlText first).
    std::string normalCell(const std::string& html) const { return normal + html + close; }
    std::string headerCell(const std::string& html) const { return header + html + close; }
};

}  // namespace courtlog::output
