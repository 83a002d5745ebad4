#include <gtest/gtest.h>

#include "RecordBuilders.h"
#include "core/records/Team.h"

namespace courtlog {
namespace {

using testing::recordData;
using testing::ScratchFolder;
using testing::writeFile;

TEST(TeamImportTest, CommaDelimitedReferenceFile) {
    Team t;
    const auto result = t.importFrom(recordData("eagles.csv"));
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(t.fileName, recordData("eagles.csv"));
    EXPECT_EQ(t.name, "Brenvik Eagles");
    EXPECT_EQ(t.coach, "Hanna Lund");
    EXPECT_EQ(t.assistant, "Per Moe");
    EXPECT_EQ(t.logoFile, "eagles.bmp");
    ASSERT_EQ(t.playerCount(), 4);  // the empty last line adds nobody
    ASSERT_EQ(t.personalInfo.size(), 4u);

    EXPECT_EQ(t.players[0].number, -1);  // "00"
    EXPECT_EQ(t.players[0].name, "Ann Berg");
    EXPECT_EQ(t.players[0].position, 3);   // "forward"
    EXPECT_EQ(t.players[0].courtSlot, 4);  // "Forward 1"
    EXPECT_EQ(t.personalInfo[0].phone, "555-0101");
    EXPECT_EQ(t.personalInfo[0].address, "1 Harbour Road");
    EXPECT_EQ(t.personalInfo[0].city, "Brenvik");
    EXPECT_EQ(t.personalInfo[0].state, "Nordland");
    EXPECT_EQ(t.personalInfo[0].zip, "8001");
    EXPECT_EQ(t.personalInfo[0].birthday, (BirthDate{2008, 14, 3}));  // month/day/year
    EXPECT_EQ(t.personalInfo[0].email, "ann@example.org");
    EXPECT_EQ(t.personalInfo[0].note, "captain");  // no '\r' from the CRLF line end

    EXPECT_EQ(t.players[1].number, 12);
    EXPECT_EQ(t.players[1].position, 3);   // " 3"
    EXPECT_EQ(t.players[1].courtSlot, 0);  // "4" is not a slot name here
    EXPECT_EQ(t.personalInfo[1], PersonalInfo::blank());

    EXPECT_EQ(t.players[2].number, -1);  // "-1"
    EXPECT_EQ(t.players[2].position, 1);
    EXPECT_EQ(t.players[2].courtSlot, 2);

    EXPECT_EQ(t.players[3].position, 2);
    EXPECT_EQ(t.players[3].courtSlot, 3);
    EXPECT_EQ(t.personalInfo[3].phone, "");
    EXPECT_EQ(t.personalInfo[3].birthday, BirthDate::today());  // empty birthday keeps the default
}

TEST(TeamImportTest, CommaDelimitedFieldsAreCutToTheirWidth) {
    Team t;
    const std::string longName(40, 'N');
    const std::string longPhone(30, '5');
    const auto result = t.importCommaDelimited("Team," + std::string(60, 'T') +
                                               "\nCoach,C,Skipped,A\nTeamLogo,logo.bmp\nheadings\n"
                                               "7," +
                                               longName + ",Guard,Guard 1," + longPhone +
                                               ",addr,city,st,zip,1/2/1999,mail,note\n"
                                               "8,Next,Bench,Nope\n");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(t.name, std::string(24, 'T'));
    EXPECT_EQ(t.coach, "C");
    EXPECT_EQ(t.assistant, "A");
    ASSERT_EQ(t.playerCount(), 2);
    EXPECT_EQ(t.players[0].name, std::string(24, 'N'));
    EXPECT_EQ(t.personalInfo[0].phone, std::string(24, '5'));
    EXPECT_EQ(t.personalInfo[0].address, "addr");  // the rest of a long field is dropped
    EXPECT_EQ(t.personalInfo[0].birthday, (BirthDate{1999, 2, 1}));
    EXPECT_EQ(t.players[1].name, "Next");
    EXPECT_EQ(t.players[1].courtSlot, 0);
}

TEST(TeamImportTest, CommaDelimitedHeaderLinesWithoutACommaLeaveTheirFields) {
    Team t;
    t.logoFile = "default.bmp";
    const auto result = t.importCommaDelimited("Eagles\nno comma\nnone\nheadings\n5,Ann,Guard,Center\n");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(t.name, "");
    EXPECT_EQ(t.coach, "");
    EXPECT_EQ(t.logoFile, "default.bmp");
    ASSERT_EQ(t.playerCount(), 1);
    EXPECT_EQ(t.players[0].courtSlot, 3);
}

TEST(TeamImportTest, PlainTextReferenceFileStopsAtTheBadLine) {
    ScratchFolder dir;
    // The extension is recognised in any letter case.
    const std::string path = dir.file("ROSTER.TXT");
    std::filesystem::copy_file(recordData("roster.txt"), path);
    Team t;
    const auto result = t.importFrom(path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.badLine, 7);
    EXPECT_EQ(result.error, "Invalid Import Format, line number 7\n\u201C100\u201D is not a uniform number. "
                            "The uniform number must be 00 or a number from 0 to 99.");
    EXPECT_EQ(t.fileName, path);
    EXPECT_EQ(t.name, "Brenvik Eagles");
    EXPECT_EQ(t.coach, "Hanna Lund");
    EXPECT_EQ(t.assistant, "Per Moe");

    // Players before the bad line stay.
    ASSERT_EQ(t.playerCount(), 3);
    EXPECT_EQ(t.players[0].name, "Ann Berg");
    EXPECT_EQ(t.players[0].position, 3);   // "forward"
    EXPECT_EQ(t.players[0].courtSlot, 4);  // "4" is a slot number in this format
    EXPECT_EQ(t.players[0].number, -1);    // "00"
    EXPECT_EQ(t.players[1].position, 3);   // "3"
    EXPECT_EQ(t.players[1].courtSlot, 1);  // "Guard 1"
    EXPECT_EQ(t.players[1].number, 12);
    EXPECT_EQ(t.players[2].position, 2);
    EXPECT_EQ(t.players[2].courtSlot, 0);
    EXPECT_EQ(t.players[2].number, -1);
    EXPECT_EQ(t.personalInfo[2], PersonalInfo::blank());
}

TEST(TeamImportTest, PlainTextLineChecks) {
    const struct {
        const char* line;
        bool valid;
    } cases[] = {
        {"A,0,0,0", true},   {"A,3,5,99", true},          {"A,Bench,Forward 2,-1", true},
        {"A,4,0,1", true},  // '4' is not a digit position, so it is a name: Bench
        {"A,0,6,1", true},  // likewise '6' is a slot name: Not a Starter
        {"A,0,12,1", false}, {"A,35,0,0", false},         {"A,0,0,100", false},
        {"A,0,0,-2", false}, {"A,0,0,70000", false},      {"A,3x,1,1", true},
        {"A,-1,0,0", true},  {"A,guard,guard 1,5", true},
        // The uniform follows the roster editor's rule, as the comma-delimited
        // import does: a number is all digits, and one must be there.
        {"A,0,0,7b", false}, {"A,0,0,", false},           {"A,0,0,007", true},
    };
    for (const auto& c : cases) {
        Team t;
        const auto result = t.importPlainText(std::string("T\nC\nA\n") + c.line + "\n");
        EXPECT_EQ(result.ok, c.valid) << c.line;
        EXPECT_EQ(t.playerCount(), c.valid ? 1 : 0) << c.line;
        if (!c.valid) {
            EXPECT_EQ(result.error.rfind("Invalid Import Format, line number 4", 0), 0u) << c.line;
        }
    }
}

// A comma-delimited roster gives only uniforms a team can give back as they
// were read: "00" (or its stored form -1) and 0 to 99. Anything else stops
// the import at its line, as the plain-text format does.
TEST(TeamImportTest, CommaDelimitedUniformsFollowTheEditorsRule) {
    const struct {
        const char* number;
        int stored;  // -2: refused
    } cases[] = {{"00", -1}, {"-1", -1}, {"0", 0}, {" 07", 7}, {"99", 99},
                 {"-5", -2}, {"150", -2}, {"", -2}, {"7b", -2}, {"-01", -2}};
    for (const auto& c : cases) {
        Team t;
        // The quoted line break puts the second player on line 7 of the
        // file, though it is the sixth record.
        const auto result = t.importCommaDelimited(std::string("Team,Eagles\nCoach,C,Assistant,A\nTeamLogo,x\n"
                                                               "#,Name,Pos,Starter Status\n"
                                                               "5,\"Ann\nBerg\",Guard,Guard 1\n") +
                                                   c.number + ",Bo,Guard,Guard 2\n");
        if (c.stored == -2) {
            EXPECT_FALSE(result.ok) << c.number;
            EXPECT_EQ(result.badLine, 7) << c.number;
            EXPECT_EQ(result.error, "Invalid Import Format, line number 7\n\u201C" + std::string(c.number) +
                                        "\u201D is not a uniform number. The uniform number must be 00 or a "
                                        "number from 0 to 99.")
                << c.number;
            EXPECT_EQ(t.playerCount(), 1) << c.number;  // the players before it stay
        } else {
            ASSERT_TRUE(result.ok) << c.number << ": " << result.error;
            ASSERT_EQ(t.playerCount(), 2);
            EXPECT_EQ(t.players[1].number, c.stored) << c.number;
        }
    }
}

TEST(TeamImportTest, PlainTextHeaderLinesAndLineEnds) {
    Team t;
    const auto result =
        t.importPlainText("A very long team name that goes on\r\nCoach\r\nAssistant\r\nAnn,1,1,1\r\n");
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(t.name, "A very long team name th");  // 24 characters; the rest is not a new line
    EXPECT_EQ(t.coach, "Coach");
    EXPECT_EQ(t.assistant, "Assistant");
    ASSERT_EQ(t.playerCount(), 1);
    EXPECT_EQ(t.players[0].number, 1);
}

// Rosters saved as UTF-8 by a spreadsheet (with or without a byte-order
// mark) come in as the same letters; Windows-1252 files as before; a
// character no team file can hold is refused with its line.
TEST(TeamImportTest, Utf8RostersAreConvertedAndWindows1252RostersKept) {
    const std::string utf8Roster =
        "Team,Caf\xC3\xA9 Stars\nCoach,Ren\xC3\xA9" "e,x,J\xC3\xBCrgen\nTeamLogo,default.bmp\nheadings\n"
        "7,Jos\xC3\xA9 P\xC3\xA9rez,Guard,Guard 1\n";
    for (const std::string& prefix : {std::string(), std::string("\xEF\xBB\xBF")}) {
        Team t;
        ASSERT_TRUE(t.importCommaDelimited(prefix + utf8Roster).ok);
        EXPECT_EQ(t.name, "Caf\xE9 Stars");
        EXPECT_EQ(t.coach, "Ren\xE9" "e");
        EXPECT_EQ(t.assistant, "J\xFCrgen");
        ASSERT_EQ(t.playerCount(), 1);
        EXPECT_EQ(t.players[0].name, "Jos\xE9 P\xE9rez");
    }
    Team legacy;  // Windows-1252, as the roster export writes it
    ASSERT_TRUE(legacy.importCommaDelimited("Team,Caf\xE9\nCoach,a,x,b\nTeamLogo,x\nh\n7,Jos\xE9,Guard,\n").ok);
    EXPECT_EQ(legacy.players.at(0).name, "Jos\xE9");

    Team chinese;
    const auto refused =
        chinese.importCommaDelimited("Team,Stars\nCoach,a,x,b\nTeamLogo,x\nh\n7,Ann,Guard,\n8,Zhang \xE5\xBC\xA0,Guard,\n");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.badLine, 6);
    EXPECT_NE(refused.error.find("Line 6"), std::string::npos) << refused.error;
    EXPECT_NE(refused.error.find("\xE5\xBC\xA0"), std::string::npos);
    EXPECT_EQ(chinese.playerCount(), 0);

    Team text;  // the plain-text format too
    ASSERT_TRUE(text.importPlainText("\xEF\xBB\xBF" "Caf\xC3\xA9\nCoach\nHelp\nJos\xC3\xA9,1,1,7\n").ok);
    EXPECT_EQ(text.name, "Caf\xE9");
    EXPECT_EQ(text.players.at(0).name, "Jos\xE9");
}

TEST(TeamImportTest, MissingFileFails) {
    Team t;
    const auto result = t.importFrom("/nonexistent/roster.csv");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.badLine, 0);
    EXPECT_FALSE(result.error.empty());
}

TEST(TeamImportTest, ImportedTeamSavesAndLoadsWithItsPersonalInformation) {
    ScratchFolder dir;
    Team t;
    ASSERT_TRUE(t.importFrom(recordData("eagles.csv")).ok);
    ASSERT_TRUE(t.saveTo(dir.file("eagles.tem")));
    Team back;
    back.fileName = dir.file("eagles.tem");
    ASSERT_TRUE(back.load());
    EXPECT_EQ(back.players, t.players);
    EXPECT_EQ(back.personalInfo, t.personalInfo);
    EXPECT_EQ(back.logoFile, "eagles.bmp");
}

}  // namespace
}  // namespace courtlog

namespace courtlog {
namespace {

TEST(TeamImportTest, NulBytesEndAText) {
    Team t;
    using namespace std::string_literals;
    ASSERT_TRUE(t.importPlainText("Ea\0gles\nC\nA\nAn\0n,1,1,1\n"s).ok);
    EXPECT_EQ(t.name, "Ea");
    ASSERT_EQ(t.playerCount(), 1);
    EXPECT_EQ(t.players[0].name, "An");

    Team c;
    ASSERT_TRUE(c.importCommaDelimited("Team,X\0Y\nCoach,a,b,c\nTeamLogo,l\nh\n5,B\0o,Guard,Center\n"s).ok);
    EXPECT_EQ(c.name, "X");
    ASSERT_EQ(c.playerCount(), 1);
    EXPECT_EQ(c.players[0].name, "B");
    EXPECT_EQ(c.players[0].courtSlot, 3);
}

}  // namespace
}  // namespace courtlog
