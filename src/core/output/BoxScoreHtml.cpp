#include "core/output/BoxScoreHtml.h"

#include <array>
#include <string_view>

#include "core/output/BoxScore.h"
#include "core/output/FixedWidthText.h"
#include "core/output/FontTags.h"
#include "core/output/HtmlTable.h"
#include "core/output/HtmlText.h"
#include "core/records/Cp1252.h"
#include "core/records/Game.h"

namespace courtlog::output {

namespace {

constexpr std::string_view kSubject = "Box Score";

// The heading cells of a team's table after PLAYER.
constexpr std::array<std::string_view, 24> kValueHeadings{
    "PP",  "TP",  "2M", "2A", "2%", "3M",   "3A", "3%", "FGM",  "FGA", "FG%", "FTM",
    "FTA", "FT%", "AS", "OF", "DF", "TotF", "OR", "DR", "TotR", "ST",  "BS",  "TO"};

// A record text in a page: padded to width characters first (as a "%-25s"
// would), then escaped.
std::string padded(const std::string& recordText, std::size_t width) {
    std::string out = recordText;
    if (out.size() < width) out.append(width - out.size(), ' ');
    return htmlText(out);
}

class PageWriter {
public:
    PageWriter(const BoxScore& boxScore, const HtmlStyle& style)
        : box_(boxScore), game_(boxScore.game()), style_(style), tags_(FontTags::of(style)) {}

    void heading() {
        // The file name is this system's (UTF-8); the page carries the
        // records' single-byte text.
        out_ += "<b>" + tags_.normal + "<center>" + htmlText(utf8ToCp1252(box_.fileBaseName())) + "<br>" +
                htmlText(game_.home.name) + " vs " + htmlText(game_.visitor.name) + "<br>" +
                box_.weekdayName() + " " + box_.monthName() + " " + std::to_string(game_.day) + ", " +
                std::to_string(game_.year) + " &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;" + htmlText(game_.court) +
                "<p></center></b>";
    }

    void teamTable(bool home) {
        const Stat& stat = home ? box_.homeStats() : box_.visitorStats();
        const RowLook heading = headingRowLook(style_, tags_);
        out_ += tableOpening(TablePadding::Standard);
        out_ += "\n\t<tr bgcolor=" + heading.background + "><td colspan=25>" + heading.fontTag +
                (home ? "Home" : "Visitor") + " Game Stats for " +
                htmlText(home ? game_.home.name : game_.visitor.name) + " [vs " +
                htmlText(home ? game_.visitor.name : game_.home.name) + "]" + tags_.close + "</td></tr>";
        out_ += "\n\t<tr bgcolor=" + heading.background + ">";
        headingCell(nbsp(12) + "PLAYER" + nbsp(12));
        for (const std::string_view text : kValueHeadings) headingCell(std::string(text));
        out_ += "</tr>\n";
        const std::vector<StatLine>& lines = stat.lines();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const bool totals = i + 1 == lines.size();
            row(lines[i], totals, totals ? totalsRowLook(style_, tags_) : bodyRowLook(style_, tags_, i));
        }
    }

    void periodTable() {
        out_ += "\n</TABLE><p>";
        out_ += tableOpening(TablePadding::Standard);
        out_ += "<tr bgcolor=" + headingRowLook(style_, tags_).background + "><td width=100>&nbsp;</td>";
        for (const char* title : {"Qtr1", "Qtr2", "Qtr3", "Qtr4", "OT1", "OT2", "Game Total"})
            out_ += "<td align=middle>" + tags_.header + title + tags_.close + "</td>";
        out_ += "</tr>";
        periodRow("Home: ", game_.home.name, true, game_.homeScore());
        periodRow("Visitor: ", game_.visitor.name, false, game_.visitorScore());
        out_ += "\n</table>";
    }

    void officials() {
        out_ += "\n<br>" + tags_.normal + "Attendance:  " + htmlText(game_.attendance) +
                "  &nbsp;&nbsp; Officials:    " + padded(game_.referee1, 25) + ", " +
                padded(game_.referee2, 25) + ", " + padded(game_.referee3, 25) + "<p>";
    }

    std::string& text() { return out_; }

private:
    void headingCell(const std::string& html) {
        out_ += "\n\t\t<th align=center>" + tags_.header + html + tags_.close + "</th>";
    }

    void row(const StatLine& line, bool totals, const RowLook& look) {
        out_ += "\n\t<tr bgcolor=" + look.background + ">";
        out_ += "\n\t\t<td align=left>" + look.fontTag + htmlText(BoxScore::rowName(line, totals)) +
                tags_.close + "</td>";
        const auto count = [&](long long value) {
            out_ += "\n\t\t<td align=center>" + look.fontTag + rightAligned(value, 2) + tags_.close + "</td>";
        };
        const auto percent = [&](float value) {
            out_ +=
                "\n\t\t<td align=center>" + look.fontTag + fixedPoint(value, 2, 3) + tags_.close + "</td>";
        };
        count(line.pp);
        count(line.tp);
        count(line.twoM);
        count(line.twoA);
        percent(line.twoPct);
        count(line.threeM);
        count(line.threeA);
        percent(line.threePct);
        count(line.fgm);
        count(line.fga);
        percent(line.fgPct);
        count(line.ftm);
        count(line.fta);
        percent(line.ftPct);
        count(line.as);
        count(line.of);
        count(line.df);
        count(static_cast<long long>(line.of) + line.df + line.tf);
        count(line.oreb);
        count(line.dreb);
        count(static_cast<long long>(line.oreb) + line.dreb);
        count(line.st);
        count(line.bs);
        count(line.to);
        out_ += "\n\t\t</tr>\n";
    }

    void periodRow(const char* label, const std::string& team, bool home, int total) {
        out_ += "\n<tr><td>" + tags_.normal + label + htmlText(team) + tags_.close + "</td>";
        const auto cell = [&](int value) {
            out_ += "<td align=middle>" + tags_.normal + std::to_string(value) + tags_.close + "</td>";
        };
        // Quarter columns whatever the game's mode: halves are periods 0 and 2.
        for (int period = 0; period <= 5; ++period)
            cell(home ? box_.homePoints(period) : box_.visitorPoints(period));
        cell(total);
        out_ += "</tr>";
    }

    const BoxScore& box_;
    const Game& game_;
    const HtmlStyle& style_;
    const FontTags tags_;
    std::string out_;
};

}  // namespace

std::string boxScoreHtml(const BoxScore& boxScore, const HtmlStyle& style, bool withHead,
                         const ClockReading& now) {
    PageWriter page(boxScore, style);
    if (withHead) page.text() += pageHead(kSubject);
    page.heading();
    page.teamTable(true);
    page.periodTable();
    page.officials();
    page.teamTable(false);
    page.text() += pageFoot(style, now);
    return std::move(page.text());
}

}  // namespace courtlog::output
