// courtlog roster and courtlog addresses: the team editor's and the
// personal-information dialog's exports from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "CaseNames.h"
#include "CliRun.h"
#include "RecordBuilders.h"

using namespace courtlog;

namespace {

struct VerbCase {
    const char* what;
    std::vector<std::string> args;  // TEAM and OUT stand for the two files
    std::string expectedStart;      // of the file written; empty: no file
    int status;
};
void PrintTo(const VerbCase& c, std::ostream* os) { *os << c.what; }

class TeamExportVerbs : public courtlog::testing::CommandLineTest,
                        public ::testing::WithParamInterface<VerbCase> {};

TEST_P(TeamExportVerbs, WriteTheFileOrLeaveNone) {
    Team team = courtlog::testing::team("Owls", 2);
    team.personalInfo[0].city = "Brenvik";
    folder.saveTeam(team, "owls.tem");
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args)
        args.push_back(a == "TEAM" ? folder.file("owls.tem") : a == "OUT" ? folder.file("out.txt") : a);
    const courtlog::testing::CliRun run = courtlog::testing::runCli(args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    const bool written = std::filesystem::exists(folder.file("out.txt"));
    EXPECT_EQ(written, !GetParam().expectedStart.empty());
    if (written) {
        EXPECT_EQ(courtlog::testing::readFile(folder.file("out.txt")).rfind(GetParam().expectedStart, 0), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, TeamExportVerbs,
    ::testing::Values(
        VerbCase{"RosterCsv", {"roster", "TEAM", "--csv", "OUT"}, "Team,Owls\n", 0},
        VerbCase{"RosterCsvWithPersonalInfo",
                 {"roster", "TEAM", "--personal", "--csv", "OUT"},
                 "Team,Owls\nCoach,Coach Owls,Assistant,Assistant Owls\nTeamLogo,default.bmp\n"
                 "#,Name,Pos,Starter Status,Phone,",
                 0},
        VerbCase{"RosterHtml", {"roster", "TEAM", "--html", "OUT"}, "<HTML><HEAD><TITLE>Basketball Courtlog Owls", 0},
        VerbCase{"AddressesCsv", {"addresses", "TEAM", "--csv", "OUT"}, "Name,Phone,Birthday,", 0},
        VerbCase{"AddressesHtml",
                 {"addresses", "TEAM", "--html", "OUT"},
                 "<HTML><HEAD><TITLE>Basketball Courtlog Address/Phone List",
                 0},
        VerbCase{"TeamThatDoesNotLoad", {"roster", "/no/such/team.tem", "--csv", "OUT"}, "", 1},
        VerbCase{"AddressesOfNoTeam", {"addresses", "/no/such/team.tem", "--html", "OUT"}, "", 1},
        VerbCase{"NoOutput", {"roster", "TEAM"}, "", 2},
        VerbCase{"TwoOutputs", {"roster", "TEAM", "--csv", "OUT", "--html", "OUT"}, "", 2},
        VerbCase{"AddressesTakeNoPersonal", {"addresses", "TEAM", "--personal", "--csv", "OUT"}, "", 2},
        VerbCase{"MissingSettings", {"roster", "TEAM", "--csv", "OUT", "--settings", "/no/such.ini"}, "", 1}),
    courtlog::testing::NameFromWhat());

TEST(RosterVerbs, ATeamThatDoesNotLoadSaysSo) {
    const courtlog::testing::CliRun run = courtlog::testing::runCli({"roster", "/no/such/team.tem", "--csv", "/tmp/never.csv"});
    EXPECT_EQ(run.err.rfind("Can't load team ! /no/such/team.tem", 0), 0u) << run.err;
}

}  // namespace
