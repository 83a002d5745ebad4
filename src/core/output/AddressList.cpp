#include "core/output/AddressList.h"

#include "core/output/FontTags.h"
#include "core/output/HtmlTable.h"
#include "core/output/HtmlText.h"
#include "core/records/Codes.h"
#include "core/records/CommaDelimited.h"
#include "core/records/PersonalInfoEntry.h"

namespace courtlog::output {

namespace {

std::string padded(const char* heading, int blanks) { return nbsp(blanks) + heading + nbsp(blanks); }

}  // namespace

std::string addressListCommaDelimited(const Team& team) {
    std::string text = "Name,Phone,Birthday,Address,City,State,Zip,e-mail,Note";
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        const auto cells = addressListCells(team, i);
        text += '\n';
        text += csvLine(std::vector<std::string>(cells.begin(), cells.end()));
    }
    return text;
}

std::string addressListHtml(const Team& team, bool withPageHead, const HtmlStyle& style,
                            const ClockReading& now) {
    const FontTags tags = FontTags::of(style);
    const RowLook heading = headingRowLook(style, tags);
    std::string page = withPageHead ? pageHead("Address/Phone List") : std::string();
    page += tableOpening(TablePadding::Standard);
    page += "\n\t<th colspan=9 bgcolor=" + heading.background + ">" + tags.headerCell(htmlText(team.name)) +
            "</th>";
    page += "\n\t<tr bgcolor=" + heading.background + ">";
    const std::string headings[] = {padded("Name", 12),    padded("Phone", 4),  "Birthday",
                                    padded("Address", 10), padded("City", 4),   "State",
                                    padded("Zip", 3),      padded("e-mail", 4), padded("Note", 10)};
    for (const std::string& h : headings) page += "\n\t\t<td align=center>" + tags.headerCell(h) + "</td>";
    page += "</tr>\n";
    for (std::size_t i = 0; i < team.players.size(); ++i) {
        const auto cells = addressListCells(team, i);
        page += "\n\t<tr bgcolor=" + bodyRowLook(style, tags, i).background + ">";
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const std::string text = htmlText(cells[c]);
            const bool email = c == static_cast<std::size_t>(AddressColumn::Email);
            page += "\n\t\t<td align=left>&nbsp;" +
                    tags.normalCell(email ? "<a href=\"mailto:" + text + "\">" + text + "</a>" : text) +
                    "</td>";
        }
        page += "\n\t\t</tr>\n";
    }
    page += pageFoot(style, now);
    return page;
}

std::string addressListText(const Team& team, bool html, bool withPageHead, const HtmlStyle& style,
                            const ClockReading& now) {
    return html ? addressListHtml(team, withPageHead, style, now) : addressListCommaDelimited(team);
}

}  // namespace courtlog::output
