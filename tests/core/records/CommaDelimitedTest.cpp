// Quoting of comma-delimited fields, and reading them back, as the roster
// export and import use them.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "RecordBuilders.h"
#include "core/records/CommaDelimited.h"
#include "core/records/RosterExport.h"

namespace courtlog {
namespace {

struct QuoteCase {
    const char* name;
    std::string text;
    std::string field;
};
void PrintTo(const QuoteCase& c, std::ostream* os) { *os << c.name; }

class CsvQuoting : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(CsvQuoting, QuotesOnlyWhatWouldSplitAndReadsItBack) {
    const QuoteCase& c = GetParam();
    EXPECT_EQ(csvField(c.text), c.field);
    // The field between two others comes back as one field, unchanged.
    const std::string text = csvLine({"before", c.text, "after"}) + "\nnext\n";
    const auto records = splitCsvRecords(text);
    ASSERT_EQ(records.size(), 2u);
    CsvFieldCursor cursor(records[0]);
    EXPECT_EQ(cursor.next(), "before");
    EXPECT_EQ(cursor.next(), c.text);
    EXPECT_EQ(cursor.next(), "after");
    EXPECT_TRUE(cursor.atEnd());
    EXPECT_EQ(records[1], "next");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CsvQuoting,
    ::testing::Values(QuoteCase{"Plain", "Dana Whitlock", "Dana Whitlock"},
                      QuoteCase{"Empty", "", ""},
                      QuoteCase{"Blanks", "  spaced  ", "  spaced  "},
                      QuoteCase{"Comma", "Whitlock, Dana", "\"Whitlock, Dana\""},
                      QuoteCase{"Quote", "The \"Rock\"", "\"The \"\"Rock\"\"\""},
                      QuoteCase{"LineFeed", "12 Pit Road\nUnit 4", "\"12 Pit Road\nUnit 4\""},
                      QuoteCase{"CrLf", "a\r\nb", "\"a\r\nb\""},
                      QuoteCase{"OnlyAQuote", "\"", "\"\"\"\""},
                      QuoteCase{"QuoteInside", "5'11\" tall", "\"5'11\"\" tall\""}),
    [](const auto& info) { return std::string(info.param.name); });

// A text a spreadsheet would run as a formula goes out behind an
// apostrophe; numbers and other texts go out as they are.
TEST(CsvFormulaGuard, TextsThatWouldRunGoBehindAnApostropheAndComeBack) {
    const struct {
        std::string text;
        std::string field;
    } cases[] = {
        {"=SUM(A1:A9)", "'=SUM(A1:A9)"}, {"+47 555 0101", "'+47 555 0101"}, {"-", "'-"},
        {"@home", "'@home"},             {"-Dana", "'-Dana"},               {"=a,b", "\"'=a,b\""},
        {"-5", "-5"},                    {"+3", "+3"},                      {"-0.25", "-0.25"},
        {"12.5", "12.5"},                {"O'Neil", "O'Neil"},              {"'quoted'", "'quoted'"},
        // An apostrophe already in front is kept: reading takes one off.
        {"'=x", "''=x"},                 {"''-y", "'''-y"},                 {"'", "'"},
    };
    for (const auto& c : cases) {
        const std::string written = csvField(c.text);
        EXPECT_EQ(written, c.field) << c.text;
        CsvFieldCursor cursor(written);
        EXPECT_EQ(withoutFormulaGuard(cursor.next()), c.text) << c.text;
    }
}

TEST(CsvReading, BudgetCutsARecordLikeALineBuffer) {
    // Unquoted: the same as cutting the line to the budget.
    CsvFieldCursor plain("abc,defgh,ij", 6);
    EXPECT_EQ(plain.next(), "abc");
    EXPECT_EQ(plain.next(), "de");
    EXPECT_EQ(plain.next(), "");
    // Quoted: the quotes do not count, their text does.
    CsvFieldCursor quoted("\"a,\"\"b\",cd", 6);
    EXPECT_EQ(quoted.next(), "a,\"b");
    EXPECT_EQ(quoted.next(), "c");
    EXPECT_TRUE(quoted.atEnd());
}

TEST(CsvReading, OddQuotingIsReadWithoutLosingText) {
    // An unclosed quote runs to the end; text after a closing quote stays.
    const auto records = splitCsvRecords("x,\"open,\nstill open");
    ASSERT_EQ(records.size(), 1u);
    CsvFieldCursor open(records[0]);
    open.next();
    EXPECT_EQ(open.next(), "open,\nstill open");
    CsvFieldCursor trailing("\"ab\"cd,e");
    EXPECT_EQ(trailing.next(), "abcd");
    EXPECT_EQ(trailing.next(), "e");
    // A quote inside an unquoted field is text.
    CsvFieldCursor inside("5'11\" tall,x");
    EXPECT_EQ(inside.next(), "5'11\" tall");
}

// A team whose texts hold commas, quotes and line breaks goes out as a
// comma-delimited roster and comes back the same.
TEST(RosterRoundTrip, TextsWithCommasQuotesAndLineBreaksComeBackTheSame) {
    Team team = courtlog::testing::team("Miners", 3);
    team.name = "Smith, Jones & Co";
    team.coach = "Whitlock, Dana";
    team.assistant = "Lee \"Coach\" Park";
    team.logoFile = "logos\\smith, jones.bmp";
    team.players[1].name = "Reyes, Jr.";
    team.personalInfo[0].address = "12 Pit Road\nUnit 4";
    team.personalInfo[0].note = "says \"hi\", often";
    team.personalInfo[2].city = "Brenvik, North";

    const std::string csv = commaDelimitedRoster(team);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "Team,\"Smith, Jones & Co\"");
    Team back;
    ASSERT_TRUE(back.importCommaDelimited(csv).ok);
    EXPECT_EQ(back.name, team.name);
    EXPECT_EQ(back.coach, "Whitlock, Dana");
    EXPECT_EQ(back.assistant, team.assistant);
    EXPECT_EQ(back.logoFile, team.logoFile);
    EXPECT_EQ(back.players, team.players);
    EXPECT_EQ(back.personalInfo, team.personalInfo);
}

// Names and texts that look like formulas are guarded in the file and come
// back unchanged, even at the full width of their field.
TEST(RosterRoundTrip, TextsThatLookLikeFormulasComeBackTheSame) {
    Team team = courtlog::testing::team("Miners", 2);
    team.name = "=HYPERLINK(\"x\")";
    team.coach = "+Dana";
    team.logoFile = "@logo.bmp";
    team.players[0].name = "-" + std::string(23, 'N');  // 24 characters, the most a name holds
    team.players[1].name = "'=already guarded";
    team.personalInfo[0].phone = "+47 555 0101";
    team.personalInfo[1].note = "=1+1";

    const std::string csv = commaDelimitedRoster(team);
    EXPECT_NE(csv.find("\n3,'-NNN"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",'+47 555 0101,"), std::string::npos) << csv;
    Team back;
    ASSERT_TRUE(back.importCommaDelimited(csv).ok);
    EXPECT_EQ(back.name, team.name);
    EXPECT_EQ(back.coach, team.coach);
    EXPECT_EQ(back.logoFile, team.logoFile);
    EXPECT_EQ(back.players, team.players);
    EXPECT_EQ(back.personalInfo, team.personalInfo);
}

TEST(RosterRoundTrip, ATeamWithoutSpecialTextsIsWrittenUnquoted) {
    Team team = courtlog::testing::team("Eagles", 1);
    team.logoFile = "eagles.bmp";
    team.personalInfo[0].birthday = {2008, 14, 3};  // year, day, month
    team.personalInfo[0].note = "captain";
    EXPECT_EQ(commaDelimitedRoster(team),
              "Team,Eagles\nCoach,Coach Eagles,Assistant,Assistant Eagles\nTeamLogo,eagles.bmp\n"
              "#,Name,Pos,Starter Status,Phone,Address,City,State,Zip,Birthday,E-mail,Note\n"
              "3,Eagles Player 1,Guard,Guard 1,,,,,,03/14/2008,,captain\n");
}

}  // namespace
}  // namespace courtlog
