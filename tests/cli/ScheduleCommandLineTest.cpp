#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "core/records/Schedule.h"

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

// What an independent iCalendar reader (Debian's python3-icalendar) finds
// in a file.
json readCalendar(const std::string& file) {
    const std::string command =
        "/usr/bin/python3 " COURTLOG_TEST_DATA "/../support/read_calendar.py '" + file + "' 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return json();
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    const int status = ::pclose(pipe);
    EXPECT_EQ(status, 0) << out << "\n(the reader needs python3-icalendar: scripts/setup-deps --test)";
    return status == 0 ? json::parse(out, nullptr, false) : json();
}

TEST_F(ScheduleCommandLine, ScheduleVerbWritesACalendarThatAnIndependentReaderReads) {
    makeSeason();
    // A third entry on a day that does not exist.
    Schedule season;
    ASSERT_TRUE(season.load(path("season.sch")).ok());
    const ScheduleEntry noDay = testing::scheduled(PracticeEvent, 2, 29, 2023, 17, 0, "Hawks");
    season.addEntry(noDay);
    ASSERT_TRUE(season.save(path("season.sch")));

    const testing::CliRun run = runCli({"schedule", path("season.sch"), "--ics", path("season.ics")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Left out of the calendar: entry 3 (2/29/2023 17:00, Practice - Hawks): no such date\n");
    const json calendar = readCalendar(path("season.ics"));
    ASSERT_TRUE(calendar.is_object());
    EXPECT_EQ(calendar["version"], "2.0");
    EXPECT_EQ(calendar["errors"], json::array());
    ASSERT_EQ(calendar["events"].size(), 2u);
    const json& game = calendar["events"][0];
    EXPECT_EQ(game["start"], "2024-03-14T19:30:00");
    EXPECT_EQ(game["floating"], true);  // the local wall clock, no time zone
    EXPECT_EQ(game["summary"], "Game - Caf\u00e9 Hawks vs Miners");
    EXPECT_EQ(game["location"], "Main Gym");
    EXPECT_EQ(game["description"], "Bring, the book");
    EXPECT_EQ(calendar["events"][1]["summary"], "Practice - Hawks");
    EXPECT_EQ(calendar["events"][1]["location"], "");

    // Exported again: the same events, so a calendar updates them.
    ASSERT_EQ(runCli({"schedule", path("season.sch"), "--ics", path("again.ics")}).status, 0);
    const json again = readCalendar(path("again.ics"));
    ASSERT_TRUE(again.is_object());
    EXPECT_EQ(again["events"][0]["uid"], game["uid"]);
    EXPECT_EQ(again["events"][1]["uid"], calendar["events"][1]["uid"]);

    // A schedule with no entry to show writes no calendar.
    Schedule more;
    more.addEntry(noDay);
    ASSERT_TRUE(more.save(path("more.sch")));
    const testing::CliRun none = runCli({"schedule", path("more.sch"), "--ics", path("none.ics")});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("no entry with a date to put in a calendar"), std::string::npos) << none.err;
    EXPECT_FALSE(fs::exists(path("none.ics")));
}

}  // namespace
}  // namespace courtlog
