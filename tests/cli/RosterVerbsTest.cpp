// courtlog roster and courtlog addresses: the team editor's and the
// personal-information dialog's exports from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "CliRun.h"
#include "core/records/Team.h"

namespace courtlog {
namespace {

struct VerbCase {
    const char* what;
    std::vector<std::string> args;  // TEAM and OUT stand for the two files
    std::string expectedStart;      // of the file written; empty: no file
    int status;
};
void PrintTo(const VerbCase& c, std::ostream* os) { *os << c.what; }

class TeamExportVerbs : public testing::CommandLineTest, public ::testing::WithParamInterface<VerbCase> {};

TEST_P(TeamExportVerbs, WriteTheFileOrLeaveNone) {
    folder.saveTeam(testing::team("Owls", 2), "owls.tem");
    // The same team cut short: one of its two players is left.
    const std::string whole = testing::readFile(path("owls.tem"));
    testing::writeFile(path("cut.tem"), whole.substr(0, Team::kHeaderSize + Player::kRecordSize + 10));
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args)
        args.push_back(a == "TEAM" ? path("owls.tem") : a == "CUT" ? path("cut.tem") : a == "OUT" ? path("out.txt") : a);
    const testing::CliRun run = testing::runCli(args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_EQ(testing::readFile(path("out.txt")).substr(0, GetParam().expectedStart.size()),
              GetParam().expectedStart);
    EXPECT_EQ(std::filesystem::exists(path("out.txt")), !GetParam().expectedStart.empty());
    if (GetParam().args[1] == "CUT") {
        EXPECT_EQ(run.err, "The team file " + path("cut.tem") + " is damaged: 1 of its 2 players could be read.\n");
    } else if (GetParam().args[1] != "TEAM") {
        EXPECT_EQ(run.err.rfind("Can't load team ! " + GetParam().args[1], 0), 0u) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TeamExportVerbs,
    ::testing::Values(
        VerbCase{"roster csv with personal info",
                 {"roster", "TEAM", "--personal", "--csv", "OUT"},
                 "\xEF\xBB\xBFTeam,Owls\nCoach,Coach Owls,Assistant,Assistant Owls\nTeamLogo,default.bmp\n"
                 "#,Name,Pos,Starter Status,Phone,",
                 0},
        VerbCase{"roster html",
                 {"roster", "TEAM", "--html", "OUT"},
                 "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Owls",
                 0},
        VerbCase{
            "addresses csv", {"addresses", "TEAM", "--csv", "OUT"}, "\xEF\xBB\xBFName,Phone,Birthday,", 0},
        VerbCase{"addresses html",
                 {"addresses", "TEAM", "--html", "OUT"},
                 "<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball",
                 0},
        VerbCase{"team that does not load", {"roster", "/no/such/team.tem", "--csv", "OUT"}, "", 1},
        // A damaged team is refused as convert refuses it: nothing written.
        VerbCase{"roster of a team cut short", {"roster", "CUT", "--html", "OUT"}, "", 1},
        VerbCase{"addresses of a team cut short", {"addresses", "CUT", "--csv", "OUT"}, "", 1},
        VerbCase{"addresses take no personal", {"addresses", "TEAM", "--personal", "--csv", "OUT"}, "", 2},
        VerbCase{
            "missing settings", {"roster", "TEAM", "--csv", "OUT", "--settings", "/no/such.ini"}, "", 1}),
    testing::NameFromWhat());

// An accented roster goes out in UTF-8, behind the byte-order mark that
// tells a spreadsheet so, and comes back in with the same letters.
class RosterExportEncoding : public testing::CommandLineTest {};

TEST_F(RosterExportEncoding, AnAccentedRosterGoesOutInUtf8AndComesBack) {
    Team owls = testing::team("Owls", 1);
    owls.players[0].name =
        "Zo\xEB \xC5"
        "berg-N\xFA\xF1"
        "ez";
    folder.saveTeam(owls, "owls.tem");
    ASSERT_EQ(testing::runCli({"roster", path("owls.tem"), "--csv", path("owls.csv")}).status, 0);
    const std::string csv = testing::readFile(path("owls.csv"));
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBFTeam,Owls\n", 0), 0u);
    EXPECT_NE(csv.find("\n3,Zo\xC3\xAB \xC3\x85"
                       "berg-N\xC3\xBA\xC3\xB1"
                       "ez,"),
              std::string::npos)
        << csv;
    Team back;
    ASSERT_TRUE(back.importFrom(path("owls.csv")).ok);
    ASSERT_EQ(back.playerCount(), 1);
    EXPECT_EQ(back.players[0].name, owls.players[0].name);
}

}  // namespace
}  // namespace courtlog
