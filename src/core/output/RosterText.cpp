#include "core/output/RosterText.h"

#include <cctype>

#include "core/output/FontTags.h"
#include "core/output/HtmlTable.h"
#include "core/output/HtmlText.h"
#include "core/records/Codes.h"
#include "core/records/RosterExport.h"

namespace courtlog::output {

namespace {

// One bold heading cell: "<td align=center><b>" tag heading close "</b></td>".
std::string headingCell(const FontTags& tags, const std::string& heading) {
    return "<td align=center><b>" + tags.headerCell(heading) + "</b></td>";
}

// The coach and assistant rows; like the original page they leave the row
// open, the browser closes it at the next row.
std::string staffRow(const std::string& background, int columns, const FontTags& tags, const char* label,
                     const std::string& name) {
    return "\n\t<tr bgcolor=" + background + "><td colspan=" + std::to_string(columns) + " align=left><b>" +
           tags.headerCell(label) + "</b>" + tags.headerCell("&nbsp;" + htmlText(name)) + "</td>";
}

std::string headingRow(const std::string& background, const FontTags& tags, bool withPersonalInfo) {
    std::string row = "\n\t<tr bgcolor=" + background + ">" + headingCell(tags, "#") +
                      headingCell(tags, nbsp(14) + "Name" + nbsp(14)) + headingCell(tags, "Pos") +
                      headingCell(tags, "Starter Status");
    if (withPersonalInfo) {
        row += headingCell(tags, "Phone Number") + headingCell(tags, nbsp(13) + "Address" + nbsp(13)) +
               headingCell(tags, "City") + headingCell(tags, "State") + headingCell(tags, "Zip") +
               headingCell(tags, "Birthday") + headingCell(tags, "E-mail") +
               headingCell(tags, nbsp(13) + "Note" + nbsp(13));
    }
    return row + "</tr>\n";
}

std::string playerRow(const Team& team, std::size_t i, const HtmlStyle& style, const FontTags& tags,
                      bool withPersonalInfo) {
    const Player& p = team.players[i];
    const RowLook look = bodyRowLook(style, tags, i);
    auto cell = [&](const char* align, const std::string& text) {
        return std::string("<td align=") + align + ">" + tags.normalCell(htmlText(text)) + "</td>";
    };
    std::string row = "\n\t<tr bgcolor=" + look.background + ">" + cell("center", uniformText(p.number)) +
                      cell("left", p.name) + cell("left", std::string(positionText(p.position))) +
                      cell("left", std::string(courtSlotText(p.courtSlot)));
    if (withPersonalInfo) {
        const PersonalInfo info = i < team.personalInfo.size() ? team.personalInfo[i] : PersonalInfo::blank();
        auto spaced = [&](const std::string& text) {
            return "<td align=left>" + tags.normalCell("&nbsp;" + htmlText(text)) + "</td>";
        };
        row += spaced(info.phone) + spaced(info.address) + spaced(info.city) + spaced(info.state) +
               spaced(info.zip) + spaced(rosterBirthdayText(info.birthday));
        const std::string email = htmlText(info.email);
        row += "<td align=left>" +
               tags.normalCell("&nbsp;<a href=\"mailto:" + email + "\">" + email + "</a>") + "</td>" +
               spaced(info.note);
    }
    return row + "</tr>";
}

}  // namespace

std::string rosterCommaDelimited(const Team& team, bool withPersonalInfo) {
    return commaDelimitedRoster(team, withPersonalInfo);
}

std::string rosterHtml(const Team& team, bool withPersonalInfo, bool withPageHead, const HtmlStyle& style,
                       const ClockReading& now) {
    const FontTags tags = FontTags::of(style);
    const RowLook heading = headingRowLook(style, tags);
    const int columns = withPersonalInfo ? 12 : 4;
    std::string page = withPageHead ? pageHead(team.name) : std::string();
    page += tableOpening(TablePadding::Roster);
    page += "\n\t<th colspan=" + std::to_string(columns) + " bgcolor=" + heading.background + ">" +
            tags.headerCell(htmlText(team.name)) + "</th>\n";
    page += staffRow(heading.background, columns, tags, "Coach :", team.coach);
    page += staffRow(heading.background, columns, tags, "Assistant :", team.assistant);
    page += headingRow(heading.background, tags, withPersonalInfo);
    for (std::size_t i = 0; i < team.players.size(); ++i)
        page += playerRow(team, i, style, tags, withPersonalInfo);
    page += pageFoot(style, now);
    return page;
}

std::string rosterText(const Team& team, ExportKind kind, bool withPersonalInfo, bool withPageHead,
                       const HtmlStyle& style, const ClockReading& now) {
    switch (kind) {
        case ExportKind::CommaDelimited:
            return rosterCommaDelimited(team, withPersonalInfo);
        case ExportKind::Html:
            return rosterHtml(team, withPersonalInfo, withPageHead, style, now);
        case ExportKind::TeamFile:
        case ExportKind::Benchboss:
            break;
    }
    return {};
}

}  // namespace courtlog::output
