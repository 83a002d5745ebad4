#include "core/output/HtmlText.h"

namespace courtlog::output {

std::string htmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string nbsp(int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += "&nbsp;";
    return out;
}

}  // namespace courtlog::output
