#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "CliRun.h"

namespace courtlog {
namespace {

using testing::runCli;
using json = nlohmann::ordered_json;
namespace fs = std::filesystem;

class ScheduleCommandLine : public testing::CommandLineTest {
protected:
    // Two events written through the JSON form, as a user would make them.
    void makeSeason() {
        testing::writeFile(path("season.json"), R"({"kind":"schedule","entries":[
            {"kind":2,"court":"Main Gym","homeName":"Caf\u00e9 Hawks","visitorName":"Miners",
             "year":2024,"month":3,"day":14,"hour":19,"minute":30,"season":2024,"note":"Bring, the book"},
            {"kind":1,"homeName":"Hawks","year":2024,"month":1,"day":5,"hour":17,"minute":0,"season":2024}]})");
        ASSERT_EQ(runCli({"convert", path("season.json"), path("season.sch")}).status, 0);
    }
};

TEST_F(ScheduleCommandLine, ConvertAndDumpCarryEveryFieldBothWays) {
    makeSeason();
    const std::string bytes = testing::readFile(path("season.sch"));
    ASSERT_EQ(bytes.size(), 12u + 2 * 1024u);
    // Stored in the single-byte form, terminated.
    EXPECT_EQ(bytes.substr(12 + 29, 11), std::string("Caf\xE9 Hawks\0", 11));

    const testing::CliRun dumped = runCli({"dump", path("season.sch")});
    ASSERT_EQ(dumped.status, 0) << dumped.err;
    const json doc = json::parse(dumped.out);
    EXPECT_EQ(doc["kind"], "schedule");
    EXPECT_EQ(doc["headerA"], 2);
    EXPECT_EQ(doc["headerB"], 14);
    ASSERT_EQ(doc["entries"].size(), 2u);
    EXPECT_EQ(doc["entries"][0]["homeName"], "Caf\u00e9 Hawks");
    EXPECT_EQ(doc["entries"][0]["note"], "Bring, the book");
    EXPECT_EQ(doc["entries"][1]["gameFile"], "");

    // .sch -> .json -> .sch gives the same file.
    ASSERT_EQ(runCli({"convert", path("season.sch"), path("again.json")}).status, 0);
    ASSERT_EQ(runCli({"convert", path("again.json"), path("again.sch")}).status, 0);
    EXPECT_EQ(testing::readFile(path("again.sch")), bytes);
}

TEST_F(ScheduleCommandLine, DamagedSchedulesAndBadFieldsAreRefusedAndWriteNothing) {
    makeSeason();
    std::string bytes = testing::readFile(path("season.sch"));
    bytes[8] = 3;  // three entries claimed, two there
    testing::writeFile(path("damaged.sch"), bytes);
    testing::CliRun damaged = runCli({"convert", path("damaged.sch"), path("damaged.json")});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("Can't load schedule ! The schedule file names more entries than it holds"),
              std::string::npos)
        << damaged.err;
    EXPECT_FALSE(fs::exists(path("damaged.json")));

    testing::writeFile(path("long.json"),
                       R"({"kind":"schedule","entries":[{"note":")" + std::string(131, 'n') + R"("}]})");
    testing::CliRun tooLong = runCli({"convert", path("long.json"), path("long.sch")});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_NE(tooLong.err.find("entries[0].note: text longer than 130 characters"), std::string::npos)
        << tooLong.err;
    EXPECT_FALSE(fs::exists(path("long.sch")));

    testing::CliRun asTeam = runCli({"convert", path("season.sch"), path("season.tem")});
    EXPECT_NE(asTeam.err.find("Can't write a schedule as a team file"), std::string::npos) << asTeam.err;
    EXPECT_FALSE(fs::exists(path("season.tem")));
}

TEST_F(ScheduleCommandLine, ScheduleVerbWritesTheCommaDelimitedAndHtmlExports) {
    makeSeason();
    ASSERT_EQ(runCli({"schedule", path("season.sch"), "--csv", path("season.csv")}).status, 0);
    EXPECT_EQ(
        testing::readFile(path("season.csv")),
        "\xEF\xBB\xBF"
        "Date,Time,Event,Home,Visitor,Field,Note\n3/14/2024,19:30,Game,Caf\xC3\xA9 Hawks,Miners,Main Gym,"
        "\"Bring, the book\"\n1/5/2024,17:00,Practice,Hawks,,,");

    testing::writeFile(path("crtlog.ini"), "");
    const testing::CliRun html =
        runCli({"schedule", path("season.sch"), "--html", path("season.htm"), "--settings", path("crtlog.ini")});
    ASSERT_EQ(html.status, 0) << html.err;
    const std::string page = testing::readFile(path("season.htm"));
    EXPECT_EQ(
        page.rfind("<HTML><HEAD><meta charset=\"utf-8\"><TITLE>Basketball Courtlog Schedule</TITLE>", 0), 0u);
    EXPECT_NE(page.find("&nbsp;Bring, the book&nbsp;"), std::string::npos);
    EXPECT_NE(page.find("</BODY></HTML>"), std::string::npos);

    EXPECT_EQ(runCli({"schedule", path("season.sch")}).status, 2);
    EXPECT_EQ(runCli({"schedule", path("season.sch"), "--csv", "a.csv", "--html", "b.htm"}).status, 2);
    const testing::CliRun missing = runCli({"schedule", path("none.sch"), "--csv", path("none.csv")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Can't load schedule !"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("none.csv")));
}

}  // namespace
}  // namespace courtlog
