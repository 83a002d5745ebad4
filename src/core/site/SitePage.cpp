#include "core/site/SitePage.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/output/HtmlText.h"
#include "core/records/Cp1252.h"
#include "core/records/ScheduleForm.h"

namespace courtlog::site {

namespace {

std::string colourValue(const output::HtmlStyle& style, output::HtmlStyle::Colour which) {
    return "#" + output::colorText(style.colour(which));
}

// The seven sizes of the HTML font tag as the browsers' keywords; the
// options allow up to 20, which reads as the largest.
std::string_view fontSizeKeyword(int size) {
    static constexpr std::array<std::string_view, 7> kKeywords{"x-small", "small",    "medium",   "large",
                                                               "x-large", "xx-large", "xxx-large"};
    return kKeywords[static_cast<std::size_t>(std::clamp(size, 1, 7) - 1)];
}

// The face as a stylesheet family list: the two faces that are no font name
// choose a kind of font, any other is named (quoted) before a fallback.
std::string fontFamily(std::string_view face) {
    if (face == output::HtmlStyle::kFixedWidth) return "monospace";
    if (face == output::HtmlStyle::kVariableWidth) return "sans-serif";
    const std::string utf8 = isValidUtf8(face) ? std::string(face) : cp1252ToUtf8(face);
    std::string quoted = "\"";
    for (const char c : utf8) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) continue;
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\", sans-serif";
}

}  // namespace

std::string recordHtml(std::string_view recordText) { return output::htmlText(cp1252ToUtf8(recordText)); }

std::string textHtml(std::string_view text) {
    return output::htmlText(isValidUtf8(text) ? std::string(text) : cp1252ToUtf8(text));
}

std::string dateText(int year, int month, int day) {
    EventDate date;
    date.year = year;
    date.month = static_cast<std::int8_t>(month);
    date.day = static_cast<std::int8_t>(day);
    return dateFieldText(date);
}

std::string timeText(int hour, int minute) { return timeFieldText(hour, minute); }

std::string linkHtml(std::string_view href, std::string_view html) {
    std::string out = "<a href=\"";
    out.reserve(out.size() + href.size() + html.size() + 6);
    out += href;
    out += "\">";
    out += html;
    out += "</a>";
    return out;
}

std::string pageStart(const SiteFrame& frame, std::string_view pageTitle) {
    const std::string site = textHtml(frame.title);
    const std::string title = pageTitle.empty() ? site : textHtml(pageTitle) + " - " + site;
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>";
    out += title;
    out += "</title>\n<link rel=\"stylesheet\" href=\"";
    out += kStylesheetName;
    out += "\">\n</head>\n<body>\n<header><p class=\"site\">";
    out += linkHtml(kIndexName, site);
    out += "</p></header>\n<main>\n";
    return out;
}

std::string pageEnd(const SiteFrame& frame, bool dated) {
    const output::ClockReading& at = frame.built;
    const std::string when =
        dated ? " on " + dateText(at.year, at.month, at.day) + " at " + timeText(at.hour, at.minute) : "";
    return "</main>\n<footer><p>Made with Basketball Courtlog" + when + ".</p></footer>\n</body>\n</html>\n";
}

SiteTable::SiteTable(std::string& page, std::string_view captionHtml, const std::vector<SiteColumn>& columns,
                     std::size_t rowHeader)
    : page_(page), columns_(columns), rowHeader_(rowHeader) {
    page_ += "<div class=\"scroll\"><table>\n<caption>";
    page_ += captionHtml;
    page_ += "</caption>\n<thead><tr>";
    for (const SiteColumn& column : columns_) {
        page_ += column.numeric ? "<th scope=\"col\" class=\"n\"" : "<th scope=\"col\"";
        if (!column.description.empty()) {
            page_ += " title=\"";
            page_ += column.description;
            page_ += "\"";
        }
        page_ += ">";
        page_ += column.heading;
        page_ += "</th>";
    }
    page_ += "</tr></thead>\n<tbody>\n";
}

SiteTable& SiteTable::cell(std::string_view html) {
    if (column_ == 0) page_ += "<tr>";
    const bool header = column_ == (foot_ ? 0 : rowHeader_);
    // Cells are set right (numbers) unless their column holds text.
    const bool text = column_ < columns_.size() && !columns_[column_].numeric;
    page_ += header ? "<th scope=\"row\">" : text ? "<td class=\"t\">" : "<td>";
    page_ += html;
    page_ += header ? "</th>" : "</td>";
    ++column_;
    return *this;
}

SiteTable& SiteTable::cell(long long number) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, number);
    return cell(std::string_view(digits, static_cast<std::size_t>(written.ptr - digits)));
}

SiteTable& SiteTable::endRow() {
    page_ += "</tr>\n";
    column_ = 0;
    return *this;
}

SiteTable& SiteTable::startFoot() {
    page_ += "</tbody>\n<tfoot>\n";
    foot_ = true;
    return *this;
}

void SiteTable::end() { page_ += foot_ ? "</tfoot>\n</table></div>\n" : "</tbody>\n</table></div>\n"; }

std::string siteStylesheet(const output::HtmlStyle& style) {
    using Colour = output::HtmlStyle::Colour;
    std::string css;
    css += "/* The colours and fonts of the program's HTML Options. */\n";
    css += ":root {\n  --header-background: " + colourValue(style, Colour::HeaderBackground) + ";\n";
    css += "  --row: " + colourValue(style, Colour::PrimaryRow) + ";\n";
    css += "  --alternate-row: " + colourValue(style, Colour::AlternateRow) + ";\n";
    css += "  --text: " + colourValue(style, Colour::Font) + ";\n";
    css += "  --header-text: " + colourValue(style, Colour::HeaderFont) + ";\n}\n";
    css += "body {\n  margin: 0 auto;\n  max-width: 72rem;\n  padding: 0 0.75rem;\n  color: var(--text);\n"
           "  background: #FFFFFF;\n  font-family: " + fontFamily(style.fontFace) + ";\n  font-size: " +
           std::string(fontSizeKeyword(style.bodyFontSize)) + ";\n  line-height: 1.4;\n}\n";
    css += "h1, h2, caption, thead th, tfoot th, tfoot td {\n  font-size: " +
           std::string(fontSizeKeyword(style.headerFontSize)) + ";\n}\n";
    css += "h1 { font-size: 1.6em; }\nh2 { font-size: 1.25em; margin-top: 1.5em; }\n";
    css += "header .site { font-weight: bold; margin: 0.75em 0; }\n";
    css += "a { color: inherit; }\n";
    css += ".scroll { overflow-x: auto; margin: 0.5em 0 1em; }\n";
    css += "table { border-collapse: collapse; }\n";
    css += ".leaders { display: flex; flex-wrap: wrap; column-gap: 1.5em; }\n";
    css += "caption { text-align: left; font-weight: bold; padding: 0.3em 0.4em; "
           "background: var(--header-background); color: var(--header-text); }\n";
    css += "th, td { border: 1px solid #999999; padding: 0.2em 0.45em; white-space: nowrap; }\n";
    css += "th, td.t { text-align: left; }\ntd, th.n { text-align: right; }\n";
    css += "thead th, tfoot th, tfoot td { background: var(--header-background); color: var(--header-text); }\n";
    css += "tbody tr:nth-child(odd) { background: var(--row); }\n";
    css += "tbody tr:nth-child(even) { background: var(--alternate-row); }\n";
    css += "tbody th { font-weight: normal; }\ntfoot td { font-weight: bold; }\n";
    css += ".won { font-weight: bold; }\n";
    css += "dl.details { display: grid; grid-template-columns: max-content auto; gap: 0.2em 1em; }\n";
    css += "dl.details dt { font-weight: bold; }\ndl.details dd { margin: 0; }\n";
    css += "footer { margin: 2em 0 1em; font-size: smaller; }\n";
    return css;
}

}  // namespace courtlog::site
