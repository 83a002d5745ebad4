// The shared pieces of every HTML page: colour text, the three font tags,
// head, table openings, row colours, foot and escaping.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/output/FontTags.h"
#include "core/output/HtmlPage.h"
#include "core/output/HtmlStyle.h"
#include "core/output/HtmlTable.h"
#include "core/output/HtmlText.h"

namespace courtlog::output {
namespace {

std::uint32_t rgb(unsigned red, unsigned green, unsigned blue) { return red | green << 8 | blue << 16; }

struct ColourCase {
    const char* name;
    std::uint32_t colour;
    const char* text;
};
void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

class ColourText : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourText, IsRedGreenBlueInTwoUppercaseDigitsEach) {
    EXPECT_EQ(colorText(GetParam().colour), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ColourText,
    ::testing::Values(ColourCase{"Mixed", rgb(5, 200, 255), "05C8FF"}, ColourCase{"Black", 0, "000000"},
                      ColourCase{"FifteenAndSixteen", rgb(15, 16, 10), "0F100A"},
                      ColourCase{"HeaderDefault", HtmlStyle::kDefaultColours[HtmlStyle::HeaderBackground],
                                 "F9FAD6"},
                      ColourCase{"HighByteIgnored", 0xFF000000u | rgb(1, 2, 3), "010203"}),
    [](const auto& info) { return std::string(info.param.name); });

struct TagCase {
    const char* name;
    const char* face;
    const char* normal;
    const char* header;
    const char* close;
};
void PrintTo(const TagCase& c, std::ostream* os) { *os << c.name; }

class FontTagForms : public ::testing::TestWithParam<TagCase> {};

// Body size 3 in black, header size 5 in red.
TEST_P(FontTagForms, FollowTheFace) {
    HtmlStyle style;
    style.fontFace = GetParam().face;
    style.bodyFontSize = 3;
    style.headerFontSize = 5;
    style.colours[HtmlStyle::HeaderFont] = rgb(255, 0, 0);
    const FontTags tags = FontTags::of(style);
    EXPECT_EQ(tags.normal, GetParam().normal);
    EXPECT_EQ(tags.header, GetParam().header);
    EXPECT_EQ(tags.close, GetParam().close);
    EXPECT_EQ(tags.normalCell("7"), GetParam().normal + std::string("7") + GetParam().close);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FontTagForms,
    ::testing::Values(TagCase{"FixedWidth", "Fixed Width", "<tt><font color=000000 size=3>",
                              "<tt><font color=FF0000 size=5>", "</font></tt>"},
                      TagCase{"VariableWidth", "Variable Width", "<font color=000000 size=3>",
                              "<font color=FF0000 size=5>", "</font>"},
                      TagCase{"InstalledFace", "Arial", "<font color=000000 face=\"Arial\" size=3>",
                              "<font color=FF0000 face=\"Arial\" size=5>", "</font>"},
                      TagCase{"FaceWithQuote", "Odd\" onmouseover=\"x",
                              "<font color=000000 face=\"Odd&quot; onmouseover=&quot;x\" size=3>",
                              "<font color=FF0000 face=\"Odd&quot; onmouseover=&quot;x\" size=5>",
                              "</font>"}),
    [](const auto& info) { return std::string(info.param.name); });

struct EscapeCase {
    const char* name;
    const char* text;
    const char* html;
};
void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }

class Escaping : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(Escaping, WritesMarkupCharactersAsEntities) { EXPECT_EQ(htmlText(GetParam().text), GetParam().html); }

INSTANTIATE_TEST_SUITE_P(Table, Escaping,
                         ::testing::Values(EscapeCase{"Ampersand", "Smith & Sons", "Smith &amp; Sons"},
                                           EscapeCase{"Markup", "<b>loud</b>", "&lt;b&gt;loud&lt;/b&gt;"},
                                           EscapeCase{"Quote", "The \"Rock\"", "The &quot;Rock&quot;"},
                                           EscapeCase{"EntityStaysText", "&amp;", "&amp;amp;"},
                                           EscapeCase{"ApostropheAndWesternLetters", "O'Brien Caf\xE9",
                                                      "O'Brien Caf\xE9"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HtmlPage, HeadNamesTheSubjectEscaped) {
    EXPECT_EQ(
        pageHead("Box Score"),
        "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Box Score</TITLE></HEAD><BODY>");
    EXPECT_EQ(pageHead("Roster of A&B"),
              "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Roster of "
              "A&amp;B</TITLE></HEAD><BODY>");
}

TEST(HtmlPage, TablesOpenWithTheirPadding) {
    EXPECT_EQ(tableOpening(TablePadding::Standard), "\n<TABLE CELLPADDING=2 CELLSPACING=0 BORDER=1>\n");
    EXPECT_EQ(tableOpening(TablePadding::Roster), "\n<TABLE CELLPADDING=3 CELLSPACING=0 BORDER=1>\n");
    EXPECT_EQ(tableOpening(TablePadding::Schedule), "\n<TABLE CELLPADDING=1 CELLSPACING=0 BORDER=1>\n");
}

TEST(HtmlPage, BodyRowsAlternateFromThePrimaryColourAndHeadingsAndTotalsUseTheHeader) {
    HtmlStyle style;
    style.colours[HtmlStyle::PrimaryRow] = rgb(1, 1, 1);
    style.colours[HtmlStyle::AlternateRow] = rgb(2, 2, 2);
    style.colours[HtmlStyle::HeaderBackground] = rgb(3, 3, 3);
    style.fontFace = std::string(HtmlStyle::kVariableWidth);
    style.colours[HtmlStyle::HeaderFont] = rgb(9, 9, 9);
    const FontTags tags = FontTags::of(style);
    const char* expected[] = {"010101", "020202", "010101", "020202", "010101"};
    for (std::size_t row = 0; row < 5; ++row) {
        EXPECT_EQ(bodyRowLook(style, tags, row).background, expected[row]) << "row " << row;
        EXPECT_EQ(bodyRowLook(style, tags, row).fontTag, tags.normal) << "row " << row;
    }
    for (const RowLook& look : {headingRowLook(style, tags), totalsRowLook(style, tags)}) {
        EXPECT_EQ(look.background, "030303");
        EXPECT_EQ(look.fontTag, "<font color=090909 size=3>");
    }
}

struct FootCase {
    const char* name;
    const char* link;
    ClockReading when;
    const char* foot;
};
void PrintTo(const FootCase& c, std::ostream* os) { *os << c.name; }

class PageFoot : public ::testing::TestWithParam<FootCase> {};

TEST_P(PageFoot, ClosesTheTableAndNamesTheProgramWithTheTime) {
    HtmlStyle style;
    style.footLink = GetParam().link;
    EXPECT_EQ(pageFoot(style, GetParam().when), GetParam().foot);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PageFoot,
    ::testing::Values(
        FootCase{"WithoutLink",
                 "",
                 {2024, 3, 4, 9, 5, 7},
                 "\n</TABLE>\n<p><font size=-1>This file was created with <em>Basketball Courtlog\t</em> on "
                 "3/04/2024 at  9:05:07</font>\n</BODY></HTML>"},
        FootCase{
            "WithLink",
            "https://example.org/club",
            {2025, 12, 31, 23, 59, 58},
            "\n</TABLE>\n<p><font size=-1>This file was created with <a href=\"https://example.org/club\">"
            "<em>Basketball Courtlog\t</em></a> on 12/31/2025 at 23:59:58</font>\n</BODY></HTML>"},
        FootCase{
            "LinkEscaped",
            "x\"><script>",
            {2024, 1, 2, 0, 0, 0},
            "\n</TABLE>\n<p><font size=-1>This file was created with <a href=\"x&quot;&gt;&lt;script&gt;\">"
            "<em>Basketball Courtlog\t</em></a> on 1/02/2024 at  0:00:00</font>\n</BODY></HTML>"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace courtlog::output
