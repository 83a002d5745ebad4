#include "core/output/StatisticsExport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "core/output/FontTags.h"
#include "core/output/HtmlTable.h"
#include "core/output/HtmlText.h"
#include "core/records/CommaDelimited.h"
#include "core/records/UniformNumber.h"
#include "core/stats/StatisticsColumns.h"

namespace courtlog::output {

namespace {

using stats::kPresentedValueCount;
using stats::presentedCount;
using stats::presentedFloat;
using stats::presentedValues;

std::string printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string printed(const char* format, long long value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The values of a line after its name (and team), comma-led: "%d" counts,
// "%f" percentages and averages.
void appendValues(std::string& row, const StatLine& line, bool withTurnoverKinds) {
    for (std::size_t i = 0; i < kPresentedValueCount; ++i) {
        const auto& value = presentedValues()[i];
        if (value.isTurnoverKind && !withTurnoverKinds) continue;
        row += ',';
        row += value.isFloat ? printed("%f", presentedFloat(line, i)) : printed("%lld", static_cast<long long>(presentedCount(line, i)));
    }
}

std::string heading(bool withTeam, bool withTurnoverKinds) {
    std::string text = withTeam ? "PLAYER,Teamn" : "PLAYER";
    for (const auto& value : presentedValues()) {
        if (value.isTurnoverKind && !withTurnoverKinds) continue;
        text += ',';
        text += value.key;
    }
    return text;
}

// "%-25s #%d": the name padded to 25 characters, then the number; "#00" for
// the uniform 00; the totals line's name alone.
std::string htmlNameText(const StatLine& line, bool totalsLine) {
    if (totalsLine) return line.playerName;
    std::string name = line.playerName;
    if (name.size() < 25) name.append(25 - name.size(), ' ');
    return name + " #" + uniformText(line.number);
}

std::string cell(const char* alignment, const std::string& fontTag, const std::string& html, const FontTags& tags) {
    return std::string("\n\t\t<td align=") + alignment + ">" + fontTag + html + tags.close + "</td>";
}

std::string headerCells(const FontTags& tags, const char* const* texts, const int* spans, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i)
        out += "\n\t\t<th align=center colspan=" + std::to_string(spans[i]) + ">" + tags.headerCell(texts[i]) + "</th>";
    return out;
}

}  // namespace

std::string statisticsCsv(const std::vector<StatLine>& lines) {
    std::string text = heading(true, true);
    for (const StatLine& line : lines) {
        text += '\n';
        text += csvField(line.playerName);
        text += ',';
        text += csvField(line.teamName);
        appendValues(text, line, true);
    }
    return text;
}

std::string statisticsBenchboss(const std::vector<StatLine>& lines) {
    std::string text = heading(false, false);
    for (const StatLine& line : lines) {
        text += '\n';
        text += csvField(line.playerName);
        appendValues(text, line, false);
    }
    return text;
}

std::string statisticsHtml(const std::vector<StatLine>& lines, std::string_view title, const HtmlStyle& style,
                           bool withPageHead, const ClockReading& now) {
    const FontTags tags = FontTags::of(style);
    const RowLook headingLook = headingRowLook(style, tags);
    std::string out = withPageHead ? pageHead("Individual Statistics") : std::string();
    out += tableOpening(TablePadding::Standard);

    out += "\n\t<tr bgcolor=" + headingLook.background + ">\n\t\t<th align=center colspan=44>" +
           tags.headerCell(htmlText(title)) + "</th></tr>";

    static const char* const kGroups[] = {"Statistics", "General", "Shooting", "Assists", "Fouls",
                                          "Rebounds",   "Steals",  "Blocked Shots", "Turnovers"};
    static const int kSpans[] = {2, 4, 12, 2, 4, 3, 2, 2, 13};
    out += "\n\t<tr bgcolor=" + headingLook.background + ">" + headerCells(tags, kGroups, kSpans, std::size(kGroups)) +
           "</tr>\n";

    std::string nbsp;
    for (int i = 0; i < 12; ++i) nbsp += "&nbsp;";
    out += "\n\t<tr bgcolor=" + headingLook.background + ">";
    out += "\n\t\t<th align=center>" + tags.headerCell(nbsp + "PLAYER" + nbsp) + "</th>";
    out += "\n\t\t<th align=center>" + tags.headerCell("Team") + "</th>";
    for (const auto& value : presentedValues())
        out += "\n\t\t<th align=center>" + tags.headerCell(std::string(value.htmlHeading)) + "</th>";
    out += "</tr>\n";

    for (std::size_t row = 0; row < lines.size(); ++row) {
        const StatLine& line = lines[row];
        const bool totals = row + 1 == lines.size();
        const RowLook look = totals ? totalsRowLook(style, tags) : bodyRowLook(style, tags, row);
        out += "\n\t<tr bgcolor=" + look.background + ">";
        out += cell("left", look.fontTag, htmlText(htmlNameText(line, totals)), tags);
        out += cell("left", look.fontTag, htmlText(line.teamName), tags);
        for (std::size_t i = 0; i < kPresentedValueCount; ++i) {
            const bool isFloat = presentedValues()[i].isFloat;
            out += cell("center", look.fontTag,
                        isFloat ? printed("%5.2f", presentedFloat(line, i)) : printed("%3lld", static_cast<long long>(presentedCount(line, i))),
                        tags);
        }
        out += "\n\t\t</tr>\n";
    }
    out += pageFoot(style, now);
    return out;
}

ExportEncoding statisticsExportEncoding(ExportKind kind) {
    if (kind == ExportKind::Benchboss) return ExportEncoding::Windows1252;
    return pageOrCsvEncoding(kind == ExportKind::Html);
}

std::string statisticsExportText(ExportKind kind, const std::vector<StatLine>& lines,
                                 std::string_view htmlTitle, const HtmlStyle& style, ExportMode mode,
                                 const ClockReading& now) {
    switch (kind) {
    case ExportKind::Html: return statisticsHtml(lines, htmlTitle, style, writesPageHead(mode), now);
    case ExportKind::Benchboss: return statisticsBenchboss(lines);
    case ExportKind::CommaDelimited:
    case ExportKind::TeamFile: break;
    }
    return statisticsCsv(lines);
}

}  // namespace courtlog::output
